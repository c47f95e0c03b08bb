#include "PolylineTool.h"

#include <algorithm>
#include <cmath>

#include "model/ElementGeometry.h"
#include "model/Layer.h"

namespace trazello {

namespace {

float signOf(float v) {
  return v > 0 ? 1.0f : (v < 0 ? -1.0f : 0.0f);
}

Preview::LineColour rubberColour(uint8_t layerCode) {
  return layerCode == layer::C1 || layerCode == layer::C2 ? Preview::LineColour::Black
                                                          : Preview::LineColour::Red;
}

}  // namespace

Point PolylineTool::bendPoint(Point s, Point p, int mode) {
  const float dx = p.x - s.x;
  const float dy = p.y - s.y;
  const float m = std::min(std::abs(dx), std::abs(dy));
  switch (mode) {
    case 0:
      return {p.x - m * signOf(dx), p.y - m * signOf(dy)};
    case 1:
      return {s.x + m * signOf(dx), s.y + m * signOf(dy)};
    case 2:
      return {s.x, p.y};
    case 3:
      return {p.x, s.y};
    default:
      return p;
  }
}

std::optional<size_t> PolylineTool::drawnIndex(ToolContext& ctx) const {
  if (!ctx.state().drawing) return std::nullopt;
  return ctx.list().indexOf(ctx.state().drawn);
}

void PolylineTool::leave(ToolContext& ctx, Outcome&) {
  // Another tool only ends the drawing: the points placed so far stay.
  ctx.state().drawing = false;
}

void PolylineTool::press(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  InteractionState& s = ctx.state();
  const auto at = drawnIndex(ctx);
  if (e.button == MouseButton::Right) {
    if (at) {
      finish(ctx, out);
    } else {
      s.drawing = false;
      out.nextTool = ToolChoice{ToolCode::Edit, false};
    }
    return;
  }
  if (e.button != MouseButton::Left) return;
  if (!at) {
    begin(ctx, ctx.gridPoint(e), out);
    return;
  }
  s.current = pointerPoint(ctx, e, *at);
  s.bend = bendPoint(s.start, s.current, s.bendMode);
  addPoints(ctx, out);
}

void PolylineTool::begin(ToolContext& ctx, Point p, Outcome& out) {
  InteractionState& s = ctx.state();
  const ToolSizes& sizes = ctx.host().sizeFields().current();
  const uint8_t layerCode = ctx.host().activeLayer();
  TObjekt e = isZone() ? newZone(sizes.trackWidth, layerCode, ctx.options().keepOutButtonDown)
                       : newTrack(sizes.trackWidth, layerCode);
  if (!isZone()) e.Clearance = sizes.clearance;
  // A zone is open while it is drawn; finishing closes it.
  if (isZone()) e.Closed = 0;
  appendPoint(e, p);
  ctx.recordStep();
  const TObjekt& added = ctx.list()[ctx.append(std::move(e))];
  s.drawn = added.Id;
  s.drawing = true;
  s.start = s.current = s.bend = p;
  out.change.elements = true;
  out.change.addArea(boundingBox(added));
  out.hint = std::string(toolHint(code_, true, ctx.options().language));
  showRubber(ctx, out);
}

void PolylineTool::addPoints(ToolContext& ctx, Outcome& out) {
  InteractionState& s = ctx.state();
  const size_t at = *drawnIndex(ctx);
  const TObjekt& old = ctx.list()[at];
  // Within the few pixels of the first point's handle, so that an off-grid start can be hit.
  const double reach = 3 / std::max(ctx.zoom(), 1e-6);
  const bool closes = isZone() && old.Points.size() > 1 &&
                      std::abs(s.current.x - old.Points.front().x) <= reach &&
                      std::abs(s.current.y - old.Points.front().y) <= reach;
  ctx.editElement(at, [&](TObjekt& e) {
    if (!(s.bend == s.current) && !(s.bend == e.Points.back())) e.Points.push_back(s.bend);
    if (!closes) e.Points.push_back(s.current);
  });
  s.start = s.current;
  out.change.elements = true;
  out.change.addArea(boundingBox(ctx.list()[at]));
  if (closes) {
    finish(ctx, out);
    return;
  }
  showRubber(ctx, out);
}

void PolylineTool::finish(ToolContext& ctx, Outcome& out) {
  InteractionState& s = ctx.state();
  const size_t at = *drawnIndex(ctx);
  ElementList& l = ctx.list();
  const TObjekt& e = l[at];
  out.change.addArea(boundingBox(e));
  out.change.elements = true;
  const bool keep = isZone() ? e.Points.size() > 2 : e.Points.size() > 1;
  if (keep) {
    if (isZone()) ctx.editElement(at, [](TObjekt& z) { z.Closed = 1; });
  } else {
    removeElementAt(l, at);
    // The drawing left nothing behind, so its step would undo nothing.
    std::vector<ElementList>& steps = ctx.doc().currentBoard().undoList;
    if (!steps.empty() && steps.back().size() == l.size()) steps.pop_back();
  }
  s.drawing = false;
  s.drawn = {};
  out.hint = std::string(toolHint(code_, false, ctx.options().language));
  out.change.selection = true;  // the properties panel stops showing the drawn element
}

Point PolylineTool::pointerPoint(ToolContext& ctx, const ToolEvent& e, size_t self) {
  Point p = ctx.gridPoint(e);
  ctx.state().elementSnapped = false;
  if (!e.mods.shift) return p;
  p = PointerSnap::alignSnap(p, ctx.state().start, std::nullopt);
  const auto snapped = ctx.snap().elementSnap(p, false, self);
  ctx.state().elementSnapped = snapped.has_value();
  return snapped.value_or(p);
}

void PolylineTool::move(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  InteractionState& s = ctx.state();
  const auto at = drawnIndex(ctx);
  if (!at) {
    const Point p = ctx.gridPoint(e);
    out.preview.dot = Preview::Dot{p, ctx.host().sizeFields().current().trackWidth};
    out.preview.crosshair = p;
    return;
  }
  s.current = pointerPoint(ctx, e, *at);
  s.bend = bendPoint(s.start, s.current, s.bendMode);
  showRubber(ctx, out);
}

void PolylineTool::showRubber(ToolContext& ctx, Outcome& out) {
  const InteractionState& s = ctx.state();
  const auto at = drawnIndex(ctx);
  if (!at) return;
  const TObjekt& e = ctx.list()[*at];
  Preview::Line line{{s.start}, e.Width, rubberColour(e.Layer)};
  if (!(s.bend == s.start) && !(s.bend == s.current)) line.points.push_back(s.bend);
  line.points.push_back(s.current);
  out.preview.lines.push_back(std::move(line));
  out.preview.crosshair = s.current;
  if (s.elementSnapped) out.preview.snapMarkers.push_back(s.current);
}

void PolylineTool::cycleBendMode(ToolContext& ctx, Outcome& out) {
  InteractionState& s = ctx.state();
  s.bendMode = (s.bendMode + 1) % 5;
  s.bend = bendPoint(s.start, s.current, s.bendMode);
  showRubber(ctx, out);
}

void PolylineTool::dropLastPoint(ToolContext& ctx, Outcome& out) {
  InteractionState& s = ctx.state();
  const auto at = drawnIndex(ctx);
  if (!at || ctx.list()[*at].Points.size() < 2) return;
  out.change.addArea(boundingBox(ctx.list()[*at]));
  ctx.editElement(*at, [&](TObjekt& e) {
    e.Points.pop_back();
    s.start = e.Points.back();
  });
  s.bend = bendPoint(s.start, s.current, s.bendMode);
  out.change.elements = true;
  showRubber(ctx, out);
}

}  // namespace trazello
