#pragma once

#include "edit/Change.h"
#include "edit/UndoHistory.h"
#include "model/Document.h"

namespace trazello {

// Where a macro dragged over the board would land: the pointer on the grid, kept inside the
// board rectangle.
Point macroPlacementPoint(const Document& doc, Point pointer);

// Drops the macro buffer at `at` (its reference point there) in one undo step: the board's
// selection is cleared, the copies arrive selected with group ids above every id of the board
// and are grouped, so the macro forms one new group whose members keep their inner grouping.
// Nothing happens when the buffer is empty.
Change placeMacro(Document& doc, const UndoHistory& undo, Point at);

}  // namespace trazello
