#include "GridPainter.h"

#include <algorithm>
#include <cmath>

#include "model/Geometry.h"

namespace trazello {

ColorRef originLineColour(ColorRef g) {
  return rgb(std::min(redOf(g) + 60, 255), std::min(greenOf(g) + 60, 255),
             std::min(blueOf(g) + 80, 255));
}

namespace {

// The offset of the grid from the board's edges, so that a line passes through the origin.
float gridOffset(double originUnits, double step) {
  return static_cast<float>(originUnits - std::trunc(originUnits / step) * step);
}

int64_t positiveMod(int64_t a, int64_t m) {
  return ((a % m) + m) % m;
}

}  // namespace

void DrawGrid(RenderContext& ctx, const BoardSettings& board) {
  Canvas& c = ctx.canvas;
  const double s = board.grid;
  if (!(s > 0)) return;
  const double px = std::max(c.pixel(), 1.0);
  const int32_t pen = roundInt(px);
  if (s <= 4.0 * pen) return;
  const ColorRef colour = ctx.scheme[SchemeSlot::Grid];
  const double ox = board.originX / 1000.0, oy = board.originY / 1000.0;
  const float offX = gridOffset(ox, s), offY = gridOffset(oy, s);
  const int marks = ctx.options.gridMarks;
  const int32_t markWidth = roundInt(2 / c.scale()) + 1;
  const IRect clip = widened(c.clip(), 2 * pen + 1);
  const float w = static_cast<float>(board.width), h = static_cast<float>(board.height);
  c.setRasterMode(RasterMode::Copy);
  auto penFor = [&](int64_t k, int64_t originIndex) {
    if (marks > 0 && positiveMod(k, marks) == positiveMod(originIndex, marks))
      c.setPen(colour, markWidth);
    else if (marks > 0)
      c.setPixelPen(colour);
    else
      c.setPen(colour, pen);
  };
  const auto rows = static_cast<int64_t>(std::trunc((board.height - 1) / s));
  for (int64_t k = 0; k <= rows; ++k) {
    const double y = offY - k * s;
    if (y < clip.top || y > clip.bottom) continue;
    penFor(k, -static_cast<int64_t>(std::trunc(oy / s)));
    c.line({0, float(y)}, {w, float(y)});
  }
  const auto cols = static_cast<int64_t>(std::trunc((board.width - 1) / s));
  for (int64_t k = 0; k <= cols; ++k) {
    const double x = k * s + offX;
    if (x < clip.left || x > clip.right) continue;
    penFor(k, static_cast<int64_t>(std::trunc(ox / s)));
    c.line({float(x), 0}, {float(x), -h});
  }
  c.setPixelPen(originLineColour(colour));
  const float fx = static_cast<float>(ox), fy = static_cast<float>(oy);
  c.line({fx, float(clip.top)}, {fx, float(clip.bottom)});
  c.line({float(clip.left), fy}, {float(clip.right), fy});
}

}  // namespace trazello
