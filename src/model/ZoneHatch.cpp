#include "ZoneHatch.h"

#include <algorithm>

#include "ElementGeometry.h"
#include "Geometry.h"

namespace trazello {

namespace {

bool multipleOf(int64_t v, int64_t s) {
  return v % s == 0;
}

// One pass of scan lines: vertical lines at fixed x, or horizontal ones at fixed y; `key` and
// `other` pick the coordinates so that both passes are the same code.
void pass(const std::vector<IPoint>& rounded, int32_t s, int32_t from, int32_t to, bool vertical,
          std::vector<HatchSegment>& out) {
  std::vector<IPoint> v = rounded;
  auto key = [&](const IPoint& p) -> int64_t { return vertical ? p.x : p.y; };
  auto other = [&](const IPoint& p) -> int64_t { return vertical ? p.y : p.x; };
  for (IPoint& p : v)
    if (multipleOf(key(p), s)) (vertical ? p.x : p.y) += 2;
  const size_t n = v.size();
  std::vector<int32_t> hits;
  for (int64_t line = static_cast<int64_t>(roundInt(Real(from) / s)) * s; line < to; line += s) {
    hits.clear();
    for (size_t i = 0; i < n; ++i) {
      const IPoint& a = v[i];
      const IPoint& b = v[(i + 1) % n];
      const int64_t ka = key(a), kb = key(b);
      if ((ka < line) == (kb < line)) continue;
      const Real t = Real(line - ka) / Real(kb - ka);
      const int32_t cross = roundInt(Real(other(a)) + t * Real(other(b) - other(a)));
      if (std::find(hits.begin(), hits.end(), cross) == hits.end()) hits.push_back(cross);
    }
    std::sort(hits.begin(), hits.end());
    const auto at = static_cast<int32_t>(line);
    for (size_t k = 0; k + 1 < hits.size(); k += 2) {
      if (vertical)
        out.push_back({{at, hits[k]}, {at, hits[k + 1]}});
      else
        out.push_back({{hits[k], at}, {hits[k + 1], at}});
    }
  }
}

}  // namespace

int32_t hatchPitch(const TObjekt& zone) {
  const int32_t s = zone.HatchAsOutline() ? 2 * zone.Width : zone.Value53;
  return std::max(s, 10);
}

int32_t hatchPenWidth(const TObjekt& zone) {
  return hatchPitch(zone) / 2;
}

std::vector<HatchSegment> hatchSegments(const TObjekt& zone, int32_t s) {
  std::vector<HatchSegment> out;
  if (zone.Points.size() < 3 || s <= 0) return out;
  std::vector<IPoint> rounded;
  rounded.reserve(zone.Points.size());
  for (const Point& p : zone.Points) rounded.push_back(roundPoint(p));
  const IRect box = boundingBox(zone);
  pass(rounded, s, box.left, box.right, true, out);
  pass(rounded, s, box.top, box.bottom, false, out);
  return out;
}

}  // namespace trazello
