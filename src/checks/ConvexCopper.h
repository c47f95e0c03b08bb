#pragma once

#include <optional>
#include <vector>

#include "model/LayerPredicates.h"
#include "model/TObjekt.h"

namespace trazello {

// The copper of the common elements described exactly instead of as flattened polygons, so
// that most pairs of elements can be told apart or joined without a polygon operation.

struct DPoint {
  double x = 0;
  double y = 0;
};

// A convex core (one point, a segment, or a counter-clockwise convex polygon) grown by
// `radius`: a disc, a track segment with round ends, a pad outline, an SMD pad, a convex zone.
struct RoundedConvex {
  std::vector<DPoint> core;
  double radius = 0;
  // How far the element's flattened polygon can reach beyond this true shape.
  double excess = 0;
  // Only a shape the copper lies within (for rings and arcs): it can show that elements are
  // apart, never that they overlap.
  bool boundOnly = false;
  // Only a shape that lies within the copper (for rings and arcs): it can show that elements
  // overlap, never that they are apart.
  bool within = false;
  // The box of the core grown by radius and excess, for a quick look before the distances.
  DPoint low, high;
};

// The element's copper (as elementRegion() builds it) as a union of rounded convex pieces;
// nullopt for zones that are not convex and for numbers too damaged to trust.
std::optional<std::vector<RoundedConvex>> convexPieces(const TObjekt& e, const LayerState* state);

enum class CopperContact {
  Apart,    // the element regions have no common area
  Overlap,  // the element regions have a common area
  Unsure,   // too close to call: within the flattening and rounding of the polygons
};

// What the element regions of two elements with these pieces have in common.
CopperContact contact(const std::vector<RoundedConvex>& a, const std::vector<RoundedConvex>& b);
CopperContact contact(const RoundedConvex& a, const RoundedConvex& b);

// Pieces the area an element keeps free of ground plane (clearanceRegion) lies within: its
// copper grown by its clearance, a cut-out's own copper; none for an element without clearance,
// nullopt where the area is not known this way.
std::optional<std::vector<RoundedConvex>> clearancePieces(const TObjekt& e);

// Points of the copper of these pieces with copper all round them in the element's polygons,
// further than any rounding of their corners.
std::vector<DPoint> pointsWellInside(const std::vector<RoundedConvex>& pieces);
// Whether there is any such point.
bool hasPointWellInside(const std::vector<RoundedConvex>& pieces);

// Whether a point lies outside the polygons of these pieces, further than any rounding.
bool wellOutside(DPoint p, const std::vector<RoundedConvex>& pieces);

}  // namespace trazello
