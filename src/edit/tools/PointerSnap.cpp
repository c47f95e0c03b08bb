#include "PointerSnap.h"

#include <cmath>
#include <unordered_map>

#include "model/Geometry.h"
#include "model/NodeHandles.h"
#include "model/PadGeometry.h"

namespace trazello {

namespace {

bool within(Point a, Point b, float reach) {
  return std::abs(a.x - b.x) < reach && std::abs(a.y - b.y) < reach;
}

float sign(float v) {
  return v < 0 ? -1.0f : 1.0f;
}

// One reference point's alignment of p.
struct Alignment {
  enum Kind { None, Vertical, Horizontal, Diagonal } kind = None;
  Point ref{};
  float sx = 1, sy = 1;  // the diagonal's direction from ref
};

Alignment alignmentWith(Point p, std::optional<Point> ref) {
  Alignment a;
  if (!ref) return a;
  const Point r = *ref;
  const float dx = p.x - r.x;
  const float dy = p.y - r.y;
  if (std::hypot(dx, dy) < 100) return a;
  a.ref = r;
  if (std::abs(dx) < 50) a.kind = Alignment::Vertical;
  if (std::abs(dy) < 50) a.kind = Alignment::Horizontal;
  if (std::abs(std::abs(dx) - std::abs(dy)) < 100) {
    a.kind = Alignment::Diagonal;
    a.sx = sign(dx);
    a.sy = sign(dy);
  }
  return a;
}

Point applyAlone(Point p, const Alignment& a) {
  switch (a.kind) {
    case Alignment::Vertical:
      return {a.ref.x, p.y};
    case Alignment::Horizontal:
      return {p.x, a.ref.y};
    case Alignment::Diagonal: {
      const float d = static_cast<float>(std::hypot(p.x - a.ref.x, p.y - a.ref.y) * 0.707);
      return {a.ref.x + a.sx * d, a.ref.y + a.sy * d};
    }
    case Alignment::None:
      break;
  }
  return p;
}

// The diagonal of `d` through the coordinate an axis alignment fixed.
Point diagonalAt(const Alignment& d, Point fixed, bool xFixed) {
  if (xFixed) return {fixed.x, d.ref.y + d.sy * std::abs(fixed.x - d.ref.x)};
  return {d.ref.x + d.sx * std::abs(fixed.y - d.ref.y), fixed.y};
}

Point combine(Point p, const Alignment& a, const Alignment& b) {
  if (a.kind == Alignment::None) return applyAlone(p, b);
  if (b.kind == Alignment::None) return applyAlone(p, a);
  const bool aAxis = a.kind != Alignment::Diagonal;
  const bool bAxis = b.kind != Alignment::Diagonal;
  if (aAxis && bAxis) return applyAlone(applyAlone(p, a), b);
  if (aAxis || bAxis) {
    const Alignment& axis = aAxis ? a : b;
    const Alignment& diag = aAxis ? b : a;
    return diagonalAt(diag, applyAlone(p, axis), axis.kind == Alignment::Vertical);
  }
  // Two diagonals: where they cross, unless they run parallel.
  const float ma = a.sx * a.sy;
  const float mb = b.sx * b.sy;
  if (ma == mb) return applyAlone(p, b);
  // y = a.y + ma (x - a.x) and y = b.y + mb (x - b.x)
  const float x = (b.ref.y - a.ref.y + ma * a.ref.x - mb * b.ref.x) / (ma - mb);
  return {x, a.ref.y + ma * (x - a.ref.x)};
}

}  // namespace

PointerSnap::PointerSnap(const ElementList& list, const BoardIndex& index, const LayerState& layers)
    : list_(list), index_(index), layers_(layers) {}

std::vector<Point> PointerSnap::snapPoints(const TObjekt& e) {
  switch (e.Kind) {
    case ElementKind::Track:
    case ElementKind::Zone:
      return e.Points;
    case ElementKind::Circle: {
      std::vector<Point> pts{{e.X, e.Y}};
      if (e.Spokes != e.Width) {
        pts.push_back(circleHandlePoint(e, e.Spokes));
        pts.push_back(circleHandlePoint(e, e.Width));
      }
      return pts;
    }
    case ElementKind::Pad:
      return {{e.X, e.Y}};
    case ElementKind::SmdPad:
      return {smdCentre(e)};
    default:
      return {};
  }
}

std::optional<Point> PointerSnap::elementSnap(Point p, bool excludeSelected,
                                              std::optional<size_t> exclude) const {
  Point pos = p;
  bool snapped = false;
  size_t from = 0;
  std::vector<size_t> near;
  for (;;) {
    const IPoint c = roundPoint(pos);
    const int32_t r = static_cast<int32_t>(kReach) + 1;
    index_.query({c.x - r, c.y - r, c.x + r, c.y + r}, near);
    bool restarted = false;
    for (size_t i : near) {
      if (i < from || (exclude && i == *exclude)) continue;
      const TObjekt& e = list_[i];
      if ((excludeSelected && e.Selected) || !isDrawn(e, layers_)) continue;
      bool moved = false;
      for (Point q : snapPoints(e)) {
        if (!within(q, pos, kReach)) continue;
        pos = q;
        snapped = moved = true;
        if (e.isPadLike() || e.is(ElementKind::Circle)) return pos;
      }
      if (moved) {
        // The position moved: later elements are looked for around the new one.
        from = i + 1;
        restarted = true;
        break;
      }
    }
    if (!restarted) break;
  }
  if (!snapped) return std::nullopt;
  return pos;
}

Point PointerSnap::alignSnap(Point p, std::optional<Point> previous, std::optional<Point> next) {
  return combine(p, alignmentWith(p, previous), alignmentWith(p, next));
}

PointerSnap::MoveResult PointerSnap::moveSnap(Point offset, std::span<const Point> moved) const {
  MoveResult result;
  result.offset = offset;
  for (Point m : moved) {
    const auto hit = elementSnap({m.x + offset.x, m.y + offset.y}, true);
    if (!hit) continue;
    result.snapped = true;
    result.offset = {hit->x - m.x, hit->y - m.y};
    break;
  }
  if (!result.snapped) return result;
  for (Point m : moved) {
    const Point at{m.x + result.offset.x, m.y + result.offset.y};
    const auto hit = elementSnap(at, true);
    if (hit && within(*hit, at, 4)) result.markers.push_back(*hit);
  }
  return result;
}

std::vector<Point> PointerSnap::movedSnapPoints(const ElementList& list,
                                                std::span<const size_t> indices) {
  // Points closer than 5 units share a 5-unit cell or a neighbouring one.
  std::unordered_map<int64_t, std::vector<Point>> cells;
  auto cellKey = [](int64_t cx, int64_t cy) { return (cx << 32) ^ (cy & 0xffffffff); };
  std::vector<Point> out;
  for (size_t i : indices) {
    for (Point q : snapPoints(list[i])) {
      const int64_t cx = static_cast<int64_t>(std::floor(q.x / 5));
      const int64_t cy = static_cast<int64_t>(std::floor(q.y / 5));
      bool duplicate = false;
      for (int64_t dx = -1; dx <= 1 && !duplicate; ++dx) {
        for (int64_t dy = -1; dy <= 1 && !duplicate; ++dy) {
          auto it = cells.find(cellKey(cx + dx, cy + dy));
          if (it == cells.end()) continue;
          for (Point o : it->second) duplicate = duplicate || within(o, q, 5);
        }
      }
      if (duplicate) continue;
      cells[cellKey(cx, cy)].push_back(q);
      out.push_back(q);
    }
  }
  return out;
}

}  // namespace trazello
