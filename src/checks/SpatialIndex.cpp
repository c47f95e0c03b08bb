#include "SpatialIndex.h"

#include <algorithm>
#include <cmath>

namespace trazello {

namespace {
// Beyond this many cells an extent is better served by the sparse cells.
constexpr int64_t kMostDenseCells = int64_t(1) << 22;
}  // namespace

SpatialIndex::SpatialIndex(int32_t cell, const IRect& extent) : SpatialIndex(cell) {
  if (isEmpty(extent)) return;
  const int64_t cols = (int64_t(extent.right) - extent.left) / cell_ + 1;
  const int64_t rows = (int64_t(extent.bottom) - extent.top) / cell_ + 1;
  if (cols * rows > kMostDenseCells) return;
  extent_ = extent;
  cols_ = int32_t(cols);
  rows_ = int32_t(rows);
  dense_.resize(size_t(cols * rows));
}

int32_t SpatialIndex::column(int32_t x) const {
  return int32_t(std::clamp<int64_t>((int64_t(x) - extent_.left) / cell_, 0, cols_ - 1));
}

int32_t SpatialIndex::row(int32_t y) const {
  return int32_t(std::clamp<int64_t>((int64_t(y) - extent_.top) / cell_, 0, rows_ - 1));
}

int64_t SpatialIndex::cellsOf(const IRect& box) const {
  const int64_t rows = dense_.empty() ? cellOf(box.bottom) - cellOf(box.top) + 1
                                      : int64_t(row(box.bottom)) - row(box.top) + 1;
  const int64_t cols = dense_.empty() ? cellOf(box.right) - cellOf(box.left) + 1
                                      : int64_t(column(box.right)) - column(box.left) + 1;
  // Each side alone may be four billion cells; their product would overflow.
  if (rows > kMostCellsPerBox || cols > kMostCellsPerBox) return kMostCellsPerBox + 1;
  return rows * cols;
}

void SpatialIndex::insert(size_t id, const IRect& box) {
  if (isEmpty(box)) return;
  if (boxes_.size() <= id) {
    boxes_.resize(id + 1);
    entered_.resize(id + 1, false);
    seen_.resize(id + 1, 0);
  }
  boxes_[id] = box;
  entered_[id] = true;
  if (cellsOf(box) > kMostCellsPerBox) {
    large_.push_back(id);
    return;
  }
  const Entry entry{box, id, columnOf(box.left), rowOf(box.top)};
  if (!dense_.empty()) {
    for (int32_t r = row(box.top); r <= row(box.bottom); ++r) {
      for (int32_t c = column(box.left); c <= column(box.right); ++c)
        dense_[size_t(r) * size_t(cols_) + size_t(c)].push_back(entry);
    }
    return;
  }
  for (int64_t cx = cellOf(box.left); cx <= cellOf(box.right); ++cx) {
    for (int64_t cy = cellOf(box.top); cy <= cellOf(box.bottom); ++cy)
      cells_[key(cx, cy)].push_back(entry);
  }
}

int32_t SpatialIndex::cellFor(const IRect& extent, size_t count) {
  const double w = std::max(1.0, double(extent.right) - extent.left);
  const double h = std::max(1.0, double(extent.bottom) - extent.top);
  const double perBox = std::sqrt(w * h / double(std::max<size_t>(count, 1)));
  return static_cast<int32_t>(std::clamp(perBox * 2, 50.0, 1e6));
}

}  // namespace trazello
