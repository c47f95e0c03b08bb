#include "PrintLayout.h"

#include <algorithm>
#include <cmath>

namespace trazello {

namespace {
int32_t roundUnits(double v) {
  return static_cast<int32_t>(std::nearbyint(v));
}
}  // namespace

PaperMap PrintLayout::copyMap(int column, int row, bool calibrated) const {
  const double perUnit = 1.0 / inverseScale;
  const double kx = perUnit * (calibrated ? calibrationX : 1.0);
  const double ky = perUnit * (calibrated ? calibrationY : 1.0);
  const double stepX = double(boardWidth) + spacing, stepY = double(boardHeight) + spacing;
  const double originY = double(offsetY) + stepY * row;
  PaperMap m;
  m.ay = -ky;
  m.by = ky * originY;
  if (!mirrored) {
    const double originX = double(offsetX) - stepX * column;
    m.ax = kx;
    m.bx = -kx * originX;
  } else {
    // The mirror axis is chosen so that the copies cover the same paper as unmirrored ones,
    // the first copy at the right.
    const double all = double(boardWidth) * copiesX + double(copiesX - 1) * spacing;
    const double originX = all - offsetX - stepX * column;
    m.ax = -kx;
    m.bx = kx * originX;
  }
  return m;
}

void PrintLayout::rescaleOffsets(double newInverseScale) {
  if (newInverseScale <= 0 || inverseScale <= 0) return;
  const double f = newInverseScale / inverseScale;
  offsetX = roundUnits(offsetX * f);
  offsetY = roundUnits(offsetY * f);
  inverseScale = newInverseScale;
}

void PrintLayout::setScalePosition(int position) {
  position = std::clamp(position, kMinScalePosition, kMaxScalePosition);
  rescaleOffsets(20.0 / position);
}

void PrintLayout::setOneToOne() {
  rescaleOffsets(1.0);
}

void PrintLayout::drag(int dx, int dy, double unitsPerPixel) {
  offsetX += roundUnits(-dx * unitsPerPixel * inverseScale);
  offsetY -= roundUnits(-dy * unitsPerPixel * inverseScale);
}

void PrintLayout::centre(const IRect& printed, int printableWidthMm, int printableHeightMm) {
  // y grows upward: the box's upper edge is its largest y.
  const int32_t upper = printed.bottom, lower = printed.top;
  const int32_t aw = (printed.right - printed.left) + (copiesX - 1) * (boardWidth + spacing);
  const int32_t ah = (upper - lower) + (copiesY - 1) * (boardHeight + spacing);
  const int32_t halfPageX = roundUnits(printableWidthMm * 50 * inverseScale);
  const int32_t halfPageY = roundUnits(printableHeightMm * 50 * inverseScale);
  offsetX = (mirrored ? boardWidth - printed.right : printed.left) + aw / 2 - halfPageX;
  offsetY = halfPageY + upper - ah / 2;
}

PrintLayout::Extent PrintLayout::boardsOnPaper() const {
  const PaperMap first = copyMap(0, 0, false);
  const PaperMap last = copyMap(copiesX - 1, copiesY - 1, false);
  const double a = first.x(0), b = first.x(boardWidth), c = last.x(0), d = last.x(boardWidth);
  return {std::min({a, b, c, d}), first.y(0), std::max({a, b, c, d}), last.y(-double(boardHeight))};
}

PreviewGeometry previewGeometry(int panelWidth, int panelHeight, const PageMetrics& page) {
  PreviewGeometry g;
  const double paperW = std::max(1.0, std::nearbyint(page.paperWidth));
  const double paperH = std::max(1.0, std::nearbyint(page.paperHeight));
  const int roomW = std::max(1, panelWidth - 40), roomH = std::max(1, panelHeight - 40);
  g.pixelsPerMm = std::min(roomW / paperW, roomH / paperH);
  g.sheetWidth = static_cast<int>(std::lround(paperW * g.pixelsPerMm));
  g.sheetHeight = static_cast<int>(std::lround(paperH * g.pixelsPerMm));
  g.sheetLeft = (panelWidth - g.sheetWidth) / 2;
  g.sheetTop = (panelHeight - g.sheetHeight) / 2;
  g.areaLeft = g.sheetLeft + static_cast<int>(std::lround(page.marginLeft * g.pixelsPerMm));
  g.areaTop = g.sheetTop + static_cast<int>(std::lround(page.marginTop * g.pixelsPerMm));
  g.areaWidth = std::max(
      1, static_cast<int>(std::lround(std::nearbyint(page.printableWidth) * g.pixelsPerMm)));
  g.areaHeight = std::max(
      1, static_cast<int>(std::lround(std::nearbyint(page.printableHeight) * g.pixelsPerMm)));
  return g;
}

}  // namespace trazello
