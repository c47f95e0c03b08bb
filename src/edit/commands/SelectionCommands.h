#pragma once

#include <string>

#include "edit/Change.h"
#include "edit/UndoHistory.h"
#include "model/Document.h"

namespace trazello {

// Deselects every element (paste placement starts so).
Change deselectAll(Document& doc);
// Selects every element that is drawn (its layer visible; a plated pad while any copper layer
// is; a keep-out element only on the active layer with its ground plane on).
Change selectAll(Document& doc);

// Each of these records one undo step just before its first change (none when nothing
// changes) and returns what it touched.
// Deletes the selected elements; pads and SMD pads leave the link lists of their partners.
Change deleteSelection(Document& doc, const UndoHistory& undo);
// Deletes every element whose box lies wholly outside the board.
Change deleteOutsideBoard(Document& doc, const UndoHistory& undo);
// C1 and C2, S1 and S2 exchange; other layers stay.
Change changeBoardSide(Document& doc, const UndoHistory& undo);
// Puts the selection on layer `layerCode` (1 to 7); off copper, keep-out flags are cleared.
Change setSelectionLayer(Document& doc, const UndoHistory& undo, uint8_t layerCode);

// Empties the clipboard and deep-copies the selection into it, links among the copies kept;
// returns the number of elements copied. The active layer at copy time is remembered.
size_t copySelection(Document& doc);
// Copy, then delete.
Change cutSelection(Document& doc, const UndoHistory& undo);

// The name the naming window starts with: that of the first selected element that has one.
std::string firstSelectedName(const ElementList& list);
// Gives every selected element `name` without its leading and trailing blanks. Takes no undo
// step; the document is marked modified when a name changed.
Change nameSelection(Document& doc, const std::string& name);
// Selects exactly the shown elements named `name` (groups are not followed), deselects the rest.
Change selectByName(Document& doc, const std::string& name);

// Clears every solder-mask opening, then opens one for every pad and SMD pad on a copper layer.
// Takes no undo step (the window asks first).
Change resetSolderMask(Document& doc);

// Which selection commands are enabled on the current board.
struct CommandAvailability {
  bool anySelected =
      false;              // copy, cut, delete, duplicate, rotate, mirror, grid, side, layer, name
  bool canGroup = false;  // build group and align: several selected, not one group yet
  bool canSplitGroup = false;  // a selected element has a group
  bool canPaste = false;       // the clipboard holds elements
  bool hasLinks = false;       // remove connections: a pad or SMD pad has links
  bool hasElements = false;    // select all, zoom to all elements
  bool severalBoards = false;  // delete, move and reorder boards
};
CommandAvailability commandAvailability(const Document& doc);

}  // namespace trazello
