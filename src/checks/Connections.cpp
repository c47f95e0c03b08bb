#include "Connections.h"

#include <algorithm>

#include "NetTrace.h"

namespace trazello {

bool hasConnections(const ElementList& list) {
  return std::any_of(list.begin(), list.end(),
                     [](const TObjekt& e) { return e.isPadLike() && !e.Links.empty(); });
}

RemovedConnections removeRealisedConnections(Document& doc) {
  doc.storeWorkingSettings();
  ElementList& list = doc.elements();
  // Rubberbands are not copper, so one trace of the board serves every pad.
  const NetTrace trace(list, doc.working());
  int removedEnds = 0, remainingEnds = 0;
  for (size_t i = 0; i < list.size(); ++i) {
    const TObjekt& p = list[i];
    if (!p.isPadLike() || p.Links.empty()) continue;
    std::vector<ElementId> kept;
    for (ElementId partner : p.Links) {
      const auto j = list.indexOf(partner);
      if (j && trace.netOf()[*j] == trace.netOf()[i]) {
        ++removedEnds;
      } else {
        ++remainingEnds;
        kept.push_back(partner);
      }
    }
    if (kept.size() != p.Links.size()) list.edit(i).Links = std::move(kept);
  }
  RemovedConnections r;
  r.removed = removedEnds / 2;
  r.remaining = remainingEnds / 2;
  r.message = {MessageKind::Information, MessageId::ConnectionsRemoved,
               {std::to_string(r.removed), std::to_string(r.remaining)}};
  if (removedEnds > 0) doc.setModified();
  return r;
}

}  // namespace trazello
