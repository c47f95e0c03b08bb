#include "NetTrace.h"

#include <cmath>
#include <memory>
#include <numeric>
#include <optional>

#include "ConvexCopper.h"
#include "CopperShapes.h"
#include "PlaneAreas.h"
#include "PlaneTiles.h"
#include "PolygonOps.h"
#include "SpatialIndex.h"
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

class UnionFind {
 public:
  explicit UnionFind(size_t n) : parent_(n) {
    std::iota(parent_.begin(), parent_.end(), size_t{0});
  }
  size_t find(size_t i) {
    while (parent_[i] != i) i = parent_[i] = parent_[parent_[i]];
    return i;
  }
  void unite(size_t a, size_t b) {
    a = find(a);
    b = find(b);
    if (a != b) parent_[std::max(a, b)] = std::min(a, b);
  }

 private:
  std::vector<size_t> parent_;
};

bool isolatedFromPlane(const TObjekt& e) {
  return e.Clearance != 0 && !(e.isPadLike() && e.Thermal());
}

// Everything one computation needs about the board, with copper areas built once.
class Tracer {
 public:
  Tracer(const ElementList& list, const BoardSettings& board, NetTrace::Method method)
      : list_(list),
        board_(board),
        state_(layerState(board)),
        uf_(list.size()),
        regions_(list.size()),
        pieces_(list.size()),
        piecesBuilt_(list.size(), !fast(method)),
        fast_(fast(method)) {
    boxes_.reserve(list.size());
    for (size_t i = 0; i < list.size(); ++i) {
      const TObjekt& e = list[i];
      boxes_.push_back(boundingBox(e, &state_));
      extent_ = unite(extent_, boxes_.back());
    }
    cell_ = SpatialIndex::cellFor(extent_, list.size());
  }

  // Each pair is looked at once, when its later element is entered, and only among the
  // elements it can touch: those of its own layer and the plated pads.
  void joinOverlappingCopper(bool copperOnly) {
    constexpr size_t kPlated = 256;  // after every layer code
    std::vector<std::unique_ptr<SpatialIndex>> groups(kPlated + 1);
    auto group = [&](size_t g) -> SpatialIndex& {
      if (!groups[g]) groups[g] = std::make_unique<SpatialIndex>(cell_, extent_);
      return *groups[g];
    };
    auto joinWithin = [&](size_t g, size_t i) {
      if (!groups[g]) return;
      groups[g]->query(boxes_[i], [&](size_t j) {
        if (uf_.find(i) != uf_.find(j) && copperMeets(i, j)) uf_.unite(i, j);
      });
    };
    for (size_t i = 0; i < list_.size(); ++i) {
      const TObjekt& e = list_[i];
      if (e.KeepOut || (copperOnly && !isPlatedPad(e) && !isCopperLayer(e.Layer))) continue;
      if (isPlatedPad(e)) {
        joinWithin(kPlated, i);
        for (int l : {layer::C1, layer::C2, layer::I1, layer::I2}) joinWithin(size_t(l), i);
        group(kPlated).insert(i, boxes_[i]);
      } else {
        joinWithin(e.Layer, i);
        if (isCopperLayer(e.Layer)) joinWithin(kPlated, i);
        group(e.Layer).insert(i, boxes_[i]);
      }
    }
  }

  void joinThroughPlanes() {
    touchesCopper_.assign(list_.size(), false);
    for (size_t i = 0; i < list_.size(); ++i) {
      const size_t root = uf_.find(i);
      if (root != i) touchesCopper_[i] = touchesCopper_[root] = true;
    }
    for (int l : {layer::C1, layer::C2, layer::I1, layer::I2}) {
      if (board_.groundPlane[static_cast<size_t>(l)]) joinThroughPlane(l);
    }
  }

  UnionFind& sets() { return uf_; }

 private:
  const Paths& region(size_t i) {
    if (!regions_[i]) regions_[i] = elementRegion(list_[i], &state_);
    return *regions_[i];
  }

  static bool fast(NetTrace::Method m) { return m == NetTrace::Method::Fast; }

  const std::optional<std::vector<RoundedConvex>>& pieces(size_t i) {
    if (!piecesBuilt_[i]) {
      pieces_[i] = convexPieces(list_[i], &state_);
      piecesBuilt_[i] = true;
    }
    return pieces_[i];
  }

  bool copperMeets(size_t i, size_t j) {
    if (pieces(i) && pieces(j)) {
      switch (contact(*pieces(i), *pieces(j))) {
        case CopperContact::Apart:
          return false;
        case CopperContact::Overlap:
          return true;
        case CopperContact::Unsure:
          break;
      }
    }
    return overlap(region(i), region(j));
  }

  std::vector<size_t> planeCandidates(int layerCode) {
    std::vector<size_t> out;
    SpatialIndex cutouts(cell_, extent_);
    bool anyCutout = false;
    for (size_t i = 0; i < list_.size(); ++i) {
      if (list_[i].KeepOut && isOnLayer(list_[i], layerCode)) {
        cutouts.insert(i, boxes_[i]);
        anyCutout = true;
      }
    }
    for (size_t i = 0; i < list_.size(); ++i) {
      const TObjekt& e = list_[i];
      if (!isOnLayer(e, layerCode) || e.KeepOut || isolatedFromPlane(e)) continue;
      bool inside = false;
      if (anyCutout) {
        cutouts.query(boxes_[i], [&](size_t c) {
          if (!inside && list_[c].Layer == e.Layer) inside = covers(region(c), region(i));
        });
      }
      if (!inside) out.push_back(i);
    }
    return out;
  }

  // Whether the plane areas of a layer are the same without the element's copper. Copper kept
  // apart from the plane by a clearance lies in a hole of the plane; when it touches neither
  // other copper nor a thermal spoke, it is an island no other element is looked for in.
  // Elements without copper are looked for wherever their reference point lies, islands
  // included, so then every island stays.
  bool apartFromPlane(size_t i, const SpatialIndex& spokes, bool copperless) const {
    const TObjekt& e = list_[i];
    if (!fast_ || copperless || touchesCopper_[i] || e.Clearance <= 0 || !isolatedFromPlane(e))
      return false;
    bool nearSpoke = false;
    spokes.query(widened(boxes_[i], 1), [&](size_t) { nearSpoke = true; });
    return !nearSpoke;
  }

  SpatialIndex spokesOn(int layerCode) const {
    SpatialIndex spokes(cell_, extent_);
    for (size_t i = 0; i < list_.size(); ++i) {
      const TObjekt& e = list_[i];
      if (!e.KeepOut && isOnLayer(e, layerCode) && e.isPadLike() && e.Thermal())
        spokes.insert(i, widened(unitsBoxOf(spokeRegion(e)), 1));
    }
    return spokes;
  }

  void joinThroughPlane(int layerCode) {
    const std::vector<size_t> candidates = planeCandidates(layerCode);
    if (candidates.size() < 2) return;
    bool copperless = false;
    for (size_t i : candidates) copperless = copperless || region(i).empty();
    const SpatialIndex spokes = spokesOn(layerCode);
    size_t onLayer = 0;
    for (const TObjekt& e : list_) onLayer += isOnLayer(e, layerCode);
    const TileGrid grid(board_, onLayer);
    std::vector<Paths> copper = floodTiles(list_, layerCode, grid);
    for (size_t i = 0; i < list_.size(); ++i) {
      if (list_[i].KeepOut || !isOnLayer(list_[i], layerCode)) continue;
      if (apartFromPlane(i, spokes, copperless)) continue;
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
  LayerState state_;
  UnionFind uf_;
  std::vector<std::optional<Paths>> regions_;
  // The true shapes of the elements whose pairs can be decided without polygons.
  std::vector<std::optional<std::vector<RoundedConvex>>> pieces_;
  std::vector<bool> piecesBuilt_;  // all of them when the pairs are to be compared as polygons
  bool fast_;
  // Whether an element's copper meets that of another element.
  std::vector<bool> touchesCopper_;
  std::vector<IRect> boxes_;
  IRect extent_;
  int32_t cell_ = 1;
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
