#pragma once

#include <memory>

#include "NetTrace.h"

namespace trazello {

// The nets of a board, traced again only when its copper changed: the result is kept for the
// last few element lists with the board settings the trace depends on. A list of the same
// revision (which every edit and undo renews) is found at once; one whose elements were only
// selected or deselected since, as the connection test does with each click, after comparing
// the changed elements. Clicking net after net on an unchanged board costs no trace.
std::shared_ptr<const NetTrace> netsOf(const ElementList& list, const BoardSettings& board);

}  // namespace trazello
