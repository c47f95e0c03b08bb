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
  std::vector<Paths> tiles = floodTiles(list, layerCode, grid);
  std::vector<std::vector<PolygonWithHoles>> tilePieces(tiles.size());
  for (size_t t = 0; t < tiles.size(); ++t) {
    tilePieces[t] = pieces(tiles[t]);
    Paths().swap(tiles[t]);
  }
  return joinTilePieces(grid, std::move(tilePieces));
}

}  // namespace trazello
