#include "Decorations.h"

#include <algorithm>
#include <cmath>

#include "PadShapes.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/Layer.h"

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

Point onMidRadius(const TObjekt& circle, int degrees) {
  const double ring = double(circle.SizeA) - circle.SizeB;
  const double r = circle.SizeA - ring / 2;
  const double a = degrees * 3.14159265358979323846 / 180;
  return {static_cast<float>(circle.X + r * std::cos(a)),
          static_cast<float>(circle.Y + r * std::sin(a))};
}

void pointHandles(Canvas& c, const TObjekt& e, bool virtualNodes) {
  const double radius = std::max(e.Width / 2.2, 3 * c.pixel());
  for (const Point& p : e.Points) c.ellipse(p, radius);
  if (!virtualNodes) return;
  c.setClearBrush();
  c.setPixelPen(kHandleFill);
  const size_t segments = e.Kind == ElementKind::Zone ? e.Points.size() : e.Points.size() - 1;
  for (size_t i = 0; i < segments; ++i) c.ellipse(edgeMidpoint(e, i), std::nearbyint(radius * 0.7));
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
  c.ellipse(onMidRadius(e, e.Spokes), radius);
  c.ellipse(onMidRadius(e, e.Width), radius);
}

bool inSquare(Point p, Point q, double t) {
  return std::abs(double(p.x) - q.x) <= t && std::abs(double(p.y) - q.y) <= t;
}

}  // namespace

void DrawDrillHoles(RenderContext& ctx, const ElementList& elements) {
  const RasterMode saved = ctx.canvas.rasterMode();
  ctx.canvas.setRasterMode(RasterMode::Copy);
  for (const TObjekt& e : elements) {
    if (e.Kind != ElementKind::Pad || e.SizeB <= 0 || !isDrawn(e, ctx.layers)) continue;
    if (!ctx.canvas.meets(boundingBox(e))) continue;
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
  if (e.Kind == ElementKind::Circle) {
    double t = std::nearbyint((double(e.SizeA) - e.SizeB) / 2);
    t = std::max(t, std::nearbyint(3 / zoom));
    if (inSquare(onMidRadius(e, e.Width), p, t)) return 1;
    if (inSquare(onMidRadius(e, e.Spokes), p, t)) return 0;
    return -1;
  }
  if (e.Kind != ElementKind::Track && e.Kind != ElementKind::Zone) return -1;
  double t = e.Width / 2.4;
  if (t * zoom < 3) t = std::nearbyint(3 / zoom);
  int hit = -1;
  for (size_t i = 0; i < e.Points.size(); ++i)
    if (inSquare(e.Points[i], p, t)) hit = static_cast<int>(i);
  if (hit >= 0 || !showVirtualNodes || e.Points.size() < 2) return hit;
  const size_t segments = e.Kind == ElementKind::Zone ? e.Points.size() : e.Points.size() - 1;
  for (size_t i = 0; i < segments; ++i)
    if (inSquare(edgeMidpoint(e, i), p, t)) hit = 10000 + static_cast<int>(i);
  return hit;
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
