#include "EditTool.h"

#include <algorithm>
#include <cmath>

#include "NodeDrag.h"
#include "SelectionMove.h"
#include "TextTool.h"
#include "checks/CopperShapes.h"
#include "checks/PolygonOps.h"
#include "edit/commands/NodeCommands.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/NodeHandles.h"
#include "model/StrokeFont.h"

namespace trazello {

int EditTool::handleAt(ToolContext& ctx, const TObjekt& e, Point p) {
  if (!e.Selected || !e.Groups.empty() || !isDrawn(e, ctx.layers())) return -1;
  if (!e.is(ElementKind::Track) && !e.is(ElementKind::Zone) && !e.is(ElementKind::Circle))
    return -1;
  return hitNodeHandle(e, p, ctx.zoom(), ctx.options().showVirtualNodes);
}

void EditTool::press(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  if (e.button == MouseButton::Right) {
    if (!e.leftHeld()) rightPress(ctx, e, out);
    return;
  }
  if (e.button == MouseButton::Left) leftPress(ctx, e, out);
}

void EditTool::leftPress(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  InteractionState& s = ctx.state();
  const auto hit = ctx.hitTest().at(e.world);
  if (!hit) {
    if (!e.mods.shift) ctx.deselectAll(out.change);
    s.drawing = true;
    s.start = s.current = e.world;
    out.hint = std::string(toolHint(code(), true, ctx.options().language));
    out.showSelectionSizes = out.change.selection;
    return;
  }
  const TObjekt& el = ctx.list()[*hit];
  const bool wasSelected = el.Selected != 0;
  if (!wasSelected && !e.mods.shift) {
    ctx.deselectAll(out.change);
    if (isDrawn(ctx.list()[*hit], ctx.layers()))
      ctx.setSelected(*hit, true, e.mods.alt, out.change);
  } else if (e.mods.shift) {
    ctx.setSelected(*hit, !wasSelected, e.mods.alt, out.change);
  }
  out.showSelectionSizes = true;
  const int handle = wasSelected ? handleAt(ctx, ctx.list()[*hit], e.world) : -1;
  if (handle >= 0 && !e.mods.shift) {
    NodeDrag::start(ctx, *hit, handle);
    return;
  }
  SelectionMove::start(ctx, e.world);
}

void EditTool::rightPress(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  const auto hit = ctx.hitTest().at(e.world);
  out.at = e.world;
  out.menu = Outcome::Menu::Context;
  if (!hit) return;
  if (!ctx.list()[*hit].Selected) {
    ctx.deselectAll(out.change);
    ctx.setSelected(*hit, true, e.mods.alt, out.change);
    out.showSelectionSizes = true;
  }
  const TObjekt& el = ctx.list()[*hit];
  out.element = el.Id;
  const int handle = handleAt(ctx, el, e.world);
  if (handle < 0 || isVirtualNode(handle) || el.is(ElementKind::Circle)) return;
  out.menu = Outcome::Menu::Node;
  out.node = handle;
  out.removeNodeEnabled = canRemoveNode(el);
  out.splitEnabled = canSplitTrack(el, handle);
}

void EditTool::move(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  InteractionState& s = ctx.state();
  if (s.nodeDrag) {
    NodeDrag::move(ctx, e, out);
  } else if (s.moving) {
    SelectionMove::move(ctx, e, out);
  } else if (s.drawing) {
    s.current = e.world;
    out.preview.frame = Preview::Frame{s.start, s.current};
  } else if (!e.leftHeld()) {
    hover(ctx, e, out);
  }
}

void EditTool::hover(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  const auto hit = ctx.hitTest().at(e.world);
  const bool onHandle = hit && handleAt(ctx, ctx.list()[*hit], e.world) >= 0;
  out.pointer = onHandle ? PointerShape::Changer : PointerShape::Arrow;
  const int language = ctx.options().language;
  out.hint = std::string(onHandle ? nodeHandleHint(language) : toolHint(code(), false, language));
  if (hit && !ctx.list()[*hit].Name.empty()) {
    out.preview.nameTip = ctx.list()[*hit].Name;
    out.preview.tipAt = e.world;
  }
}

void EditTool::release(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  InteractionState& s = ctx.state();
  if (e.button != MouseButton::Left) return;
  if (s.nodeDrag) {
    NodeDrag::release(ctx, out);
  } else if (s.moving) {
    SelectionMove::release(ctx, out);
  } else if (s.drawing) {
    selectFrame(ctx, e, out);
    s.drawing = false;
    out.hint = std::string(toolHint(code(), false, ctx.options().language));
  }
}

void EditTool::selectFrame(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  const InteractionState& s = ctx.state();
  const IRect frame = normalized(
      {roundInt(s.start.x), roundInt(s.start.y), roundInt(e.world.x), roundInt(e.world.y)});
  const Paths framePath{{toShape(float(frame.left), float(frame.top)),
                         toShape(float(frame.right), float(frame.top)),
                         toShape(float(frame.right), float(frame.bottom)),
                         toShape(float(frame.left), float(frame.bottom))}};
  std::vector<size_t> near, inside;
  ctx.index().query(frame, near);
  for (size_t i : near) {
    const TObjekt& el = ctx.list()[i];
    if (el.Selected || !isDrawn(el, ctx.layers())) continue;
    if (overlap(elementRegion(el, &ctx.layers()), framePath)) inside.push_back(i);
  }
  ctx.selectAll(inside, e.mods.alt, out.change);
  out.showSelectionSizes = true;
}

void EditTool::doubleClick(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  const auto hit = ctx.hitTest().at(e.world);
  if (!hit) return;
  const ElementKind kind = ctx.list()[*hit].Kind;
  if (kind == ElementKind::Text) editText(ctx, *hit, out);
  if (kind == ElementKind::LegacyText) editLegacyText(ctx, *hit, out);
}

void EditTool::editText(ToolContext& ctx, size_t index, Outcome& out) {
  InteractionState& s = ctx.state();
  TextWindowValues initial = TextTool::valuesOf(ctx.list()[index]);
  initial.startNumber = s.textValues.startNumber;
  const auto answer = ctx.host().askText(initial);
  if (!answer) return;
  s.textValues.startNumber = answer->startNumber;
  out.change.addArea(boundingBox(ctx.list()[index]));
  ctx.recordStep();
  const uint8_t layerCode = ctx.host().activeLayer();
  const int32_t clearance = ctx.list()[index].Clearance;
  ctx.editElement(index, [&](TObjekt& t) {
    TextTool::applyValues(t, *answer, std::nullopt, ctx.options().limitTextHeight, layerCode,
                          clearance);
  });
  out.change.addArea(boundingBox(ctx.list()[index]));
  out.change.elements = true;
}

void EditTool::editLegacyText(ToolContext& ctx, size_t index, Outcome& out) {
  const TObjekt& old = ctx.list()[index];
  const double ppi = ctx.host().screenPixelsPerInch();
  LegacyTextValues initial{old.Text, -old.Width / ppi * 72 / 100, old.Spokes};
  const auto answer = ctx.host().askLegacyText(initial);
  if (!answer) return;
  const int32_t fontHeight = -roundInt(ppi * roundInt(answer->heightMm * 100) / 72);
  const int angle = (answer->angle / 90 % 4) * 90;
  const Point extent = ctx.host().legacyTextExtent(answer->text.substr(0, 15) + " ", fontHeight);
  const Point corner = [&]() -> Point {
    switch (angle) {
      case 90:
        return {-extent.y, -extent.x};
      case 180:
        return {-extent.x, extent.y};
      case 270:
        return {extent.y, extent.x};
      default:
        return {extent.x, -extent.y};
    }
  }();
  out.change.addArea(boundingBox(old));
  // Unlike the stroke text, this edit keeps an undo step too: every change can be taken back.
  ctx.recordStep();
  ctx.editElement(index, [&](TObjekt& t) {
    t.Text = answer->text.substr(0, 15);
    t.Width = fontHeight;
    t.Spokes = angle;
    t.SizeA = t.X + corner.x;
    t.SizeB = t.Y + corner.y;
  });
  out.change.addArea(boundingBox(ctx.list()[index]));
  out.change.elements = true;
}

}  // namespace trazello
