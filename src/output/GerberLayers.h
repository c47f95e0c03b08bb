#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/ElementList.h"

namespace trazello {

// The eleven layer choices of the Gerber export, in the dialog's order.
enum class GerberLayer { K1, B1, K2, B2, I1, I2, U, LStop1, LStop2, SMD1, SMD2 };
inline constexpr size_t kGerberLayerCount = 11;
inline constexpr std::array<GerberLayer, kGerberLayerCount> kAllGerberLayers{
    GerberLayer::K1,     GerberLayer::B1,   GerberLayer::K2,  GerberLayer::B2,
    GerberLayer::I1,     GerberLayer::I2,   GerberLayer::U,   GerberLayer::LStop1,
    GerberLayer::LStop2, GerberLayer::SMD1, GerberLayer::SMD2};

// Languages: 0 Russian, 1 English, 2 French; anything else reads as 0.
std::string_view gerberButtonName(GerberLayer l);
std::optional<GerberLayer> gerberLayerNamed(std::string_view buttonName);
// The element layer the choice tests.
uint8_t gerberLayerCode(GerberLayer l);
std::string_view gerberFileName(GerberLayer l, int language);
std::string_view gerberLayerName(GerberLayer l, int language);
bool isCopperChoice(GerberLayer l);
bool isMaskChoice(GerberLayer l);
bool isSmdMaskChoice(GerberLayer l);

// Which choices have something to write: a layer with elements, a solder mask with openings,
// an SMD mask with SMD pads.
std::array<bool, kGerberLayerCount> enabledGerberLayers(const ElementList& elements);

}  // namespace trazello
