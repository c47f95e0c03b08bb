#include "LayerColours.h"

#include <algorithm>

#include "model/Layer.h"

namespace trazello {

namespace {
bool onSideOne(int code) {
  return code == layer::C1 || code == layer::S1;
}
bool onOtherSide(int active, int code) {
  const bool activeOne = onSideOne(active);
  const bool activeRest = active >= 3 && active <= 7;
  return (activeOne && code >= 3 && code <= 7) || (activeRest && onSideOne(code));
}
int clampByte(int v) {
  return std::clamp(v, 0, 255);
}
}  // namespace

ColorRef elementColour(const RenderContext& ctx, const TObjekt& e) {
  if (ctx.options.maskMode) return kWhite;
  if (ctx.options.singleColour) return *ctx.options.singleColour;
  if (e.Selected)
    return onOtherSide(ctx.layers.activeLayer, e.Layer) ? kSelectedFarSide : kSelected;
  if (ctx.options.solderMaskView && hasSolderMaskOpening(e)) return kWhite;
  return ctx.scheme.layerColour(e.Layer);
}

LayerPen layerPen(const RenderContext& ctx, ColorRef colour, bool preview) {
  if (preview) return {RasterMode::NotXor, colour};
  if (!ctx.options.transparent || ctx.options.photoView || ctx.options.maskMode)
    return {RasterMode::Copy, colour};
  const ColorRef background = ctx.scheme[SchemeSlot::Background];
  if (brightnessSum(background) > 384)
    return {RasterMode::MaskNotPen, (colour ^ background) & 0x00FFFFFFu};
  return {RasterMode::Merge, colour};
}

ColorRef routedStripeColour(ColorRef c) {
  const int d = brightnessSum(c) <= 382 ? 150 : -150;
  return rgb(clampByte(redOf(c) + d), clampByte(greenOf(c) + d), clampByte(blueOf(c) + d));
}

std::array<uint8_t, 7> layerOrder(int activeLayer) {
  using namespace layer;
  switch (activeLayer) {
    case C1:
    case S1:
      return {I1, I2, C2, C1, S2, S1, O};
    case I1:
      return {C1, C2, I2, I1, S1, S2, O};
    case I2:
      return {C1, C2, I1, I2, S1, S2, O};
    default:
      return {I1, I2, C1, C2, S1, S2, O};
  }
}

ColorRef boardFillColour(const RenderContext& ctx) {
  const int a = ctx.layers.activeLayer;
  const bool plane = isCopperLayer(a) && ctx.layers.groundPlane[static_cast<size_t>(a)];
  if (!plane) return ctx.scheme[SchemeSlot::Background];
  const ColorRef c = ctx.scheme.layerColour(a);
  if (!ctx.options.darkerGroundPlane) return c;
  return rgb(std::max(redOf(c) - 80, 0), std::max(greenOf(c) - 80, 0), std::max(blueOf(c) - 80, 0));
}

}  // namespace trazello
