#pragma once

#include <climits>
#include <cmath>
#include <cstdint>

#include "Point.h"

namespace trazello {

// Intermediate results are computed in extended precision and stored back as float32, so that
// results round to the same float32 values as the formulas.
using Real = long double;

inline constexpr Real kPi = 3.141592653589793238462643383279502884L;

// Nearest whole number, ties to even (the default rounding mode, which nothing changes);
// NaN gives 0 and values beyond int32 saturate, since coordinates from damaged files can be
// anything. Inline and without the call into the maths library: writers round every coordinate.
inline int32_t roundInt(Real v) {
  if (!(v == v)) return 0;
  const Real r = std::rintl(v);
  if (r >= Real(INT32_MAX)) return INT32_MAX;
  if (r <= Real(INT32_MIN)) return INT32_MIN;
  // r is whole and inside int32, so the double holds it exactly and its conversion is exact too;
  // converting the long double directly would switch the x87 rounding mode for every call.
  return static_cast<int32_t>(static_cast<double>(r));
}

IPoint roundPoint(Point p);
Real distance(Point a, Point b);
// The angle of p seen from c, clockwise from +x in the y-up plane, in [0, 2pi); 0 when p == c.
Real direction(Point c, Point p);
// p turned counter-clockwise about c by `degrees`.
Point rotatePoint(Point p, Point c, Real degrees);
// (bx - (bx - ax) tx, by - (by - ay) ty); 0.5, 0.5 gives the midpoint.
Point lerp(Point a, Point b, Real tx, Real ty);
Point midpoint(Point a, Point b);
bool samePoint(Point a, Point b);
bool nearPoint(Point a, Point b, int32_t tolerance);

// Snaps p to the grid of step `grid` (units) that passes through the user origin, which is
// given in thousandths of a unit.
Point snapToGrid(Point p, double grid, IPoint originMilli);

IRect normalized(IRect r);
bool isEmpty(const IRect& r);
// The smallest rectangle holding both; an empty rectangle contributes nothing.
IRect unite(const IRect& a, const IRect& b);
IRect widened(const IRect& r, int32_t by);
bool overlaps(const IRect& a, const IRect& b);

}  // namespace trazello
