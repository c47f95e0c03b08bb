#include "ViewMapping.h"

#include <algorithm>
#include <cmath>

#include "model/BoardSettings.h"

namespace trazello {

double ViewMapping::scale() const {
  return roundedScale ? std::nearbyint(zoom * 1000) / 1000 : zoom;
}

QTransform ViewMapping::transform() const {
  const double s = scale();
  if (mirrored) return QTransform(-s, 0, 0, -s, boardWidth * s - scrollX, -scrollY);
  return QTransform(s, 0, 0, -s, -scrollX, -scrollY);
}

QPointF ViewMapping::toPixels(Point p) const {
  return transform().map(QPointF(p.x, p.y));
}

IRect ViewMapping::visibleWorld(int w, int h) const {
  return visibleWorld(QRectF(0, 0, w, h));
}

IRect ViewMapping::visibleWorld(const QRectF& pixels) const {
  const QRectF r = transform().inverted().mapRect(pixels);
  return {static_cast<int32_t>(std::floor(r.left())), static_cast<int32_t>(std::floor(r.top())),
          static_cast<int32_t>(std::ceil(r.right())), static_cast<int32_t>(std::ceil(r.bottom()))};
}

Point SnapToGrid(Point p, double grid, IPoint originMilli) {
  return snapToGrid(p, grid, originMilli);
}

Point ScreenToWorld(QPointF pixel, double zoom, bool snap, double grid, IPoint originMilli) {
  const Point p{static_cast<float>(pixel.x() / zoom), static_cast<float>(-pixel.y() / zoom)};
  return snap ? SnapToGrid(p, grid, originMilli) : p;
}

double clampZoom(double z, int32_t boardWidth, int32_t boardHeight) {
  if (!std::isfinite(z)) return kMinZoom;
  z = std::nearbyint(z * 1000) / 1000;
  // A board too large for any zoom above the minimum still gets the minimum, never a range
  // whose top lies under its bottom.
  return std::clamp(z, kMinZoom, std::max(kMinZoom, maxZoomFor(boardWidth, boardHeight)));
}

double boardZoom(int boxWidth, int boxHeight, int32_t boardWidth, int32_t boardHeight) {
  const double z = std::min(double(boxWidth - 10) / std::max(boardWidth, 1),
                            double(boxHeight - 10) / std::max(boardHeight, 1));
  return clampZoom(z, boardWidth, boardHeight);
}

}  // namespace trazello
