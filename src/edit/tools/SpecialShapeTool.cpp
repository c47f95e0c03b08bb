#include "SpecialShapeTool.h"

#include "model/ElementGeometry.h"
#include "model/Groups.h"
#include "model/Layer.h"

namespace trazello {

namespace {

ShapeTarget targetOf(ToolContext& ctx) {
  return {ctx.host().activeLayer(), ctx.host().sizeFields().current().clearance,
          ctx.options().keepOutButtonDown};
}

}  // namespace

void SpecialShapeTool::enter(ToolContext& ctx, Outcome& out) {
  const auto answer = ctx.host().askPolygonSpiral();
  if (!answer) {
    out.nextTool = ToolChoice{ToolCode::Edit, false};
    return;
  }
  ctx.state().shape = *answer;
}

void SpecialShapeTool::move(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  const Point p = ctx.gridPoint(e);
  out.preview.crosshair = p;
  const auto& shape = ctx.state().shape;
  if (!shape) return;
  const ShapeTarget target = targetOf(ctx);
  if (shape->shape == PolygonSpiralValues::Shape::Spiral) {
    out.preview.shapeSource = Preview::ShapeSource::Own;
    out.preview.ownShapes = spiralArcs(p, *shape, target);
    return;
  }
  const bool copper = target.layer == layer::C1 || target.layer == layer::C2;
  const auto width = roundInt(shape->lineWidthMm * 100);
  out.preview.lines.push_back({polygonVertices(p, *shape), width,
                               copper ? Preview::LineColour::Black : Preview::LineColour::Red});
}

void SpecialShapeTool::press(ToolContext& ctx, const ToolEvent& e, Outcome& out) {
  InteractionState& s = ctx.state();
  if (e.button == MouseButton::Right) {
    s.shape.reset();
    out.nextTool = ToolChoice{ToolCode::Edit, false};
    return;
  }
  if (e.button != MouseButton::Left || !s.shape) return;
  const Point p = ctx.gridPoint(e);
  const ShapeTarget target = targetOf(ctx);
  std::vector<TObjekt> placed;
  if (s.shape->shape == PolygonSpiralValues::Shape::Spiral) {
    placed = spiralArcs(p, *s.shape, target);
    // The arcs of one spiral are one group, selected and moved as one.
    const int32_t group = nextGroupId(ctx.list());
    for (TObjekt& arc : placed) pushGroup(arc, group);
  } else if (auto polygon = polygonElement(p, *s.shape, target)) {
    placed.push_back(std::move(*polygon));
  }
  if (placed.empty()) return;
  ctx.recordStep();
  for (TObjekt& element : placed) {
    out.change.addArea(boundingBox(ctx.list()[ctx.append(std::move(element))]));
  }
  out.change.elements = true;
  move(ctx, e, out);
}

}  // namespace trazello
