#include "PixelLine.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace trazello {

namespace {

// Cuts the line to one pixel around the picture, in floating point so that far-off ends cannot
// overflow the fixed-point stepping below. Where the line is cut decides the pixels it gets,
// so the cut must be the engine's: the same bounds, the same order of axes, the same formulas.
bool clipToFrame(double& x1, double& y1, double& x2, double& y2, int width, int height) {
  const double xmin = -1, xmax = width + 1, ymin = -1, ymax = height + 1;
  if (x1 < xmin) {
    if (x2 <= xmin) return false;
    y1 += (y2 - y1) / (x2 - x1) * (xmin - x1);
    x1 = xmin;
  } else if (x1 > xmax) {
    if (x2 >= xmax) return false;
    y1 += (y2 - y1) / (x2 - x1) * (xmax - x1);
    x1 = xmax;
  }
  if (x2 < xmin) {
    y2 += (y2 - y1) / (x2 - x1) * (xmin - x2);
    x2 = xmin;
  } else if (x2 > xmax) {
    y2 += (y2 - y1) / (x2 - x1) * (xmax - x2);
    x2 = xmax;
  }
  if (y1 < ymin) {
    if (y2 <= ymin) return false;
    x1 += (x2 - x1) / (y2 - y1) * (ymin - y1);
    y1 = ymin;
  } else if (y1 > ymax) {
    if (y2 >= ymax) return false;
    x1 += (x2 - x1) / (y2 - y1) * (ymax - y1);
    y1 = ymax;
  }
  if (y2 < ymin) {
    x2 += (x2 - x1) / (y2 - y1) * (ymin - y2);
    y2 = ymin;
  } else if (y2 > ymax) {
    x2 += (x2 - x1) / (y2 - y1) * (ymax - y2);
    y2 = ymax;
  }
  return true;
}

}  // namespace

void drawPixelLine(const PixelTarget& t, double x1, double y1, double x2, double y2,
                   uint32_t colour) {
  if (!clipToFrame(x1, y1, x2, y2, t.width, t.height)) return;
  // 26.6 fixed point, truncated; then one pixel per step along the longer axis, the position
  // across it in 16.16, each end lengthened by half a pixel for the round cap.
  int a1 = static_cast<int>(x1 * 64.), b1 = static_cast<int>(y1 * 64.);
  int a2 = static_cast<int>(x2 * 64.), b2 = static_cast<int>(y2 * 64.);
  const bool steep = std::abs(a2 - a1) < std::abs(b2 - b1);
  if (steep) {
    std::swap(a1, b1);
    std::swap(a2, b2);
  }
  if (a1 == a2) return;
  if (a1 > a2) {
    std::swap(a1, a2);
    std::swap(b1, b2);
  }
  const int64_t step = (int64_t(b2 - b1) * 65536) / (a2 - a1);
  int64_t across = (int64_t(b1) << 10) - (step >> 1);
  a1 -= 32;
  a2 += 32;
  int along = (a1 + 32) >> 6;
  const int end = (a2 + 32) >> 6;
  if (along == end) return;
  const int round = step > 0 ? 32 : 0;
  across += ((int64_t(along) * 64 + round - a1) * step) >> 6;
  const int top = std::max(0, t.firstRow), bottom = std::min(t.height, t.endRow);
  int last = end;
  if (steep) {
    // Rows are the steps: walk only the band's, the position across advanced exactly as the
    // steps before would have advanced it.
    if (along < top) {
      across += int64_t(top - along) * step;
      along = top;
    }
    last = std::min(end, bottom);
  } else if (step != 0) {
    // The row moves monotonically: skip the steps before the band, stop once past it.
    const int64_t first = int64_t(top) << 16, beyond = int64_t(bottom) << 16;
    int64_t skip = 0;
    if (step > 0 && across < first) skip = (first - across + step - 1) / step;
    if (step < 0 && across >= beyond) skip = (across - beyond + 1 - step - 1) / -step;
    if (skip >= end - along) return;
    along += int(skip);
    across += skip * step;
  } else if (const int row = int(across >> 16); row < top || row >= bottom) {
    return;
  }
  // The frame lets the line run one pixel beyond the picture; those pixels are not drawn.
  for (; along < last; ++along, across += step) {
    const int n = static_cast<int>(across >> 16);
    const int x = steep ? n : along, y = steep ? along : n;
    if (y < top || y >= bottom) {
      if (steep || (step > 0) == (y >= bottom)) break;  // past the band for good
      continue;
    }
    if (x < 0 || x >= t.width) continue;
    t.pixels[size_t(y) * size_t(t.stride) + size_t(x)] = colour;
  }
}

}  // namespace trazello
