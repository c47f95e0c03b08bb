#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "Polygon.h"
#include "SpatialIndex.h"
#include "model/ElementList.h"
#include "model/LayerPredicates.h"

namespace trazello {

// What a route on one layer must keep away from: the copper of every element on the layer and
// the drilled hole of every pad elsewhere (a hole goes through every layer), less the areas of
// the two nets being joined, which the track may enter. Element shapes are built only when a
// question reaches them and kept for the rest of the route.
class RouteObstacles {
 public:
  // `startNet`, `targetNet`: the elements of the two nets; `a`, `b`: the two pads, whose holes
  // never block their own route.
  RouteObstacles(const ElementList& list, const LayerState& state, uint8_t layer,
                 const std::vector<size_t>& startNet, const std::vector<size_t>& targetNet,
                 size_t a, size_t b);

  // Whether `shape` (with its box in units) has a common area with the obstacles.
  bool blocks(const Paths& shape, const IRect& box) const;
  // The same for a rectangle in units.
  bool blocksBox(const IRect& box) const;

 private:
  struct Item {
    size_t element = 0;
    bool hole = false;  // the drilled square of a pad, not its copper
    IRect box{};
    mutable std::optional<Paths> shape;
  };
  const Paths& shapeOf(const Item& item) const;

  const ElementList& list_;
  LayerState state_;
  std::vector<Item> obstacles_;
  std::vector<Item> allowed_;  // the two nets' copper on the layer
  SpatialIndex obstacleIndex_;
  SpatialIndex allowedIndex_;
};

// The copper of an element as the router sees it: round pad shapes count as their octagonal
// variants.
Paths routingRegion(const TObjekt& e, const LayerState& state);

}  // namespace trazello
