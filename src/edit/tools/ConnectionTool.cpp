#include "ConnectionTool.h"

#include <algorithm>

#include "checks/NetCache.h"
#include "model/CopperGeometry.h"
#include "model/ElementGeometry.h"
#include "model/Layer.h"

namespace trazello {

namespace {

// Removes every `id` from `links`; true when there was one.
bool unlink(std::vector<ElementId>& links, ElementId id) {
  const auto end = std::remove(links.begin(), links.end(), id);
  const bool found = end != links.end();
  links.erase(end, links.end());
  return found;
}

}  // namespace

std::optional<size_t> ConnectionTool::padAt(ToolContext& ctx, Point p) const {
  const auto hit = ctx.hitTest().at(p, true);
  if (!hit) return std::nullopt;
  const TObjekt& e = ctx.list()[*hit];
  if (!e.isPadLike() || !isCopperLayer(e.Layer)) return std::nullopt;
  return hit;
}

void ConnectionTool::show(ToolContext& ctx, Point pointer, std::optional<size_t> hovered,
                          Outcome& out) const {
  out.preview.highlighted = hovered;
  const InteractionState& s = ctx.state();
  if (!s.drawing) return;
  if (const auto first = ctx.list().indexOf(s.firstPad)) {
    out.preview.connectionRubber = Preview::RubberLine{padLikeCentre(ctx.list()[*first]), pointer};
  }
}

void ConnectionTool::move(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  show(ctx, e.world, padAt(ctx, e.world), out);
}

void ConnectionTool::press(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  InteractionState& s = ctx.state();
  if (e.button == MouseButton::Right) {
    if (s.drawing) {
      s.drawing = false;
      s.firstPad = ElementId();
      show(ctx, e.world, padAt(ctx, e.world), out);
    } else {
      out.nextTool = ToolChoice{ToolCode::Edit, false};
    }
    return;
  }
  if (e.button != MouseButton::Left) return;
  const std::optional<size_t> hovered = padAt(ctx, e.world);
  if (!s.drawing) {
    if (hovered) {
      s.firstPad = ctx.list()[*hovered].Id;
      s.drawing = true;
    }
    show(ctx, e.world, hovered, out);
    return;
  }
  const std::optional<size_t> first = ctx.list().indexOf(s.firstPad);
  if (!hovered || !first || *hovered == *first) {
    show(ctx, e.world, hovered, out);
    return;
  }
  // A second pad: the connection between the two goes when it exists, otherwise it is made.
  ctx.recordStep();
  const ElementId a = ctx.list()[*first].Id;
  const ElementId b = ctx.list()[*hovered].Id;
  bool removed = false;
  ctx.editElement(*first, [&](TObjekt& t) { removed = unlink(t.Links, b) || removed; });
  ctx.editElement(*hovered, [&](TObjekt& t) { removed = unlink(t.Links, a) || removed; });
  if (!removed) {
    ctx.editElement(*first, [&](TObjekt& t) { t.Links.push_back(b); });
    ctx.editElement(*hovered, [&](TObjekt& t) { t.Links.push_back(a); });
  }
  out.change.elements = true;
  out.change.addArea(unite(boundingBox(ctx.list()[*first]), boundingBox(ctx.list()[*hovered])));
  s.drawing = false;
  s.firstPad = ElementId();
  show(ctx, e.world, hovered, out);
}

void ConnectionTestTool::press(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  if (e.button == MouseButton::Right) {
    out.nextTool = ToolChoice{ToolCode::Edit, false};
    return;
  }
  if (e.button != MouseButton::Left) return;
  ctx.deselectAll(out.change);
  const auto hit = ctx.hitTest().at(e.world, true);
  if (!hit) return;
  const TObjekt& start = ctx.list()[*hit];
  if (start.KeepOut || !isCopperLayer(start.Layer)) return;
  ctx.selectAll(netsOf(ctx.list(), ctx.doc().working())->membersOf(*hit), true, out.change);
}

void ConnectionTestTool::leave(ToolContext& ctx, Outcome& out) {
  ctx.deselectAll(out.change);
}

}  // namespace trazello
