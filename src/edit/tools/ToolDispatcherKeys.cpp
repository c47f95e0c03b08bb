#include <algorithm>

#include "PolylineTool.h"
#include "ToolDispatcher.h"
#include "model/ElementGeometry.h"

namespace trazello {

namespace {

constexpr double kMaxSize = 9998;

// One arrow step of a size in hundredths of a millimetre; pads keep radii, so their diameter
// steps are half steps of the radius.
struct SizeStep {
  int trackWidth = 0;
  int padOuter = 0;  // diameter
  int padDrill = 0;  // diameter
  int smdWidth = 0;
  int smdHeight = 0;
};

SizeStep sizeStep(ToolCode tool, ToolKey key, int step) {
  SizeStep s;
  const int sign = key == ToolKey::Left || key == ToolKey::Down ? -step : step;
  const bool horizontal = key == ToolKey::Left || key == ToolKey::Right;
  switch (tool) {
    case ToolCode::Track:
      if (horizontal) s.trackWidth = sign;
      break;
    case ToolCode::Pad:
      (horizontal ? s.padDrill : s.padOuter) = sign;
      break;
    case ToolCode::SmdPad:
      (horizontal ? s.smdWidth : s.smdHeight) = sign;
      break;
    default:
      break;
  }
  return s;
}

void applyStep(ToolSizes& t, const SizeStep& s) {
  auto bounded = [](double v) { return std::clamp(v, 0.0, kMaxSize); };
  t.trackWidth = static_cast<int32_t>(bounded(t.trackWidth + s.trackWidth));
  t.smdWidth = static_cast<int32_t>(bounded(t.smdWidth + s.smdWidth));
  t.smdHeight = static_cast<int32_t>(bounded(t.smdHeight + s.smdHeight));
  const double outer = bounded(t.padOuterRadius * 2 + s.padOuter);
  const double drill = std::min(bounded(t.padDrillRadius * 2 + s.padDrill), outer);
  t.padOuterRadius = outer / 2;
  t.padDrillRadius = drill / 2;
}

bool changesSizes(ToolCode code) {
  return code == ToolCode::Track || code == ToolCode::Pad || code == ToolCode::SmdPad;
}

}  // namespace

Outcome ToolDispatcher::keyPress(const ToolEvent& e) {
  Outcome out;
  ToolContext ctx(host_, state_, index_);
  switch (e.key) {
    case ToolKey::Space:
      spaceKey(ctx, e, out);
      break;
    case ToolKey::Delete:
      deleteKey(ctx, out);
      break;
    case ToolKey::Escape:
      return selectTool(ToolCode::Edit);
    case ToolKey::Left:
    case ToolKey::Up:
    case ToolKey::Right:
    case ToolKey::Down:
      arrowKey(ctx, e, out);
      break;
    case ToolKey::None:
      return out;
  }
  out.handled = true;
  return finish(std::move(out));
}

Outcome ToolDispatcher::keyRelease(const ToolEvent& e) {
  if (e.key != ToolKey::Space || !state_.spaceHeld || e.autoRepeat) return {};
  const ToolChoice back = state_.spaceReturn.value_or(ToolChoice{});
  state_.spaceHeld = false;
  state_.spaceReturn.reset();
  Outcome out = selectTool(back);
  out.nextTool = back;
  return out;
}

void ToolDispatcher::spaceKey(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  if (e.autoRepeat) return;
  if (polylineInProgress()) {
    auto& polyline = static_cast<PolylineTool&>(tool(current_.code));
    polyline.cycleBendMode(ctx, out);
    return;
  }
  const ToolCode c = current_.code;
  if (state_.spaceHeld || e.held != 0 || c == ToolCode::Zoom || c == ToolCode::SpecialShape ||
      c == ToolCode::Text)
    return;
  state_.spaceHeld = true;
  state_.spaceReturn = current_;
  out.nextTool = ToolChoice{ToolCode::Zoom, false};
}

void ToolDispatcher::deleteKey(ToolContext& ctx, Outcome& out) {
  if (polylineInProgress()) {
    static_cast<PolylineTool&>(tool(current_.code)).dropLastPoint(ctx, out);
    return;
  }
  if (state_.drawing || state_.moving || state_.nodeDrag) return;
  ElementList& l = ctx.list();
  IRect area{};
  bool any = false;
  for (const TObjekt& el : l) {
    if (!el.Selected) continue;
    const IRect b = boundingBox(el);
    area = any ? IRect{std::min(area.left, b.left), std::min(area.top, b.top),
                       std::max(area.right, b.right), std::max(area.bottom, b.bottom)}
               : b;
    any = true;
  }
  if (!any) return;
  ctx.recordStep();
  removeElements(l, [](const TObjekt& el) { return el.Selected != 0; });
  out.change.addArea(area);
  out.change.elements = out.change.selection = true;
  out.showSelectionSizes = true;
}

void ToolDispatcher::arrowKey(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  if (changesSizes(current_.code)) {
    const SizeStep step = sizeStep(current_.code, e.key, e.mods.ctrl ? 10 : 1);
    SizeFields& f = host_.sizeFields();
    applyStep(f.current(), step);
    applyStep(f.remembered(), step);
    out.showSelectionSizes = true;
    return;
  }
  if (state_.drawing || state_.moving || state_.nodeDrag) return;
  const float step = e.mods.ctrl ? 1.0f : static_cast<float>(host_.grid());
  Point d{};
  if (e.key == ToolKey::Left) d.x = -step;
  if (e.key == ToolKey::Right) d.x = step;
  if (e.key == ToolKey::Up) d.y = step;
  if (e.key == ToolKey::Down) d.y = -step;
  ElementList& l = ctx.list();
  BoardIndex& index = ctx.index();
  std::vector<size_t> moved;
  for (size_t i = 0; i < l.size(); ++i)
    if (l[i].Selected) moved.push_back(i);
  if (moved.empty()) return;
  ctx.recordStep();
  const uint64_t before = l.revision();
  for (size_t i : moved) {
    out.change.addArea(index.boxOf(i));
    TObjekt& t = l.edit(i);
    moveElement(t, d.x, d.y);
    out.change.addArea(boundingBox(t));
  }
  index.update(l, moved, before);
  out.change.elements = true;
}

}  // namespace trazello
