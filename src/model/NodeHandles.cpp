#include "NodeHandles.h"

#include <algorithm>
#include <cmath>

#include "ElementGeometry.h"

namespace trazello {

namespace {

bool inSquare(Point p, Point q, double t) {
  return std::abs(double(p.x) - q.x) <= t && std::abs(double(p.y) - q.y) <= t;
}

}  // namespace

size_t nodeSegmentCount(const TObjekt& e) {
  if (e.Points.size() < 2) return 0;
  return e.Kind == ElementKind::Zone ? e.Points.size() : e.Points.size() - 1;
}

Point circleHandlePoint(const TObjekt& circle, int degrees) {
  const double ring = double(circle.SizeA) - circle.SizeB;
  const double r = circle.SizeA - ring / 2;
  const double a = degrees * 3.14159265358979323846 / 180;
  return {static_cast<float>(circle.X + r * std::cos(a)),
          static_cast<float>(circle.Y + r * std::sin(a))};
}

Point nodeHandlePoint(const TObjekt& e, int handle) {
  if (e.Kind == ElementKind::Circle) {
    if (handle == 0) return circleHandlePoint(e, e.Spokes);
    if (handle == 1) return circleHandlePoint(e, e.Width);
    return {};
  }
  if (handle < 0) return {};
  if (isVirtualNode(handle)) {
    const size_t segment = static_cast<size_t>(handle - kVirtualNode);
    return segment < nodeSegmentCount(e) ? edgeMidpoint(e, segment) : Point{};
  }
  const size_t i = static_cast<size_t>(handle);
  return i < e.Points.size() ? e.Points[i] : Point{};
}

double vertexHandleRadius(const TObjekt& e, double pixel) {
  return std::max(e.Width / 2.2, 3 * pixel);
}

int hitNodeHandle(const TObjekt& e, Point p, double zoom, bool showVirtualNodes) {
  if (e.Kind == ElementKind::Circle) {
    double t = std::nearbyint((double(e.SizeA) - e.SizeB) / 2);
    t = std::max(t, std::nearbyint(3 / zoom));
    if (inSquare(circleHandlePoint(e, e.Width), p, t)) return 1;
    if (inSquare(circleHandlePoint(e, e.Spokes), p, t)) return 0;
    return -1;
  }
  if (e.Kind != ElementKind::Track && e.Kind != ElementKind::Zone) return -1;
  double t = e.Width / 2.4;
  if (t * zoom < 3) t = std::nearbyint(3 / zoom);
  int hit = -1;
  for (size_t i = 0; i < e.Points.size(); ++i)
    if (inSquare(e.Points[i], p, t)) hit = static_cast<int>(i);
  if (hit >= 0 || !showVirtualNodes) return hit;
  const size_t segments = nodeSegmentCount(e);
  for (size_t i = 0; i < segments; ++i)
    if (inSquare(edgeMidpoint(e, i), p, t)) hit = kVirtualNode + static_cast<int>(i);
  return hit;
}

}  // namespace trazello
