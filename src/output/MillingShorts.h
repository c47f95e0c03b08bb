#pragma once

#include <cstddef>
#include <vector>

#include "IsolationPolygons.h"
#include "checks/PolygonOps.h"
#include "model/BoardSettings.h"
#include "model/ElementList.h"

namespace trazello {

// A groove island the cutter cannot split: copper of two or more nets lies closer together
// than the tool is wide, so the milled board joins them.
struct MillingShort {
  std::vector<std::vector<size_t>> nets;  // per net, its elements in the island, list order
  IPoint at;                              // where the first net meets the others, in units
};

// The islands (the pieces of the union of the grown copper `polygons`, as the isolation made
// them) that hold copper of different nets, the nets traced on the bare copper (the ground plane
// is never milled). Islands are reported in the order of their first polygon.
std::vector<MillingShort> millingShorts(const ElementList& elements, const BoardSettings& board,
                                        const std::vector<MillingPolygon>& polygons,
                                        const std::vector<PolygonWithHoles>& islands);

}  // namespace trazello
