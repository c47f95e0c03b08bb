#include "GerberCopper.h"

#include <algorithm>
#include <cmath>

#include "ApertureShapes.h"
#include "checks/PolygonOps.h"

namespace trazello {

namespace {

Path toPath(const std::vector<GPoint>& ring) {
  Path p;
  p.reserve(ring.size());
  for (const GPoint& q : ring) p.push_back(toShape(q.x, q.y));
  return p;
}

std::vector<GPoint> placedRing(const std::vector<GPoint>& ring, const GTransform& t, GPoint at) {
  std::vector<GPoint> out;
  out.reserve(ring.size());
  for (const GPoint& p : ring) {
    const GPoint q = t.apply(p);
    out.push_back({q.x + at.x, q.y + at.y});
  }
  return out;
}

// Exposures applied in order: dark ones add, clear ones take away from what came before.
Paths composed(const std::vector<GExposure>& exposures, const GTransform& t, GPoint at) {
  const bool anyClear =
      std::any_of(exposures.begin(), exposures.end(), [](const GExposure& e) { return !e.dark; });
  Paths area;
  if (!anyClear) {
    for (const GExposure& e : exposures) area.push_back(toPath(placedRing(e.ring, t, at)));
    return unite(area);
  }
  for (const GExposure& e : exposures) {
    const Paths ring{toPath(placedRing(e.ring, t, at))};
    area = e.dark ? unite(area, ring) : subtract(area, ring);
  }
  return area;
}

int64_t cross(CPoint o, CPoint a, CPoint b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

Path convexHull(Path pts) {
  std::sort(pts.begin(), pts.end(),
            [](CPoint a, CPoint b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  pts.erase(std::unique(pts.begin(), pts.end()), pts.end());
  if (pts.size() < 3) return pts;
  Path hull(2 * pts.size());
  size_t k = 0;
  for (size_t i = 0; i < pts.size(); ++i) {
    while (k >= 2 && cross(hull[k - 2], hull[k - 1], pts[i]) <= 0) --k;
    hull[k++] = pts[i];
  }
  for (size_t i = pts.size() - 1, t = k + 1; i > 0; --i) {
    while (k >= t && cross(hull[k - 2], hull[k - 1], pts[i - 1]) <= 0) --k;
    hull[k++] = pts[i - 1];
  }
  hull.resize(k - 1);
  return hull;
}

// The area swept by an aperture moved along a polyline: for convex apertures the hull of the
// aperture at both ends of every segment.
Paths swept(const GerberAperture& ap, const GTransform& t, const std::vector<GPoint>& line) {
  const std::vector<GExposure> shape = exposuresOf(ap);
  Paths segments;
  for (size_t i = 0; i + 1 < line.size() || (i == 0 && line.size() == 1); ++i) {
    Path pts;
    for (const GExposure& e : shape) {
      if (!e.dark) continue;
      for (const GPoint& p : placedRing(e.ring, t, line[i])) pts.push_back(toShape(p.x, p.y));
      if (i + 1 < line.size())
        for (const GPoint& p : placedRing(e.ring, t, line[i + 1])) pts.push_back(toShape(p.x, p.y));
    }
    if (pts.size() >= 3) segments.push_back(convexHull(std::move(pts)));
  }
  return unite(segments);
}

// The area swept by a shape of any form, holes included, moved along a polyline: the shape at
// every vertex and the quadrilaterals that each edge of its outlines and holes sweeps over each
// segment. A point the moving shape covers at some moment is either covered at a segment's
// start or crossed by its boundary on the way, so this is exact.
Paths sweptShape(const Paths& shape, const std::vector<GPoint>& line) {
  Paths all;
  std::vector<CPoint> at;
  for (const GPoint& p : line) at.push_back(toShape(p.x, p.y));
  for (const CPoint& a : at)
    for (const Path& ring : shape) {
      Path moved = ring;
      for (CPoint& q : moved) q = {q.x + a.x, q.y + a.y};
      all.push_back(std::move(moved));
    }
  Paths quads;
  for (size_t i = 0; i + 1 < at.size(); ++i) {
    const CPoint a = at[i], b = at[i + 1];
    if (a == b) continue;
    for (const Path& ring : shape)
      for (size_t k = 0, j = ring.size() - 1; k < ring.size(); j = k++) {
        const CPoint p = ring[j], q = ring[k];
        quads.push_back({{p.x + a.x, p.y + a.y},
                         {q.x + a.x, q.y + a.y},
                         {q.x + b.x, q.y + b.y},
                         {p.x + b.x, p.y + b.y}});
      }
  }
  orientOutwards(quads);
  all.insert(all.end(), quads.begin(), quads.end());
  return unite(all);
}

}  // namespace

std::vector<GPoint> arcPolyline(const GerberObject& o) {
  const double r = std::hypot(o.from.x - o.centre.x, o.from.y - o.centre.y);
  const double a0 = std::atan2(o.from.y - o.centre.y, o.from.x - o.centre.x);
  double sweep = std::atan2(o.to.y - o.centre.y, o.to.x - o.centre.x) - a0;
  if (o.clockwise) {
    while (sweep >= 0) sweep -= 2 * M_PI;
    if (o.fullCircle) sweep = -2 * M_PI;
  } else {
    while (sweep <= 0) sweep += 2 * M_PI;
    if (o.fullCircle) sweep = 2 * M_PI;
  }
  std::vector<GPoint> pts;
  appendArc(pts, o.centre, r, a0, a0 + sweep);
  pts.front() = o.from;
  pts.back() = o.to;
  return pts;
}

Paths objectCopper(const GerberImage& image, const GerberObject& o) {
  if (o.type == GerberObject::Type::Region) return unite(Paths{toPath(o.contour)});
  if (o.aperture < 0 || size_t(o.aperture) >= image.apertures.size()) return {};
  const GerberAperture& ap = image.apertures[size_t(o.aperture)];
  if (o.type == GerberObject::Type::Flash) return composed(exposuresOf(ap), o.transform, o.to);
  const std::vector<GPoint> line =
      o.type == GerberObject::Type::Arc ? arcPolyline(o) : std::vector<GPoint>{o.from, o.to};
  if (ap.shape == GerberAperture::Shape::Circle) {
    const double half = ap.sizeX / 2 * o.transform.scale();
    if (half <= 0) return {};
    Paths caps;
    for (size_t i = 0; i + 1 < line.size(); ++i)
      caps.push_back(toPath(stadiumRing(line[i], line[i + 1], 2 * half)));
    return unite(caps);
  }
  // Macros may be of any form, with clear parts; the standard shapes are convex.
  if (ap.shape == GerberAperture::Shape::Macro)
    return sweptShape(composed(ap.exposures, o.transform, {0, 0}), line);
  return swept(ap, o.transform, line);
}

CBox objectBox(const GerberImage& image, const GerberObject& o) {
  double l = INFINITY, b = INFINITY, r = -INFINITY, t = -INFINITY;
  auto add = [&](GPoint p, double grow) {
    l = std::min(l, p.x - grow);
    r = std::max(r, p.x + grow);
    b = std::min(b, p.y - grow);
    t = std::max(t, p.y + grow);
  };
  double reach = 0;
  if (o.aperture >= 0 && size_t(o.aperture) < image.apertures.size()) {
    for (const GExposure& e : exposuresOf(image.apertures[size_t(o.aperture)]))
      for (const GPoint& p : e.ring) reach = std::max(reach, std::hypot(p.x, p.y));
    reach *= o.transform.scale();
  }
  switch (o.type) {
    case GerberObject::Type::Region:
      for (const GPoint& p : o.contour) add(p, 0);
      break;
    case GerberObject::Type::Flash:
      add(o.to, reach);
      break;
    case GerberObject::Type::Draw:
      add(o.from, reach);
      add(o.to, reach);
      break;
    case GerberObject::Type::Arc:
      add(o.centre, std::hypot(o.from.x - o.centre.x, o.from.y - o.centre.y) + reach);
      break;
  }
  if (!(l <= r)) return {};
  const CPoint lo = toShape(l, b), hi = toShape(r, t);
  return {lo.x - 1, lo.y - 1, hi.x + 1, hi.y + 1};
}

Paths holeFreeRings(const Paths& area) {
  Paths out;
  std::vector<PolygonWithHoles> todo = pieces(area);
  while (!todo.empty()) {
    PolygonWithHoles piece = std::move(todo.back());
    todo.pop_back();
    if (piece.holes.empty()) {
      out.push_back(std::move(piece.outer));
      continue;
    }
    // A vertical cut through the middle of the first hole opens it; both halves have fewer holes.
    const CBox outer = boxOf(piece.outer), hole = boxOf(piece.holes[0]);
    const int64_t x = hole.left + (hole.right - hole.left) / 2;
    Paths whole{piece.outer};
    whole.insert(whole.end(), piece.holes.begin(), piece.holes.end());
    for (const auto& [from, to] : {std::pair{outer.left - 1, x}, std::pair{x, outer.right + 1}}) {
      const Path half{{from, outer.bottom - 1},
                      {to, outer.bottom - 1},
                      {to, outer.top + 1},
                      {from, outer.top + 1}};
      for (PolygonWithHoles& p : pieces(intersect(whole, Paths{half})))
        todo.push_back(std::move(p));
    }
  }
  return out;
}

}  // namespace trazello
