#include "Geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace trazello {

IPoint roundPoint(Point p) { return {roundInt(p.x), roundInt(p.y)}; }

Real distance(Point a, Point b) {
  const Real dx = Real(a.x) - b.x;
  const Real dy = Real(a.y) - b.y;
  return std::sqrt(dx * dx + dy * dy);
}

Real direction(Point c, Point p) {
  if (c == p) return 0;
  Real a = std::atan2(Real(c.y) - p.y, Real(p.x) - c.x);
  if (a < 0) a += 2 * kPi;
  return a;
}

Point rotatePoint(Point p, Point c, Real degrees) {
  const Real r = distance(c, p);
  Real phi = direction(c, p) + kPi / 2 - degrees * kPi / 180;
  if (phi > 2 * kPi) phi -= 2 * kPi;
  return {static_cast<float>(c.x + r * std::sin(phi)), static_cast<float>(c.y + r * std::cos(phi))};
}

Point lerp(Point a, Point b, Real tx, Real ty) {
  return {static_cast<float>(b.x - (Real(b.x) - a.x) * tx),
          static_cast<float>(b.y - (Real(b.y) - a.y) * ty)};
}

Point midpoint(Point a, Point b) { return lerp(a, b, 0.5L, 0.5L); }

bool samePoint(Point a, Point b) { return roundPoint(a) == roundPoint(b); }

bool nearPoint(Point a, Point b, int32_t tolerance) {
  const IPoint ra = roundPoint(a);
  const IPoint rb = roundPoint(b);
  return std::abs(int64_t(ra.x) - rb.x) <= tolerance && std::abs(int64_t(ra.y) - rb.y) <= tolerance;
}

namespace {
float snapAxis(float p, double grid, int32_t originMilli) {
  if (grid <= 0) return p;
  const Real o = Real(originMilli) / 1000;
  const float base = static_cast<float>(o - grid * std::trunc(o / grid));
  return static_cast<float>(base + grid * std::rintl((Real(p) - base) / grid));
}
}  // namespace

Point snapToGrid(Point p, double grid, IPoint originMilli) {
  return {snapAxis(p.x, grid, originMilli.x), snapAxis(p.y, grid, originMilli.y)};
}

IRect normalized(IRect r) {
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  return r;
}

bool isEmpty(const IRect& r) { return r.left >= r.right || r.top >= r.bottom; }

IRect unite(const IRect& a, const IRect& b) {
  if (isEmpty(a)) return b;
  if (isEmpty(b)) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

IRect widened(const IRect& r, int32_t by) {
  auto sat = [](int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  return {sat(int64_t(r.left) - by), sat(int64_t(r.top) - by), sat(int64_t(r.right) + by),
          sat(int64_t(r.bottom) + by)};
}

bool overlaps(const IRect& a, const IRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace trazello
