#pragma once

#include "RenderContext.h"
#include "model/BoardSettings.h"

namespace trazello {

// The grid anchored at the user origin, with every m-th line bold when subdivision marks are on,
// and the two origin lines in a lighter grid colour. A grid too dense to see is left out.
void DrawGrid(RenderContext& ctx, const BoardSettings& board);

// The lighter grid colour of the origin lines.
ColorRef originLineColour(ColorRef grid);

}  // namespace trazello
