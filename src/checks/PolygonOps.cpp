#include "PolygonOps.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>

namespace trazello {

namespace cl = ClipperLib;

CPoint toShape(Point p) { return toShape(p.x, p.y); }

namespace {
// Damaged files can carry any float; keep such coordinates inside the polygon library's range
// instead of letting them overflow it.
int64_t scaled(double v) {
  constexpr double kLimit = 1e12;
  if (!(v == v)) return 0;
  return std::llround(std::clamp(v * kShapeScale, -kLimit, kLimit));
}
}  // namespace

CPoint toShape(double x, double y) { return {scaled(x), scaled(y)}; }

Point fromShape(CPoint p) {
  return {static_cast<float>(double(p.x) / kShapeScale), static_cast<float>(double(p.y) / kShapeScale)};
}

CBox boxOf(const Path& path) {
  if (path.empty()) return {};
  CBox b{path[0].x, path[0].y, path[0].x, path[0].y};
  for (const CPoint& p : path) {
    b.left = std::min(b.left, p.x);
    b.right = std::max(b.right, p.x);
    b.bottom = std::min(b.bottom, p.y);
    b.top = std::max(b.top, p.y);
  }
  return b;
}

IRect unitsBoxAround(const Paths& paths) {
  IRect r;
  bool any = false;
  for (const Path& ring : paths) {
    if (ring.empty()) continue;
    const CBox b = boxOf(ring);
    const IRect box{int32_t(std::floor(double(b.left) / kShapeScale)), int32_t(std::floor(double(b.bottom) / kShapeScale)),
                    int32_t(std::ceil(double(b.right) / kShapeScale)), int32_t(std::ceil(double(b.top) / kShapeScale))};
    r = any ? IRect{std::min(r.left, box.left), std::min(r.top, box.top), std::max(r.right, box.right),
                    std::max(r.bottom, box.bottom)}
            : box;
    any = true;
  }
  return r;
}

namespace {

cl::Paths toLib(const Paths& p) {
  cl::Paths out(p.size());
  for (size_t i = 0; i < p.size(); ++i) {
    out[i].reserve(p[i].size());
    for (const CPoint& c : p[i]) out[i].push_back({c.x, c.y});
  }
  return out;
}

Paths fromLib(const cl::Paths& p) {
  Paths out(p.size());
  for (size_t i = 0; i < p.size(); ++i) {
    out[i].reserve(p[i].size());
    for (const cl::IntPoint& c : p[i]) out[i].push_back({c.X, c.Y});
  }
  return out;
}

Paths run(cl::ClipType type, const Paths& subject, const Paths& clip) {
  cl::Clipper c;
  c.AddPaths(toLib(subject), cl::ptSubject, true);
  if (!clip.empty()) c.AddPaths(toLib(clip), cl::ptClip, true);
  cl::Paths result;
  c.Execute(type, result, cl::pftNonZero, cl::pftNonZero);
  return fromLib(result);
}

}  // namespace

Paths unite(const Paths& a) { return run(cl::ctUnion, a, {}); }

Paths unite(const Paths& a, const Paths& b) { return run(cl::ctUnion, a, b); }

Paths subtract(const Paths& from, const Paths& cut) {
  if (cut.empty()) return unite(from);
  return run(cl::ctDifference, from, cut);
}

Paths intersect(const Paths& a, const Paths& b) {
  if (a.empty() || b.empty()) return {};
  return run(cl::ctIntersection, a, b);
}

double area(const Paths& p) {
  double sum = 0;
  for (const Path& ring : p) {
    cl::Path lib;
    lib.reserve(ring.size());
    for (const CPoint& c : ring) lib.push_back({c.x, c.y});
    sum += cl::Area(lib);
  }
  return sum;
}

double areaInSquareUnits(const Paths& p) {
  return area(p) / double(kShapeScale * kShapeScale);
}

double areaInSquareUnits(const std::vector<PolygonWithHoles>& pieces) {
  double sum = 0;
  for (const PolygonWithHoles& piece : pieces) {
    sum += areaInSquareUnits(Paths{piece.outer});
    sum += areaInSquareUnits(piece.holes);
  }
  return sum;
}

bool overlap(const Paths& a, const Paths& b) { return area(intersect(a, b)) > 0; }

namespace {
size_t outlineCount(const Paths& p) {
  size_t n = 0;
  for (const Path& ring : p) n += area(Paths{ring}) > 0;
  return n;
}
}  // namespace

bool unionJoins(const Paths& a, const Paths& b) {
  return outlineCount(unite(a, b)) < outlineCount(a) + outlineCount(b);
}

bool covers(const Paths& outer, const Paths& inner) {
  return area(subtract(inner, outer)) <= 0;
}

namespace {
std::vector<PolygonWithHoles> treePieces(cl::ClipType type, const Paths& p, const Paths& window) {
  cl::Clipper c;
  c.AddPaths(toLib(p), cl::ptSubject, true);
  if (!window.empty()) c.AddPaths(toLib(window), cl::ptClip, true);
  cl::PolyTree tree;
  c.Execute(type, tree, cl::pftNonZero, cl::pftNonZero);
  std::vector<PolygonWithHoles> out;
  // Outlines hold holes, holes may hold further outlines (islands in a hole).
  std::function<void(const cl::PolyNode&)> visit = [&](const cl::PolyNode& node) {
    for (const cl::PolyNode* outer : node.Childs) {
      PolygonWithHoles piece;
      piece.outer = fromLib({outer->Contour})[0];
      for (const cl::PolyNode* hole : outer->Childs) {
        piece.holes.push_back(fromLib({hole->Contour})[0]);
        visit(*hole);
      }
      out.push_back(std::move(piece));
    }
  };
  visit(tree);
  return out;
}
}  // namespace

std::vector<PolygonWithHoles> pieces(const Paths& p) { return treePieces(cl::ctUnion, p, {}); }

std::vector<PolygonWithHoles> piecesOfDifference(const Paths& from, const Paths& cut) {
  if (from.empty()) return {};
  return treePieces(cl::ctDifference, from, cut);
}

std::vector<PolygonWithHoles> piecesWithin(const Paths& area, const Paths& window) {
  if (area.empty() || window.empty()) return {};
  return treePieces(cl::ctIntersection, area, window);
}

namespace {
// Which side of the window a corner lies beyond: 1 left, 2 right, 3 below, 4 above; 0 for
// none of them.
int sideBeyond(CPoint p, const CBox& w) {
  if (p.x < w.left) return 1;
  if (p.x > w.right) return 2;
  if (p.y < w.bottom) return 3;
  if (p.y > w.top) return 4;
  return 0;
}
}  // namespace

Paths trimmedTo(const Paths& area, const CBox& window) {
  Paths out;
  out.reserve(area.size());
  for (const Path& ring : area) {
    const size_t n = ring.size();
    // Start at a corner that begins a run, so that no run wraps round the ring's start.
    size_t start = 0;
    while (start < n && sideBeyond(ring[start], window) != 0 &&
           sideBeyond(ring[start], window) == sideBeyond(ring[(start + n - 1) % n], window))
      ++start;
    if (start == n) {
      // Every corner beyond one side: the ring lies beyond it.
      continue;
    }
    Path trimmed;
    for (size_t k = 0; k < n; ++k) {
      const CPoint p = ring[(start + k) % n];
      const int side = sideBeyond(p, window);
      const int before = sideBeyond(ring[(start + k + n - 1) % n], window);
      const int after = sideBeyond(ring[(start + k + 1) % n], window);
      // Inside a run: both neighbours lie beyond the same side.
      if (side != 0 && side == before && side == after) continue;
      trimmed.push_back(p);
    }
    out.push_back(std::move(trimmed));
  }
  return out;
}

namespace {
bool lower(CPoint a, CPoint b) { return a.y != b.y ? a.y < b.y : a.x < b.x; }

void startAtLowest(Path& ring) {
  if (ring.empty()) return;
  std::rotate(ring.begin(), std::min_element(ring.begin(), ring.end(), lower), ring.end());
}

bool ringBefore(const Path& a, const Path& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lower);
}
}  // namespace

std::vector<PolygonWithHoles> inStandardOrder(std::vector<PolygonWithHoles> pieces) {
  for (PolygonWithHoles& piece : pieces) {
    startAtLowest(piece.outer);
    for (Path& hole : piece.holes) startAtLowest(hole);
    std::sort(piece.holes.begin(), piece.holes.end(), ringBefore);
  }
  std::sort(pieces.begin(), pieces.end(), [](const PolygonWithHoles& a, const PolygonWithHoles& b) {
    return ringBefore(a.outer, b.outer);
  });
  return pieces;
}

bool insideRing(const Path& ring, CPoint p) {
  cl::Path lib;
  lib.reserve(ring.size());
  for (const CPoint& c : ring) lib.push_back({c.x, c.y});
  return cl::PointInPolygon({p.x, p.y}, lib) != 0;
}

std::vector<bool> insideRing(const Path& ring, const std::vector<CPoint>& points) {
  cl::Path lib;
  lib.reserve(ring.size());
  for (const CPoint& c : ring) lib.push_back({c.x, c.y});
  std::vector<bool> out(points.size());
  for (size_t i = 0; i < points.size(); ++i)
    out[i] = cl::PointInPolygon({points[i].x, points[i].y}, lib) != 0;
  return out;
}

void orientOutwards(Paths& p) {
  for (Path& ring : p) {
    double a = 0;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++)
      a += double(ring[j].x) * double(ring[i].y) - double(ring[i].x) * double(ring[j].y);
    if (a < 0) std::reverse(ring.begin(), ring.end());
  }
}

}  // namespace trazello
