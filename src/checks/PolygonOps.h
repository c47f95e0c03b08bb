#pragma once

#include "Polygon.h"

namespace trazello {

// Boolean operations and measures on copper areas. This is the one place that speaks to the
// polygon library; everything else uses the types of Polygon.h. Areas are in square shape
// steps unless a name says otherwise.
Paths unite(const Paths& a);
Paths unite(const Paths& a, const Paths& b);
Paths subtract(const Paths& from, const Paths& cut);
Paths intersect(const Paths& a, const Paths& b);
double area(const Paths& p);
double areaInSquareUnits(const Paths& p);
// The area of pieces less their holes.
double areaInSquareUnits(const std::vector<PolygonWithHoles>& pieces);
// Whether the two areas have a common area (touching along an edge or at a point is not).
bool overlap(const Paths& a, const Paths& b);
// Whether one union of the two areas joins them: it has fewer outlines than the two have
// together (they overlap, or share a stretch of their edges). Both are areas as the polygon
// library gives them: outlines that do not overlap, with their holes.
bool unionJoins(const Paths& a, const Paths& b);
// Whether nothing of `inner` lies outside `outer`.
bool covers(const Paths& outer, const Paths& inner);
// The connected pieces of an area, each with its holes.
std::vector<PolygonWithHoles> pieces(const Paths& p);
// The connected pieces of `from` less `cut`.
std::vector<PolygonWithHoles> piecesOfDifference(const Paths& from, const Paths& cut);
// The connected pieces of the part of `area` inside `window`.
std::vector<PolygonWithHoles> piecesWithin(const Paths& area, const Paths& window);
// The same area within `window`, with fewer corners: wherever a ring runs beyond one side of
// the window, the corners between its first and last corner there are dropped; the straight
// cut stays beyond that side. Corners and edges reaching into the window are kept as they are.
Paths trimmedTo(const Paths& area, const CBox& window);
// The same pieces in an order that depends only on their shapes: every ring starts at its
// lowest corner (least y, then least x), holes and pieces sorted by that corner.
std::vector<PolygonWithHoles> inStandardOrder(std::vector<PolygonWithHoles> pieces);
// Inside or on the boundary of a ring.
bool insideRing(const Path& ring, CPoint p);
// The same for many points, the ring converted for the library once.
std::vector<bool> insideRing(const Path& ring, const std::vector<CPoint>& points);
// Makes every ring an outline (counter-clockwise), for rings built by hand.
void orientOutwards(Paths& p);

}  // namespace trazello
