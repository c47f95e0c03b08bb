#include "IsolationMilling.h"

#include <algorithm>
#include <cmath>

#include "checks/PolygonOps.h"

namespace trazello {

namespace {

// Units to the polygon library's steps and back; the union works at 0.0001 mm.
Path toPath(const std::vector<IPoint>& ring) {
  Path out;
  out.reserve(ring.size());
  for (const IPoint& p : ring) out.push_back({p.x * kShapeScale, p.y * kShapeScale});
  return out;
}

int32_t toUnits(int64_t steps) {
  return static_cast<int32_t>(std::nearbyint(double(steps) / double(kShapeScale)));
}

MillingOutline toOutline(const Path& ring) {
  MillingOutline out;
  for (const CPoint& c : ring) {
    const IPoint p{toUnits(c.x), toUnits(c.y)};
    if (out.empty() || out.back() != p) out.push_back(p);
  }
  while (out.size() > 1 && out.front() == out.back()) out.pop_back();
  return out;
}

bool lowerLeft(const IPoint& a, const IPoint& b) {
  return a.x != b.x ? a.x < b.x : a.y < b.y;
}

// The library returns outer rings counter-clockwise; the cutter keeps the copper on its right.
void startAtLowerLeft(MillingOutline& o) {
  std::reverse(o.begin(), o.end());
  std::rotate(o.begin(), std::min_element(o.begin(), o.end(), lowerLeft), o.end());
}

std::vector<MillingOutline> outlinesOf(const std::vector<PolygonWithHoles>& islands) {
  std::vector<MillingOutline> out;
  const auto add = [&](const Path& ring) {
    MillingOutline o = toOutline(ring);
    if (o.size() < 3) return;
    startAtLowerLeft(o);
    out.push_back(std::move(o));
  };
  for (const PolygonWithHoles& island : islands) {
    add(island.outer);
    for (const Path& hole : island.holes) add(hole);
  }
  std::stable_sort(out.begin(), out.end(), [](const MillingOutline& a, const MillingOutline& b) {
    return lowerLeft(a.front(), b.front());
  });
  return out;
}

}  // namespace

Paths grownRings(const std::vector<MillingPolygon>& polygons) {
  Paths rings;
  rings.reserve(polygons.size());
  for (const MillingPolygon& p : polygons) rings.push_back(toPath(p.points));
  orientOutwards(rings);
  return rings;
}

IsolationResult isolate(const ElementList& elements, const MillingSelection& s,
                        const IsolationProgress& progress) {
  const auto report = [&](IsolationPhase phase, double fraction) {
    if (progress) progress(phase, fraction);
  };
  IsolationResult r;
  report(IsolationPhase::Segments, 0);
  r.polygons = isolationPolygons(elements, s);
  report(IsolationPhase::Outlines, 0);
  r.islands = pieces(grownRings(r.polygons));
  r.outlines = outlinesOf(r.islands);
  report(IsolationPhase::Optimize, 1);
  return r;
}

}  // namespace trazello
