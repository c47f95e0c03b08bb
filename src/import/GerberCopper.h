#pragma once

#include <vector>

#include "GerberImage.h"
#include "checks/Polygon.h"

namespace trazello {

// The area one graphics object exposes, in shape steps of the polygon library. Points are taken
// as they stand (the caller has already placed the image on the board).
Paths objectCopper(const GerberImage& image, const GerberObject& o);

// The box around an object's area, in shape steps; cheap, for finding what a clear object cuts.
CBox objectBox(const GerberImage& image, const GerberObject& o);

// An area as rings without holes that cover exactly the same copper: every piece with holes is
// cut in two through a hole until no piece keeps one.
Paths holeFreeRings(const Paths& area);

// A flattened arc from o.from to o.to about o.centre in the object's direction, ends included.
std::vector<GPoint> arcPolyline(const GerberObject& o);

}  // namespace trazello
