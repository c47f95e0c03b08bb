#pragma once

#include <cstddef>
#include <vector>

#include "ElementShapes.h"
#include "UnionFind.h"
#include "model/BoardSettings.h"

namespace trazello {

// Which elements the ground plane of one layer joins: those whose reference points lie in one
// connected area of plane and copper. Only the plane and the copper the convex pieces cannot
// describe are built as polygons; every plain element is joined to the areas its copper meets,
// mostly by looking at one point of it that lies in the plane, and by polygons only where it
// comes near a cut of the plane that could part it from the rest. The areas are the ones one
// union of plane and all copper gives.
//
// `copper`: sets of the plain elements of the layer joined by their copper on it (indexed by
// element). `candidates`: the elements to be joined, in list order.
// Returns the candidates lying in one area, as groups of two or more.
std::vector<std::vector<size_t>> groupsJoinedByPlane(ElementShapes& shapes,
                                                     const BoardSettings& board, int layerCode,
                                                     UnionFind& copper,
                                                     const std::vector<size_t>& candidates);

}  // namespace trazello
