#pragma once

#include "model/Document.h"

namespace trazello::examples {

// The bundled example: a small two-sided board with an 8-pin IC, two resistors, an SMD
// capacitor, a connector, tracks on both sides, rubberbands, a ground zone, an arc and texts.
Document demoDocument();

}  // namespace trazello::examples
