#pragma once

#include <array>
#include <cstdint>

#include "TObjekt.h"

namespace trazello {

// What the layer predicates need to know of the current board's view: the active layer and, per
// layer code 1 to 7 (index 0 unused), visibility and the automatic ground plane switch.
struct LayerState {
  uint8_t activeLayer = 3;
  std::array<uint8_t, 8> visible{0, 1, 1, 1, 1, 1, 1, 1};
  std::array<uint8_t, 8> groundPlane{};
};

bool isPlatedPad(const TObjekt& e);
// The element's layer is L, or it is a plated pad and L is a copper layer.
bool isOnLayer(const TObjekt& e, int layerCode);
// As isOnLayer, counting only visible layers.
bool isShownOnLayer(const TObjekt& e, int layerCode, const LayerState& state);
bool shareLayer(const TObjekt& a, const TObjekt& b);
bool isDrawn(const TObjekt& e, const LayerState& state);
bool showsThermalRelief(const TObjekt& e, const LayerState& state);
bool isBareDrill(const TObjekt& e);
bool hasSolderMaskOpening(const TObjekt& e);

}  // namespace trazello
