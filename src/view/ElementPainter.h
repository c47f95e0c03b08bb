#pragma once

#include "RenderContext.h"
#include "model/TObjekt.h"

namespace trazello {

// The normal drawing of one element in its layer colour. The canvas's raster mode is the same
// afterwards; a canvas in not-xor mode draws the element as a drag preview.
void DrawElement(RenderContext& ctx, const TObjekt& e);

// The element's shape in `colour` (drag previews, marking by the checks): no selection colour,
// no through-plating colour, no routed stripe.
void DrawElementInColour(RenderContext& ctx, const TObjekt& e, ColorRef colour);

}  // namespace trazello
