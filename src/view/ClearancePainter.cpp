#include "ClearancePainter.h"

#include "PadShapes.h"
#include "model/LayerPredicates.h"

namespace trazello {

namespace {

ColorRef clearanceColour(const RenderContext& ctx, const TObjekt& e) {
  if (ctx.options.maskMode) return kBlack;
  if (e.Highlight) return kWhite;
  if (ctx.options.singleColour) return *ctx.options.singleColour;
  if (ctx.options.photoView) return ctx.options.photoColours.board;
  return ctx.scheme[SchemeSlot::Background];
}

void padClearance(Canvas& c, const TObjekt& e, ColorRef colour) {
  const float m = static_cast<float>(e.Clearance);
  if (m <= 0) return;
  if (e.PadShape == padshape::Round || isBareDrill(e)) {
    c.setNoPen();
    c.setBrush(colour);
    c.ellipse({e.X, e.Y}, double(e.SizeA) + m);
  } else if (isRoundedPad(e)) {
    if (e.Points.size() < 2) return;
    c.setPen(colour, 2.0 * (double(e.SizeA) + m));
    c.line(e.Points[0], e.Points[1]);
  } else {
    c.setNoPen();
    c.setBrush(colour);
    c.polygon(grownPadOutline(e, m));
  }
}

void strokeClearance(Canvas& c, const TObjekt& t, int32_t clearance, ColorRef colour) {
  if (t.Points.size() < 2) return;
  c.setPen(colour, double(t.Width) + 2.0 * clearance);
  c.polyline(t.Points);
}

void zoneClearance(Canvas& c, const TObjekt& z, int32_t clearance, ColorRef colour) {
  if (z.Points.size() < 2) return;
  c.setPen(colour, double(z.Width) + 2.0 * clearance);
  if (z.Closed) {
    c.setBrush(colour);
    c.polygon(z.Points);
  } else {
    c.polyline(z.Points);
  }
}

void circleClearance(Canvas& c, const TObjekt& e, int32_t clearance, ColorRef colour) {
  const double ring = double(e.SizeA) - e.SizeB;
  const double r = e.SizeA - ring / 2;
  c.setPen(colour, ring + 2.0 * clearance);
  if (e.Filled) {
    c.setBrush(colour);
    c.chord({e.X, e.Y}, r, e.Spokes, e.Width);
  } else {
    c.arc({e.X, e.Y}, r, e.Spokes, e.Width);
  }
}

}  // namespace

void DrawElementClearance(RenderContext& ctx, const TObjekt& e) {
  Canvas& c = ctx.canvas;
  const ColorRef colour = clearanceColour(ctx, e);
  // A keep-out element's area is the cut-out itself.
  const int32_t clearance = e.KeepOut ? 0 : std::max(e.Clearance, 0);
  switch (e.Kind) {
    case ElementKind::Pad:
      padClearance(c, e, colour);
      break;
    case ElementKind::SmdPad:
      if (e.Clearance <= 0) break;
      c.setNoPen();
      c.setBrush(colour);
      c.polygon(grownSmdCorners(e, static_cast<float>(e.Clearance)));
      break;
    case ElementKind::Track:
      strokeClearance(c, e, clearance, colour);
      break;
    case ElementKind::Text:
      for (const TObjekt& s : e.Strokes) strokeClearance(c, s, clearance, colour);
      break;
    case ElementKind::Zone:
      zoneClearance(c, e, clearance, colour);
      break;
    case ElementKind::Circle:
      circleClearance(c, e, clearance, colour);
      break;
    case ElementKind::LegacyText: {
      const float m = static_cast<float>(std::max(e.Clearance, 0));
      const float l = std::min(e.X, e.SizeA) - m, r = std::max(e.X, e.SizeA) + m;
      const float b = std::min(e.Y, e.SizeB) - m, t = std::max(e.Y, e.SizeB) + m;
      c.fillRect({l, t}, {r, b}, colour);
      break;
    }
    case ElementKind::LegacyLine:
      break;
  }
}

void DrawThermalSpokes(RenderContext& ctx, const TObjekt& e) {
  if (!e.isPadLike() || !e.Thermal()) return;
  const bool white = ctx.options.maskMode || ctx.options.singleColour.has_value();
  Canvas& c = ctx.canvas;
  c.setPen(white ? kWhite : ctx.groundFill, spokeWidth(e));
  const Point centre = padLikeCentre(e);
  const auto mask = static_cast<uint32_t>(e.Spokes);
  for (int k = 0; k < 8; ++k)
    if (mask & (1u << k)) c.line(spokeEnd(e, k), centre);
}

}  // namespace trazello
