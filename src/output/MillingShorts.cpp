#include "MillingShorts.h"

#include <algorithm>
#include <map>

#include "checks/NetTrace.h"
#include "checks/PolygonOps.h"
#include "checks/SpatialIndex.h"

namespace trazello {

namespace {

Path toPath(const std::vector<IPoint>& ring) {
  Path out;
  for (const IPoint& p : ring) out.push_back({p.x * kShapeScale, p.y * kShapeScale});
  return out;
}

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
  std::vector<size_t> out(rings.size(), 0);
  for (size_t r = 0; r < rings.size(); ++r) {
    const CPoint p = rings[r].front();
    const auto x = static_cast<int32_t>(p.x / kShapeScale), y = static_cast<int32_t>(p.y / kShapeScale);
    double best = -1;
    index.query(IRect{x - 1, y - 1, x + 1, y + 1}, [&](size_t id) {
      if ((best < 0 || areas[id] < best) && insideRing(pieces[id].outer, p)) {
        best = areas[id];
        out[r] = id;
      }
    });
  }
  return out;
}

IPoint meetingPoint(const std::map<int32_t, std::vector<size_t>>& polygonsByNet, const Paths& rings) {
  Paths first, rest;
  for (const auto& [net, polygons] : polygonsByNet)
    for (size_t p : polygons) (net == polygonsByNet.begin()->first ? first : rest).push_back(rings[p]);
  Paths meet = intersect(unite(first), unite(rest));
  if (meet.empty()) meet = unite(first);
  const IRect b = unitsBoxAround(meet);
  return {b.left + (b.right - b.left) / 2, b.top + (b.bottom - b.top) / 2};
}

}  // namespace

std::vector<MillingShort> millingShorts(const ElementList& elements, const BoardSettings& board,
                                        const std::vector<MillingPolygon>& polygons) {
  if (polygons.empty()) return {};
  Paths rings;
  for (const MillingPolygon& p : polygons) rings.push_back(toPath(p.points));
  orientOutwards(rings);
  const std::vector<PolygonWithHoles> islands = pieces(rings);
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
