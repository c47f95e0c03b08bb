#include "GroundPlane.h"

#include "PlaneTiles.h"
#include "PolygonOps.h"
#include "model/LayerPredicates.h"

namespace trazello {

Path boardRectangle(const BoardSettings& board) {
  const float w = static_cast<float>(board.width);
  const float h = static_cast<float>(board.height);
  return {toShape(0, -h), toShape(w, -h), toShape(w, 0), toShape(0, 0)};
}

Paths floodOfLayer(const ElementList& list, const BoardSettings& board, int layerCode) {
  size_t onLayer = 0;
  for (const TObjekt& e : list) onLayer += isOnLayer(e, layerCode);
  const TileGrid grid(board, onLayer);
  Paths flood;
  for (Paths& tile : floodTiles(list, layerCode, grid)) {
    flood.insert(flood.end(), std::make_move_iterator(tile.begin()), std::make_move_iterator(tile.end()));
  }
  return flood;
}

}  // namespace trazello
