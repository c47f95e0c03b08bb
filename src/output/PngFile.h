#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace trazello {

// Pixels as 0x..RRGGBB words (the top byte is ignored), row after row `stride` words apart.
struct RgbPixels {
  const uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  size_t stride = 0;
};

// The picture as the bytes of a PNG file, made for speed with every pixel kept: a picture of at
// most 256 colours (every drawing of a board) becomes a palette of the fewest bits per pixel,
// any other 8-bit RGB; rows are stored unfiltered and compressed as runs, which drawings of
// large even areas and long lines suit well and which costs a small part of general
// compression's time.
std::vector<uint8_t> encodePng(const RgbPixels& picture);

}  // namespace trazello
