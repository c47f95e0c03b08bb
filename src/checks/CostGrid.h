#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/Point.h"

namespace trazello {

// A cell of the routing grid: x to the right, y downward from the board's top edge.
struct Cell {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const Cell&, const Cell&) = default;
};

// Cells from left to right and top to bottom, all inclusive.
struct CellRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  friend bool operator==(const CellRect&, const CellRect&) = default;
};

// The box in units of cells of side `pitch` (x from left edge to right edge, y up: top is the
// smaller y).
IRect unitsBoxOfCells(const CellRect& r, int32_t pitch);

// The router's square grid over a board: cell values say what is known of each cell. The grid
// is sized from the board, so a board of any allowed size fits at the finest pitch; every read
// and write outside it is refused rather than trusted to a fixed array.
class CostGrid {
 public:
  static constexpr int32_t kUndecided = -3;
  static constexpr int32_t kCoarseBlocked = -4;
  static constexpr int32_t kBlocked = -2;
  static constexpr int32_t kFree = -1;

  // `pitch`: the cell side in units; `width`, `height`: the board's size in units.
  CostGrid(int32_t pitch, int32_t width, int32_t height);

  int32_t pitch() const { return pitch_; }
  // The largest cell indices of the board (the grid holds 0..nx by 0..ny).
  int32_t nx() const { return nx_; }
  int32_t ny() const { return ny_; }
  bool contains(Cell c) const { return c.x >= 0 && c.y >= 0 && c.x <= nx_ && c.y <= ny_; }

  // Outside the grid every cell reads as undecided and writes are dropped.
  int32_t at(Cell c) const { return contains(c) ? values_[offset(c)] : kUndecided; }
  void set(Cell c, int32_t v) {
    if (contains(c)) values_[offset(c)] = v;
  }

  // The cell a world point lies in and the world centre of a cell.
  Cell cellOf(Point p) const;
  Point centreOf(Cell c) const;
  IRect worldBox(const CellRect& r) const { return unitsBoxOfCells(r, pitch_); }

 private:
  size_t offset(Cell c) const { return size_t(c.y) * size_t(nx_ + 1) + size_t(c.x); }

  int32_t pitch_;
  int32_t nx_;
  int32_t ny_;
  std::vector<int32_t> values_;
};

// The grid pitch for a track width and a clearance, in units: w + 2c to whole 0.1 mm, at least
// 0.4 mm.
int32_t routePitch(int32_t width, int32_t clearance);

}  // namespace trazello
