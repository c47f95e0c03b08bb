#pragma once

#include "edit/Change.h"
#include "edit/UndoHistory.h"
#include "model/Document.h"

namespace trazello {

// The values of the tile window, distances in millimetres.
struct TileValues {
  double dxMm = 10;  // -299.99 to 299.99
  double dyMm = 10;
  bool row = false;  // a row of copies instead of a grid
  int columns = 2;   // copies along x (grid), 1 to 99
  int rows = 2;      // copies along y (grid), 1 to 99
  int count = 2;     // copies in a row
};

// Replaces the selection with a grid (or row) of copies of it, the first where the selection
// stood, further columns dX apart to the right and rows dY apart downwards (a row steps by both
// at once). Every copy is pasted as a paste commits it; then all copies are selected and joined
// into one group. One undo step for everything. Nothing happens without a selection or with
// fewer than two copies. The clipboard is left as it was.
Change tileSelection(Document& doc, UndoHistory& undo, const TileValues& v);

}  // namespace trazello
