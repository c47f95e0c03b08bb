#pragma once

#include <vector>

#include "Polygon.h"
#include "model/CopperGeometry.h"
#include "model/LayerPredicates.h"
#include "model/TObjekt.h"

namespace trazello {

// The copper area of an element (its element region): what hit testing, the net trace, the
// design rule check and the ground-plane flood take as the element's copper. A thermal pad
// adds its spokes when `state` shows its relief (the pad's layer active with its plane on).
Paths elementRegion(const TObjekt& e, const LayerState* state = nullptr);

// The area an element keeps free of ground plane: its copper grown by its clearance; a cut-out
// only its own area. Empty for elements without clearance, whose copper touches the plane.
Paths clearanceRegion(const TObjekt& e);

// The thermal spokes of a Pad or SmdPad (thermalSpokes()) as round-ended strokes.
Paths spokeRegion(const TObjekt& pad);

}  // namespace trazello
