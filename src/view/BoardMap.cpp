#include "BoardMap.h"

#include <algorithm>

#include "model/Geometry.h"

namespace trazello {

BoardMapGeometry boardMapGeometry(int32_t boardWidth, int32_t boardHeight) {
  BoardMapGeometry g;
  g.unitsPerPixel = std::max({boardWidth, boardHeight, int32_t{1}}) / 80.0;
  const int w = roundInt(boardWidth / g.unitsPerPixel);
  const int h = roundInt(boardHeight / g.unitsPerPixel);
  g.panel = {(93 - w) / 2, 0, w, h};
  g.bevel = {g.panel.x - 1, -1, w + 2, h + 2};
  return g;
}

PixelRect boardMapViewRect(const BoardMapGeometry& map, int clientWidth, int clientHeight,
                           double zoom, int scrollX, int scrollY) {
  const Real f = map.unitsPerPixel;
  return {roundInt(scrollX / zoom / f), roundInt(scrollY / zoom / f),
          roundInt(clientWidth / zoom / f), roundInt(clientHeight / zoom / f)};
}

ScrollPosition scrollForBoardMap(const BoardMapGeometry& map, int left, int top, double zoom) {
  return {roundInt(zoom * left * map.unitsPerPixel), roundInt(zoom * top * map.unitsPerPixel)};
}

}  // namespace trazello
