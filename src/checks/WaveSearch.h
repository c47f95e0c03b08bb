#pragma once

#include "CostGrid.h"
#include "RouteObstacles.h"

namespace trazello {

// Decides every undecided cell of `window` as free or blocked, testing blocks of 10, 5, 2 and 1
// cells in turn so that open ground is settled in few tests.
void classifyWindow(CostGrid& grid, const CellRect& window, const RouteObstacles& obstacles);

// The wave search from `s` to `t` over the free cells (those of `window` are decided): rings
// around `s` assign each reachable cell its cost from the cheapest neighbour (1 straight, 2
// diagonal), repeated in sweeps until `t` has a cost (true) or a sweep adds nothing (false).
// The grid keeps its costs for a later search in a larger window.
bool waveSearch(CostGrid& grid, const CellRect& window, Cell s, Cell t);

}  // namespace trazello
