#include "PlaneJoin.h"

#include <algorithm>
#include <map>

#include "CopperShapes.h"
#include "NetTrace.h"
#include "PlaneAreas.h"
#include "PlaneTiles.h"
#include "PolygonOps.h"
#include "SpatialIndex.h"
#include "model/Geometry.h"

namespace trazello {

namespace {

// How far a looked-at point keeps from the board's edge, in units: further than the rounding
// of the plane's corners.
constexpr double kEdgeMargin = 0.1;

CBox shapeBox(const IRect& r, int32_t grow) {
  return {int64_t(r.left - grow) * kShapeScale, int64_t(r.top - grow) * kShapeScale,
          int64_t(r.right + grow) * kShapeScale, int64_t(r.bottom + grow) * kShapeScale};
}

size_t countOnLayer(const ElementList& list, int layerCode) {
  size_t n = 0;
  for (const TObjekt& e : list) n += isOnLayer(e, layerCode);
  return n;
}

class PlaneJoin {
 public:
  PlaneJoin(ElementShapes& shapes, const BoardSettings& board, int layerCode, UnionFind& copper)
      : shapes_(shapes),
        list_(shapes.list()),
        board_(board),
        layer_(layerCode),
        copper_(copper),
        grid_(board, countOnLayer(shapes.list(), layerCode)),
        areas_(grid_),
        holes_(shapes.cell(), shapes.extent()),
        spokes_(shapes.cell(), shapes.extent()),
        complex_(shapes.cell(), shapes.extent()) {
    indexLayer();
    buildAreas();
    nodes_ = UnionFind(areas_.count() + list_.size());
    for (size_t i = 0; i < list_.size(); ++i) {
      if (!onLayerAsCopper(i) || !shapes_.plain(i)) continue;
      nodes_.unite(node(i), node(copper_.find(i)));
      joinToAreas(i);
    }
  }

  std::vector<std::vector<size_t>> groups(const std::vector<size_t>& candidates) {
    std::map<size_t, std::vector<size_t>> byRoot;
    for (size_t c : candidates) {
      if (const std::optional<size_t> n = nodeOf(c)) byRoot[nodes_.find(*n)].push_back(c);
    }
    std::vector<std::vector<size_t>> out;
    for (auto& [root, members] : byRoot) {
      if (members.size() > 1) out.push_back(std::move(members));
    }
    return out;
  }

 private:
  size_t node(size_t element) const { return areas_.count() + element; }

  bool onLayerAsCopper(size_t i) const { return !list_[i].KeepOut && isOnLayer(list_[i], layer_); }

  static bool ownHole(const TObjekt& e) { return !e.KeepOut && e.Clearance > 0; }

  void indexLayer() {
    holePieces_.resize(list_.size());
    for (size_t i = 0; i < list_.size(); ++i) {
      const TObjekt& e = list_[i];
      if (!isOnLayer(e, layer_)) continue;
      if (e.KeepOut || e.Clearance > 0) {
        holePieces_[i] = clearancePieces(e);
        holes_.insert(i, holePieces_[i] ? boxAround(*holePieces_[i])
                                        : widened(unitsBoxOf(clearanceRegion(e)), 1));
      }
      if (e.KeepOut) continue;
      if (e.isPadLike() && e.Thermal()) spokes_.insert(i, widened(unitsBoxOf(spokeRegion(e)), 1));
      if (!shapes_.plain(i) && !shapes_.region(i).empty())
        complex_.insert(i, widened(unitsBoxOf(shapes_.region(i)), 1));
    }
  }

  static IRect boxAround(const std::vector<RoundedConvex>& pieces) {
    IRect r;
    for (const RoundedConvex& p : pieces) {
      r = unite(r, IRect{int32_t(std::floor(p.low.x)) - 1, int32_t(std::floor(p.low.y)) - 1,
                         int32_t(std::ceil(p.high.x)) + 1, int32_t(std::ceil(p.high.y)) + 1});
    }
    return r;
  }

  // The plane and the copper that is not plain, as connected areas.
  void buildAreas() {
    std::vector<Paths> copper(grid_.count());
    for (size_t i = 0; i < list_.size(); ++i) {
      if (!onLayerAsCopper(i) || shapes_.plain(i)) continue;
      const Paths& r = shapes_.region(i);
      grid_.forTilesOverlapping(
          unitsBoxOf(r), [&](size_t t) { copper[t].insert(copper[t].end(), r.begin(), r.end()); });
    }
    std::vector<std::vector<PolygonWithHoles>> tiles =
        floodTilePieces(list_, layer_, grid_, std::move(copper));
    for (size_t t = 0; t < grid_.count(); ++t) areas_.addTile(t, std::move(tiles[t]));
    areas_.joinAcrossTileEdges();
  }

  // Whether a point of the board lies clearly in the plane: away from the board's edge and
  // outside every area kept free of plane.
  bool clearlyInPlane(DPoint p) const {
    if (p.x < kEdgeMargin || p.x > board_.width - kEdgeMargin || p.y > -kEdgeMargin ||
        p.y < -board_.height + kEdgeMargin)
      return false;
    const IRect at{int32_t(std::floor(p.x)) - 1, int32_t(std::floor(p.y)) - 1,
                   int32_t(std::ceil(p.x)) + 1, int32_t(std::ceil(p.y)) + 1};
    bool outside = true;
    holes_.query(at, [&](size_t k) {
      outside = outside && holePieces_[k] && wellOutside(p, *holePieces_[k]);
    });
    return outside;
  }

  bool anyNear(const SpatialIndex& index, const IRect& box) const {
    bool any = false;
    index.query(box, [&](size_t) { any = true; });
    return any;
  }

  void joinToAreas(size_t i) {
    const IRect box = widened(shapes_.box(i), 1);
    std::vector<size_t> near;
    areas_.forPiecesNear(shapeBox(box, 0), [&](size_t piece) { near.push_back(piece); });
    if (near.empty()) return;
    if (ownHole(list_[i])) {
      // Its copper lies inside its own clearance, where only spokes and other copper that is
      // not plain can reach it.
      if (anyNear(spokes_, box) || anyNear(complex_, box)) joinByPolygons(i, near);
      return;
    }
    // A point of the copper clearly in the plane joins the copper to the area there; only
    // other areas nearby need polygons.
    std::vector<size_t> areasNear;
    for (size_t piece : near) {
      const size_t a = areas_.areaOf(piece);
      if (std::find(areasNear.begin(), areasNear.end(), a) == areasNear.end()) areasNear.push_back(a);
    }
    for (const DPoint& p : shapes_.pointsInside(i)) {
      if (!clearlyInPlane(p)) continue;
      // A point in the plane lies in one of the pieces near.
      const std::optional<size_t> area =
          areasNear.size() == 1 ? areasNear.front() : areas_.areaAt(toShape(p.x, p.y));
      if (!area) continue;
      std::vector<size_t> others;
      for (size_t piece : near) {
        if (areas_.areaOf(piece) != *area) others.push_back(piece);
      }
      nodes_.unite(node(i), *area);
      if (!others.empty()) joinByPolygons(i, others);
      return;
    }
    joinByPolygons(i, near);
  }

  // Joins the copper to those of the pieces that one union with them would join it to.
  void joinByPolygons(size_t i, const std::vector<size_t>& pieces) {
    const Paths& r = shapes_.region(i);
    if (r.empty()) return;
    const IRect units = widened(unitsBoxOf(r), 2);
    const CBox window = shapeBox(units, 0);
    const Paths windowRect{{{window.left, window.bottom},
                            {window.right, window.bottom},
                            {window.right, window.top},
                            {window.left, window.top}}};
    for (size_t piece : pieces) {
      // Trimming keeps the area within the window but may leave crossings beyond it.
      const Paths trimmed = intersect(trimmedTo(areas_.ringsNear(piece, window), window), windowRect);
      if (!trimmed.empty() && unionJoins(r, trimmed)) nodes_.unite(node(i), areas_.areaOf(piece));
    }
  }

  // The node an element is looked for from: its own copper when plain, else the area or
  // plain copper holding its reference point.
  std::optional<size_t> nodeOf(size_t c) {
    const CPoint p = toShape(referencePoint(list_[c]));
    size_t tile = 0;
    if (!grid_.tileAt(p, tile)) return std::nullopt;
    if (shapes_.plain(c)) return node(c);
    if (const std::optional<size_t> a = areas_.areaAt(p)) return *a;
    const Point at = fromShape(p);
    const IRect box{int32_t(std::floor(at.x)) - 1, int32_t(std::floor(at.y)) - 1,
                    int32_t(std::ceil(at.x)) + 1, int32_t(std::ceil(at.y)) + 1};
    std::optional<size_t> found;
    plainOnLayer().query(box, [&](size_t j) {
      if (found) return;
      for (const Path& ring : shapes_.region(j)) {
        if (insideRing(ring, p)) found = node(j);
      }
    });
    return found;
  }

  // The plain copper of the layer, indexed when first needed: few elements are looked for
  // outside the areas.
  const SpatialIndex& plainOnLayer() {
    if (!plainOnLayer_) {
      plainOnLayer_.emplace(shapes_.cell(), shapes_.extent());
      for (size_t i = 0; i < list_.size(); ++i) {
        if (onLayerAsCopper(i) && shapes_.plain(i)) plainOnLayer_->insert(i, shapes_.box(i));
      }
    }
    return *plainOnLayer_;
  }

  ElementShapes& shapes_;
  const ElementList& list_;
  const BoardSettings& board_;
  int layer_;
  UnionFind& copper_;
  TileGrid grid_;
  PlaneAreas areas_;
  // Areas kept free of plane, with their pieces where known.
  SpatialIndex holes_;
  std::vector<std::optional<std::vector<RoundedConvex>>> holePieces_;
  SpatialIndex spokes_;
  // Copper built into the areas.
  SpatialIndex complex_;
  std::optional<SpatialIndex> plainOnLayer_;
  // Areas first, then one node per element.
  UnionFind nodes_;
};

}  // namespace

std::vector<std::vector<size_t>> groupsJoinedByPlane(ElementShapes& shapes,
                                                     const BoardSettings& board, int layerCode,
                                                     UnionFind& copper,
                                                     const std::vector<size_t>& candidates) {
  PlaneJoin join(shapes, board, layerCode, copper);
  return join.groups(candidates);
}

}  // namespace trazello
