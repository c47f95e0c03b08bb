#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
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
  // The cells a box covers, clamped into the grid: boxes beyond the grid's edge (moved there
  // after the rebuild) land in its border cells, which queries clamp the same way.
  struct CellRange {
    int32_t x0, y0, x1, y1;
    int64_t count() const { return int64_t(x1 - x0 + 1) * (y1 - y0 + 1); }
  };
  CellRange cellsOf(const IRect& box) const;
  int32_t cellX(int32_t v) const;
  int32_t cellY(int32_t v) const;
  bool oversized(const IRect& box) const;
  void insert(size_t index, const IRect& box);
  void remove(size_t index, const IRect& box);

  const ElementList* list_ = nullptr;
  uint64_t revision_ = 0;
  int32_t cell_ = 1000;
  int32_t originX_ = 0, originY_ = 0;  // the grid's corner, units
  int32_t columns_ = 1, rows_ = 1;
  std::vector<IRect> boxes_;
  std::vector<std::vector<uint32_t>> cells_;  // row-major
  std::vector<size_t> oversized_;
  mutable std::vector<uint32_t> seen_;
  mutable uint32_t stamp_ = 0;
};

}  // namespace trazello
