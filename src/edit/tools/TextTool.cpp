#include "TextTool.h"

#include <algorithm>
#include <string>

#include "model/ElementGeometry.h"
#include "model/Layer.h"
#include "model/StrokeFont.h"

namespace trazello {

namespace {

// Where a new text is built before it follows the pointer.
constexpr Point kBuildPoint{10000, -10000};

}  // namespace

double TextTool::minimumHeight(int thickness) {
  switch (thickness) {
    case 0:
      return 2.5;
    case 2:
      return 1.0;
    default:
      return 1.5;
  }
}

void TextTool::applyValues(TObjekt& text, const TextWindowValues& v, std::optional<int> number,
                           bool limitHeight, uint8_t strokeLayer, int32_t clearance) {
  double height = std::clamp(v.heightMm, 0.1, 50.0);
  if (limitHeight) height = std::max(height, minimumHeight(v.thickness));
  text.Text = v.text.substr(0, 50);
  if (number) text.Text += std::to_string(*number);
  text.SizeA = static_cast<float>(roundInt(height * 100));
  text.SizeB = static_cast<float>(std::clamp(v.thickness, 0, 2));
  text.Width = std::clamp(v.widthCode, 0, 2);
  text.MirrorH() = v.mirrorH ? 1 : 0;
  text.MirrorV() = v.mirrorV ? 1 : 0;
  text.Value53 = ((v.angle % 360) + 360) % 360;
  text.Clearance = clearance;
  generateStrokes(text, strokeLayer, clearance);
}

TextWindowValues TextTool::valuesOf(const TObjekt& text) {
  TextWindowValues v;
  v.text = text.Text;
  v.heightMm = text.SizeA / 100.0;
  v.thickness = static_cast<int>(text.SizeB);
  v.widthCode = text.Width;
  v.mirrorH = text.MirrorH() != 0;
  v.mirrorV = text.MirrorV() != 0;
  v.angle = text.Value53;
  v.addNumber = false;
  return v;
}

void TextTool::enter(ToolContext& ctx, Outcome& out) {
  TextWindowValues& v = ctx.state().textValues;
  v.mirrorV = false;
  if (ctx.options().autoMirror) {
    const uint8_t a = ctx.host().activeLayer();
    v.mirrorH = a == layer::C2 || a == layer::S2;
  }
  if (askForText(ctx, out)) prepare(ctx, out);
}

void TextTool::leave(ToolContext& ctx, Outcome&) {
  ctx.state().pendingText.reset();
}

bool TextTool::askForText(ToolContext& ctx, Outcome& out) {
  InteractionState& s = ctx.state();
  const auto answer = ctx.host().askText(s.textValues);
  if (!answer) {
    out.nextTool = ToolChoice{ToolCode::Edit, false};
    return false;
  }
  s.textValues = *answer;
  s.textNumber = answer->startNumber;
  return true;
}

bool TextTool::prepare(ToolContext& ctx, Outcome& out) {
  InteractionState& s = ctx.state();
  const TextWindowValues& v = s.textValues;
  const ToolSizes& sizes = ctx.host().sizeFields().current();
  const uint8_t layerCode = ctx.host().activeLayer();
  TObjekt text = newText(kBuildPoint, "", layerCode, 1, 1, 0, 0, false, false);
  std::optional<int> number;
  if (v.addNumber) number = s.textNumber++;
  applyValues(text, v, number, ctx.options().limitTextHeight, layerCode, sizes.clearance);
  if (text.Strokes.empty()) {
    s.pendingText.reset();
    out.change.message = Message{MessageKind::Warning, MessageId::TextNotGenerated, {}};
    out.nextTool = ToolChoice{ToolCode::Edit, false};
    return false;
  }
  text.Selected = 1;
  s.pendingText = std::move(text);
  return true;
}

void TextTool::move(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  InteractionState& s = ctx.state();
  const Point p = ctx.gridPoint(e);
  out.preview.crosshair = p;
  if (!s.pendingText) return;
  TObjekt shown = *s.pendingText;
  moveElement(shown, p.x - shown.X, p.y - shown.Y);
  out.preview.shapeSource = Preview::ShapeSource::Own;
  out.preview.ownShapes.push_back(std::move(shown));
}

void TextTool::press(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  InteractionState& s = ctx.state();
  if (e.button == MouseButton::Right) {
    s.pendingText.reset();
    out.nextTool = ToolChoice{ToolCode::Edit, false};
    return;
  }
  if (e.button != MouseButton::Left || !s.pendingText) return;
  const Point p = ctx.gridPoint(e);
  TObjekt placed = std::move(*s.pendingText);
  s.pendingText.reset();
  moveElement(placed, p.x - placed.X, p.y - placed.Y);
  placed.Selected = 0;
  ctx.recordStep();
  out.change.addArea(boundingBox(ctx.list()[ctx.append(std::move(placed))]));
  out.change.elements = true;
  if (s.textValues.addNumber || askForText(ctx, out)) {
    if (prepare(ctx, out)) move(ctx, e, out);
  }
}

}  // namespace trazello
