#include "BoardCleanup.h"

#include <algorithm>

#include "model/ElementGeometry.h"
#include "model/Layer.h"

namespace trazello {

size_t cleanBoard(ElementList& list) {
  const size_t removed = removeElements(list, [](const TObjekt& e) {
    const bool lineLike = e.Kind == ElementKind::Track || e.Kind == ElementKind::Zone;
    return (lineLike && e.Points.size() < 2) || e.Layer == 0 ||
           static_cast<uint8_t>(e.Kind) == 0 || (e.Kind == ElementKind::Text && e.Strokes.empty());
  });
  for (size_t i = 0; i < list.size(); ++i) {
    const TObjekt& e = list[i];
    if (e.Kind == ElementKind::Pad && e.Plated && isSilkscreenLayer(e.Layer)) {
      list.edit(i).Plated = 0;
    } else if (e.Kind == ElementKind::Circle && e.SizeB > e.SizeA) {
      TObjekt& c = list.edit(i);
      const float m = (c.SizeA + c.SizeB) / 2;
      c.SizeA = m + 1;
      c.SizeB = m - 1;
    }
  }
  return removed;
}

size_t removeElementsOutsideBoard(ElementList& list, const BoardSettings& settings) {
  const IRect board{0, -settings.height, settings.width, 0};
  const LayerState state = layerState(settings);
  return removeElements(list, [&](const TObjekt& e) {
    return !overlaps(boundingBox(e, &state), board);
  });
}

}  // namespace trazello
