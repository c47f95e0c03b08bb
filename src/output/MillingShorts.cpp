#include "MillingShorts.h"

#include <algorithm>
#include <iterator>
#include <map>

#include "IsolationMilling.h"
#include "checks/NetTrace.h"
#include "checks/PolygonOps.h"
#include "checks/SpatialIndex.h"

namespace trazello {

namespace {

// The island of every polygon: the innermost piece of the union holding its first point (an
// island inside another's hole is the smaller of the two).
std::vector<size_t> islandOf(const Paths& rings, const std::vector<PolygonWithHoles>& pieces) {
  std::vector<IRect> boxes;
  std::vector<double> areas;
  IRect extent;
  for (const PolygonWithHoles& piece : pieces) {
    boxes.push_back(unitsBoxAround({piece.outer}));
    areas.push_back(std::abs(area({piece.outer})));
    extent = unite(extent, boxes.back());
  }
  SpatialIndex index(SpatialIndex::cellFor(extent, pieces.size()), extent);
  for (size_t i = 0; i < boxes.size(); ++i) index.insert(i, widened(boxes[i], 1));
  // Each piece's candidates are tested together, so that a large piece is converted once.
  std::vector<std::vector<size_t>> candidates(pieces.size());
  for (size_t r = 0; r < rings.size(); ++r) {
    const CPoint p = rings[r].front();
    const auto x = static_cast<int32_t>(p.x / kShapeScale),
               y = static_cast<int32_t>(p.y / kShapeScale);
    index.query(IRect{x - 1, y - 1, x + 1, y + 1}, [&](size_t id) { candidates[id].push_back(r); });
  }
  std::vector<size_t> out(rings.size(), 0);
  std::vector<double> best(rings.size(), -1);
  for (size_t id = 0; id < pieces.size(); ++id) {
    std::vector<CPoint> points;
    for (size_t r : candidates[id]) points.push_back(rings[r].front());
    const std::vector<bool> inside = insideRing(pieces[id].outer, points);
    for (size_t k = 0; k < points.size(); ++k) {
      const size_t r = candidates[id][k];
      if (inside[k] && (best[r] < 0 || areas[id] < best[r])) {
        best[r] = areas[id];
        out[r] = id;
      }
    }
  }
  return out;
}

// Where the first net's copper meets another's: the middle of the first overlap of one of its
// polygons with a polygon of another net, found pair by pair rather than by uniting the whole
// island, which on a large board costs as much as the outlines themselves.
IPoint meetingPoint(const std::map<int32_t, std::vector<size_t>>& polygonsByNet,
                    const Paths& rings) {
  const std::vector<size_t>& first = polygonsByNet.begin()->second;
  std::vector<size_t> rest;
  std::vector<IRect> boxes;
  IRect extent;
  for (auto it = std::next(polygonsByNet.begin()); it != polygonsByNet.end(); ++it)
    for (size_t p : it->second) {
      rest.push_back(p);
      boxes.push_back(unitsBoxAround({rings[p]}));
      extent = unite(extent, boxes.back());
    }
  SpatialIndex index(SpatialIndex::cellFor(extent, rest.size()), extent);
  for (size_t i = 0; i < rest.size(); ++i) index.insert(i, boxes[i]);
  for (size_t p : first) {
    Paths meet;
    index.query(unitsBoxAround({rings[p]}), [&](size_t i) {
      if (meet.empty()) meet = intersect({rings[p]}, {rings[rest[i]]});
    });
    if (!meet.empty()) {
      const IRect b = unitsBoxAround(meet);
      return {b.left + (b.right - b.left) / 2, b.top + (b.bottom - b.top) / 2};
    }
  }
  // Copper that only touches: the middle of the first polygon.
  const IRect b = unitsBoxAround({rings[first.front()]});
  return {b.left + (b.right - b.left) / 2, b.top + (b.bottom - b.top) / 2};
}

}  // namespace

std::vector<MillingShort> millingShorts(const ElementList& elements, const BoardSettings& board,
                                        const std::vector<MillingPolygon>& polygons,
                                        const std::vector<PolygonWithHoles>& islands) {
  if (polygons.empty()) return {};
  const Paths rings = grownRings(polygons);
  const std::vector<size_t> island = islandOf(rings, islands);

  BoardSettings bare = board;
  bare.groundPlane.fill(0);
  const NetTrace trace(elements, bare, NetTrace::Method::Fast, NetTrace::Layers::Copper);

  // island -> net -> polygons; islands in the order of their first polygon
  std::vector<size_t> order;
  std::map<size_t, std::map<int32_t, std::vector<size_t>>> byIsland;
  for (size_t i = 0; i < polygons.size(); ++i) {
    auto [it, added] = byIsland.try_emplace(island[i]);
    if (added) order.push_back(island[i]);
    it->second[trace.netOf()[polygons[i].element]].push_back(i);
  }
  std::vector<MillingShort> out;
  for (size_t id : order) {
    const auto& nets = byIsland[id];
    if (nets.size() < 2) continue;
    MillingShort s;
    for (const auto& [net, members] : nets) {
      std::vector<size_t> elems;
      for (size_t p : members) elems.push_back(polygons[p].element);
      elems.erase(std::unique(elems.begin(), elems.end()), elems.end());
      s.nets.push_back(std::move(elems));
    }
    std::sort(s.nets.begin(), s.nets.end());
    s.at = meetingPoint(nets, rings);
    out.push_back(std::move(s));
  }
  return out;
}

}  // namespace trazello
