#pragma once

#include <cstdint>
#include <vector>

#include "model/Point.h"

namespace trazello {

// Copper areas are integer polygons at a fixed scale: kShapeScale steps per world unit
// (0.01 mm), fine enough that flattened arcs stay far inside the 0.01 mm tolerance.
inline constexpr int64_t kShapeScale = 100;
// The largest distance between a true arc and its flattened chords, in world units.
inline constexpr double kArcTolerance = 0.25;

struct CPoint {
  int64_t x = 0;
  int64_t y = 0;
  friend bool operator==(const CPoint&, const CPoint&) = default;
};

using Path = std::vector<CPoint>;  // a closed ring; counter-clockwise outlines, clockwise holes
using Paths = std::vector<Path>;

// One connected piece of an area: its outline and the holes inside it.
struct PolygonWithHoles {
  Path outer;
  Paths holes;
};

struct CBox {
  int64_t left = 0, bottom = 0, right = 0, top = 0;  // y up: bottom < top
  bool contains(CPoint p) const { return p.x >= left && p.x <= right && p.y >= bottom && p.y <= top; }
};

CPoint toShape(Point p);
CPoint toShape(double x, double y);
Point fromShape(CPoint p);
CBox boxOf(const Path& path);
// The smallest box of whole units around every ring; all zero for no points.
IRect unitsBoxAround(const Paths& paths);

}  // namespace trazello
