#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "model/Geometry.h"
#include "model/Point.h"

namespace trazello {

// A uniform grid over integer boxes, so that finding the boxes that overlap one box costs
// about the number of neighbours instead of the number of boxes. A box spanning more than
// kMostCellsPerBox cells is kept in a list every query looks through, so that memory grows with
// the number of boxes, never with their size.
class SpatialIndex {
 public:
  // `cell`: the grid step in units; boxes much larger than it are entered in many cells.
  explicit SpatialIndex(int32_t cell) : cell_(cell < 1 ? 1 : cell) {}
  // Knowing where the boxes lie keeps the cells in a plain array: boxes beyond `extent` share
  // its border cells, which only costs time.
  SpatialIndex(int32_t cell, const IRect& extent);

  // Each id is entered once.
  void insert(size_t id, const IRect& box);
  // Calls `f` once for every entered id whose box overlaps `box` (sharing an edge is not, as
  // overlaps() has it).
  template <class F>
  void query(const IRect& box, F&& f) const {
    if (isEmpty(box)) return;
    if (++stamp_ == 0) {
      std::fill(seen_.begin(), seen_.end(), 0);
      stamp_ = 1;
    }
    auto visit = [&](size_t id) {
      if (seen_[id] == stamp_) return;
      seen_[id] = stamp_;
      const IRect& b = boxes_[id];
      if (b.left < box.right && box.left < b.right && b.top < box.bottom && box.top < b.bottom)
        f(id);
    };
    for (size_t id : large_) visit(id);
    if (cellsOf(box) <= kMostCellsPerBox) {
      // A box is reported from the first cell it shares with the query, with no marks to keep.
      const int32_t firstColumn = columnOf(box.left), firstRow = rowOf(box.top);
      forCells(box, [&](const std::vector<Entry>& entries, int32_t c, int32_t r) {
        for (const Entry& e : entries) {
          const IRect& b = e.box;
          if (b.left < box.right && box.left < b.right && b.top < box.bottom &&
              box.top < b.bottom && c == std::max(e.column, firstColumn) &&
              r == std::max(e.row, firstRow))
            f(e.id);
        }
      });
    } else {
      // A query as large as the grid looks at every box once instead of at every cell.
      for (size_t id = 0; id < boxes_.size(); ++id)
        if (entered_[id]) visit(id);
    }
  }

  // A cell size suited to `count` boxes spread over `extent`.
  static int32_t cellFor(const IRect& extent, size_t count);

  static constexpr int64_t kMostCellsPerBox = 4096;

 private:
  int64_t key(int64_t cx, int64_t cy) const {
    return static_cast<int64_t>((static_cast<uint64_t>(cx) << 32) ^ static_cast<uint32_t>(cy));
  }
  // Floor division in 64 bits: the lowest coordinate cannot be negated in 32.
  int64_t cellOf(int32_t v) const {
    const int64_t w = v;
    return w >= 0 ? w / cell_ : -((-w + cell_ - 1) / cell_);
  }
  // How many cells `box` covers.
  int64_t cellsOf(const IRect& box) const;
  int32_t column(int32_t x) const;
  int32_t row(int32_t y) const;

  // The column and row of the cell holding a coordinate, in the dense array or the sparse map.
  int32_t columnOf(int32_t x) const {
    return dense_.empty() ? static_cast<int32_t>(cellOf(x)) : column(x);
  }
  int32_t rowOf(int32_t y) const {
    return dense_.empty() ? static_cast<int32_t>(cellOf(y)) : row(y);
  }

  // An entered box in one of its cells, with the first cell it covers.
  struct Entry {
    IRect box;
    size_t id;
    int32_t column, row;
  };

  template <class F>
  void forCells(const IRect& box, F&& f) const {
    if (!dense_.empty()) {
      for (int32_t r = row(box.top); r <= row(box.bottom); ++r) {
        for (int32_t c = column(box.left); c <= column(box.right); ++c)
          f(dense_[size_t(r) * size_t(cols_) + size_t(c)], c, r);
      }
      return;
    }
    for (int64_t cx = cellOf(box.left); cx <= cellOf(box.right); ++cx) {
      for (int64_t cy = cellOf(box.top); cy <= cellOf(box.bottom); ++cy) {
        auto it = cells_.find(key(cx, cy));
        if (it != cells_.end()) f(it->second, static_cast<int32_t>(cx), static_cast<int32_t>(cy));
      }
    }
  }

  int32_t cell_;
  std::unordered_map<int64_t, std::vector<Entry>> cells_;
  // The array of cells over the extent, row by row, when there is one.
  std::vector<std::vector<Entry>> dense_;
  IRect extent_;
  int32_t cols_ = 0, rows_ = 0;
  std::vector<IRect> boxes_;
  std::vector<bool> entered_;
  // The boxes too large for the grid.
  std::vector<size_t> large_;
  mutable std::vector<uint32_t> seen_;
  mutable uint32_t stamp_ = 0;
};

}  // namespace trazello
