#include "RouteObstacles.h"

#include <algorithm>
#include <cmath>

#include "CopperShapes.h"
#include "PolygonOps.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/PadGeometry.h"

namespace trazello {

namespace {

// Through-plated pads carry copper on every copper layer, so they are part of the layer wherever
// the route runs; other elements only on their own layer.
bool onRouteLayer(const TObjekt& e, uint8_t layer) {
  return !e.KeepOut && isOnLayer(e, layer);
}

IRect holeBox(const TObjekt& pad) {
  const Point c{pad.X, pad.Y};
  const int32_t r = int32_t(std::ceil(pad.SizeB));
  return {int32_t(std::floor(c.x)) - r, int32_t(std::floor(c.y)) - r, int32_t(std::ceil(c.x)) + r,
          int32_t(std::ceil(c.y)) + r};
}

Paths holeSquare(const TObjekt& pad) {
  const double r = pad.SizeB;
  return {{toShape(pad.X - r, pad.Y - r), toShape(pad.X + r, pad.Y - r),
           toShape(pad.X + r, pad.Y + r), toShape(pad.X - r, pad.Y + r)}};
}

Paths boxArea(const IRect& b) {
  return {{toShape(b.left, b.top), toShape(b.right, b.top), toShape(b.right, b.bottom),
           toShape(b.left, b.bottom)}};
}

}  // namespace

Paths routingRegion(const TObjekt& e, const LayerState& state) {
  if (!e.is(ElementKind::Pad)) return elementRegion(e, &state);
  TObjekt octagonal = e;
  switch (e.PadShape) {
    case padshape::Round:
      octagonal.PadShape = padshape::Octagon;
      break;
    case padshape::OblongH:
      octagonal.PadShape = padshape::OctagonH;
      break;
    case padshape::OblongV:
      octagonal.PadShape = padshape::OctagonV;
      break;
    default:
      return elementRegion(e, &state);
  }
  octagonal.Points = padOutline({e.X, e.Y}, octagonal.PadShape, e.SizeA, 0);
  return elementRegion(octagonal, &state);
}

RouteObstacles::RouteObstacles(const ElementList& list, const LayerState& state, uint8_t layer,
                               const std::vector<size_t>& startNet,
                               const std::vector<size_t>& targetNet, size_t a, size_t b)
    : list_(list),
      state_(state),
      obstacleIndex_(SpatialIndex::cellFor(boxOfEverything(list), list.size())),
      allowedIndex_(SpatialIndex::cellFor(boxOfEverything(list), list.size())) {
  std::vector<uint8_t> inNets(list.size(), 0);
  for (size_t i : startNet) inNets[i] = 1;
  for (size_t i : targetNet) inNets[i] = 1;
  for (size_t i = 0; i < list.size(); ++i) {
    const TObjekt& e = list[i];
    const bool onLayer = onRouteLayer(e, layer);
    if (onLayer) {
      Item item{i, false, widened(boundingBox(e, &state_), 1), {}};
      // The nets' own copper is allowed ground, so it never counts as an obstacle.
      if (inNets[i]) {
        allowedIndex_.insert(allowed_.size(), item.box);
        allowed_.push_back(std::move(item));
      } else {
        obstacleIndex_.insert(obstacles_.size(), item.box);
        obstacles_.push_back(std::move(item));
      }
    }
    if (e.is(ElementKind::Pad) && i != a && i != b && e.SizeB > 0 && !onLayer) {
      Item hole{i, true, holeBox(e), {}};
      obstacleIndex_.insert(obstacles_.size(), hole.box);
      obstacles_.push_back(std::move(hole));
    }
  }
}

const Paths& RouteObstacles::shapeOf(const Item& item) const {
  if (!item.shape) {
    const TObjekt& e = list_[item.element];
    item.shape = item.hole ? holeSquare(e) : routingRegion(e, state_);
  }
  return *item.shape;
}

bool RouteObstacles::blocks(const Paths& shape, const IRect& box) const {
  const IRect query = widened(box, 1);
  Paths hit;
  obstacleIndex_.query(query, [&](size_t id) {
    Paths common = intersect(shapeOf(obstacles_[id]), shape);
    hit.insert(hit.end(), common.begin(), common.end());
  });
  if (hit.empty()) return false;
  Paths cut;
  allowedIndex_.query(query, [&](size_t id) {
    const Paths& s = shapeOf(allowed_[id]);
    cut.insert(cut.end(), s.begin(), s.end());
  });
  if (!cut.empty()) hit = subtract(unite(hit), cut);
  return area(hit) > 0;
}

bool RouteObstacles::blocksBox(const IRect& box) const {
  return blocks(boxArea(box), box);
}

}  // namespace trazello
