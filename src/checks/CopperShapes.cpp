#include "CopperShapes.h"

#include <algorithm>
#include <cmath>

#include "PolygonOps.h"
#include "ShapeBuilder.h"
#include "model/CopperGeometry.h"

namespace trazello {

namespace {

// Half of a line width; a zero width still covers one unit so that hairlines have an area.
double halfWidth(double width) { return std::max(width / 2, 0.5); }

// A pad grown by `margin` on every side.
Paths padShape(const TObjekt& pad, double margin) {
  const GrownPad g = grownPad(pad, margin);
  switch (g.form) {
    case PadForm::Disc:
      return {disc(g.centre, g.radius)};
    case PadForm::Stadium:
      return {capsule(g.points[0], g.points[1], g.radius)};
    case PadForm::Polygon:
      return {polygon(g.points)};
    case PadForm::None:
      return {};
  }
  return {};
}

// An SMD pad's rectangle with both sides grown by 2 * margin, same centre and orientation.
Paths smdShape(const TObjekt& smd, double margin) {
  const std::vector<Point> corners = grownSmdCorners(smd, margin);
  if (corners.empty()) return {};
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

namespace {

// A single ring that turns counter-clockwise about the mean of its corners with every edge,
// once round: a simple outline, already what a union of it would give. Flattened discs and
// pads are such rings even where rounding to whole steps leaves them not quite convex.
bool simpleOutline(const Paths& p) {
  if (p.size() != 1 || p[0].size() < 3) return false;
  const Path& r = p[0];
  double cx = 0, cy = 0;
  for (const CPoint& q : r) {
    cx += double(q.x) / double(r.size());
    cy += double(q.y) / double(r.size());
  }
  int upwards = 0;  // edges crossing the line to the right of the mean upwards
  for (size_t i = 0; i < r.size(); ++i) {
    const CPoint& qa = r[i];
    const CPoint& qb = r[(i + 1) % r.size()];
    const double ax = double(qa.x) - cx, ay = double(qa.y) - cy;
    const double bx = double(qb.x) - cx, by = double(qb.y) - cy;
    if (ax * by - ay * bx <= 0) return false;
    upwards += ay <= 0 && by > 0;
  }
  return upwards == 1;
}

}  // namespace

Paths clearanceRegion(const TObjekt& e) {
  if (!e.KeepOut && e.Clearance <= 0) return {};
  Paths shape = grownShape(e, e.KeepOut ? 0 : e.Clearance);
  // Pads and SMD pads are one outline; the union is for everything else.
  if (simpleOutline(shape)) return shape;
  return unite(shape);
}

Paths spokeRegion(const TObjekt& pad) {
  Paths p;
  for (const Spoke& s : thermalSpokes(pad)) p.push_back(capsule(s.end, s.centre, halfWidth(s.width)));
  return p;
}

}  // namespace trazello
