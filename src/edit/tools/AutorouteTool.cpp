#include "AutorouteTool.h"

#include <algorithm>
#include <cmath>

#include "checks/AutoRouter.h"
#include "model/CopperGeometry.h"
#include "model/Geometry.h"

namespace trazello {

namespace {

// A point in pixels of the drawing area, up to the scroll offset (which differences ignore).
IPoint pixelOf(Point p, double zoom) {
  return {roundInt(p.x * zoom), roundInt(-p.y * zoom)};
}

// Whether the pointer lies on the straight line between two pad centres, within `t` pixels.
bool onRubberband(IPoint at, IPoint a, IPoint b, int32_t t) {
  if (at.x < std::min(a.x, b.x) - t || at.x > std::max(a.x, b.x) + t ||
      at.y < std::min(a.y, b.y) - t || at.y > std::max(a.y, b.y) + t)
    return false;
  if (a.x == b.x || a.y == b.y) return true;
  const int32_t lineY = a.y + roundInt(Real(a.y - b.y) / (a.x - b.x) * (at.x - a.x));
  const int32_t lineX = a.x + roundInt(Real(a.x - b.x) / (a.y - b.y) * (at.y - a.y));
  return std::abs(lineY - at.y) <= t || std::abs(lineX - at.x) <= t;
}

// The first rubberband under the pointer: a pad and its partner.
std::optional<std::pair<size_t, size_t>> rubberbandAt(const ElementList& list, Point p,
                                                      double zoom) {
  const int32_t t = std::clamp(roundInt(zoom * 60), 3, 10);
  const IPoint at = pixelOf(p, zoom);
  for (size_t i = 0; i < list.size(); ++i) {
    const TObjekt& pad = list[i];
    if (!pad.isPadLike()) continue;
    for (ElementId partner : pad.Links) {
      const auto j = list.indexOf(partner);
      if (!j) continue;
      if (onRubberband(at, pixelOf(padLikeCentre(pad), zoom),
                       pixelOf(padLikeCentre(list[*j]), zoom), t))
        return std::make_pair(i, *j);
    }
  }
  return std::nullopt;
}

}  // namespace

void AutorouteTool::enter(ToolContext& ctx, Outcome& out) {
  ctx.deselectAll(out.change);
  ctx.state().routeHover = 0;
}

void AutorouteTool::leave(ToolContext& ctx, Outcome& out) {
  ctx.deselectAll(out.change);
}

void AutorouteTool::move(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  int& hover = ctx.state().routeHover;
  const ElementList& list = ctx.list();
  if (const auto band = rubberbandAt(list, e.world, ctx.zoom())) {
    if (!list[band->first].Selected || !list[band->second].Selected) {
      ctx.deselectAll(out.change);
      ctx.setSelected(band->first, true, true, out.change);
      ctx.setSelected(band->second, true, true, out.change);
    }
    hover = 1;
    return;
  }
  const auto hit = ctx.hitTest().at(e.world, false);
  if (hit && list[*hit].is(ElementKind::Track) && list[*hit].Routed) {
    ctx.deselectAll(out.change);
    ctx.setSelected(*hit, true, true, out.change);
    hover = 2;
    return;
  }
  ctx.deselectAll(out.change);
  hover = 0;
}

void AutorouteTool::press(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  if (e.button == MouseButton::Right) {
    out.nextTool = ToolChoice{ToolCode::Edit, false};
    return;
  }
  if (e.button != MouseButton::Left) return;
  if (ctx.state().routeHover == 1) route(ctx, out);
  if (ctx.state().routeHover == 2) unroute(ctx, out);
}

void AutorouteTool::route(ToolContext& ctx, Outcome& out) const {
  const auto pair = highlightedPair(ctx.list());
  if (!pair) return;
  const int language = ctx.options().language;
  ToolHost& host = ctx.host();
  host.routeProgress(routeStatusText(RouteStatus::Analyzing, language), std::nullopt);
  const RouteSizes sizes = host.routeSizes();
  const RouteSettings settings{sizes.width, sizes.clearance, host.activeLayer(),
                               host.sizeFields().current().clearance};
  RouteCallbacks callbacks;
  callbacks.recordStep = [&ctx] { ctx.recordStep(); };
  callbacks.searching = [&host](const CellRect& window, int32_t pitch) {
    host.routeProgress(searchWindowText(window, pitch), unitsBoxOfCells(window, pitch));
  };
  const auto [a, b] = *pair;
  const RouteResult r = routeConnection(ctx.list(), ctx.doc().working(), a, b, settings, callbacks);
  host.routeProgress({}, std::nullopt);
  out.change.elements = r.stepRecorded;
  out.change.all = true;
  ctx.deselectAll(out.change);
  if (r.routed) ctx.setSelected(*ctx.list().indexOf(r.track), true, true, out.change);
  ctx.setSelected(a, true, true, out.change);
  ctx.setSelected(b, true, true, out.change);
  out.routeStatus =
      routeStatusText(r.routed ? RouteStatus::Successful : RouteStatus::NotFound, language);
}

void AutorouteTool::unroute(ToolContext& ctx, Outcome& out) const {
  const ElementList& list = ctx.list();
  for (size_t i = 0; i < list.size(); ++i) {
    if (!list[i].Selected || !list[i].is(ElementKind::Track) || !list[i].Routed) continue;
    ctx.recordStep();
    unrouteTrack(ctx.list(), i);
    out.change.elements = true;
    out.change.all = true;
    ctx.state().routeHover = 0;
    out.routeStatus = routeStatusText(RouteStatus::Resolved, ctx.options().language);
    return;
  }
}

}  // namespace trazello
