#pragma once

#include <vector>

#include "PlaneTiles.h"
#include "Polygon.h"

namespace trazello {

// The outlines of pieces of neighbouring tiles that share stretches of tile edges, joined into
// the outline of their union: the shared stretches drop out and what is left of each tile edge
// links the rest, with corners where the outline runs straight on dropped, as the polygon
// library would drop them. Pieces cut by a tile edge around a gap come out as holes. The
// result has the outlines and those holes; the pieces' own holes are not looked at.
// Unlike the polygon library's union this costs about the number of corners: it never searches
// the joined outline for what it contains.
std::vector<PolygonWithHoles> joinedOutlines(const TileGrid& grid,
                                             const std::vector<const Path*>& outlines);

}  // namespace trazello
