#pragma once

#include "RenderContext.h"
#include "model/TObjekt.h"

namespace trazello {

// The element grown by its clearance in the clearance colour: the gap the ground plane keeps
// around it (background colour on screen, black in masks, white for highlighted elements).
void DrawElementClearance(RenderContext& ctx, const TObjekt& e);

// The thermal spokes of a pad or SMD pad whose thermal relief is switched on, in the
// ground-plane colour, from the end of each enabled spoke to the pad centre.
void DrawThermalSpokes(RenderContext& ctx, const TObjekt& e);

}  // namespace trazello
