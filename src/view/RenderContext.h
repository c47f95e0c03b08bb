#pragma once

#include "Canvas.h"
#include "ColourScheme.h"
#include "RenderOptions.h"
#include "model/ElementList.h"
#include "model/LayerPredicates.h"

namespace trazello {

// Everything one drawing pass reads: the surface, the colours, the switches, the layer state of
// the board drawn, its elements (for the far ends of connections) and the ground-plane colour
// that the background fill of the pass chose.
struct RenderContext {
  Canvas& canvas;
  const ColourScheme& scheme;
  const RenderOptions& options;
  LayerState layers;
  const ElementList* elements = nullptr;
  ColorRef groundFill = kBlack;
};

}  // namespace trazello
