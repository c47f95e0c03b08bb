#pragma once

#include <string>

#include "HpglPlot.h"
#include "model/BoardSettings.h"
#include "model/ElementList.h"

namespace trazello {

struct OutlineMillingOptions {
  bool selectedOnly = false;
  HpglMirror mirror = HpglMirror::None;
  ReferenceHoles refs;
  bool specialFactor = false;
  bool camOrigin = false;
};

// Tracks and circles on the outline layer: whether any exists, and whether one is selected.
bool hasOutlineElements(const ElementList& elements);
bool hasSelectedOutlineElements(const ElementList& elements);

// The outline file: the header, the reference holes, then every outline track and arc milled
// along its centre line as an open path, in list order.
std::string outlineMillingFile(const ElementList& elements, const BoardSettings& board,
                               const OutlineMillingOptions& options);

}  // namespace trazello
