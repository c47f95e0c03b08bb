#pragma once

#include "Canvas.h"
#include "model/CopperGeometry.h"

namespace trazello {

// Fills a pad's copper (or its grown clearance shape) in one colour: a disc, a round-ended
// stroke as wide as the stadium, or a polygon without outline.
void fillPad(Canvas& c, const GrownPad& pad, ColorRef colour);

}  // namespace trazello
