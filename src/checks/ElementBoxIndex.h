#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "BoxGrid.h"
#include "model/ElementList.h"

namespace trazello {

// Where the elements of a list lie, so that drawing a part of a board looks only at the
// elements near it: each element's box as boundingBox() without a layer state gives it, and for
// each pad with rubberbands the box its lines reach (from its centre to its partners' centres).
// Queries give the elements whose box meets a rectangle, edges included, and perhaps a few
// more, always in list order, so that what is drawn from them is drawn in the same order.
class ElementBoxIndex {
 public:
  explicit ElementBoxIndex(const ElementList& list);

  size_t size() const { return boxes_.size(); }
  const IRect& box(size_t i) const { return boxes_[i]; }
  // The most a thermal relief widens a box (boundingBox() with a layer state).
  int32_t thermalReach() const { return thermalReach_; }

  // Ascending indices of the elements whose box meets `area`.
  void query(const IRect& area, std::vector<uint32_t>& out) const;
  // Ascending indices of the pads with a rubberband whose line may meet `area`.
  void queryConnections(const IRect& area, std::vector<uint32_t>& out) const;

 private:
  std::vector<IRect> boxes_;
  int32_t thermalReach_ = 0;
  BoxGrid elements_;
  BoxGrid connections_;
};

// The index of `list` as it is now. Kept for the last few lists and built again after any
// change, which every edit, undo or assignment marks by renewing the list's revision.
std::shared_ptr<const ElementBoxIndex> boxIndexOf(const ElementList& list);

}  // namespace trazello
