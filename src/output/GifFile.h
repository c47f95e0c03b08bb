#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "PixelView.h"

namespace trazello {

// The picture as palette indices: the colours in order of first appearance (rows from the top,
// each left to right), the table padded with black to the size a GIF file stores: 2 entries for
// one or two colours, 16 for 3 to 16, 256 for 17 to 256. A picture of more than 256 colours (a
// scanned copy in many shades) is first reduced to 256 by splitting the colour space where the
// pixels are (median cut), each pixel taking the mean colour of its share.
struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> table;  // 0xRRGGBB
  size_t coloursUsed = 0;       // entries before the padding
  std::vector<uint8_t> indices;  // width x height, rows from the top
};
IndexedPicture indexColours(const PixelView& picture);

// A GIF file of version 87a: the global colour table of `indexColours`, one image, LZW data in
// sub-blocks; nothing with the reason when the library fails.
struct GifBytes {
  std::vector<uint8_t> bytes;
  std::string error;
};
GifBytes encodeGif(const PixelView& picture);

}  // namespace trazello
