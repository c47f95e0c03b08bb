#include "ShapeBuilder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

#include "PolygonOps.h"

namespace trazello {

namespace {

// Chords over a full turn so that no chord strays more than the tolerance from the circle.
int stepsForFullTurn(double radius) {
  if (radius <= kArcTolerance) return 8;
  const double half = std::acos(1.0 - kArcTolerance / radius);
  return std::clamp(static_cast<int>(std::ceil(M_PI / half)), 8, 4096);
}

// Points on a circle from a to b (radians, counter-clockwise, b > a), ends included. The
// vertices sit on a slightly larger circle so that the chords do not cut inside the true one.
void appendArc(Path& out, Point c, double radius, double a, double b) {
  const int full = stepsForFullTurn(radius);
  const int n = std::max(1, static_cast<int>(std::ceil((b - a) / (2 * M_PI) * full)));
  const double step = (b - a) / n;
  const double r = radius / std::cos(step / 2);
  out.push_back(toShape(c.x + radius * std::cos(a), c.y + radius * std::sin(a)));
  for (int i = 0; i < n; ++i) {
    const double t = a + step * (i + 0.5);
    out.push_back(toShape(c.x + r * std::cos(t), c.y + r * std::sin(t)));
  }
  out.push_back(toShape(c.x + radius * std::cos(b), c.y + radius * std::sin(b)));
}

}  // namespace

double flatteningExcess(double radius) {
  radius = std::max(radius, 0.0);
  // A part arc takes at least its share of a full turn's steps, so its chords are no longer.
  return radius / std::cos(M_PI / stepsForFullTurn(radius)) - radius;
}

Path disc(Point centre, double radius) {
  radius = std::max(radius, 0.0);
  const int n = stepsForFullTurn(radius);
  const double r = radius / std::cos(M_PI / n);
  Path p;
  p.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    const double t = 2 * M_PI * i / n;
    p.push_back(toShape(centre.x + r * std::cos(t), centre.y + r * std::sin(t)));
  }
  return p;
}

Path capsule(Point a, Point b, double halfWidth) {
  const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
  if (dx == 0 && dy == 0) return disc(a, halfWidth);
  const double dir = std::atan2(dy, dx);
  Path p;
  appendArc(p, b, halfWidth, dir - M_PI / 2, dir + M_PI / 2);
  appendArc(p, a, halfWidth, dir + M_PI / 2, dir + 3 * M_PI / 2);
  return p;
}

Path polygon(const std::vector<Point>& points) {
  Path p;
  p.reserve(points.size());
  for (const Point& q : points) p.push_back(toShape(q));
  Paths one{p};
  orientOutwards(one);
  return one[0];
}

Paths annulus(Point centre, double outer, double inner, double startDeg, double endDeg) {
  inner = std::max(inner, 0.0);
  if (outer <= inner) return {};
  double a = startDeg * M_PI / 180, b = endDeg * M_PI / 180;
  while (b <= a) b += 2 * M_PI;
  if (startDeg == endDeg || b - a >= 2 * M_PI) {
    if (inner <= 0) return {disc(centre, outer)};
    Path hole = disc(centre, inner);
    std::reverse(hole.begin(), hole.end());
    return {disc(centre, outer), hole};
  }
  Path p;
  appendArc(p, centre, outer, a, b);
  if (inner <= 0) {
    p.push_back(toShape(centre));
  } else {
    // The inner edge is walked backwards with its chords just inside the inner circle.
    const int full = stepsForFullTurn(inner);
    const int n = std::max(1, static_cast<int>(std::ceil((b - a) / (2 * M_PI) * full)));
    for (int i = n; i >= 0; --i) {
      const double t = a + (b - a) * i / n;
      p.push_back(toShape(centre.x + inner * std::cos(t), centre.y + inner * std::sin(t)));
    }
  }
  return {p};
}

Paths polylineCapsules(const std::vector<Point>& points, double halfWidth, bool closed) {
  Paths out;
  if (points.size() == 1) out.push_back(disc(points[0], halfWidth));
  // A segment drawn again adds no copper, but hundreds of identical polygons make the polygon
  // library's union crawl (a damaged file repeating one point took minutes); drawn once is enough.
  std::set<std::array<float, 4>> seen;
  const bool many = points.size() > 16;
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    const Point a = points[i], b = points[i + 1];
    if (many && !seen.insert({a.x, a.y, b.x, b.y}).second) continue;
    out.push_back(capsule(a, b, halfWidth));
  }
  if (closed && points.size() > 2) out.push_back(capsule(points.back(), points.front(), halfWidth));
  return out;
}

}  // namespace trazello
