#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "model/ElementList.h"
#include "model/Point.h"

namespace trazello {

// A spatial index of the bounding boxes of a board's elements, so that hit tests and snapping
// look only at the elements near the pointer. It follows the list by its revision: sync()
// rebuilds when the list changed behind its back (undo, a command, another board), and a tool
// that changed a few elements itself tells it which, which costs only those elements.
class BoardIndex {
 public:
  // Rebuilds unless the index already reflects this very list at its current revision.
  void sync(const ElementList& list);
  // After a caller changed (not inserted or removed) the elements at `changed` of `list`, which
  // was at `revisionBefore`: updates their boxes when the index was current, else leaves the
  // rebuild to the next sync().
  void update(const ElementList& list, std::span<const size_t> changed, uint64_t revisionBefore);
  // After a caller appended elements from `firstNew` on to `list`, which was at `revisionBefore`.
  void appended(const ElementList& list, size_t firstNew, uint64_t revisionBefore);

  // The indices of the elements whose box meets `box` (edges included), ascending.
  void query(const IRect& box, std::vector<size_t>& out) const;
  const IRect& boxOf(size_t index) const { return boxes_[index]; }
  bool current(const ElementList& list) const;

 private:
  bool oversized(const IRect& box) const;
  void insert(size_t index, const IRect& box);
  void remove(size_t index, const IRect& box);
  int32_t cellOf(int32_t v) const;
  static int64_t key(int32_t cx, int32_t cy) { return (int64_t(cx) << 32) ^ uint32_t(cy); }

  const ElementList* list_ = nullptr;
  uint64_t revision_ = 0;
  int32_t cell_ = 1000;
  std::vector<IRect> boxes_;
  std::unordered_map<int64_t, std::vector<size_t>> cells_;
  std::vector<size_t> oversized_;
  mutable std::vector<uint32_t> seen_;
  mutable uint32_t stamp_ = 0;
};

}  // namespace trazello
