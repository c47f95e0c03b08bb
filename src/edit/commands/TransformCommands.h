#pragma once

#include "edit/Change.h"
#include "edit/UndoHistory.h"
#include "model/Document.h"

namespace trazello {

// The box of an element's copper (without thermal spokes), normalised, in units; the box of
// its outline for elements without copper area.
IRect copperBox(const TObjekt& e);
// The union of the copper boxes of the selected elements; empty (all zero) without a selection.
IRect selectionBox(const ElementList& list);
// The pivot of rotate and mirror: the centre of the selection box in whole units.
Point selectionPivot(const IRect& box);

// Each command acts on the selected elements of the current board, records one undo step just
// before its first change, and returns what it touched (nothing without a selection).
Change rotateSelection(Document& doc, const UndoHistory& undo, double degrees);
Change mirrorSelection(Document& doc, const UndoHistory& undo, bool horizontally);
Change buildGroup(Document& doc, const UndoHistory& undo);
Change splitGroup(Document& doc, const UndoHistory& undo);
// Moves each unit (an ungrouped element, or the selected members of one outermost group) so
// that its reference point lies on the grid through the user origin.
Change adjustSelectionToGrid(Document& doc, const UndoHistory& undo);

// The six alignments of the align menu, by their tags.
enum class Alignment : uint8_t {
  Top = 1,
  Bottom,
  Left,
  Right,
  CentreHorizontally,
  CentreVertically
};
Change alignSelection(Document& doc, const UndoHistory& undo, Alignment how);

}  // namespace trazello
