#include "CircleTool.h"

#include <algorithm>
#include <cmath>

#include "model/ElementGeometry.h"

namespace trazello {

std::pair<float, float> CircleTool::ringRadii(float r, int32_t w) {
  const int32_t h = w / 2;
  return {static_cast<float>(roundInt(Real(r) + h)), static_cast<float>(roundInt(Real(r) + h - w))};
}

void CircleTool::press(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  if (e.button == MouseButton::Right) {
    ctx.state().drawing = false;
    out.nextTool = ToolChoice{ToolCode::Edit, false};
    return;
  }
  if (e.button != MouseButton::Left) return;
  InteractionState& s = ctx.state();
  s.start = s.current = ctx.gridPoint(e);
  s.drawing = true;
  out.preview.crosshair = s.start;
}

void CircleTool::move(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  InteractionState& s = ctx.state();
  s.current = ctx.gridPoint(e);
  out.preview.crosshair = s.current;
  if (s.drawing) out.preview.radius = Preview::RadiusLine{s.start, s.current};
}

void CircleTool::release(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  InteractionState& s = ctx.state();
  if (!s.drawing || e.button != MouseButton::Left) return;
  s.drawing = false;
  s.current = ctx.gridPoint(e);
  const float r = std::max(std::abs(s.current.x - s.start.x), std::abs(s.current.y - s.start.y));
  if (r <= 5) return;
  const ToolSizes& sizes = ctx.host().sizeFields().current();
  const auto [outer, inner] = ringRadii(r, sizes.trackWidth);
  TObjekt ring = newCircle(s.start, ctx.host().activeLayer(), outer, inner);
  ring.Clearance = sizes.clearance;
  ctx.recordStep();
  out.change.addArea(boundingBox(ctx.list()[ctx.append(std::move(ring))]));
  out.change.elements = true;
}

}  // namespace trazello
