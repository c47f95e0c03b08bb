#include "ZoneHatch.h"

#include <algorithm>

#include "ElementGeometry.h"
#include "Geometry.h"

namespace trazello {

namespace {

constexpr int64_t kLargestPitch = 1'000'000'000;

bool multipleOf(int64_t v, int64_t s) {
  return v % s == 0;
}

// One pass of scan lines: vertical lines at fixed x, or horizontal ones at fixed y; `key` and
// `other` pick the coordinates so that both passes are the same code. The edges are swept in
// order of their lower end, so that each line looks only at the edges spanning it.
// Returns false, leaving `out` incomplete, once `out` holds more than `most` segments.
bool pass(const std::vector<IPoint>& rounded, int32_t s, int32_t from, int32_t to, bool vertical,
          size_t most, std::vector<HatchSegment>& out) {
  std::vector<IPoint> v = rounded;
  auto key = [&](const IPoint& p) -> int64_t { return vertical ? p.x : p.y; };
  auto other = [&](const IPoint& p) -> int64_t { return vertical ? p.y : p.x; };
  for (IPoint& p : v)
    if (multipleOf(key(p), s)) (vertical ? p.x : p.y) += 2;
  const size_t n = v.size();
  std::vector<size_t> byLow(n);
  for (size_t i = 0; i < n; ++i) byLow[i] = i;
  auto low = [&](size_t i) { return std::min(key(v[i]), key(v[(i + 1) % n])); };
  auto high = [&](size_t i) { return std::max(key(v[i]), key(v[(i + 1) % n])); };
  std::sort(byLow.begin(), byLow.end(), [&](size_t i, size_t j) { return low(i) < low(j); });
  size_t entered = 0;
  std::vector<size_t> spanning;
  std::vector<int32_t> hits;
  for (int64_t line = static_cast<int64_t>(roundInt(Real(from) / s)) * s; line < to; line += s) {
    // An edge crosses the line when one end lies below it and the other on or above it.
    while (entered < n && low(byLow[entered]) < line) spanning.push_back(byLow[entered++]);
    std::erase_if(spanning, [&](size_t i) { return high(i) < line; });
    hits.clear();
    for (size_t i : spanning) {
      const IPoint& a = v[i];
      const IPoint& b = v[(i + 1) % n];
      const int64_t ka = key(a), kb = key(b);
      const Real t = Real(line - ka) / Real(kb - ka);
      const int32_t cross = roundInt(Real(other(a)) + t * Real(other(b) - other(a)));
      hits.push_back(cross);
    }
    // Two edges meeting on the line give one crossing.
    std::sort(hits.begin(), hits.end());
    hits.erase(std::unique(hits.begin(), hits.end()), hits.end());
    const auto at = static_cast<int32_t>(line);
    for (size_t k = 0; k + 1 < hits.size(); k += 2) {
      if (vertical)
        out.push_back({{at, hits[k]}, {at, hits[k + 1]}});
      else
        out.push_back({{hits[k], at}, {hits[k + 1], at}});
    }
    if (out.size() > most) return false;
  }
  return true;
}

}  // namespace

int32_t hatchPitch(const TObjekt& zone) {
  const int32_t s = zone.HatchAsOutline() ? 2 * zone.Width : zone.Value53;
  return std::max(s, 10);
}

int32_t hatchPenWidth(const TObjekt& zone) {
  return hatchPitch(zone) / 2;
}

std::vector<HatchSegment> hatchSegments(const TObjekt& zone, int32_t s, size_t most) {
  std::vector<HatchSegment> out;
  if (zone.Points.size() < 3 || s <= 0) return out;
  std::vector<IPoint> rounded;
  rounded.reserve(zone.Points.size());
  for (const Point& p : zone.Points) rounded.push_back(roundPoint(p));
  const IRect box = boundingBox(zone);
  // No board needs more lines than this; a zone larger than any board is hatched more coarsely
  // rather than with millions of lines.
  const int64_t extent = std::max(int64_t(box.right) - box.left, int64_t(box.bottom) - box.top);
  int64_t pitch = std::max<int64_t>(s, (extent + kMostHatchLines - 1) / kMostHatchLines);
  // A zigzag outline crossed by every line many times would still give more segments than any
  // picture or file can use: coarser until it fits.
  for (;; pitch *= 2) {
    out.clear();
    const auto step = static_cast<int32_t>(std::min<int64_t>(pitch, kLargestPitch));
    const bool whole = pass(rounded, step, box.left, box.right, true, most, out) &&
                       pass(rounded, step, box.top, box.bottom, false, most, out);
    // One line each way is as coarse as it gets; whatever fits of it is kept.
    if (whole || pitch > extent) return out;
  }
}

}  // namespace trazello
