#include "DrilledPads.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "ElementJoining.h"
#include "checks/CopperShapes.h"
#include "checks/PolygonOps.h"
#include "checks/ShapeBuilder.h"
#include "model/ElementGeometry.h"
#include "model/Layer.h"

namespace trazello {

namespace {

constexpr double kReach = 4;  // units on each axis, as the joining of tracks
constexpr double kCell = 16;  // grid cell size, larger than twice the reach

int64_t cellKey(double x, double y) {
  const auto cx = static_cast<int64_t>(std::floor(x / kCell));
  const auto cy = static_cast<int64_t>(std::floor(y / kCell));
  return cx * 4'000'003 + cy;
}

// The pads on copper layers by grid cell, so that each hole looks at a handful of pads.
class PadGrid {
 public:
  explicit PadGrid(const std::vector<TObjekt>& elements) : elements_(elements) {
    for (size_t i = 0; i < elements.size(); ++i)
      if (elements[i].is(ElementKind::Pad) && isCopperLayer(elements[i].Layer))
        cells_[cellKey(elements[i].X, elements[i].Y)].push_back(i);
  }
  std::vector<size_t> hits(double x, double y) const {
    std::vector<size_t> out;
    for (int dx = -1; dx <= 1; ++dx) {
      for (int dy = -1; dy <= 1; ++dy) {
        const auto it = cells_.find(cellKey(x + dx * kCell, y + dy * kCell));
        if (it == cells_.end()) continue;
        for (size_t i : it->second) {
          const TObjekt& p = elements_[i];
          if (std::fabs(p.X - x) <= kReach && std::fabs(p.Y - y) <= kReach) out.push_back(i);
        }
      }
    }
    std::sort(out.begin(), out.end());
    return out;
  }

 private:
  const std::vector<TObjekt>& elements_;
  std::unordered_map<int64_t, std::vector<size_t>> cells_;
};

// The other copper of the two outer layers (zones, SMD pads, tracks), for holes through pads that
// the files draw as such shapes, like square pads written as regions.
class OuterCopper {
 public:
  explicit OuterCopper(const std::vector<TObjekt>& elements) : elements_(elements) {
    for (size_t i = 0; i < elements.size(); ++i) {
      const TObjekt& e = elements[i];
      if (!e.is(ElementKind::Pad) && (e.Layer == layer::C1 || e.Layer == layer::C2))
        boxes_.push_back({boundingBox(e), i});
    }
  }
  // Whether copper of layer `l` lies under the point.
  bool under(double x, double y, uint8_t l) const {
    const Paths spot{disc({float(x), float(y)}, 0.5)};
    for (const auto& [box, i] : boxes_) {
      if (elements_[i].Layer != l || x < box.left || x > box.right || y < box.top || y > box.bottom)
        continue;
      if (covers(elementRegion(elements_[i]), spot)) return true;
    }
    return false;
  }

 private:
  const std::vector<TObjekt>& elements_;
  std::vector<std::pair<IRect, size_t>> boxes_;
};

// The pad remade with new radii, so that its outline follows.
void redrill(TObjekt& pad, float outer, float drill, bool plated) {
  TObjekt p = newPad({pad.X, pad.Y}, pad.Layer, pad.PadShape, std::max(outer, drill), drill);
  p.Clearance = pad.Clearance;
  p.Plated = plated ? 1 : 0;
  pad = std::move(p);
}

}  // namespace

int putDrillHoles(std::vector<TObjekt>& elements, const std::vector<DrillHole>& holes,
                  uint8_t layer, double boardHeight) {
  const PadGrid grid(elements);
  const OuterCopper copper(elements);
  std::vector<bool> gone(elements.size(), false);
  std::vector<TObjekt> bare;
  int plated = 0;
  for (const DrillHole& h : holes) {
    const double x = h.at.x, y = h.at.y - boardHeight;
    const auto drill = static_cast<float>(h.diameter / 2);
    std::vector<size_t> hit = grid.hits(x, y);
    std::erase_if(hit, [&](size_t i) { return gone[i]; });
    if (hit.empty()) {
      TObjekt p = newPad({float(x), float(y)}, layer, padshape::Round, drill, drill);
      p.Clearance = 0;
      if (copper.under(x, y, layer::C1) && copper.under(x, y, layer::C2)) {
        p.Layer = layer::C1;
        p.Plated = 1;
        ++plated;
      }
      bare.push_back(std::move(p));
      continue;
    }
    const auto on = [&](uint8_t l) {
      return std::any_of(hit.begin(), hit.end(), [&](size_t i) { return elements[i].Layer == l; });
    };
    if (on(layer::C1) && on(layer::C2)) {
      float outer = 0;
      for (size_t i : hit) outer = std::max(outer, elements[i].SizeA);
      redrill(elements[hit[0]], outer, drill, true);
      for (size_t k = 1; k < hit.size(); ++k) gone[hit[k]] = true;
      ++plated;
      continue;
    }
    for (size_t i : hit) redrill(elements[i], elements[i].SizeA, drill, false);
  }
  removeGone(elements, gone);
  elements.insert(elements.end(), std::make_move_iterator(bare.begin()),
                  std::make_move_iterator(bare.end()));
  return plated;
}

}  // namespace trazello
