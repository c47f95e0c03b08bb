#include "WaveSearch.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <queue>

namespace trazello {

namespace {

constexpr int kMaxSweeps = 80;
constexpr int kNoCost = INT_MAX;

void fillBlock(CostGrid& grid, Cell first, int32_t r, int32_t value) {
  for (int32_t y = first.y; y < first.y + r; ++y)
    for (int32_t x = first.x; x < first.x + r; ++x) grid.set({x, y}, value);
}

// The cost a free cell would get from its decided neighbours; kNoCost without any.
int32_t costFromNeighbours(const CostGrid& grid, Cell c) {
  int32_t best = kNoCost;
  for (int32_t dy = -1; dy <= 1; ++dy) {
    for (int32_t dx = -1; dx <= 1; ++dx) {
      if (dx == 0 && dy == 0) continue;
      const int32_t v = grid.at({c.x + dx, c.y + dy});
      if (v < 0) continue;
      best = std::min(best, v + (dx != 0 && dy != 0 ? 2 : 1));
    }
  }
  return best;
}

// One ring of cells at Chebyshev distance v around s, in its fixed order: the top row left to
// right, the right column downward, the bottom row right to left, the left column upward.
class Ring {
 public:
  Ring(const CostGrid& grid, Cell s, int32_t v) : grid_(grid), s_(s), v_(v) {}

  bool holds(Cell c) const {
    return std::max(std::abs(c.x - s_.x), std::abs(c.y - s_.y)) == v_ && listed(c);
  }
  // Position of a cell of the ring in the ring's order.
  int32_t order(Cell c) const {
    const int32_t v = v_;
    if (c.y == s_.y - v) return c.x - (s_.x - v);
    if (c.x == s_.x + v) return 2 * v + 1 + (c.y - (s_.y - v + 1));
    if (c.y == s_.y + v) return 4 * v + 1 + (s_.x + v - 1 - c.x);
    return 6 * v + 1 + (s_.y + v - 1 - c.y);
  }
  // Calls f for every cell of the ring inside `clip` (in no particular order).
  template <typename F>
  void each(const CellRect& clip, F&& f) const {
    const int32_t v = v_;
    const int32_t x0 = std::max(s_.x - v, clip.left), x1 = std::min(s_.x + v, clip.right);
    const int32_t y0 = std::max(s_.y - v, clip.top), y1 = std::min(s_.y + v, clip.bottom);
    if (x0 > x1 || y0 > y1) return;
    for (int32_t y : {s_.y - v, s_.y + v})
      if (y >= y0 && y <= y1)
        for (int32_t x = x0; x <= x1; ++x) visit({x, y}, f);
    for (int32_t x : {s_.x - v, s_.x + v})
      if (x >= x0 && x <= x1)
        for (int32_t y = std::max(y0, s_.y - v + 1); y <= std::min(y1, s_.y + v - 1); ++y)
          visit({x, y}, f);
  }

 private:
  // Cells on the border of the board grid never take part.
  bool listed(Cell c) const { return c.x > 0 && c.x < grid_.nx() && c.y > 0 && c.y < grid_.ny(); }
  template <typename F>
  void visit(Cell c, F&& f) const {
    if (listed(c)) f(c);
  }

  const CostGrid& grid_;
  Cell s_;
  int32_t v_;
};

struct Candidate {
  int32_t cost;
  int32_t order;
  Cell cell;
  bool operator>(const Candidate& o) const {
    return cost != o.cost ? cost > o.cost : order > o.order;
  }
};

// Assigns the ring's free cells one by one, always the cheapest, the first in ring order among
// equals; a cell's cost may fall as its ring neighbours get theirs. Returns how many it assigned.
int ringPass(CostGrid& grid, const Ring& ring, const CellRect& window) {
  std::priority_queue<Candidate, std::vector<Candidate>, std::greater<>> heap;
  auto offer = [&](Cell c) {
    if (grid.at(c) != CostGrid::kFree) return;
    const int32_t cost = costFromNeighbours(grid, c);
    if (cost != kNoCost) heap.push({cost, ring.order(c), c});
  };
  ring.each(window, offer);
  int assigned = 0;
  while (!heap.empty()) {
    const Candidate next = heap.top();
    heap.pop();
    if (grid.at(next.cell) != CostGrid::kFree) continue;
    grid.set(next.cell, next.cost);
    ++assigned;
    for (int32_t dy = -1; dy <= 1; ++dy)
      for (int32_t dx = -1; dx <= 1; ++dx) {
        const Cell n{next.cell.x + dx, next.cell.y + dy};
        if ((dx != 0 || dy != 0) && ring.holds(n)) offer(n);
      }
  }
  return assigned;
}

// The nearest and farthest Chebyshev distance from s of the window's cells.
std::pair<int32_t, int32_t> ringSpan(Cell s, const CellRect& w) {
  auto gap = [](int32_t v, int32_t lo, int32_t hi) {
    return v < lo ? lo - v : v > hi ? v - hi : 0;
  };
  const int32_t nearest = std::max(gap(s.x, w.left, w.right), gap(s.y, w.top, w.bottom));
  const int32_t farthest = std::max({std::abs(w.left - s.x), std::abs(w.right - s.x),
                                     std::abs(w.top - s.y), std::abs(w.bottom - s.y)});
  return {nearest, farthest};
}

}  // namespace

void classifyWindow(CostGrid& grid, const CellRect& window, const RouteObstacles& obstacles) {
  for (int32_t r : {10, 5, 2, 1}) {
    for (int32_t i = window.left / r; i <= window.right / r; ++i) {
      for (int32_t j = window.top / r; j <= window.bottom / r; ++j) {
        const Cell first{i * r, j * r};
        if (grid.at(first) > CostGrid::kUndecided) continue;
        const IRect box = grid.worldBox({first.x, first.y, first.x + r - 1, first.y + r - 1});
        const bool blocked = obstacles.blocksBox(box);
        const int32_t value =
            blocked ? (r == 1 ? CostGrid::kBlocked : CostGrid::kCoarseBlocked) : CostGrid::kFree;
        fillBlock(grid, first, r, value);
      }
    }
  }
}

bool waveSearch(CostGrid& grid, const CellRect& window, Cell s, Cell t) {
  grid.set(t, CostGrid::kFree);
  grid.set(s, 0);
  const int32_t reach = std::max({grid.nx() - s.x, s.x, grid.ny() - s.y, s.y});
  // Only the window holds free cells, so rings that miss it cannot assign anything.
  const auto [nearest, farthest] = ringSpan(s, window);
  const int32_t from = std::max(nearest, 1), to = std::min(farthest, reach);
  for (int sweep = 0; sweep < kMaxSweeps; ++sweep) {
    int assigned = 0;
    for (int32_t v = from; v <= to; ++v) {
      assigned += ringPass(grid, Ring(grid, s, v), window);
      if (grid.at(t) != CostGrid::kFree) return true;
    }
    if (assigned == 0) return false;
  }
  return false;
}

}  // namespace trazello
