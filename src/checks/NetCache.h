#pragma once

#include <memory>

#include "NetTrace.h"

namespace trazello {

// The nets of a board, traced again only when the board changed: the result is kept for the
// last few element lists by their revision (which every edit and undo renews) and the board
// settings the trace depends on. Clicking net after net on an unchanged board costs a lookup.
std::shared_ptr<const NetTrace> netsOf(const ElementList& list, const BoardSettings& board);

}  // namespace trazello
