#pragma once

#include <optional>
#include <vector>

#include "ConvexCopper.h"
#include "Polygon.h"
#include "model/ElementList.h"
#include "model/LayerPredicates.h"

namespace trazello {

// The copper of a board's elements as one computation needs it, each shape built at most once
// and only when asked for: element regions as polygons, the same copper as exact convex pieces,
// and boxes for a first look.
class ElementShapes {
 public:
  // `state` decides whether thermal spokes are part of a pad's copper.
  ElementShapes(const ElementList& list, const LayerState& state);

  const ElementList& list() const { return list_; }
  const LayerState& state() const { return state_; }
  size_t size() const { return list_.size(); }
  // A box around the element's copper in whole units (boundingBox()).
  const IRect& box(size_t i) const { return boxes_[i]; }
  // The box around every element, and a grid step suited to it.
  const IRect& extent() const { return extent_; }
  int32_t cell() const { return cell_; }

  const Paths& region(size_t i);
  const std::optional<std::vector<RoundedConvex>>& pieces(size_t i);
  // Whether the element's copper is one connected shape that its pieces describe exactly
  // (pads, SMD pads, tracks, convex zones, texts of one stroke) and surely has an area.
  bool plain(size_t i);
  // Points with copper all round them (pointsWellInside()); for plain elements only.
  const std::vector<DPoint>& pointsInside(size_t i);

 private:
  const ElementList& list_;
  LayerState state_;
  std::vector<IRect> boxes_;
  IRect extent_;
  int32_t cell_ = 1;
  std::vector<std::optional<Paths>> regions_;
  std::vector<std::optional<std::vector<RoundedConvex>>> pieces_;
  std::vector<bool> piecesBuilt_;
  // -1 not yet known, 0 no, 1 yes.
  std::vector<signed char> plain_;
  std::vector<std::vector<DPoint>> inside_;
  std::vector<bool> insideBuilt_;
};

}  // namespace trazello
