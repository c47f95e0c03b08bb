#pragma once

#include <cstddef>

#include "model/Document.h"

namespace trazello::bench {

// A document of one 300 x 300 mm board holding syntheticBoard(count): what the layout benchmarks
// load and save.
Document syntheticDocument(size_t count);

}  // namespace trazello::bench
