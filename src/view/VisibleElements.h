#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Canvas.h"
#include "checks/ElementBoxIndex.h"
#include "model/ElementList.h"

namespace trazello {

// The elements a drawing pass over a canvas may draw: those whose box meets the visible
// rectangle grown by `margin`, in list order, found through the board's box index. Loops over
// them keep their own tests, so they draw exactly what a loop over every element drew.
struct VisibleElements {
  VisibleElements(const Canvas& canvas, const ElementList& elements, int32_t margin = 0);

  std::shared_ptr<const ElementBoxIndex> index;
  std::vector<uint32_t> indices;

  auto begin() const { return indices.begin(); }
  auto end() const { return indices.end(); }
};

// The pads whose rubberbands may cross the visible rectangle, in list order.
std::vector<uint32_t> padsWithVisibleConnections(const Canvas& canvas, const ElementList& elements);

}  // namespace trazello
