#pragma once

#include "model/Document.h"
#include "model/Message.h"

namespace trazello {

struct RemovedConnections {
  int removed = 0;    // connections that copper already made
  int remaining = 0;  // connections still to be made
  Message message;    // "N connections (rubberbands) removed.\rM ... remaining."
};

// Deletes every rubberband of the current board whose two pads the copper already joins. The
// caller records the undo step before.
RemovedConnections removeRealisedConnections(Document& doc);

// Whether any pad of the list has a rubberband (the command is enabled).
bool hasConnections(const ElementList& list);

}  // namespace trazello
