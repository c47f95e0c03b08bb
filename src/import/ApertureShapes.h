#pragma once

#include <vector>

#include "GerberImage.h"

namespace trazello {

// Rings of aperture geometry with arcs flattened: no chord strays more than a quarter unit
// (2.5 µm) from the true curve.

// A circle as a counter-clockwise ring.
std::vector<GPoint> circleRing(GPoint centre, double radius);
// Points on an arc from angle a to angle b (radians; b < a runs clockwise), both ends included.
void appendArc(std::vector<GPoint>& out, GPoint centre, double radius, double a, double b);
// An axis-parallel rectangle of the given size around a centre.
std::vector<GPoint> rectangleRing(GPoint centre, double width, double height);
// A round-ended stroke of `width` from a to b.
std::vector<GPoint> stadiumRing(GPoint a, GPoint b, double width);
// The exposures that draw an aperture at the origin: its shape, then its hole as a clear disc.
std::vector<GExposure> exposuresOf(const GerberAperture& aperture);

}  // namespace trazello
