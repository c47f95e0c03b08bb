#include "PolygonSpiral.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/Geometry.h"

namespace trazello {

namespace {

int cornersOf(const PolygonSpiralValues& v) {
  return std::clamp(v.corners, 1, 99);
}

}  // namespace

std::vector<Point> polygonVertices(Point centre, const PolygonSpiralValues& v) {
  const int n = cornersOf(v);
  const double radius = std::clamp(v.radiusMm, 1.0, 149.9) * 100;
  const double offset = std::clamp(v.angleOffset, -180.0, 180.0);
  std::vector<Point> points;
  points.reserve(size_t(n) + 1);
  for (int i = 0; i <= n; ++i) {
    const double theta = (360.0 / n * i + offset) * std::numbers::pi / 180;
    points.push_back({centre.x + float(roundInt(std::cos(theta) * radius)),
                      centre.y + float(roundInt(std::sin(theta) * radius))});
  }
  return points;
}

std::optional<TObjekt> polygonElement(Point centre, const PolygonSpiralValues& v,
                                      const ShapeTarget& target) {
  const int32_t width = roundInt(std::clamp(v.lineWidthMm, 0.0, 99.99) * 100);
  std::vector<Point> points = polygonVertices(centre, v);
  TObjekt e;
  if (v.filled) {
    if (points.size() < 4) return std::nullopt;
    points.pop_back();
    e = newZone(width, target.layer, target.keepOut);
  } else {
    e = newTrack(width, target.layer);
  }
  e.Points = std::move(points);
  e.Clearance = target.clearance;
  return e;
}

std::vector<TObjekt> spiralArcs(Point centre, const PolygonSpiralValues& v,
                                const ShapeTarget& target) {
  const int arcs = roundInt(std::clamp(v.turns, 1.0, 99.9) * 4);
  const int32_t step = roundInt(std::clamp(v.spiralDistanceMm, 0.1, 99.9) * 25);
  const double halfWidth = std::clamp(v.spiralWidthMm, 0.0, 99.99) * 50;
  double mid = roundInt(std::clamp(v.spiralStartMm, 0.1, 149.9) * 50 - step / 2.0);
  Point at = centre;
  std::vector<TObjekt> result;
  result.reserve(size_t(arcs));
  for (int k = 0; k < arcs; ++k) {
    TObjekt arc = newCircle(at, target.layer, float(halfWidth + mid), float(mid - halfWidth));
    arc.Spokes = (k % 4) * 90;       // start angle
    arc.Width = ((k + 1) % 4) * 90;  // end angle
    arc.Clearance = target.clearance;
    result.push_back(std::move(arc));
    // The next quarter continues on a centre shifted against its direction of travel.
    switch ((k + 1) % 4) {
      case 0:
        at.x -= float(step);
        break;
      case 1:
        at.y -= float(step);
        break;
      case 2:
        at.x += float(step);
        break;
      default:
        at.y += float(step);
        break;
    }
    mid += step;
  }
  return result;
}

}  // namespace trazello
