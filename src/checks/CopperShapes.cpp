#include "CopperShapes.h"

#include <algorithm>
#include <cmath>

#include "PolygonOps.h"
#include "ShapeBuilder.h"
#include "model/PadGeometry.h"

namespace trazello {

namespace {

// Half of a line width; a zero width still covers one unit so that hairlines have an area.
double halfWidth(double width) { return std::max(width / 2, 0.5); }

bool isRounded(uint8_t shape) {
  return shape == padshape::Round || shape == padshape::OblongH || shape == padshape::OblongV;
}

// A pad grown by `margin` around its centre, turned like the pad.
Paths padShape(const TObjekt& pad, double margin) {
  const Point c{pad.X, pad.Y};
  const double r = double(pad.SizeA) + margin;
  if (pad.PadShape == padshape::Round) return {disc(c, r)};
  if (pad.PadShape < padshape::Round || pad.PadShape > padshape::RectV) return {};
  if (margin == 0) {
    if (pad.PadShape == padshape::OblongH || pad.PadShape == padshape::OblongV) {
      if (pad.Points.size() < 2) return {};
      return {capsule(pad.Points[0], pad.Points[1], r)};
    }
    if (pad.Points.size() < 3) return {};
    return {polygon(pad.Points)};
  }
  const Real orientation = padOrientation(pad);
  std::vector<Point> outline = padOutline(c, pad.PadShape, pad.SizeA, static_cast<float>(margin));
  for (Point& p : outline) p = rotatePoint(p, c, -orientation);
  if (isRounded(pad.PadShape)) return {capsule(outline[0], outline[1], r)};
  return {polygon(outline)};
}

// An SMD pad's rectangle with both sides grown by 2 * margin, same centre and orientation.
Paths smdShape(const TObjekt& smd, double margin) {
  if (smd.Points.size() < 4) return {};
  if (margin == 0) return {polygon(smd.Points)};
  const Point c = smdCentre(smd);
  std::vector<Point> corners =
      smdCorners(c, static_cast<float>(smdSizeX(smd) + 2 * margin),
                 static_cast<float>(smdSizeY(smd) + 2 * margin));
  const Real orientation = smdOrientation(smd);
  for (Point& p : corners) p = rotatePoint(p, c, -orientation);
  return {polygon(corners)};
}

Paths circleShape(const TObjekt& e, double grow) {
  const Point c{e.X, e.Y};
  const double outer = double(e.SizeA) + grow;
  const double inner = e.Filled ? 0.0 : double(e.SizeB) - grow;
  const int32_t start = e.Spokes, end = e.Width;
  Paths ring = annulus(c, outer, inner, start, end);
  if (start == end) return ring;
  // Round ends of the arc's stroke on its middle radius.
  const double mid = (double(e.SizeA) + e.SizeB) / 2;
  const double capRadius = (double(e.SizeA) - e.SizeB) / 2 + grow;
  if (capRadius > 0) {
    for (int32_t angle : {start, end}) {
      const double a = angle * M_PI / 180;
      ring.push_back(disc({static_cast<float>(c.x + mid * std::cos(a)),
                           static_cast<float>(c.y + mid * std::sin(a))},
                          capRadius));
    }
  }
  return ring;
}

Paths lineShape(const TObjekt& e, double grow, bool closed) {
  const bool filled = closed && e.Points.size() >= 3;
  Paths p;
  // A filled zone without an outline width is just its polygon.
  if (!(filled && e.Width <= 0 && grow == 0))
    p = polylineCapsules(e.Points, halfWidth(e.Width) + grow, closed);
  if (filled) p.push_back(polygon(e.Points));
  return p;
}

Paths textShape(const TObjekt& text, double grow) {
  Paths p;
  for (const TObjekt& s : text.Strokes) {
    Paths stroke = polylineCapsules(s.Points, halfWidth(s.Width) + grow, false);
    p.insert(p.end(), stroke.begin(), stroke.end());
  }
  return p;
}

Paths legacyTextShape(const TObjekt& e, double grow) {
  const float l = std::min(e.X, e.SizeA) - static_cast<float>(grow);
  const float r = std::max(e.X, e.SizeA) + static_cast<float>(grow);
  const float b = std::min(e.Y, e.SizeB) - static_cast<float>(grow);
  const float t = std::max(e.Y, e.SizeB) + static_cast<float>(grow);
  return {polygon({{l, b}, {r, b}, {r, t}, {l, t}})};
}

// The copper of an element grown by `grow` on every side.
Paths grownShape(const TObjekt& e, double grow) {
  switch (e.Kind) {
    case ElementKind::Pad: return padShape(e, grow);
    case ElementKind::SmdPad: return smdShape(e, grow);
    case ElementKind::Track: return lineShape(e, grow, false);
    case ElementKind::Zone: return lineShape(e, grow, true);
    case ElementKind::Circle: return circleShape(e, grow);
    case ElementKind::Text: return textShape(e, grow);
    case ElementKind::LegacyText: return legacyTextShape(e, grow);
    case ElementKind::LegacyLine:
      return {capsule({e.X, e.Y}, {e.SizeA, e.SizeB}, halfWidth(e.Width) + grow)};
  }
  return {};
}

}  // namespace

Paths elementRegion(const TObjekt& e, const LayerState* state) {
  Paths p = grownShape(e, 0);
  if (state && showsThermalRelief(e, *state)) {
    Paths spokes = spokeRegion(e);
    p.insert(p.end(), spokes.begin(), spokes.end());
  }
  return unite(p);
}

Paths clearanceRegion(const TObjekt& e) {
  if (e.KeepOut) return unite(grownShape(e, 0));
  if (e.Clearance <= 0) return {};
  return unite(grownShape(e, e.Clearance));
}

std::vector<Spoke> thermalSpokes(const TObjekt& pad) {
  if (!pad.isPadLike() || !pad.Thermal()) return {};
  const bool smd = pad.Kind == ElementKind::SmdPad;
  const Point centre = smd ? smdCentre(pad) : Point{pad.X, pad.Y};
  const double c = pad.Clearance;
  double dx, dy;
  int32_t width;
  Real orientation;
  if (smd) {
    dx = smdSizeX(pad) / 2 + c;
    dy = smdSizeY(pad) / 2 + c;
    width = roundInt(Real(std::min(pad.SizeA, pad.SizeB)) / 3 / 100 * pad.Value53);
    orientation = smdOrientation(pad);
  } else {
    const double fx = pad.PadShape >= padshape::OblongH && pad.PadShape <= padshape::RectH ? 2 : 1;
    const double fy = pad.PadShape >= padshape::OblongV && pad.PadShape <= padshape::RectV ? 2 : 1;
    dx = fx * pad.SizeA + c;
    dy = fy * pad.SizeA + c;
    width = roundInt(Real(pad.SizeA) / 1.5L / 100 * pad.Value53);
    orientation = padOrientation(pad);
  }
  // Bit k: clockwise from up in steps of 45 degrees.
  static constexpr int kX[8] = {0, 1, 1, 1, 0, -1, -1, -1};
  static constexpr int kY[8] = {1, 1, 0, -1, -1, -1, 0, 1};
  std::vector<Spoke> spokes;
  for (int k = 0; k < 8; ++k) {
    if (!((pad.Spokes >> k) & 1)) continue;
    const Point end{static_cast<float>(centre.x + kX[k] * dx), static_cast<float>(centre.y + kY[k] * dy)};
    spokes.push_back({orientation == 0 ? end : rotatePoint(end, centre, -orientation), centre, width});
  }
  return spokes;
}

Paths spokeRegion(const TObjekt& pad) {
  Paths p;
  for (const Spoke& s : thermalSpokes(pad)) p.push_back(capsule(s.end, s.centre, halfWidth(s.width)));
  return p;
}

}  // namespace trazello
