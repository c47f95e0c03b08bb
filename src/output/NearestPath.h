#pragma once

#include <cstddef>
#include <vector>

#include "model/Point.h"

namespace trazello {

// The nearest-neighbour path through `points`: first the point nearest to `start`, then always
// the nearest point not yet taken, as indices into `points`. Ties go as a selection that swaps
// each chosen point into the next slot of the list would take them: to the point standing
// earliest in that list. A grid of the remaining points keeps the work close to linear.
std::vector<size_t> nearestNeighbourOrder(const std::vector<Point>& points, Point start);

}  // namespace trazello
