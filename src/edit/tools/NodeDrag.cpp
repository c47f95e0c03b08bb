#include "NodeDrag.h"

#include <cmath>

#include "model/ElementGeometry.h"
#include "model/Layer.h"
#include "model/NodeHandles.h"

namespace trazello {

int NodeDrag::arcAngle(Point c, Point p, bool exact) {
  const double degrees =
      std::atan2(double(p.y) - c.y, double(p.x) - c.x) * 180 / 3.14159265358979323846;
  int a = static_cast<int>(std::nearbyint(degrees));
  if (!exact) a = static_cast<int>(std::nearbyint(a / 15.0)) * 15;
  return ((a % 360) + 360) % 360;
}

void NodeDrag::start(ToolContext& ctx, size_t index, int handle) {
  InteractionState& s = ctx.state();
  const TObjekt& e = ctx.list()[index];
  s.nodeDrag = true;
  s.nodeElement = e.Id;
  s.node = handle;
  s.nodePending = true;
  s.nodeOrigin = s.nodeAt =
      e.is(ElementKind::Circle) ? Point{e.X, e.Y} : nodeHandlePoint(e, handle);
  s.start = s.nodeOrigin;
  s.startAngle = e.Spokes;
  s.endAngle = e.Width;
}

std::pair<std::optional<Point>, std::optional<Point>> NodeDrag::neighbours(const TObjekt& e,
                                                                           int handle) {
  const size_t n = e.Points.size();
  const bool zone = e.is(ElementKind::Zone);
  if (isVirtualNode(handle)) {
    const size_t seg = static_cast<size_t>(handle - kVirtualNode);
    return {e.Points[seg], e.Points[(seg + 1) % n]};
  }
  const size_t k = static_cast<size_t>(handle);
  std::optional<Point> previous, next;
  if (k > 0)
    previous = e.Points[k - 1];
  else if (zone && n > 1)
    previous = e.Points[n - 1];
  if (k + 1 < n)
    next = e.Points[k + 1];
  else if (zone && n > 1)
    next = e.Points[0];
  return {previous, next};
}

void NodeDrag::move(ToolContext& ctx, const ToolEvent& ev, Outcome& out) {
  InteractionState& s = ctx.state();
  const auto at = ctx.list().indexOf(s.nodeElement);
  if (!at) {
    s.nodeDrag = false;
    return;
  }
  const TObjekt& e = ctx.list()[*at];
  if (e.is(ElementKind::Circle))
    moveArcEnd(ctx, e, ev, out);
  else
    moveVertex(ctx, e, *at, ev, out);
}

void NodeDrag::moveVertex(ToolContext& ctx, const TObjekt& e, size_t index, const ToolEvent& ev,
                          Outcome& out) {
  InteractionState& s = ctx.state();
  const Point offset =
      ctx.gridOffset({ev.world.x - s.start.x, ev.world.y - s.start.y}, ev.mods.ctrl);
  Point p{s.start.x + offset.x, s.start.y + offset.y};
  if (s.nodePending && p == s.nodeOrigin) return;
  s.nodePending = false;
  const auto [previous, next] = neighbours(e, s.node);
  s.elementSnapped = false;
  if (ev.mods.shift) {
    p = PointerSnap::alignSnap(p, previous, next);
    if (const auto hit = ctx.snap().elementSnap(p, false, index)) {
      p = *hit;
      s.elementSnapped = true;
    }
  }
  s.nodeAt = p;
  Preview::Line line{{}, e.Width, Preview::LineColour::Black};
  if (previous) line.points.push_back(*previous);
  line.points.push_back(p);
  if (next) line.points.push_back(*next);
  out.preview.lines.push_back(std::move(line));
  if (s.elementSnapped) out.preview.snapMarkers.push_back(p);
  out.preview.crosshair = p;
}

void NodeDrag::moveArcEnd(ToolContext& ctx, const TObjekt& e, const ToolEvent& ev, Outcome& out) {
  InteractionState& s = ctx.state();
  const int angle = arcAngle({e.X, e.Y}, ev.world, ev.mods.ctrl);
  if (s.node == 0)
    s.startAngle = angle;
  else
    s.endAngle = angle;
  s.nodePending = s.startAngle == e.Spokes && s.endAngle == e.Width;
  TObjekt shown = e;
  shown.Spokes = s.startAngle;
  shown.Width = s.endAngle;
  out.preview.shapeSource = Preview::ShapeSource::Own;
  out.preview.ownShapes.push_back(std::move(shown));
  out.display =
      Outcome::Display{Outcome::Display::Kind::Angles, double(s.startAngle), double(s.endAngle)};
}

void NodeDrag::release(ToolContext& ctx, Outcome& out) {
  InteractionState& s = ctx.state();
  s.nodeDrag = false;
  const auto at = ctx.list().indexOf(s.nodeElement);
  if (!at || s.nodePending) return;
  const TObjekt& e = ctx.list()[*at];
  const bool circle = e.is(ElementKind::Circle);
  if (!circle && s.nodeAt == s.nodeOrigin) return;
  out.change.addArea(boundingBox(e));
  ctx.recordStep();
  ctx.editElement(*at, [&](TObjekt& t) {
    if (circle) {
      t.Spokes = s.startAngle;
      t.Width = s.endAngle;
    } else if (isVirtualNode(s.node)) {
      const size_t seg = static_cast<size_t>(s.node - kVirtualNode);
      t.Points.insert(t.Points.begin() + static_cast<std::ptrdiff_t>(seg + 1), s.nodeAt);
    } else {
      t.Points[static_cast<size_t>(s.node)] = s.nodeAt;
    }
  });
  out.change.addArea(boundingBox(ctx.list()[*at]));
  out.change.elements = true;
}

}  // namespace trazello
