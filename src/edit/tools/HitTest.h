#pragma once

#include <array>
#include <optional>

#include "BoardIndex.h"
#include "model/ElementList.h"
#include "model/LayerPredicates.h"

namespace trazello {

// Finds the element under the pointer: the selected elements first (their region or a node
// handle), then the layers from the top of the drawing order down; within a layer the last
// element wins, except that pads are preferred (unplated before plated) and keep-out elements
// give way. Boxes from the index come first, the element region only for those that meet.
class HitTest {
 public:
  HitTest(const ElementList& list, const BoardIndex& index, const LayerState& layers, double zoom,
          bool showVirtualNodes);

  // The element at world point p (unsnapped); with `coppersOnly` only copper layers, no
  // selection pass and no keep-out elements.
  std::optional<size_t> at(Point p, bool coppersOnly = false) const;

  // Whether the element's region contains p (within a pixel at small zooms).
  bool regionHits(const TObjekt& e, Point p) const;

 private:
  std::optional<size_t> selectedAt(Point p, const std::vector<size_t>& near) const;
  std::optional<size_t> onLayerAt(int layerCode, Point p, const std::vector<size_t>& near,
                                  bool coppersOnly) const;

  const ElementList& list_;
  const BoardIndex& index_;
  LayerState layers_;
  double zoom_;
  bool showVirtualNodes_;
};

// The layers from the top of the drawing order down for the active layer: the outline, the
// silk screens, then the copper with the active side's first.
std::array<uint8_t, 7> hitLayerOrder(int activeLayer);

}  // namespace trazello
