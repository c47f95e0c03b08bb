#pragma once

#include <cstddef>
#include <cstdint>

namespace trazello {

// A picture handed to the picture writers without copying it: rows of 32-bit pixels, top row
// first, the colour in the low 24 bits as 0xRRGGBB (what a 32-bit RGB image in memory holds).
struct PixelView {
  int width = 0;
  int height = 0;
  const uint32_t* pixels = nullptr;
  size_t stride = 0;  // pixels from the start of one row to the next

  uint32_t at(int x, int y) const {
    return pixels[static_cast<size_t>(y) * stride + static_cast<size_t>(x)] & 0xFFFFFFu;
  }
};

inline constexpr uint32_t kRgbWhite = 0xFFFFFFu;

}  // namespace trazello
