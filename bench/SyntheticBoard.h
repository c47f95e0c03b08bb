#pragma once

#include <cstddef>

#include "model/ElementList.h"

namespace trazello::bench {

// A repeatable board of `count` mixed elements (pads with rubberbands, SMD pads, tracks, zones,
// circles, texts) spread over a 300 x 300 mm area.
ElementList syntheticBoard(size_t count, unsigned seed = 1);

}  // namespace trazello::bench
