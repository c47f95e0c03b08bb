#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "model/Point.h"
#include "model/TObjekt.h"

namespace trazello {

// The values of the polygon and spiral window: the page chosen and the fields of both pages,
// lengths in millimetres. Out-of-range values are clamped by the generators, not rejected.
struct PolygonSpiralValues {
  enum class Shape : uint8_t { Polygon, Spiral };
  Shape shape = Shape::Polygon;

  int corners = 6;            // 1 to 99
  double radiusMm = 12.0;     // 1 to 149.9
  double lineWidthMm = 0.40;  // 0 to 99.99
  double angleOffset = 0.0;   // -180 to 180 degrees
  bool filled = false;

  double spiralStartMm = 2.0;     // 0.1 to 149.9
  double spiralDistanceMm = 2.0;  // 0.1 to 99.9
  double spiralWidthMm = 0.40;    // 0 to 99.99
  double turns = 6.0;             // 1 to 99.9
};

// Where new shapes go and what they carry besides their geometry.
struct ShapeTarget {
  uint8_t layer = 0;
  int32_t clearance = 0;
  bool keepOut = false;  // the keep-out button is down: a filled polygon becomes a keep-out zone
};

// The polygon's vertices 0 to n around `centre`, counter-clockwise from the angle offset;
// vertex n repeats vertex 0.
std::vector<Point> polygonVertices(Point centre, const PolygonSpiralValues& v);

// The element a polygon places at `centre`: a zone through vertices 0 to n-1 when filled, else a
// track through vertices 0 to n. None for a filled polygon of fewer than three corners, which
// would be a zone without area.
std::optional<TObjekt> polygonElement(Point centre, const PolygonSpiralValues& v,
                                      const ShapeTarget& target);

// The quarter arcs of a spiral starting at `centre`, each starting where the previous one ended,
// the radius growing by the distance on each full turn. Ungrouped; the tool groups them.
std::vector<TObjekt> spiralArcs(Point centre, const PolygonSpiralValues& v,
                                const ShapeTarget& target);

}  // namespace trazello
