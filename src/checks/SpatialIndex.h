#pragma once

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

#include "model/Point.h"

namespace trazello {

// A uniform grid over integer boxes, so that finding the boxes that overlap one box costs
// about the number of neighbours instead of the number of boxes.
class SpatialIndex {
 public:
  // `cell`: the grid step in units; boxes much larger than it are entered in many cells.
  explicit SpatialIndex(int32_t cell) : cell_(cell < 1 ? 1 : cell) {}

  void insert(size_t id, const IRect& box);
  // Calls `f` once for every entered id whose box overlaps `box` (sharing an edge is not).
  void query(const IRect& box, const std::function<void(size_t)>& f) const;

  // A cell size suited to `count` boxes spread over `extent`.
  static int32_t cellFor(const IRect& extent, size_t count);

 private:
  int64_t key(int32_t cx, int32_t cy) const { return (int64_t(cx) << 32) ^ uint32_t(cy); }
  int32_t cellOf(int32_t v) const { return v >= 0 ? v / cell_ : -((-v + cell_ - 1) / cell_); }

  int32_t cell_;
  std::unordered_map<int64_t, std::vector<size_t>> cells_;
  std::vector<IRect> boxes_;
  mutable std::vector<uint32_t> seen_;
  mutable uint32_t stamp_ = 0;
};

}  // namespace trazello
