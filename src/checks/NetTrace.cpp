#include "NetTrace.h"

#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <numeric>
#include <optional>

#include "ConvexCopper.h"
#include "CopperShapes.h"
#include "ElementShapes.h"
#include "PlaneAreas.h"
#include "PlaneJoin.h"
#include "PlaneTiles.h"
#include "PolygonOps.h"
#include "SpatialIndex.h"
#include "UnionFind.h"
#include "model/ElementGeometry.h"
#include "model/Layer.h"
#include "model/PadGeometry.h"

namespace trazello {

Point referencePoint(const TObjekt& e) {
  switch (e.Kind) {
    case ElementKind::Track:
    case ElementKind::Zone:
      return e.Points.empty() ? Point{e.X, e.Y} : e.Points.front();
    case ElementKind::Circle: {
      const double mid = (double(e.SizeA) + e.SizeB) / 2;
      const double a = e.Spokes * M_PI / 180;
      return {static_cast<float>(e.X + mid * std::cos(a)),
              static_cast<float>(e.Y + mid * std::sin(a))};
    }
    case ElementKind::Text:
      if (!e.Strokes.empty() && !e.Strokes.front().Points.empty())
        return e.Strokes.front().Points.front();
      return {e.X, e.Y};
    case ElementKind::SmdPad:
      return smdCentre(e);
    default:
      return {e.X, e.Y};
  }
}

namespace {

bool isolatedFromPlane(const TObjekt& e) {
  return e.Clearance != 0 && !(e.isPadLike() && e.Thermal());
}

// Everything one computation needs about the board, with copper areas built once.
class Tracer {
 public:
  Tracer(const ElementList& list, const BoardSettings& board, NetTrace::Method method)
      : list_(list),
        board_(board),
        shapes_(list, layerState(board)),
        uf_(list.size()),
        fast_(fast(method)) {
    for (int l : {layer::C1, layer::C2, layer::I1, layer::I2}) {
      if (fast_ && board_.groundPlane[static_cast<size_t>(l)])
        planeCopper_[l] = UnionFind(list.size());
    }
  }

  // Each pair is looked at once, when its later element is entered, and only among the
  // elements it can touch: those of its own layer and the plated pads.
  void joinOverlappingCopper(bool copperOnly) {
    constexpr size_t kPlated = 256;  // after every layer code
    std::vector<std::unique_ptr<SpatialIndex>> groups(kPlated + 1);
    auto group = [&](size_t g) -> SpatialIndex& {
      if (!groups[g]) groups[g] = std::make_unique<SpatialIndex>(shapes_.cell(), shapes_.extent());
      return *groups[g];
    };
    auto joinWithin = [&](size_t g, size_t i) {
      if (!groups[g]) return;
      groups[g]->query(shapes_.box(i), [&](size_t j) { joinPair(i, j); });
    };
    for (size_t i = 0; i < list_.size(); ++i) {
      const TObjekt& e = list_[i];
      if (e.KeepOut || (copperOnly && !isPlatedPad(e) && !isCopperLayer(e.Layer))) continue;
      if (isPlatedPad(e)) {
        joinWithin(kPlated, i);
        for (int l : {layer::C1, layer::C2, layer::I1, layer::I2}) joinWithin(size_t(l), i);
        group(kPlated).insert(i, shapes_.box(i));
      } else {
        joinWithin(e.Layer, i);
        if (isCopperLayer(e.Layer)) joinWithin(kPlated, i);
        group(e.Layer).insert(i, shapes_.box(i));
      }
    }
  }

  void joinThroughPlanes() {
    for (int l : {layer::C1, layer::C2, layer::I1, layer::I2}) {
      if (board_.groundPlane[static_cast<size_t>(l)]) joinThroughPlane(l);
    }
  }

  UnionFind& sets() { return uf_; }

 private:
  enum class Meeting { Apart, Touching, Overlapping };

  const Paths& region(size_t i) { return shapes_.region(i); }

  static bool fast(NetTrace::Method m) { return m == NetTrace::Method::Fast; }

  // Joins two elements whose copper can touch: into one net where their copper overlaps, and
  // on a layer with a plane into one piece of that layer's copper where one union of the two
  // would join them. The plane step needs the pieces even where the two are of one net already.
  void joinPair(size_t i, size_t j) {
    const bool net = uf_.find(i) != uf_.find(j);
    std::array<UnionFind*, 4> sets{};
    size_t count = 0;
    for (auto& [l, pieces] : planeCopper_) {
      if (isOnLayer(list_[i], l) && isOnLayer(list_[j], l) && pieces.find(i) != pieces.find(j) &&
          shapes_.plain(i) && shapes_.plain(j))
        sets[count++] = &pieces;
    }
    if (!net && count == 0) return;
    const Meeting m = copperMeets(i, j, count > 0);
    if (m == Meeting::Apart) return;
    if (m == Meeting::Overlapping) uf_.unite(i, j);
    for (size_t k = 0; k < count; ++k) sets[k]->unite(i, j);
  }

  Meeting copperMeets(size_t i, size_t j, bool touchingToo) {
    if (fast_ && shapes_.pieces(i) && shapes_.pieces(j)) {
      switch (contact(*shapes_.pieces(i), *shapes_.pieces(j))) {
        case CopperContact::Apart:
          return Meeting::Apart;
        case CopperContact::Overlap:
          return Meeting::Overlapping;
        case CopperContact::Unsure:
          break;
      }
    }
    if (overlap(region(i), region(j))) return Meeting::Overlapping;
    return touchingToo && unionJoins(region(i), region(j)) ? Meeting::Touching : Meeting::Apart;
  }

  std::vector<size_t> planeCandidates(int layerCode) {
    std::vector<size_t> out;
    SpatialIndex cutouts(shapes_.cell(), shapes_.extent());
    bool anyCutout = false;
    for (size_t i = 0; i < list_.size(); ++i) {
      if (list_[i].KeepOut && isOnLayer(list_[i], layerCode)) {
        cutouts.insert(i, shapes_.box(i));
        anyCutout = true;
      }
    }
    for (size_t i = 0; i < list_.size(); ++i) {
      const TObjekt& e = list_[i];
      if (!isOnLayer(e, layerCode) || e.KeepOut || isolatedFromPlane(e)) continue;
      bool inside = false;
      if (anyCutout) {
        cutouts.query(shapes_.box(i), [&](size_t c) {
          if (!inside && list_[c].Layer == e.Layer) inside = covers(region(c), region(i));
        });
      }
      if (!inside) out.push_back(i);
    }
    return out;
  }

  void joinThroughPlane(int layerCode) {
    const std::vector<size_t> candidates = planeCandidates(layerCode);
    if (candidates.size() < 2) return;
    if (fast_) {
      for (const std::vector<size_t>& group : groupsJoinedByPlane(
               shapes_, board_, layerCode, planeCopper_.at(layerCode), candidates)) {
        for (size_t k = 1; k < group.size(); ++k) uf_.unite(group.front(), group[k]);
      }
      return;
    }
    joinThroughPlaneByOneUnion(layerCode, candidates);
  }

  // The plane with all copper of the layer on it, tile by tile, as polygons.
  void joinThroughPlaneByOneUnion(int layerCode, const std::vector<size_t>& candidates) {
    size_t onLayer = 0;
    for (const TObjekt& e : list_) onLayer += isOnLayer(e, layerCode);
    const TileGrid grid(board_, onLayer);
    std::vector<Paths> copper = floodTiles(list_, layerCode, grid);
    for (size_t i = 0; i < list_.size(); ++i) {
      if (list_[i].KeepOut || !isOnLayer(list_[i], layerCode)) continue;
      const Paths& r = region(i);
      grid.forTilesOverlapping(
          unitsBoxOf(r), [&](size_t t) { copper[t].insert(copper[t].end(), r.begin(), r.end()); });
    }
    PlaneAreas areas(grid);
    for (size_t t = 0; t < grid.count(); ++t) {
      areas.addTile(t, piecesWithin(copper[t], {grid.rect(t)}));
      Paths().swap(copper[t]);
    }
    areas.joinAcrossTileEdges();
    std::vector<std::optional<size_t>> firstInArea(areas.count());
    for (size_t i : candidates) {
      const std::optional<size_t> area = areas.areaAt(toShape(referencePoint(list_[i])));
      if (!area) continue;
      if (firstInArea[*area])
        uf_.unite(*firstInArea[*area], i);
      else
        firstInArea[*area] = i;
    }
  }

  const ElementList& list_;
  const BoardSettings& board_;
  ElementShapes shapes_;
  UnionFind uf_;
  bool fast_;
  // For each layer with a plane: the pieces its plain copper forms (fast trace only).
  std::map<int, UnionFind> planeCopper_;
};

}  // namespace

NetTrace::NetTrace(const ElementList& list, const BoardSettings& board, Method method,
                   Layers layers) {
  Tracer tracer(list, board, method);
  tracer.joinOverlappingCopper(layers == Layers::Copper);
  tracer.joinThroughPlanes();
  netOf_.assign(list.size(), -1);
  std::vector<int32_t> numberOfRoot(list.size(), -1);
  for (size_t i = 0; i < list.size(); ++i) {
    const size_t root = tracer.sets().find(i);
    if (numberOfRoot[root] < 0) numberOfRoot[root] = netCount_++;
    netOf_[i] = numberOfRoot[root];
  }
}

std::vector<size_t> NetTrace::membersOf(size_t start) const {
  std::vector<size_t> out;
  if (start >= netOf_.size()) return out;
  for (size_t i = 0; i < netOf_.size(); ++i) {
    if (netOf_[i] == netOf_[start]) out.push_back(i);
  }
  return out;
}

std::vector<std::vector<size_t>> NetTrace::nets() const {
  std::vector<std::vector<size_t>> out(static_cast<size_t>(netCount_));
  for (size_t i = 0; i < netOf_.size(); ++i) out[static_cast<size_t>(netOf_[i])].push_back(i);
  return out;
}

}  // namespace trazello
