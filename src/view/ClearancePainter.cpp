#include "ClearancePainter.h"

#include "PadPainter.h"
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
  if (e.Clearance <= 0) return;
  GrownPad grown = grownPad(e, e.Clearance);
  if (isBareDrill(e)) {
    grown.form = PadForm::Disc;
    grown.points.clear();
  }
  fillPad(c, grown, colour);
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
      c.polygon(grownSmdCorners(e, e.Clearance));
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
  const std::vector<Spoke> spokes = thermalSpokes(e);
  if (spokes.empty()) return;
  const bool white = ctx.options.maskMode || ctx.options.singleColour.has_value();
  Canvas& c = ctx.canvas;
  c.setPen(white ? kWhite : ctx.groundFill, spokeWidth(e));
  for (const Spoke& s : spokes) c.line(s.end, s.centre);
}

}  // namespace trazello
