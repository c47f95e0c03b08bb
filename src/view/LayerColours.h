#pragma once

#include <array>
#include <cstdint>

#include "RenderContext.h"
#include "model/TObjekt.h"

namespace trazello {

// The layer colour of an element before its normal drawing: selection colours (darker for an
// element on the other side than the active layer), the scheme's layer colour, white for a
// solder-mask opening in the solder-mask view, white for everything in mask mode.
ColorRef elementColour(const RenderContext& ctx, const TObjekt& e);

// The raster mode an element is drawn with, and the pen colour that goes with it. Transparent
// drawing ORs the colour into a dark background; on a light background it masks with the
// complement of (colour xor background), which shows each layer in its own scheme colour.
struct LayerPen {
  RasterMode mode = RasterMode::Copy;
  ColorRef colour = kBlack;
};
LayerPen layerPen(const RenderContext& ctx, ColorRef colour, bool preview);

// The colour of the centre stripe of an autorouted track.
ColorRef routedStripeColour(ColorRef trackColour);

// The seven layers in drawing order for an active layer (outline last, the active side on top).
std::array<uint8_t, 7> layerOrder(int activeLayer);

// The background fill of the board: the ground-plane layer's colour when the plane is on for
// the active layer (darkened by 80 when asked), else the scheme background.
ColorRef boardFillColour(const RenderContext& ctx);

}  // namespace trazello
