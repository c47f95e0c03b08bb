#include "PasteTool.h"

#include <numeric>

#include "edit/commands/PasteCopies.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"

namespace trazello {

void PasteTool::takeStart(ToolContext& ctx) {
  InteractionState& s = ctx.state();
  const ElementList& clip = ctx.doc().clipboard();
  const IRect box = boxOfEverything(clip);
  const Point centre{(float(box.left) + float(box.right)) / 2,
                     (float(box.top) + float(box.bottom)) / 2};
  s.start = snapToGrid(centre, ctx.host().grid(), ctx.host().originMilli());
  std::vector<size_t> all(clip.size());
  std::iota(all.begin(), all.end(), size_t{0});
  s.movedPoints = PointerSnap::movedSnapPoints(clip, all);
  s.pasteStarted = true;
}

Point PasteTool::offsetFor(ToolContext& ctx, const ToolEvent& e) {
  InteractionState& s = ctx.state();
  if (!s.pasteStarted) takeStart(ctx);
  Point offset = ctx.gridOffset({e.world.x - s.start.x, e.world.y - s.start.y}, e.mods.ctrl);
  s.snapMarkers.clear();
  if (e.mods.shift) {
    const PointerSnap::MoveResult r = ctx.snap().moveSnap(offset, s.movedPoints);
    if (r.snapped) offset = r.offset;
    s.snapMarkers = r.markers;
  }
  s.offset = offset;
  return offset;
}

void PasteTool::move(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  const Point offset = offsetFor(ctx, e);
  out.preview.shapeSource = Preview::ShapeSource::Clipboard;
  out.preview.shapeOffset = offset;
  out.preview.snapMarkers = ctx.state().snapMarkers;
}

void PasteTool::press(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  if (e.button == MouseButton::Right) {
    out.nextTool = ToolChoice{ToolCode::Edit, false};
    return;
  }
  if (e.button != MouseButton::Left) return;
  const ElementList& clip = ctx.doc().clipboard();
  out.nextTool = ToolChoice{ToolCode::Edit, false};
  if (clip.empty()) return;
  const Point offset = offsetFor(ctx, e);
  ctx.recordStep();
  ctx.deselectAll(out.change);
  pasteCopies(ctx.list(), clip, offset, out.change);
  out.showSelectionSizes = true;
}

}  // namespace trazello
