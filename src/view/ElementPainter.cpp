#include "ElementPainter.h"

#include <QFont>
#include <cmath>

#include "LayerColours.h"
#include "PadPainter.h"
#include "model/Layer.h"
#include "model/ZoneHatch.h"

namespace trazello {

namespace {

// What a drawing of one element needs beyond the element: its colour and the flags that the
// caller may override (a text hands its own to every stroke).
struct Look {
  ColorRef colour = kBlack;
  bool selected = false;
  bool highlight = false;
  bool keepOut = false;
  bool preview = false;
};

void setFill(Canvas& c, ColorRef colour) {
  c.setNoPen();
  c.setBrush(colour);
}

void drawPad(RenderContext& ctx, const TObjekt& e, const Look& look) {
  Canvas& c = ctx.canvas;
  const Point centre{e.X, e.Y};
  if (isBareDrill(e)) {
    if (!look.preview) return;
    c.setPixelPen(look.colour);
    c.setClearBrush();
    c.ellipse(centre, e.SizeB);
    const float arm = e.SizeA / 2;
    c.line({centre.x - arm, centre.y - arm}, {centre.x + arm, centre.y + arm});
    c.line({centre.x - arm, centre.y + arm}, {centre.x + arm, centre.y - arm});
    return;
  }
  ColorRef colour = look.colour;
  const bool platingColour = e.Plated && isCopperLayer(e.Layer) && !ctx.options.photoView &&
                             !ctx.options.maskMode && !ctx.options.singleColour && !look.selected &&
                             !look.highlight &&
                             !(ctx.options.solderMaskView && hasSolderMaskOpening(e));
  if (platingColour) colour = layerPen(ctx, throughPlatingColour(), look.preview).colour;
  GrownPad pad = grownPad(e, ctx.options.padGrowth);
  if (pad.form == PadForm::None) return;
  // A dragged round pad is drawn a pixel larger, without the outline a pen would add.
  if (pad.form == PadForm::Disc && look.preview) pad.radius += c.pixel();
  fillPad(c, pad, colour);
  if (look.preview) {
    setFill(c, kBlack);
    c.ellipse(centre, e.SizeB);
  }
}

void drawSmd(RenderContext& ctx, const TObjekt& e, const Look& look) {
  setFill(ctx.canvas, look.colour);
  if (ctx.options.smdGrowth != 0)
    ctx.canvas.polygon(grownSmdCorners(e, ctx.options.smdGrowth));
  else
    ctx.canvas.polygon(e.Points);
}

void drawTrack(RenderContext& ctx, const TObjekt& t, const Look& look) {
  if (t.Points.size() < 2 || (look.keepOut && !look.selected)) return;
  Canvas& c = ctx.canvas;
  const double width = double(t.Width) + 2.0 * ctx.options.trackGrowth;
  c.setPen(look.colour, width);
  c.polyline(t.Points);
  const bool stripe = t.Routed && width * c.scale() >= 3 - 1e-9 && !look.highlight &&
                      !ctx.options.photoView && !look.preview && !ctx.options.maskMode;
  if (!stripe) return;
  c.setPen(routedStripeColour(look.colour), double(t.Width) / 3);
  c.polyline(t.Points);
}

void drawZone(RenderContext& ctx, const TObjekt& z, const Look& look) {
  if (z.Points.size() < 2 || (look.keepOut && !look.selected)) return;
  Canvas& c = ctx.canvas;
  c.setPen(look.colour, double(z.Width) + 2.0 * ctx.options.trackGrowth);
  if (!z.Closed || look.keepOut) {
    std::vector<Point> pts = z.Points;
    if (z.Closed) pts.push_back(pts.front());
    c.polyline(pts);
    return;
  }
  if (!z.Hatched()) {
    c.setBrush(look.colour);
    c.polygon(z.Points);
    return;
  }
  c.setClearBrush();
  c.polygon(z.Points);
  c.setPen(look.colour, hatchPenWidth(z));
  for (const HatchSegment& h : hatchSegments(z, hatchPitch(z)))
    c.line({float(h.from.x), float(h.from.y)}, {float(h.to.x), float(h.to.y)});
}

void drawCircle(RenderContext& ctx, const TObjekt& e, const Look& look) {
  if (look.keepOut && !look.selected) return;
  Canvas& c = ctx.canvas;
  const double ring = double(e.SizeA) - e.SizeB;
  const double r = e.SizeA - ring / 2;
  c.setPen(look.colour, ring + 2.0 * ctx.options.trackGrowth);
  if (e.Filled) {
    c.setBrush(look.colour);
    c.chord({e.X, e.Y}, r, e.Spokes, e.Width);
  } else {
    c.arc({e.X, e.Y}, r, e.Spokes, e.Width);
  }
}

void drawLegacyText(RenderContext& ctx, const TObjekt& e, const Look& look) {
  QPainter& p = ctx.canvas.painter();
  const QTransform saved = p.transform();
  QFont font("Arial");
  font.setBold(true);
  font.setPixelSize(std::max(1, e.Width));
  p.setFont(font);
  p.setPen(toQColor(look.colour));
  p.translate(std::nearbyint(e.X), std::nearbyint(e.Y));
  p.scale(1, -1);  // text runs with y down
  p.rotate(-e.Spokes);
  p.drawText(QRectF(0, 0, 1e6, e.Width * 2.0), Qt::AlignLeft | Qt::AlignTop,
             QString::fromLatin1(e.Text.data(), static_cast<qsizetype>(e.Text.size())));
  p.setTransform(saved);
}

void drawShape(RenderContext& ctx, const TObjekt& e, const Look& look) {
  switch (e.Kind) {
    case ElementKind::Pad:
      drawPad(ctx, e, look);
      break;
    case ElementKind::SmdPad:
      drawSmd(ctx, e, look);
      break;
    case ElementKind::Track:
      drawTrack(ctx, e, look);
      break;
    case ElementKind::Zone:
      drawZone(ctx, e, look);
      break;
    case ElementKind::Circle:
      drawCircle(ctx, e, look);
      break;
    case ElementKind::Text:
      for (const TObjekt& stroke : e.Strokes) drawTrack(ctx, stroke, look);
      break;
    case ElementKind::LegacyText:
      drawLegacyText(ctx, e, look);
      break;
    case ElementKind::LegacyLine:
      break;
  }
}

void drawWith(RenderContext& ctx, const TObjekt& e, ColorRef colour, bool highlight) {
  const RasterMode saved = ctx.canvas.rasterMode();
  const bool preview = saved == RasterMode::NotXor;
  const LayerPen pen = layerPen(ctx, colour, preview);
  ctx.canvas.setRasterMode(pen.mode);
  Look look;
  look.colour = pen.colour;
  look.selected = !highlight && e.Selected;
  look.highlight = highlight;
  look.keepOut = e.KeepOut != 0;
  look.preview = preview;
  drawShape(ctx, e, look);
  ctx.canvas.setRasterMode(saved);
}

}  // namespace

void DrawElement(RenderContext& ctx, const TObjekt& e) {
  drawWith(ctx, e, elementColour(ctx, e), e.Highlight != 0);
}

void DrawElementInColour(RenderContext& ctx, const TObjekt& e, ColorRef colour) {
  drawWith(ctx, e, colour, true);
}

}  // namespace trazello
