#pragma once

#include <cstdint>

#include "Point.h"

namespace trazello {

// Intermediate results are computed in extended precision and stored back as float32, so that
// results round to the same float32 values as the formulas.
using Real = long double;

inline constexpr Real kPi = 3.141592653589793238462643383279502884L;

// Nearest whole number, ties to even.
int32_t roundInt(Real v);

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
