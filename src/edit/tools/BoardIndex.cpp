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

bool meets(const IRect& a, const IRect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

}  // namespace

bool BoardIndex::current(const ElementList& list) const {
  return list_ == &list && revision_ == list.revision();
}

void BoardIndex::sync(const ElementList& list) {
  if (current(list)) return;
  cells_.clear();
  oversized_.clear();
  boxes_.assign(list.size(), IRect{});
  seen_.assign(list.size(), 0);
  stamp_ = 0;
  for (size_t i = 0; i < list.size(); ++i) boxes_[i] = boundingBox(list[i]);
  IRect extent{};
  for (const IRect& b : boxes_) extent = unite(extent, b);
  cell_ = SpatialIndex::cellFor(extent, list.size());
  for (size_t i = 0; i < boxes_.size(); ++i) insert(i, boxes_[i]);
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
  for (int32_t cx = cellOf(box.left); cx <= cellOf(box.right); ++cx) {
    for (int32_t cy = cellOf(box.top); cy <= cellOf(box.bottom); ++cy) {
      auto it = cells_.find(key(cx, cy));
      if (it == cells_.end()) continue;
      for (size_t i : it->second) take(i);
    }
  }
  std::sort(out.begin(), out.end());
}

bool BoardIndex::oversized(const IRect& box) const {
  const int64_t w = int64_t(cellOf(box.right)) - cellOf(box.left) + 1;
  const int64_t h = int64_t(cellOf(box.bottom)) - cellOf(box.top) + 1;
  return w * h > kMaxCellsPerBox;
}

void BoardIndex::insert(size_t index, const IRect& box) {
  if (oversized(box)) {
    oversized_.push_back(index);
    return;
  }
  for (int32_t cx = cellOf(box.left); cx <= cellOf(box.right); ++cx) {
    for (int32_t cy = cellOf(box.top); cy <= cellOf(box.bottom); ++cy)
      cells_[key(cx, cy)].push_back(index);
  }
}

void BoardIndex::remove(size_t index, const IRect& box) {
  if (oversized(box)) {
    std::erase(oversized_, index);
    return;
  }
  for (int32_t cx = cellOf(box.left); cx <= cellOf(box.right); ++cx) {
    for (int32_t cy = cellOf(box.top); cy <= cellOf(box.bottom); ++cy) {
      auto it = cells_.find(key(cx, cy));
      if (it != cells_.end()) std::erase(it->second, index);
    }
  }
}

int32_t BoardIndex::cellOf(int32_t v) const {
  return v >= 0 ? v / cell_ : -((-(int64_t(v)) + cell_ - 1) / cell_);
}

}  // namespace trazello
