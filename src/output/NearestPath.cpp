#include "NearestPath.h"

#include <algorithm>
#include <cmath>

#include "model/Geometry.h"

namespace trazello {

namespace {

Real squaredDistance(Point a, Point b) {
  const Real dx = Real(a.x) - b.x, dy = Real(a.y) - b.y;
  return dx * dx + dy * dy;
}

// The points not yet taken, by grid cell; about two per cell when built.
class Grid {
 public:
  Grid(const std::vector<Point>& points, const std::vector<size_t>& members) : points_(&points) {
    double minX = points[members[0]].x, maxX = minX, minY = points[members[0]].y, maxY = minY;
    for (size_t i : members) {
      minX = std::min(minX, double(points[i].x));
      maxX = std::max(maxX, double(points[i].x));
      minY = std::min(minY, double(points[i].y));
      maxY = std::max(maxY, double(points[i].y));
    }
    left_ = minX;
    bottom_ = minY;
    const double area = std::max(1.0, (maxX - minX) * (maxY - minY));
    cell_ = std::max(1e-3, std::sqrt(2 * area / double(members.size())));
    cols_ = int(std::min(4096.0, std::floor((maxX - minX) / cell_) + 1));
    rows_ = int(std::min(4096.0, std::floor((maxY - minY) / cell_) + 1));
    cells_.assign(size_t(cols_) * size_t(rows_), {});
    slot_.assign(points.size(), 0);
    for (size_t i : members) {
      std::vector<size_t>& c = cells_[cellOf(points[i])];
      slot_[i] = c.size();
      c.push_back(i);
    }
    count_ = members.size();
  }

  size_t count() const { return count_; }

  void remove(size_t i) {
    std::vector<size_t>& c = cells_[cellOf((*points_)[i])];
    const size_t at = slot_[i];
    c[at] = c.back();
    slot_[c[at]] = at;
    c.pop_back();
    --count_;
  }

  // The nearest remaining point to q; among equally near ones the one with the smallest `rank`.
  size_t nearest(Point q, const std::vector<size_t>& rank) const {
    const int cx = column(q.x), cy = row(q.y);
    size_t best = SIZE_MAX;
    Real bestDistance = 0;
    const int maxRing = std::max(cols_, rows_);
    for (int r = 0; r <= maxRing; ++r) {
      forRing(cx, cy, r, [&](const std::vector<size_t>& c) {
        for (size_t i : c) {
          const Real d = squaredDistance((*points_)[i], q);
          if (best == SIZE_MAX || d < bestDistance || (d == bestDistance && rank[i] < rank[best])) {
            best = i;
            bestDistance = d;
          }
        }
      });
      if (best != SIZE_MAX) {
        // Everything outside the block of rings 0..r lies at least this far from q.
        const Real margin = reach(q, cx, cy, r) - cell_ * 1e-6;
        if (margin > 0 && margin * margin > bestDistance) break;
      }
    }
    return best;
  }

 private:
  int column(double x) const { return std::clamp(int(std::floor((x - left_) / cell_)), 0, cols_ - 1); }
  int row(double y) const { return std::clamp(int(std::floor((y - bottom_) / cell_)), 0, rows_ - 1); }
  size_t cellOf(Point p) const { return size_t(row(p.y)) * size_t(cols_) + size_t(column(p.x)); }

  // The distance from q to the nearest side of the block of cells within r of (cx, cy) that
  // has cells beyond it; infinite when the block covers the grid.
  Real reach(Point q, int cx, int cy, int r) const {
    Real m = 1e30L;
    if (cx - r > 0) m = std::min(m, Real(q.x) - (left_ + (cx - r) * cell_));
    if (cx + r < cols_ - 1) m = std::min(m, left_ + (cx + r + 1) * cell_ - Real(q.x));
    if (cy - r > 0) m = std::min(m, Real(q.y) - (bottom_ + (cy - r) * cell_));
    if (cy + r < rows_ - 1) m = std::min(m, bottom_ + (cy + r + 1) * cell_ - Real(q.y));
    return m;
  }

  template <class F>
  void forRing(int cx, int cy, int r, F&& f) const {
    const auto visit = [&](int x, int y) {
      if (x >= 0 && y >= 0 && x < cols_ && y < rows_) f(cells_[size_t(y) * size_t(cols_) + size_t(x)]);
    };
    if (r == 0) {
      visit(cx, cy);
      return;
    }
    for (int x = cx - r; x <= cx + r; ++x) {
      visit(x, cy - r);
      visit(x, cy + r);
    }
    for (int y = cy - r + 1; y <= cy + r - 1; ++y) {
      visit(cx - r, y);
      visit(cx + r, y);
    }
  }

  const std::vector<Point>* points_;
  double left_ = 0, bottom_ = 0, cell_ = 1;
  int cols_ = 1, rows_ = 1;
  std::vector<std::vector<size_t>> cells_;
  std::vector<size_t> slot_;
  size_t count_ = 0;
};

}  // namespace

std::vector<size_t> nearestNeighbourOrder(const std::vector<Point>& points, Point start) {
  const size_t n = points.size();
  // order[k] is what a swapping selection holds in slot k; rank is the inverse.
  std::vector<size_t> order(n), rank(n);
  for (size_t i = 0; i < n; ++i) order[i] = rank[i] = i;
  if (n < 2) return order;
  Grid grid(points, order);
  size_t builtFor = n;
  Point from = start;
  for (size_t slot = 0; slot < n; ++slot) {
    if (grid.count() * 4 < builtFor && grid.count() > 64) {
      // Most cells are empty now: a grid of the rest keeps the searches short.
      grid = Grid(points, std::vector<size_t>(order.begin() + std::ptrdiff_t(slot), order.end()));
      builtFor = grid.count();
    }
    const size_t chosen = grid.nearest(from, rank);
    grid.remove(chosen);
    const size_t displaced = order[slot];
    std::swap(order[slot], order[rank[chosen]]);
    std::swap(rank[chosen], rank[displaced]);
    from = points[chosen];
  }
  return order;
}

}  // namespace trazello
