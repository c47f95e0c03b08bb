#pragma once

#include "ElementList.h"

namespace trazello {

// Groups the selected elements under a new outermost id (1 + the largest last id on the board).
// Does nothing for fewer than two selected elements or when they already share their last id.
// Returns whether anything changed.
bool groupSelected(ElementList& list);
// Dissolves the outermost group of every selected element. Returns whether anything changed.
bool ungroupSelected(ElementList& list);
// 1 + the largest last group id of any element (1 when none has a group).
int32_t nextGroupId(const ElementList& list);
// Closes gaps in the group ids of a board, one run at a time, without ever merging two groups.
// Runs after a paste and when a layout is saved or loaded.
void compactGroupIds(ElementList& list);

}  // namespace trazello
