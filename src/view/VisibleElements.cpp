#include "VisibleElements.h"

#include "model/Geometry.h"

namespace trazello {

VisibleElements::VisibleElements(const Canvas& canvas, const ElementList& elements, int32_t margin)
    : index(boxIndexOf(elements)) {
  index->query(widened(canvas.clip(), margin), indices);
}

std::vector<uint32_t> padsWithVisibleConnections(const Canvas& canvas,
                                                 const ElementList& elements) {
  std::vector<uint32_t> pads;
  boxIndexOf(elements)->queryConnections(canvas.clip(), pads);
  return pads;
}

}  // namespace trazello
