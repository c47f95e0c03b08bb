#include "IsolationPolygons.h"

#include <cmath>

#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/LayerPredicates.h"
#include "model/TObjekt.h"

namespace trazello {

namespace {

constexpr Real kTwoPi = 2 * kPi;

using Ring = std::vector<IPoint>;

struct RPoint {
  Real x = 0, y = 0;
};

RPoint real(Point p) { return {p.x, p.y}; }

// The direction from a to b counter-clockwise from +x in [0, 2pi), exact on the axes.
Real heading(RPoint a, RPoint b) {
  const Real dx = b.x - a.x, dy = b.y - a.y;
  if (dx == 0 && dy == 0) return 0;
  if (dy == 0) return dx > 0 ? 0 : kPi;
  if (dx == 0) return dy > 0 ? kPi / 2 : 3 * kPi / 2;
  const Real a2 = std::atan2(dy, dx);
  return a2 < 0 ? a2 + kTwoPi : a2;
}

IPoint at(RPoint c, Real dx, Real dy) { return {roundInt(c.x + dx), roundInt(c.y + dy)}; }

// The k points of an arc from the direction of p to the direction of q around c, the chord
// offsets rounded before they are added to the centre.
void appendArc(Ring& out, RPoint c, RPoint p, RPoint q, int k, Real diameter, bool ccw) {
  const Real tp = heading(c, p), tq = heading(c, q);
  Real delta = ccw ? tq - tp : tp - tq;
  delta = std::fmod(delta, kTwoPi);
  if (delta < 0) delta += kTwoPi;
  if (delta == 0) delta = kTwoPi;
  if (!ccw) delta = -delta;
  for (int i = 1; i <= k; ++i) {
    const Real t = tp + i * delta / k;
    out.push_back(at(c, roundInt(std::cos(t) * diameter / 2), roundInt(std::sin(t) * diameter / 2)));
  }
}

// A regular polygon of n points at 2 pi i / n, i = 1..n, around c.
Ring regularPolygon(RPoint c, int n, Real diameter) {
  Ring out;
  for (int i = 1; i <= n; ++i) {
    const Real t = kTwoPi * i / n;
    out.push_back(at(c, roundInt(std::cos(t) * diameter / 2), roundInt(std::sin(t) * diameter / 2)));
  }
  return out;
}

// The segment p->q with width t and round ends, counter-clockwise.
Ring stadium(RPoint p, RPoint q, int32_t t) {
  const Real phi = heading(p, q);
  const int32_t e = roundInt(std::sin(phi) * t / 2), f = roundInt(std::cos(phi) * t / 2);
  const int k = t / 30 + 3;
  Ring out;
  out.push_back(at(q, e, -f));
  appendArc(out, q, {q.x + e, q.y - f}, {q.x - e, q.y + f}, k, t, true);
  out.push_back(at(p, -e, f));
  appendArc(out, p, {p.x - e, p.y + f}, {p.x + e, p.y - f}, k, t, true);
  return out;
}

bool zeroLength(Point a, Point b) { return a.x == b.x && a.y == b.y; }

void addStroke(std::vector<Ring>& out, const std::vector<Point>& pts, int32_t width, bool closed) {
  const size_t n = pts.size();
  const size_t edges = closed ? n : (n > 0 ? n - 1 : 0);
  for (size_t i = 0; i < edges; ++i) {
    const Point a = pts[i], b = pts[(i + 1) % n];
    if (!zeroLength(a, b)) out.push_back(stadium(real(a), real(b), width));
  }
}

RPoint onCircle(RPoint c, Real radius, Real angle) {
  return {c.x + std::cos(angle) * radius, c.y + std::sin(angle) * radius};
}

void addCircle(std::vector<Ring>& out, const TObjekt& e) {
  const RPoint c{e.X, e.Y};
  const Real outer = e.SizeA, inner = e.SizeB;
  const Real a = Real(e.Spokes) * kPi / 180, b = Real(e.Width) * kPi / 180;
  int32_t sweep = e.Width - e.Spokes;
  if (sweep == 0) sweep = 360;
  if (sweep < 0) sweep += 360;
  const Real middle = (outer + inner) / 2;
  const IPoint start = at(c, roundInt(std::cos(a) * outer), roundInt(std::sin(a) * outer));
  const RPoint startR{Real(start.x), Real(start.y)};
  if (e.Filled) {
    Ring ring{start};
    appendArc(ring, c, startR, onCircle(c, outer, b), roundInt(outer / 10) + 3, 2 * outer, true);
    out.push_back(ring);
    const RPoint ma = onCircle(c, middle, a), mb = onCircle(c, middle, b);
    if (ma.x != mb.x || ma.y != mb.y) out.push_back(stadium(ma, mb, roundInt(outer - inner)));
    return;
  }
  const int m = std::max(1, roundInt(Real(roundInt(outer / 50) + 24) * sweep / 360));
  Ring ring{start};
  appendArc(ring, c, startR, onCircle(c, outer, b), m, 2 * outer, true);
  const RPoint innerB = onCircle(c, inner, b);
  ring.push_back(at(innerB, 0, 0));
  appendArc(ring, c, innerB, onCircle(c, inner, a), m, 2 * inner, false);
  out.push_back(ring);
  const Real h = (outer - inner) / 2;
  const int capPoints = roundInt(h / 10) + 8;
  out.push_back(regularPolygon(onCircle(c, middle, a), capPoints, 2 * h));
  out.push_back(regularPolygon(onCircle(c, middle, b), capPoints, 2 * h));
}

Ring pointsOf(const std::vector<Point>& pts) {
  Ring out;
  for (const Point& p : pts) out.push_back(roundPoint(p));
  return out;
}

void addPad(std::vector<Ring>& out, const TObjekt& e) {
  const Real r = e.SizeA;
  switch (e.PadShape) {
    case padshape::Round:
      out.push_back(regularPolygon({e.X, e.Y}, roundInt(r / 25) + 12, roundInt(2 * r)));
      break;
    case padshape::OblongH:
    case padshape::OblongV:
      if (e.Points.size() >= 2)
        out.push_back(stadium(real(e.Points[0]), real(e.Points[1]), roundInt(2 * r)));
      break;
    case padshape::Octagon:
    case padshape::Square:
    case padshape::OctagonH:
    case padshape::RectH:
    case padshape::OctagonV:
    case padshape::RectV: out.push_back(pointsOf(e.Points)); break;
    default: break;
  }
}

// The polygons of one element already grown by the tool width.
std::vector<Ring> polygonsOf(const TObjekt& e) {
  std::vector<Ring> out;
  switch (e.Kind) {
    case ElementKind::Pad: addPad(out, e); break;
    case ElementKind::SmdPad: out.push_back(pointsOf(e.Points)); break;
    case ElementKind::Track: addStroke(out, e.Points, e.Width, false); break;
    case ElementKind::Zone:
      // The area inside the edges is copper too; without it the union would keep a hole there.
      addStroke(out, e.Points, std::max(e.Width, 2), true);
      if (e.Points.size() >= 3) out.push_back(pointsOf(e.Points));
      break;
    case ElementKind::Circle: addCircle(out, e); break;
    case ElementKind::Text:
      for (const TObjekt& s : e.Strokes) addStroke(out, s.Points, s.Width, false);
      break;
    default: break;
  }
  return out;
}

bool isRinglessPad(const TObjekt& grown, int32_t toolWidth) {
  return grown.Kind == ElementKind::Pad &&
         roundInt(grown.SizeA) - roundInt(Real(toolWidth) / 2) == roundInt(grown.SizeB);
}

}  // namespace

bool isSingleLineText(const TObjekt& e, const MillingSelection& s) {
  return e.Kind == ElementKind::Text && (e.Selected ? s.markedTextSingle : s.plainTextSingle);
}

bool hasMillingElements(const ElementList& elements, const MillingSelection& s,
                        bool groundPlaneOn) {
  for (const TObjekt& e : elements) {
    if (!isOnLayer(e, s.layer) || e.KeepOut) continue;
    if (groundPlaneOn && e.Clearance == 0) continue;
    if (e.Kind == ElementKind::Text && isSingleLineText(e, s)) continue;
    if (e.Kind == ElementKind::Pad && e.SizeA == e.SizeB) continue;
    return true;
  }
  return false;
}

std::vector<MillingPolygon> isolationPolygons(const ElementList& elements,
                                              const MillingSelection& s) {
  std::vector<MillingPolygon> out;
  for (size_t i = 0; i < elements.size(); ++i) {
    const TObjekt& source = elements[i];
    if (!isOnLayer(source, s.layer) || source.KeepOut || isSingleLineText(source, s)) continue;
    TObjekt grown = source;
    inflateElement(grown, s.toolWidth);
    if (isRinglessPad(grown, s.toolWidth)) continue;
    for (Ring& ring : polygonsOf(grown))
      if (ring.size() >= 3) out.push_back({i, std::move(ring)});
  }
  return out;
}

}  // namespace trazello
