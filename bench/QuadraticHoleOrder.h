#pragma once

#include <algorithm>
#include <vector>

#include "model/Geometry.h"
#include "model/Point.h"

namespace trazello::bench {

// The nearest-neighbour path by selection: for each slot, the nearest of the points after it
// is swapped in, the earlier one winning ties. Quadratic; the reference the grid search must
// match point for point, and the "before" of the hole-order benchmark.
inline std::vector<size_t> quadraticNearestOrder(const std::vector<Point>& points, Point start) {
  std::vector<size_t> order(points.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  const auto distance = [&](size_t i, Point q) {
    const Real dx = Real(points[i].x) - q.x, dy = Real(points[i].y) - q.y;
    return dx * dx + dy * dy;
  };
  Point from = start;
  for (size_t slot = 0; slot < order.size(); ++slot) {
    size_t best = slot;
    Real bestDistance = distance(order[slot], from);
    for (size_t k = slot + 1; k < order.size(); ++k) {
      const Real d = distance(order[k], from);
      if (d < bestDistance) {
        bestDistance = d;
        best = k;
      }
    }
    std::swap(order[slot], order[best]);
    from = points[order[slot]];
  }
  return order;
}

}  // namespace trazello::bench
