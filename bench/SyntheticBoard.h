#pragma once

#include <cstddef>

#include "model/ElementList.h"

namespace trazello::bench {

// A repeatable board of `count` mixed elements (pads with rubberbands, SMD pads, tracks, zones,
// circles, texts) spread over a 300 x 300 mm area.
ElementList syntheticBoard(size_t count, unsigned seed = 1);

// The same mix at a constant density of one element per 2.25 mm²: the board grows with the
// count (47 mm square for 1k, 474 mm for 100k), as real boards do. `side` is its size in units.
ElementList syntheticBoardOfDensity(size_t count, int32_t& side, unsigned seed = 1);

}  // namespace trazello::bench
