#include "SelectionMove.h"

#include <algorithm>

#include "model/ElementGeometry.h"
#include "model/Geometry.h"

namespace trazello {

Point SelectionMove::clampToBoard(Point offset, const IRect& box, int32_t w, int32_t h) {
  const float minX = std::min(0.0f, -float(box.left));
  const float maxX = std::max(0.0f, float(w) - float(box.right));
  const float minY = std::min(0.0f, -float(h) - float(box.top));
  const float maxY = std::max(0.0f, -float(box.bottom));
  return {std::clamp(offset.x, minX, maxX), std::clamp(offset.y, minY, maxY)};
}

void SelectionMove::start(ToolContext& ctx, Point from) {
  InteractionState& s = ctx.state();
  s.moving = true;
  s.ignoreFirstMove = true;
  s.moveFrom = from;
  s.offset = {};
  s.moved.clear();
  s.movedPoints.clear();
  s.movedPointsTaken = false;
  s.snapMarkers.clear();
  const ElementList& l = ctx.list();
  const BoardIndex& index = ctx.index();
  IRect box{};
  bool first = true;
  for (size_t i = 0; i < l.size(); ++i) {
    if (!l[i].Selected) continue;
    s.moved.push_back(i);
    const IRect& b = index.boxOf(i);
    box = first ? b
                : IRect{std::min(box.left, b.left), std::min(box.top, b.top),
                        std::max(box.right, b.right), std::max(box.bottom, b.bottom)};
    first = false;
  }
  s.selectionBox = box;
  s.movedRevision = l.revision();
}

bool SelectionMove::stillValid(ToolContext& ctx) {
  InteractionState& s = ctx.state();
  // Something else changed the list under the drag (an undo, a command): the indices are stale.
  if (ctx.list().revision() == s.movedRevision) return true;
  s.moving = false;
  s.moved.clear();
  return false;
}

void SelectionMove::move(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  InteractionState& s = ctx.state();
  if (s.ignoreFirstMove) {
    s.ignoreFirstMove = false;
    return;
  }
  if (s.moved.empty() || !stillValid(ctx)) return;
  Point offset = ctx.gridOffset({e.world.x - s.moveFrom.x, e.world.y - s.moveFrom.y}, e.mods.ctrl);
  s.snapMarkers.clear();
  if (e.mods.shift) {
    if (!s.movedPointsTaken) {
      s.movedPoints = PointerSnap::movedSnapPoints(ctx.list(), s.moved);
      s.movedPointsTaken = true;
    }
    const PointerSnap::MoveResult r = ctx.snap().moveSnap(offset, s.movedPoints);
    if (r.snapped) offset = r.offset;
    s.snapMarkers = r.markers;
  }
  const BoardSettings& b = ctx.doc().working();
  s.offset = clampToBoard(offset, s.selectionBox, b.width, b.height);
  out.preview.shapeSource = Preview::ShapeSource::Selection;
  out.preview.movedIndices = s.moved;
  out.preview.shapeOffset = s.offset;
  out.preview.snapMarkers = s.snapMarkers;
  out.display = Outcome::Display{Outcome::Display::Kind::Offset, s.offset.x, s.offset.y};
}

void SelectionMove::release(ToolContext& ctx, Outcome& out) {
  InteractionState& s = ctx.state();
  if (!stillValid(ctx)) return;
  s.moving = false;
  if (s.moved.empty() || (s.offset.x == 0 && s.offset.y == 0)) return;
  ctx.recordStep();
  ElementList& l = ctx.list();
  BoardIndex& index = ctx.index();
  const uint64_t before = l.revision();
  for (size_t i : s.moved) {
    out.change.addArea(index.boxOf(i));
    TObjekt& t = l.edit(i);
    moveElement(t, s.offset.x, s.offset.y);
    out.change.addArea(boundingBox(t));
  }
  index.update(l, s.moved, before);
  out.change.elements = true;
  s.offset = {};
}

}  // namespace trazello
