#pragma once

#include "edit/Change.h"
#include "model/ElementList.h"
#include "model/Point.h"

namespace trazello {

// The commit of a paste: appends deep copies of every element of `source` to `board`, shifted
// by `offset` and selected. Links among the copies are kept; group numbers are fresh, so copies
// of one group form a group of their own; copies of several elements that are not one group yet
// are joined into one. The caller deselects the board first and records the undo step. Adds
// the copies' boxes to `change`.
void pasteCopies(ElementList& board, const ElementList& source, Point offset, Change& change);

}  // namespace trazello
