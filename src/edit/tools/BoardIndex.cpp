#include "BoardIndex.h"

#include <algorithm>

#include "checks/SpatialIndex.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"

namespace trazello {

namespace {

// A box spanning more cells than this (a damaged coordinate, a huge outline) is kept aside and
// offered to every query instead of filling the grid.
constexpr int64_t kMaxCellsPerBox = 4096;
// The grid never has more cells than this; a wider extent gets larger cells.
constexpr int64_t kMaxCells = int64_t(1) << 20;

bool meets(const IRect& a, const IRect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

int32_t floorDiv(int64_t v, int32_t d) {
  return static_cast<int32_t>(v >= 0 ? v / d : -((-v + d - 1) / d));
}

}  // namespace

bool BoardIndex::current(const ElementList& list) const {
  return list_ == &list && revision_ == list.revision();
}

void BoardIndex::sync(const ElementList& list) {
  if (current(list)) return;
  boxes_.resize(list.size());
  IRect extent{};
  for (size_t i = 0; i < list.size(); ++i) {
    boxes_[i] = boundingBox(list[i]);
    extent = unite(extent, boxes_[i]);
  }
  cell_ = SpatialIndex::cellFor(extent, list.size());
  const int64_t w = std::max<int64_t>(1, int64_t(extent.right) - extent.left);
  const int64_t h = std::max<int64_t>(1, int64_t(extent.bottom) - extent.top);
  while ((w / cell_ + 1) * (h / cell_ + 1) > kMaxCells) cell_ *= 2;
  originX_ = extent.left;
  originY_ = extent.top;
  columns_ = static_cast<int32_t>(w / cell_ + 1);
  rows_ = static_cast<int32_t>(h / cell_ + 1);
  cells_.assign(size_t(columns_) * size_t(rows_), {});
  oversized_.clear();
  // Count first so that every cell allocates once.
  std::vector<uint32_t> counts(cells_.size(), 0);
  for (const IRect& b : boxes_) {
    if (oversized(b)) continue;
    const CellRange r = cellsOf(b);
    for (int32_t y = r.y0; y <= r.y1; ++y)
      for (int32_t x = r.x0; x <= r.x1; ++x) ++counts[size_t(y) * size_t(columns_) + size_t(x)];
  }
  for (size_t c = 0; c < cells_.size(); ++c) cells_[c].reserve(counts[c]);
  for (size_t i = 0; i < boxes_.size(); ++i) insert(i, boxes_[i]);
  seen_.assign(list.size(), 0);
  stamp_ = 0;
  list_ = &list;
  revision_ = list.revision();
}

void BoardIndex::update(const ElementList& list, std::span<const size_t> changed,
                        uint64_t revisionBefore) {
  if (list_ != &list || revision_ != revisionBefore || list.size() != boxes_.size()) return;
  for (size_t i : changed) {
    if (i >= list.size()) return;
    const IRect box = boundingBox(list[i]);
    if (box == boxes_[i]) continue;
    remove(i, boxes_[i]);
    boxes_[i] = box;
    insert(i, box);
  }
  revision_ = list.revision();
}

void BoardIndex::appended(const ElementList& list, size_t firstNew, uint64_t revisionBefore) {
  if (list_ != &list || revision_ != revisionBefore || firstNew != boxes_.size()) return;
  for (size_t i = firstNew; i < list.size(); ++i) {
    boxes_.push_back(boundingBox(list[i]));
    seen_.push_back(0);
    insert(i, boxes_.back());
  }
  revision_ = list.revision();
}

void BoardIndex::query(const IRect& box, std::vector<size_t>& out) const {
  out.clear();
  if (++stamp_ == 0) {
    std::fill(seen_.begin(), seen_.end(), 0);
    stamp_ = 1;
  }
  auto take = [&](size_t i) {
    if (seen_[i] == stamp_) return;
    seen_[i] = stamp_;
    if (meets(boxes_[i], box)) out.push_back(i);
  };
  for (size_t i : oversized_) take(i);
  if (!cells_.empty()) {
    const CellRange r = cellsOf(box);
    for (int32_t y = r.y0; y <= r.y1; ++y) {
      for (int32_t x = r.x0; x <= r.x1; ++x) {
        for (uint32_t i : cells_[size_t(y) * size_t(columns_) + size_t(x)]) take(i);
      }
    }
  }
  std::sort(out.begin(), out.end());
}

int32_t BoardIndex::cellX(int32_t v) const {
  return std::clamp(floorDiv(int64_t(v) - originX_, cell_), 0, columns_ - 1);
}

int32_t BoardIndex::cellY(int32_t v) const {
  return std::clamp(floorDiv(int64_t(v) - originY_, cell_), 0, rows_ - 1);
}

BoardIndex::CellRange BoardIndex::cellsOf(const IRect& box) const {
  return {cellX(box.left), cellY(box.top), cellX(box.right), cellY(box.bottom)};
}

bool BoardIndex::oversized(const IRect& box) const {
  return cellsOf(box).count() > kMaxCellsPerBox;
}

void BoardIndex::insert(size_t index, const IRect& box) {
  if (oversized(box)) {
    oversized_.push_back(index);
    return;
  }
  const CellRange r = cellsOf(box);
  for (int32_t y = r.y0; y <= r.y1; ++y)
    for (int32_t x = r.x0; x <= r.x1; ++x)
      cells_[size_t(y) * size_t(columns_) + size_t(x)].push_back(static_cast<uint32_t>(index));
}

void BoardIndex::remove(size_t index, const IRect& box) {
  if (oversized(box)) {
    std::erase(oversized_, index);
    return;
  }
  const CellRange r = cellsOf(box);
  for (int32_t y = r.y0; y <= r.y1; ++y)
    for (int32_t x = r.x0; x <= r.x1; ++x)
      std::erase(cells_[size_t(y) * size_t(columns_) + size_t(x)], static_cast<uint32_t>(index));
}

}  // namespace trazello
