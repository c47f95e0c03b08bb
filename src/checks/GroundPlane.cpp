#include "GroundPlane.h"

#include "CopperShapes.h"
#include "PolygonOps.h"
#include "model/LayerPredicates.h"

namespace trazello {

Path boardRectangle(const BoardSettings& board) {
  const float w = static_cast<float>(board.width);
  const float h = static_cast<float>(board.height);
  return {toShape(0, -h), toShape(w, -h), toShape(w, 0), toShape(0, 0)};
}

Paths floodOfLayer(const ElementList& list, const BoardSettings& board, int layerCode) {
  const Paths rect{boardRectangle(board)};
  Paths cuts;
  Paths spokes;
  for (const TObjekt& e : list) {
    if (!isOnLayer(e, layerCode)) continue;
    Paths cut = clearanceRegion(e);
    cuts.insert(cuts.end(), cut.begin(), cut.end());
    if (!e.KeepOut) {
      Paths s = spokeRegion(e);
      spokes.insert(spokes.end(), s.begin(), s.end());
    }
  }
  Paths flood = subtract(rect, cuts);
  if (spokes.empty()) return flood;
  return unite(flood, intersect(rect, unite(spokes)));
}

}  // namespace trazello
