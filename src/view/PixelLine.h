#pragma once

#include <cstdint>

namespace trazello {

// A 32-bit picture in memory that lines are written into directly.
struct PixelTarget {
  uint32_t* pixels = nullptr;
  int stride = 0;  // pixels per row
  int width = 0;
  int height = 0;
  // Only these rows are written (a band of the picture another thread does not draw).
  int firstRow = 0;
  int endRow = 1 << 30;
};

// Draws the one-pixel, round-ended, aliased line from (x1, y1) to (x2, y2), in pixel
// coordinates, in an opaque colour: exactly the pixels the raster paint engine sets for a
// cosmetic pen, at a small part of its cost per pixel (long rubberbands are most of a big
// board's picture). The ends must differ; a dot is the painter's job. Where the line runs is
// decided on the whole picture, so a band gets exactly its share of the whole line's pixels.
void drawPixelLine(const PixelTarget& target, double x1, double y1, double x2, double y2,
                   uint32_t colour);

}  // namespace trazello
