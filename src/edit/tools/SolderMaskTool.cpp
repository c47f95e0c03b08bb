#include "SolderMaskTool.h"

#include "model/ElementGeometry.h"
#include "model/Layer.h"

namespace trazello {

std::optional<size_t> SolderMaskTool::target(ToolContext& ctx, Point p) const {
  const auto hit = ctx.hitTest().at(p, true);
  if (!hit) return std::nullopt;
  const TObjekt& e = ctx.list()[*hit];
  if (e.Layer == layer::C1 || e.Layer == layer::C2 || isPlatedPad(e)) return hit;
  return std::nullopt;
}

void SolderMaskTool::move(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  out.preview.highlighted = target(ctx, e.world);
}

void SolderMaskTool::press(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  if (e.button == MouseButton::Right) {
    out.nextTool = ToolChoice{ToolCode::Edit, false};
    return;
  }
  if (e.button != MouseButton::Left) return;
  const auto at = target(ctx, e.world);
  if (!at) return;
  ctx.recordStep();
  ctx.editElement(*at, [](TObjekt& t) { t.SolderMask = t.SolderMask ? 0 : 1; });
  out.change.elements = true;
  out.change.addArea(boundingBox(ctx.list()[*at]));
  out.preview.highlighted = at;
}

}  // namespace trazello
