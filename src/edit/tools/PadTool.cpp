#include "PadTool.h"

#include "model/ElementGeometry.h"
#include "model/Layer.h"

namespace trazello {

Point PadTool::position(ToolContext& ctx, const ToolEvent& e, bool& snapped) const {
  const Point p = ctx.gridPoint(e);
  snapped = false;
  if (!e.mods.shift) return p;
  const auto hit = ctx.snap().elementSnap(p, false);
  snapped = hit.has_value();
  return hit.value_or(p);
}

TObjekt PadTool::padAt(ToolContext& ctx, Point p) const {
  const ToolSizes& sizes = ctx.host().sizeFields().current();
  const uint8_t layerCode = ctx.host().activeLayer();
  if (code_ == ToolCode::SmdPad) {
    TObjekt smd = newSmdPad(p, layerCode, static_cast<float>(sizes.smdWidth),
                            static_cast<float>(sizes.smdHeight));
    smd.Clearance = sizes.clearance;
    return smd;
  }
  TObjekt pad = newPad(p, layerCode, sizes.padShape, static_cast<float>(sizes.padOuterRadius),
                       static_cast<float>(sizes.padDrillRadius));
  pad.Clearance = sizes.clearance;
  pad.Plated = sizes.plated && isCopperLayer(layerCode) ? 1 : 0;
  return pad;
}

void PadTool::move(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  bool snapped = false;
  const Point p = position(ctx, e, snapped);
  out.preview.shapeSource = Preview::ShapeSource::Own;
  out.preview.ownShapes.push_back(padAt(ctx, p));
  out.preview.crosshair = p;
  if (snapped) out.preview.snapMarkers.push_back(p);
}

void PadTool::press(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  if (e.button == MouseButton::Right) {
    out.nextTool = ToolChoice{ToolCode::Edit, false};
    return;
  }
  if (e.button != MouseButton::Left) return;
  bool snapped = false;
  const Point p = position(ctx, e, snapped);
  TObjekt pad = padAt(ctx, p);
  ctx.recordStep();
  out.change.addArea(boundingBox(ctx.list()[ctx.append(std::move(pad))]));
  out.change.elements = true;
  move(ctx, e, out);
}

}  // namespace trazello
