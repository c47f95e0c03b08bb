#include "ZoomTool.h"

#include <cmath>

namespace trazello {

namespace {

// A drag shorter than this many pixels in both directions is a click.
constexpr double kClickPixels = 5;

}  // namespace

void ZoomTool::press(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  if (e.button == MouseButton::Right) {
    out.zoom = Outcome::Zoom::Out;
    out.at = e.world;
    return;
  }
  if (e.button != MouseButton::Left) return;
  InteractionState& s = ctx.state();
  s.start = s.current = e.world;
  s.drawing = true;
  out.hint = std::string(toolHint(code(), true, ctx.options().language));
}

void ZoomTool::move(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  InteractionState& s = ctx.state();
  if (!s.drawing) return;
  s.current = e.world;
  out.preview.frame = Preview::Frame{s.start, s.current};
}

void ZoomTool::release(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  InteractionState& s = ctx.state();
  if (!s.drawing || e.button != MouseButton::Left) return;
  s.drawing = false;
  out.hint = std::string(toolHint(code(), false, ctx.options().language));
  const double reach = kClickPixels / ctx.zoom();
  const bool click =
      std::abs(e.world.x - s.start.x) < reach && std::abs(e.world.y - s.start.y) < reach;
  out.zoom = click ? Outcome::Zoom::In : Outcome::Zoom::Frame;
  out.at = s.start;
  out.frameTo = e.world;
}

}  // namespace trazello
