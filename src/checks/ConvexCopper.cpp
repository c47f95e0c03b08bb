#include "ConvexCopper.h"

#include <algorithm>
#include <cmath>

#include "Polygon.h"
#include "ShapeBuilder.h"
#include "model/CopperGeometry.h"

namespace trazello {

namespace {

// The flattened polygons have their corners rounded to whole shape steps, which moves their
// edges by at most half a step's diagonal. A pair is only decided here when it is clear of
// that by several steps; everything closer goes to the polygon test.
constexpr double kMargin = 5.0 / kShapeScale;
// Beyond this, coordinates are damaged data that the polygon conversion clamps.
constexpr double kSaneCoordinate = 1e7;

RoundedConvex piece(std::vector<DPoint> core, double radius, double excess) {
  RoundedConvex p;
  p.core = std::move(core);
  p.radius = radius;
  p.excess = excess;
  return p;
}

bool sane(double v) { return std::isfinite(v) && std::fabs(v) <= kSaneCoordinate; }

DPoint toD(Point p) { return {p.x, p.y}; }
DPoint minus(DPoint a, DPoint b) { return {a.x - b.x, a.y - b.y}; }
double cross(DPoint a, DPoint b) { return a.x * b.y - a.y * b.x; }
double dot(DPoint a, DPoint b) { return a.x * b.x + a.y * b.y; }
double orient(DPoint a, DPoint b, DPoint c) { return cross(minus(b, a), minus(c, a)); }

// The square of the distance, so that a nearest of several needs only one root.
double pointSegmentDistance2(DPoint p, DPoint a, DPoint b) {
  const DPoint ab = minus(b, a);
  const double len2 = dot(ab, ab);
  double t = len2 > 0 ? dot(minus(p, a), ab) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  const double dx = p.x - (a.x + t * ab.x), dy = p.y - (a.y + t * ab.y);
  return dx * dx + dy * dy;
}

double pointSegmentDistance(DPoint p, DPoint a, DPoint b) {
  return std::sqrt(pointSegmentDistance2(p, a, b));
}

double segmentDistance(DPoint p1, DPoint p2, DPoint q1, DPoint q2) {
  const double o1 = orient(p1, p2, q1), o2 = orient(p1, p2, q2);
  const double o3 = orient(q1, q2, p1), o4 = orient(q1, q2, p2);
  if (((o1 < 0 && o2 > 0) || (o1 > 0 && o2 < 0)) && ((o3 < 0 && o4 > 0) || (o3 > 0 && o4 < 0)))
    return 0;
  return std::sqrt(
      std::min({pointSegmentDistance2(q1, p1, p2), pointSegmentDistance2(q2, p1, p2),
                pointSegmentDistance2(p1, q1, q2), pointSegmentDistance2(p2, q1, q2)}));
}

// Inside or on a counter-clockwise convex polygon.
bool insideConvex(const std::vector<DPoint>& ring, DPoint p) {
  if (ring.size() < 3) return false;
  for (size_t i = 0; i < ring.size(); ++i) {
    if (orient(ring[i], ring[(i + 1) % ring.size()], p) < 0) return false;
  }
  return true;
}

template <typename F>
void forEdges(const std::vector<DPoint>& core, F f) {
  if (core.size() < 3) {
    f(core.front(), core.back());
    return;
  }
  for (size_t i = 0; i < core.size(); ++i) f(core[i], core[(i + 1) % core.size()]);
}

// The distance between two convex cores, 0 when they meet.
double coreDistance(const std::vector<DPoint>& a, const std::vector<DPoint>& b) {
  if (insideConvex(a, b.front()) || insideConvex(b, a.front())) return 0;
  double best = INFINITY;
  forEdges(a, [&](DPoint p1, DPoint p2) {
    forEdges(b,
             [&](DPoint q1, DPoint q2) { best = std::min(best, segmentDistance(p1, p2, q1, q2)); });
  });
  return best;
}

// A polygon as a counter-clockwise strictly convex ring without repeated or straight-through
// corners; nullopt when it is not convex, not simple or has no area.
std::optional<std::vector<DPoint>> convexRing(const std::vector<Point>& points) {
  std::vector<DPoint> ring;
  for (const Point& p : points) {
    if (!sane(p.x) || !sane(p.y)) return std::nullopt;
    if (ring.empty() || ring.back().x != p.x || ring.back().y != p.y) ring.push_back(toD(p));
  }
  while (ring.size() > 1 && ring.front().x == ring.back().x && ring.front().y == ring.back().y)
    ring.pop_back();
  double area2 = 0;
  for (size_t i = 0; i < ring.size(); ++i) area2 += cross(ring[i], ring[(i + 1) % ring.size()]);
  if (ring.size() < 3 || area2 == 0) return std::nullopt;
  if (area2 < 0) std::reverse(ring.begin(), ring.end());
  // Corners where the outline runs straight on are dropped; a reversal makes it not convex.
  for (size_t i = 0; i < ring.size() && ring.size() >= 3;) {
    const DPoint in = minus(ring[i], ring[(i + ring.size() - 1) % ring.size()]);
    const DPoint out = minus(ring[(i + 1) % ring.size()], ring[i]);
    if (std::fabs(cross(in, out)) <= 1e-12 * std::hypot(in.x, in.y) * std::hypot(out.x, out.y)) {
      if (dot(in, out) <= 0) return std::nullopt;
      ring.erase(ring.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
  if (ring.size() < 3) return std::nullopt;
  double turning = 0;
  for (size_t i = 0; i < ring.size(); ++i) {
    const DPoint in = minus(ring[i], ring[(i + ring.size() - 1) % ring.size()]);
    const DPoint out = minus(ring[(i + 1) % ring.size()], ring[i]);
    if (cross(in, out) <= 0) return std::nullopt;
    turning += std::atan2(cross(in, out), dot(in, out));
  }
  // Left turns only, once round: a simple convex outline.
  if (std::fabs(turning - 2 * M_PI) > 1e-6) return std::nullopt;
  return ring;
}

// The ring moved inwards by `d` on every side; nullopt when it would collapse.
std::optional<std::vector<DPoint>> shrunk(const std::vector<DPoint>& ring, double d) {
  const size_t n = ring.size();
  std::vector<DPoint> dir(n), base(n);
  for (size_t i = 0; i < n; ++i) {
    const DPoint e = minus(ring[(i + 1) % n], ring[i]);
    const double len = std::hypot(e.x, e.y);
    dir[i] = {e.x / len, e.y / len};
    base[i] = {ring[i].x - dir[i].y * d, ring[i].y + dir[i].x * d};
  }
  std::vector<DPoint> out(n);
  for (size_t i = 0; i < n; ++i) {
    const size_t prev = (i + n - 1) % n;
    const double den = cross(dir[prev], dir[i]);
    const double t = cross(minus(base[i], base[prev]), dir[i]) / den;
    out[i] = {base[prev].x + t * dir[prev].x, base[prev].y + t * dir[prev].y};
  }
  for (size_t i = 0; i < n; ++i) {
    if (dot(minus(out[(i + 1) % n], out[i]), dir[i]) <= 0) return std::nullopt;
  }
  return out;
}

// The piece less a band of `d` along its edge, so that every point of the result has a disc
// of radius `d` of copper about it.
std::optional<RoundedConvex> eroded(const RoundedConvex& p, double d) {
  if (p.radius >= d) return piece(p.core, p.radius - d, 0);
  if (p.radius > 0 || p.core.size() < 3) return std::nullopt;
  std::optional<std::vector<DPoint>> inner = shrunk(p.core, d);
  if (!inner) return std::nullopt;
  return piece(std::move(*inner), 0, 0);
}

RoundedConvex rounded(Point a, Point b, double radius) {
  radius = std::max(radius, 0.0);
  RoundedConvex p = piece({toD(a)}, radius, flatteningExcess(radius));
  if (a.x != b.x || a.y != b.y) p.core.push_back(toD(b));
  return p;
}

double halfWidth(double width) { return std::max(width / 2, 0.5); }

bool addPad(const TObjekt& e, std::vector<RoundedConvex>& out, double grow = 0) {
  const GrownPad g = grownPad(e, grow);
  switch (g.form) {
    case PadForm::Disc: out.push_back(rounded(g.centre, g.centre, g.radius)); return true;
    case PadForm::Stadium: out.push_back(rounded(g.points[0], g.points[1], g.radius)); return true;
    case PadForm::Polygon: {
      std::optional<std::vector<DPoint>> ring = convexRing(g.points);
      if (!ring) return false;
      out.push_back(piece(std::move(*ring), 0, 0));
      return true;
    }
    case PadForm::None: return true;
  }
  return false;
}

bool addSmdPad(const TObjekt& e, std::vector<RoundedConvex>& out, double grow = 0) {
  const std::vector<Point> corners = grownSmdCorners(e, grow);
  if (corners.empty()) return true;
  std::optional<std::vector<DPoint>> ring = convexRing(corners);
  if (!ring) return false;
  out.push_back(piece(std::move(*ring), 0, 0));
  return true;
}

void addTrack(const TObjekt& e, std::vector<RoundedConvex>& out, double grow = 0) {
  const double r = halfWidth(e.Width) + grow;
  if (e.Points.size() == 1) out.push_back(rounded(e.Points[0], e.Points[0], r));
  for (size_t i = 0; i + 1 < e.Points.size(); ++i)
    out.push_back(rounded(e.Points[i], e.Points[i + 1], r));
}

// A zone's outline strokes, less when it is filled and has no outline width, and its filling.
bool addZone(const TObjekt& e, std::vector<RoundedConvex>& out, double grow = 0) {
  const bool filled = e.Points.size() >= 3;
  if (!(filled && e.Width <= 0 && grow == 0)) {
    addTrack(e, out, grow);
    if (filled)
      out.push_back(rounded(e.Points.back(), e.Points.front(), halfWidth(e.Width) + grow));
  }
  if (!filled) return true;
  std::optional<std::vector<DPoint>> ring = convexRing(e.Points);
  if (!ring) return false;
  out.push_back(piece(std::move(*ring), 0, 0));
  return true;
}

void addText(const TObjekt& e, std::vector<RoundedConvex>& out, double grow = 0) {
  for (const TObjekt& stroke : e.Strokes) {
    const double r = halfWidth(stroke.Width) + grow;
    if (stroke.Points.size() == 1) out.push_back(rounded(stroke.Points[0], stroke.Points[0], r));
    for (size_t i = 0; i + 1 < stroke.Points.size(); ++i)
      out.push_back(rounded(stroke.Points[i], stroke.Points[i + 1], r));
  }
}

// A ring or arc lies within its outer circle and the round ends of an arc on its middle
// circle; for sane radii those ends reach just the outer circle.
void addCircleBound(const TObjekt& e, std::vector<RoundedConvex>& out, double grow = 0) {
  const double mid = (double(e.SizeA) + e.SizeB) / 2;
  const double cap = (double(e.SizeA) - e.SizeB) / 2 + grow;
  const double outer = std::max({double(e.SizeA) + grow, std::fabs(mid) + std::max(cap, 0.0), 0.0});
  RoundedConvex bound = rounded({e.X, e.Y}, {e.X, e.Y}, outer);
  bound.excess = std::max(bound.excess, flatteningExcess(cap));
  bound.boundOnly = true;
  out.push_back(bound);
}

// How much of the band a trapezoid may miss, in units: chords this close to the circles leave
// few pairs to the polygons and keep the trapezoids few.
constexpr double kBandLoss = 0.5;

// The four corners of the part of a ring between two radial directions (unit vectors), inner
// radius `inner` and outer radius `outer` at the corners.
std::vector<DPoint> trapezoid(DPoint c, double inner, double outer, DPoint from, DPoint to) {
  return {{c.x + inner * from.x, c.y + inner * from.y},
          {c.x + outer * from.x, c.y + outer * from.y},
          {c.x + outer * to.x, c.y + outer * to.y},
          {c.x + inner * to.x, c.y + inner * to.y}};
}

// The band of a ring or arc between radial lines, in trapezoids of two sorts: ones holding
// the flattened band (its outer chords stand a little outside the outer circle, the inner
// chords of an arc a little inside the inner one), and ones the flattened band holds (a whole
// ring's hole is flattened outside the inner circle). Only pairs that fall between the two are
// left to the polygons.
void addBand(Point centre, double outer, double inner, double from, double to, bool whole,
             std::vector<RoundedConvex>& out) {
  const DPoint c = toD(centre);
  const double step = 2 * std::acos(1 - std::min(kBandLoss / outer, 1.0));
  const int n = std::clamp(static_cast<int>(std::ceil((to - from) / step)), 4, 512);
  const double slice = (to - from) / n;
  const double outside = (outer + flatteningExcess(outer)) / std::cos(slice / 2);
  const double lowest = whole ? inner : std::max(inner - kArcTolerance, 0.0);
  const double innermost = (inner + (whole ? flatteningExcess(inner) : 0)) / std::cos(slice / 2);
  const bool holds = innermost + 4 * kMargin < outer * std::cos(slice / 2);
  // The direction of each radial line once; neighbouring slices share it.
  std::vector<DPoint> dirs(size_t(n) + 1);
  for (int k = 0; k <= n; ++k) {
    const double a = from + slice * k;
    dirs[size_t(k)] = {std::cos(a), std::sin(a)};
  }
  out.reserve(out.size() + 2 * size_t(n) + 2);
  for (int k = 0; k < n; ++k) {
    const DPoint a = dirs[size_t(k)], b = dirs[size_t(k) + 1];
    RoundedConvex bound = piece(trapezoid(c, lowest, outside, a, b), 0, 0);
    bound.boundOnly = true;
    out.push_back(std::move(bound));
    if (!holds) continue;
    RoundedConvex inside = piece(trapezoid(c, innermost, outer, a, b), 0, 0);
    inside.within = true;
    out.push_back(std::move(inside));
  }
}

// A ring or arc as circleShape() draws it: the band between the radii from the start angle
// counter-clockwise to the end angle, and an arc's round ends on its middle circle.
void addCircle(const TObjekt& e, std::vector<RoundedConvex>& out) {
  const double outer = e.SizeA, inner = e.SizeB;
  if (e.Filled || inner < 1 || outer <= inner) {
    addCircleBound(e, out);
    return;
  }
  const int32_t start = e.Spokes, end = e.Width;
  double a = start * M_PI / 180, b = end * M_PI / 180;
  while (b <= a) b += 2 * M_PI;
  const bool whole = start == end || b - a >= 2 * M_PI;
  if (whole) b = a + 2 * M_PI;
  addBand({e.X, e.Y}, outer, inner, a, b, whole, out);
  if (start == end) return;
  const double mid = (outer + inner) / 2;
  for (const double angle : {a, double(end) * M_PI / 180}) {
    const Point at{static_cast<float>(e.X + mid * std::cos(angle)),
                   static_cast<float>(e.Y + mid * std::sin(angle))};
    out.push_back(rounded(at, at, (outer - inner) / 2));
  }
}

void setBox(RoundedConvex& p) {
  const double grow = p.radius + p.excess;
  p.low = {INFINITY, INFINITY};
  p.high = {-INFINITY, -INFINITY};
  for (const DPoint& q : p.core) {
    p.low = {std::min(p.low.x, q.x - grow), std::min(p.low.y, q.y - grow)};
    p.high = {std::max(p.high.x, q.x + grow), std::max(p.high.y, q.y + grow)};
  }
}

bool saneCore(const RoundedConvex& p) {
  if (!sane(p.radius)) return false;
  return std::all_of(p.core.begin(), p.core.end(), [](DPoint q) { return sane(q.x) && sane(q.y); });
}

}  // namespace

std::optional<std::vector<RoundedConvex>> convexPieces(const TObjekt& e, const LayerState* state) {
  // Rings and the legacy kinds are built from these directly; a damaged one has no pieces.
  if (!sane(e.X) || !sane(e.Y) || !sane(e.SizeA) || !sane(e.SizeB)) return std::nullopt;
  std::vector<RoundedConvex> out;
  bool known = true;
  switch (e.Kind) {
    case ElementKind::Pad: known = addPad(e, out); break;
    case ElementKind::SmdPad: known = addSmdPad(e, out); break;
    case ElementKind::Track: addTrack(e, out); break;
    case ElementKind::Zone: known = addZone(e, out); break;
    case ElementKind::Text: addText(e, out); break;
    case ElementKind::Circle: addCircle(e, out); break;
    case ElementKind::LegacyText: {
      const float l = std::min(e.X, e.SizeA), r = std::max(e.X, e.SizeA);
      const float b = std::min(e.Y, e.SizeB), t = std::max(e.Y, e.SizeB);
      std::optional<std::vector<DPoint>> ring = convexRing({{l, b}, {r, b}, {r, t}, {l, t}});
      if (!ring) return std::nullopt;
      out.push_back(piece(std::move(*ring), 0, 0));
      break;
    }
    case ElementKind::LegacyLine:
      out.push_back(rounded({e.X, e.Y}, {e.SizeA, e.SizeB}, halfWidth(e.Width)));
      break;
    default: return std::nullopt;
  }
  if (!known) return std::nullopt;
  if (state && showsThermalRelief(e, *state)) {
    for (const Spoke& s : thermalSpokes(e))
      out.push_back(rounded(s.end, s.centre, halfWidth(s.width)));
  }
  if (!std::all_of(out.begin(), out.end(), saneCore)) return std::nullopt;
  for (RoundedConvex& p : out) setBox(p);
  return out;
}

CopperContact contact(const RoundedConvex& a, const RoundedConvex& b) {
  const bool mayOverlap = !a.boundOnly && !b.boundOnly;
  // A piece within the copper being apart says nothing.
  const CopperContact apart =
      a.within || b.within ? CopperContact::Unsure : CopperContact::Apart;
  if (a.low.x > b.high.x + 2 * kMargin || b.low.x > a.high.x + 2 * kMargin ||
      a.low.y > b.high.y + 2 * kMargin || b.low.y > a.high.y + 2 * kMargin)
    return apart;
  const double reach = a.radius + a.excess + b.radius + b.excess + 2 * kMargin;
  if (coreDistance(a.core, b.core) > reach) return apart;
  // A common point of the eroded pieces has a disc of copper about it in both polygons, one
  // larger than any rounding of their corners: a common area.
  if (!mayOverlap) return CopperContact::Unsure;
  const std::optional<RoundedConvex> ea = eroded(a, kMargin), eb = eroded(b, kMargin);
  if (ea && eb && coreDistance(ea->core, eb->core) <= ea->radius + eb->radius)
    return CopperContact::Overlap;
  return CopperContact::Unsure;
}

namespace {

struct Box {
  DPoint low{INFINITY, INFINITY}, high{-INFINITY, -INFINITY};
};

Box boxOf(const std::vector<RoundedConvex>& pieces) {
  Box b;
  for (const RoundedConvex& p : pieces) {
    b.low = {std::min(b.low.x, p.low.x), std::min(b.low.y, p.low.y)};
    b.high = {std::max(b.high.x, p.high.x), std::max(b.high.y, p.high.y)};
  }
  return b;
}

bool near(const RoundedConvex& p, const Box& b) {
  return p.low.x <= b.high.x + 2 * kMargin && b.low.x <= p.high.x + 2 * kMargin &&
         p.low.y <= b.high.y + 2 * kMargin && b.low.y <= p.high.y + 2 * kMargin;
}

// The pieces that come near the other element's box at all; rings and arcs have many pieces
// of which only a few meet another element.
void piecesNear(const std::vector<RoundedConvex>& pieces, const Box& other,
                std::vector<const RoundedConvex*>& out) {
  out.clear();
  for (const RoundedConvex& p : pieces) {
    if (near(p, other)) out.push_back(&p);
  }
}

}  // namespace

CopperContact contact(const std::vector<RoundedConvex>& a, const std::vector<RoundedConvex>& b) {
  // Kept between calls: a trace asks this for every pair of neighbours.
  thread_local std::vector<const RoundedConvex*> pa, pb;
  piecesNear(a, boxOf(b), pa);
  piecesNear(b, boxOf(a), pb);
  // An overlap anywhere decides; bounds cannot show one, so they wait for the second round.
  for (const RoundedConvex* p : pa) {
    if (p->boundOnly) continue;
    for (const RoundedConvex* q : pb) {
      if (!q->boundOnly && contact(*p, *q) == CopperContact::Overlap) return CopperContact::Overlap;
    }
  }
  // Apart needs every pair of pieces that hold the copper apart.
  for (const RoundedConvex* p : pa) {
    if (p->within) continue;
    for (const RoundedConvex* q : pb) {
      if (!q->within && contact(*p, *q) != CopperContact::Apart) return CopperContact::Unsure;
    }
  }
  return CopperContact::Apart;
}

std::optional<std::vector<RoundedConvex>> clearancePieces(const TObjekt& e) {
  if (!e.KeepOut && e.Clearance <= 0) return std::vector<RoundedConvex>{};
  if (!sane(e.X) || !sane(e.Y) || !sane(e.SizeA) || !sane(e.SizeB)) return std::nullopt;
  const double grow = e.KeepOut ? 0 : e.Clearance;
  std::vector<RoundedConvex> out;
  bool known = true;
  switch (e.Kind) {
    case ElementKind::Pad:
      known = addPad(e, out, grow);
      break;
    case ElementKind::SmdPad:
      known = addSmdPad(e, out, grow);
      break;
    case ElementKind::Track:
      addTrack(e, out, grow);
      break;
    case ElementKind::Zone:
      known = addZone(e, out, grow);
      break;
    case ElementKind::Text:
      addText(e, out, grow);
      break;
    case ElementKind::Circle:
      addCircleBound(e, out, grow);
      break;
    default:
      return std::nullopt;
  }
  if (!known || !std::all_of(out.begin(), out.end(), saneCore)) return std::nullopt;
  for (RoundedConvex& p : out) setBox(p);
  return out;
}

namespace {

// The mean of a polygon core's corners when it lies inside with room about it, and that room.
std::optional<std::pair<DPoint, double>> roomyCentre(const RoundedConvex& p) {
  if (p.core.size() < 3) return std::nullopt;
  DPoint c;
  for (const DPoint& q : p.core)
    c = {c.x + q.x / double(p.core.size()), c.y + q.y / double(p.core.size())};
  if (!insideConvex(p.core, c)) return std::nullopt;
  double nearest = INFINITY;
  for (size_t i = 0; i < p.core.size(); ++i)
    nearest =
        std::min(nearest, pointSegmentDistance(c, p.core[i], p.core[(i + 1) % p.core.size()]));
  if (nearest <= 4 * kMargin) return std::nullopt;
  return std::make_pair(c, nearest);
}

}  // namespace

bool hasPointWellInside(const std::vector<RoundedConvex>& pieces) {
  return std::any_of(pieces.begin(), pieces.end(), [](const RoundedConvex& p) {
    return !p.boundOnly && (p.radius > 2 * kMargin || roomyCentre(p));
  });
}

std::vector<DPoint> pointsWellInside(const std::vector<RoundedConvex>& pieces) {
  std::vector<DPoint> out;
  // Along a stroke's middle line and towards the corners of a polygon, so that copper partly
  // covered by something else still shows a point beside it.
  constexpr double kSteps[] = {0, 0.25, 0.5, 0.75, 1};
  for (const RoundedConvex& p : pieces) {
    if (p.boundOnly) continue;
    if (p.radius > 2 * kMargin) {
      const DPoint a = p.core.front(), b = p.core.back();
      for (double t : kSteps) out.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
      if (p.core.size() > 2) out.insert(out.end(), p.core.begin() + 1, p.core.end() - 1);
      continue;
    }
    const std::optional<std::pair<DPoint, double>> centre = roomyCentre(p);
    if (!centre) continue;
    const auto [c, nearest] = *centre;
    out.push_back(c);
    // Towards each corner as far as keeps the same distance from the edges, less a margin:
    // the polygon shrunk about its centre lies within it.
    const double keep = 1 - 4 * kMargin / nearest;
    for (double t : {keep / 2, keep}) {
      for (const DPoint& q : p.core) out.push_back({c.x + t * (q.x - c.x), c.y + t * (q.y - c.y)});
    }
  }
  return out;
}

bool wellOutside(DPoint q, const std::vector<RoundedConvex>& pieces) {
  for (const RoundedConvex& p : pieces) {
    if (p.within) continue;
    if (q.x < p.low.x - 2 * kMargin || q.x > p.high.x + 2 * kMargin ||
        q.y < p.low.y - 2 * kMargin || q.y > p.high.y + 2 * kMargin)
      continue;
    if (coreDistance(p.core, {q}) <= p.radius + p.excess + 2 * kMargin) return false;
  }
  return true;
}

}  // namespace trazello
