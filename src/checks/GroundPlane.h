#pragma once

#include "Polygon.h"
#include "model/BoardSettings.h"
#include "model/ElementList.h"

namespace trazello {

// The automatic ground plane of copper layer `layerCode`: the board rectangle less every
// clearance area and cut-out of the elements on that layer, plus the thermal spokes of its
// thermal pads, clipped to the board. The elements' own copper comes on top of it. Not stored:
// every consumer derives it from the board. On large boards it comes in tiles whose pieces
// meet along the tile edges.
Paths floodOfLayer(const ElementList& list, const BoardSettings& board, int layerCode);

// The same plane as its connected pieces with their holes, in standard order
// (inStandardOrder): what uniting all of floodOfLayer() gives, joined along the tile edges.
std::vector<PolygonWithHoles> floodPieces(const ElementList& list, const BoardSettings& board,
                                          int layerCode);

Path boardRectangle(const BoardSettings& board);

}  // namespace trazello
