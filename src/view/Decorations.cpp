#include "Decorations.h"

#include <algorithm>
#include <cmath>

#include "VisibleElements.h"
#include "model/CopperGeometry.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/Layer.h"
#include "model/NodeHandles.h"

namespace trazello {

namespace {

ColorRef crossColour(const RenderContext& ctx, const TObjekt& pad) {
  if (pad.Selected) return kSelected;
  if (pad.Layer >= layer::C1 && pad.Layer <= layer::S2) return ctx.scheme.layerColour(pad.Layer);
  if (pad.Layer == layer::I1) return ctx.scheme[SchemeSlot::Outline];
  return kWhite;
}

void drawHole(RenderContext& ctx, const TObjekt& pad) {
  Canvas& c = ctx.canvas;
  const ColorRef fill = ctx.options.whiteDrillHoles ? kWhite : ctx.scheme[SchemeSlot::Background];
  const bool bare = isBareDrill(pad);
  const ColorRef edge = bare ? kWhite : (pad.Plated ? kPlatedDrillRing : fill);
  c.setPixelPen(edge);
  c.setBrush(fill);
  const Point centre{pad.X, pad.Y};
  c.discInset(centre, pad.SizeB, 1);
  if (!bare) return;
  c.setPixelPen(crossColour(ctx, pad));
  const float arm = pad.SizeA / 2;
  c.line({centre.x - arm, centre.y - arm}, {centre.x + arm, centre.y + arm});
  c.line({centre.x - arm, centre.y + arm}, {centre.x + arm, centre.y - arm});
}

void pointHandles(Canvas& c, const TObjekt& e, bool virtualNodes) {
  const double radius = vertexHandleRadius(e, c.pixel());
  for (const Point& p : e.Points) c.ellipse(p, radius);
  if (!virtualNodes) return;
  c.setClearBrush();
  c.setPixelPen(kHandleFill);
  const size_t segments = nodeSegmentCount(e);
  for (size_t i = 0; i < segments; ++i)
    c.ellipse(nodeHandlePoint(e, kVirtualNode + static_cast<int>(i)), std::nearbyint(radius * 0.7));
}

void circleHandles(Canvas& c, const TObjekt& e) {
  const float arm = e.SizeB / 5;
  const float px = static_cast<float>(c.pixel());
  c.setPixelPen(kWhite);
  c.line({e.X - arm, e.Y}, {e.X + arm + px, e.Y});
  c.line({e.X, e.Y - arm}, {e.X, e.Y + arm + px});
  const double radius = std::max((double(e.SizeA) - e.SizeB) / 2, 3 * c.pixel());
  c.setPixelPen(kWhite);
  c.setBrush(kHandleFill);
  c.ellipse(nodeHandlePoint(e, 0), radius);
  c.ellipse(nodeHandlePoint(e, 1), radius);
}

}  // namespace

void DrawDrillHoles(RenderContext& ctx, const ElementList& elements) {
  const RasterMode saved = ctx.canvas.rasterMode();
  ctx.canvas.setRasterMode(RasterMode::Copy);
  const VisibleElements visible(ctx.canvas, elements);
  for (uint32_t i : visible) {
    const TObjekt& e = elements[i];
    if (e.Kind != ElementKind::Pad || e.SizeB <= 0 || !isDrawn(e, ctx.layers)) continue;
    if (!ctx.canvas.meets(visible.index->box(i))) continue;
    drawHole(ctx, e);
  }
  ctx.canvas.setRasterMode(saved);
}

void DrawNodeHandles(RenderContext& ctx, const TObjekt& e) {
  const RenderOptions& o = ctx.options;
  if (o.maskMode || o.solderMaskView || o.connectionTestTool) return;
  Canvas& c = ctx.canvas;
  c.setRasterMode(RasterMode::Copy);
  c.setPixelPen(kWhite);
  c.setBrush(kHandleFill);
  if (e.Kind == ElementKind::Track || e.Kind == ElementKind::Zone) {
    if (!e.Points.empty()) pointHandles(c, e, o.showVirtualNodes);
  } else if (e.Kind == ElementKind::Circle) {
    circleHandles(c, e);
  }
}

int HitNodeHandle(const TObjekt& e, Point p, double zoom, bool showVirtualNodes) {
  return hitNodeHandle(e, p, zoom, showVirtualNodes);
}

void DrawConnections(RenderContext& ctx, const TObjekt& e, float dx, float dy) {
  if (!e.isPadLike() || e.Links.empty() || ctx.options.photoView || !ctx.elements) return;
  Canvas& c = ctx.canvas;
  const bool preview = c.rasterMode() == RasterMode::NotXor;
  const std::optional<size_t> self = ctx.elements->indexOf(e.Id);
  const Point from = padLikeCentre(e);
  for (ElementId id : e.Links) {
    const std::optional<size_t> at = ctx.elements->indexOf(id);
    if (!at) continue;
    const TObjekt& other = (*ctx.elements)[*at];
    if (preview && other.Selected && !(self && *at < *self)) continue;
    // Without a drag a link both pads list draws the same line twice; one of them is enough.
    // A link only one pad lists must be drawn by that pad.
    if (!preview && dx == 0 && dy == 0 && self && *at < *self &&
        std::find(other.Links.begin(), other.Links.end(), e.Id) != other.Links.end())
      continue;
    ColorRef colour = ctx.scheme[SchemeSlot::Connections];
    if (preview)
      colour = kConnectionDrag;
    else if (ctx.options.routingToolActive && e.Selected && other.Selected)
      colour = kSelected;
    c.setPixelPen(colour);
    Point to = padLikeCentre(other);
    if (other.Selected) to = {to.x + dx, to.y + dy};
    const Point a{from.x + dx, from.y + dy};
    const IRect span = normalized({roundInt(a.x), roundInt(a.y), roundInt(to.x), roundInt(to.y)});
    if (c.meets(span)) c.line(a, to);
  }
}

}  // namespace trazello
