#include "GroundPlane.h"

#include "PlaneAreas.h"
#include "PlaneTiles.h"
#include "PolygonOps.h"
#include "model/LayerPredicates.h"

namespace trazello {

Path boardRectangle(const BoardSettings& board) {
  const float w = static_cast<float>(board.width);
  const float h = static_cast<float>(board.height);
  return {toShape(0, -h), toShape(w, -h), toShape(w, 0), toShape(0, 0)};
}

namespace {
size_t countOnLayer(const ElementList& list, int layerCode) {
  size_t onLayer = 0;
  for (const TObjekt& e : list) onLayer += isOnLayer(e, layerCode);
  return onLayer;
}
}  // namespace

Paths floodOfLayer(const ElementList& list, const BoardSettings& board, int layerCode) {
  const TileGrid grid(board, countOnLayer(list, layerCode));
  Paths flood;
  for (Paths& tile : floodTiles(list, layerCode, grid)) {
    flood.insert(flood.end(), std::make_move_iterator(tile.begin()), std::make_move_iterator(tile.end()));
  }
  return flood;
}

std::vector<PolygonWithHoles> floodPieces(const ElementList& list, const BoardSettings& board,
                                          int layerCode) {
  const TileGrid grid(board, countOnLayer(list, layerCode));
  return joinTilePieces(grid, floodTilePieces(list, layerCode, grid));
}

}  // namespace trazello
