#pragma once

#include <cstdint>
#include <vector>

#include "PixelView.h"

namespace trazello {

// A Windows bitmap file of the picture, rows bottom-up as the format stores them, with the
// resolution in its header: 24 bits per pixel, or 1 bit per pixel with a black and a white
// palette entry, where exactly the pixels of `paper` become white. Paper is the colour of
// the empty board, so a black and white picture shows everything drawn in black on white.
std::vector<uint8_t> encodeColourBmp(const PixelView& picture, int dpi);
std::vector<uint8_t> encodeMonochromeBmp(const PixelView& picture, uint32_t paper, int dpi);

}  // namespace trazello
