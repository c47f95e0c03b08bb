#pragma once

#include <cstdint>
#include <vector>

#include "model/Point.h"

namespace trazello {

// A uniform grid over closed integer boxes (edges belong to the box, a box may be a line or a
// point), for queries that want the ids of every box meeting a rectangle in ascending order:
// hits are marked in a bitmap of the ids, which lists them in order without sorting. Queries
// change nothing, so one grid may serve several threads.
class BoxGrid {
 public:
  struct Entry {
    uint32_t id;
    IRect box;  // normalised
  };

  BoxGrid() = default;
  // Ids are below `idCount`; an id may have several entries.
  BoxGrid(std::vector<Entry> entries, uint32_t idCount);

  // Sets the bit of every entry whose box meets `area` (closed); `bits` holds idCount bits.
  void mark(const IRect& area, std::vector<uint64_t>& bits) const;
  uint32_t idCount() const { return idCount_; }

 private:
  int32_t column(int64_t x) const;
  int32_t row(int64_t y) const;

  uint32_t idCount_ = 0;
  int64_t left_ = 0, top_ = 0, cell_ = 1;
  int32_t columns_ = 0, rows_ = 0;
  // Cell c's entries are entries_[start_[c]] up to entries_[start_[c + 1]].
  std::vector<uint32_t> start_;
  std::vector<Entry> entries_;
  // Boxes over too many cells (a board-wide zone, a rubberband across the board) are tested
  // one by one instead of filling the grid.
  std::vector<Entry> large_;
};

// The ascending ids whose bits are set.
void listMarked(const std::vector<uint64_t>& bits, std::vector<uint32_t>& out);

}  // namespace trazello
