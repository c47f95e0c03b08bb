#pragma once

#include "Polygon.h"
#include "model/Geometry.h"

namespace trazello {

// How far the flattened outline of a circle of `radius` (in disc, capsule and annulus) can
// reach beyond the true circle; its chords never cut inside it.
double flatteningExcess(double radius);

// Rings built from world geometry, flattened within kArcTolerance, all counter-clockwise.
Path disc(Point centre, double radius);
// A segment with round ends: every point within `halfWidth` of the segment a-b.
Path capsule(Point a, Point b, double halfWidth);
Path polygon(const std::vector<Point>& points);
// The ring between two radii from `startDeg` counter-clockwise to `endDeg`; an inner radius
// of 0 gives a sector, equal angles the whole ring.
Paths annulus(Point centre, double outer, double inner, double startDeg, double endDeg);
// Segments of a polyline as capsules; with `closed` the last point joins the first.
Paths polylineCapsules(const std::vector<Point>& points, double halfWidth, bool closed);

}  // namespace trazello
