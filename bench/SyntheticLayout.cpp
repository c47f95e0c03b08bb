#include "SyntheticLayout.h"

#include "SyntheticBoard.h"

namespace trazello::bench {

Document syntheticDocument(size_t count) {
  Document d;
  d.working().width = 30000;
  d.working().height = 30000;
  d.storeWorkingSettings();
  d.currentBoard().elements = syntheticBoard(count);
  return d;
}

}  // namespace trazello::bench
