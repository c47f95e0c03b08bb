#include "SpatialIndex.h"

#include <algorithm>
#include <cmath>

#include "model/Geometry.h"

namespace trazello {

void SpatialIndex::insert(size_t id, const IRect& box) {
  if (isEmpty(box)) return;
  if (boxes_.size() <= id) {
    boxes_.resize(id + 1);
    seen_.resize(id + 1, 0);
  }
  boxes_[id] = box;
  for (int32_t cx = cellOf(box.left); cx <= cellOf(box.right); ++cx) {
    for (int32_t cy = cellOf(box.top); cy <= cellOf(box.bottom); ++cy) cells_[key(cx, cy)].push_back(id);
  }
}

void SpatialIndex::query(const IRect& box, const std::function<void(size_t)>& f) const {
  if (isEmpty(box)) return;
  if (++stamp_ == 0) {
    std::fill(seen_.begin(), seen_.end(), 0);
    stamp_ = 1;
  }
  for (int32_t cx = cellOf(box.left); cx <= cellOf(box.right); ++cx) {
    for (int32_t cy = cellOf(box.top); cy <= cellOf(box.bottom); ++cy) {
      auto it = cells_.find(key(cx, cy));
      if (it == cells_.end()) continue;
      for (size_t id : it->second) {
        if (seen_[id] == stamp_) continue;
        seen_[id] = stamp_;
        if (overlaps(boxes_[id], box)) f(id);
      }
    }
  }
}

int32_t SpatialIndex::cellFor(const IRect& extent, size_t count) {
  const double w = std::max(1.0, double(extent.right) - extent.left);
  const double h = std::max(1.0, double(extent.bottom) - extent.top);
  const double perBox = std::sqrt(w * h / double(std::max<size_t>(count, 1)));
  return static_cast<int32_t>(std::clamp(perBox * 2, 50.0, 1e6));
}

}  // namespace trazello
