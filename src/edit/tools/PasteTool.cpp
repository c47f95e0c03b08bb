#include "PasteTool.h"

#include <numeric>

#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/Groups.h"

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
  ElementList& l = ctx.list();
  const int32_t nextId = nextGroupId(l);
  const size_t first = l.size();
  std::vector<size_t> all(clip.size());
  std::iota(all.begin(), all.end(), size_t{0});
  copyElements(clip, all, l);
  for (size_t i = first; i < l.size(); ++i) {
    TObjekt& t = l.edit(i);
    moveElement(t, offset.x, offset.y);
    t.Selected = 1;
    out.change.addArea(boundingBox(t));
  }
  renumberGroups(l, first, nextId);
  compactGroupIds(l);
  // A pasted selection of several elements arrives as one group (nothing when it already is one).
  groupSelected(l);
  out.change.elements = out.change.selection = true;
  out.showSelectionSizes = true;
}

void PasteTool::renumberGroups(ElementList& list, size_t first, int32_t nextId) {
  // Shifting every id by the same amount keeps the nesting order of each list (inner ids below
  // outer ones), so the next free id stays above every id on the board; the compaction that
  // follows closes the gap.
  for (size_t i = first; i < list.size(); ++i) {
    if (list[i].Groups.empty()) continue;
    for (int32_t& g : list.edit(i).Groups) g += nextId;
  }
}

}  // namespace trazello
