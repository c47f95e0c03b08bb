#pragma once

#include <functional>
#include <vector>

#include "IsolationPolygons.h"
#include "checks/PolygonOps.h"
#include "model/Point.h"

namespace trazello {

// One closed cutter path in whole units; the last point joins the first.
using MillingOutline = std::vector<IPoint>;

// The phases the progress window names, in order.
enum class IsolationPhase { Segments, Vectors, VectorList, Outlines, Optimize };
using IsolationProgress = std::function<void(IsolationPhase phase, double fraction)>;

// The union of the grown copper, as the cutter goes round it. Every outline keeps the copper on
// its right: outer outlines run clockwise, the outlines of holes counter-clockwise. Each starts
// at its lowest-leftmost point (smallest x, then smallest y), and the outlines are sorted by that
// point in the same way, so the file does not depend on the order in which the union was
// computed.
struct IsolationResult {
  std::vector<MillingPolygon> polygons;  // what the union was made of
  std::vector<MillingOutline> outlines;
  // The union's pieces in the polygon library's steps, each outline once: the groove islands.
  std::vector<PolygonWithHoles> islands;
};

// The polygons as the union takes them: in the library's steps, every ring turned outwards.
Paths grownRings(const std::vector<MillingPolygon>& polygons);

// Both steps for the layer and tool of `s`.
IsolationResult isolate(const ElementList& elements, const MillingSelection& s,
                        const IsolationProgress& progress = {});

}  // namespace trazello
