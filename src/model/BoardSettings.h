#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "LayerPredicates.h"

namespace trazello {

inline constexpr size_t kBoardSettingsSize = 499;
using BoardSettingsBytes = std::array<uint8_t, kBoardSettingsSize>;

// One board's settings record; also the board header of layout files. Arrays indexed by layer
// code keep index 0 unused. Template arrays hold side 1 at index 0 and side 2 at index 1.
struct BoardSettings {
  int32_t width = 16000;
  int32_t height = 10000;
  std::array<uint8_t, 8> groundPlane{};
  double grid = 127.0;
  double zoom = 0.1;
  int32_t scrollX = 0;
  int32_t scrollY = 0;
  int32_t activeLayer = 3;
  std::array<uint8_t, 8> visible{0, 1, 1, 1, 1, 1, 1, 1};
  std::array<uint8_t, 2> templateShown{};
  std::array<std::string, 2> templateFile;  // Windows-1252 bytes, at most 200
  std::array<int32_t, 2> templateDpi{600, 600};
  std::array<int32_t, 2> templateOffsetX{};  // 0.1 mm
  std::array<int32_t, 2> templateOffsetY{};
  std::array<int32_t, 2> templateColour{65280, 65280};  // 0x00BBGGRR
  int32_t originX = 0;  // thousandths of a unit
  int32_t originY = 0;
  uint8_t multilayer = 0;

  friend bool operator==(const BoardSettings&, const BoardSettings&) = default;
};

BoardSettingsBytes boardSettingsBytes(const BoardSettings& s);
// nullopt when a template name's length byte exceeds its field.
std::optional<BoardSettings> parseBoardSettings(const uint8_t* bytes);

LayerState layerState(const BoardSettings& s);

inline constexpr int32_t kMinBoardSize = 100;    // 1 mm
inline constexpr int32_t kMaxBoardSize = 50000;  // 500 mm: coordinates are 32-bit here
inline constexpr double kMinZoom = 0.01;

// The largest zoom for a board: 64000 / the larger side, at most 5, to three decimals.
double maxZoomFor(int32_t width, int32_t height);

}  // namespace trazello
