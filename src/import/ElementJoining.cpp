#include "ElementJoining.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

#include "model/Geometry.h"

namespace trazello {

namespace {

constexpr int kReach = 4;  // units, and degrees for arcs

IPoint rounded(Point p) {
  return {roundInt(p.x), roundInt(p.y)};
}

bool meets(IPoint a, IPoint b) {
  return std::abs(int64_t(a.x) - b.x) <= kReach && std::abs(int64_t(a.y) - b.y) <= kReach;
}
bool meets(Point a, Point b) {
  return meets(rounded(a), rounded(b));
}

// Elements by the grid cell of a point, cells twice the reach wide, so that every point within
// reach of a query lies in one of the nine cells around it.
class PointGrid {
 public:
  void add(IPoint p, size_t element) { cells_[key(cellOf(p.x), cellOf(p.y))].push_back(element); }
  // Visits the elements near `p` that are not gone, and forgets the gone ones on the way, so
  // that points where many tracks meet are not searched again and again.
  template <typename F>
  void near(IPoint p, const std::vector<bool>& gone, F visit) {
    const int64_t cx = cellOf(p.x), cy = cellOf(p.y);
    for (int64_t dx = -1; dx <= 1; ++dx)
      for (int64_t dy = -1; dy <= 1; ++dy)
        if (const auto it = cells_.find(key(cx + dx, cy + dy)); it != cells_.end()) {
          std::erase_if(it->second, [&](size_t e) { return gone[e]; });
          for (size_t e : it->second) visit(e);
        }
  }

 private:
  static int64_t cellOf(int32_t v) {
    return static_cast<int64_t>(std::floor(double(v) / (2 * kReach)));
  }
  static uint64_t key(int64_t x, int64_t y) {
    return (uint64_t(x) << 32) ^ (uint64_t(y) & 0xffffffffu);
  }
  std::unordered_map<uint64_t, std::vector<size_t>> cells_;
};

// A track's end points, rounded once.
struct Ends {
  IPoint first, last;
};
Ends endsOf(const TObjekt& t) {
  return {rounded(t.Points.front()), rounded(t.Points.back())};
}

// Appends P to R at the end of R that meets it, as the join rules order them.
void absorb(std::vector<Point>& r, const Ends& re, const std::vector<Point>& p, const Ends& pe) {
  if (meets(re.first, pe.first)) {
    r.insert(r.begin(), p.rbegin(), p.rend() - 1);
  } else if (meets(re.first, pe.last)) {
    r.insert(r.begin(), p.begin(), p.end() - 1);
  } else if (meets(re.last, pe.first)) {
    r.insert(r.end(), p.begin() + 1, p.end());
  } else {
    r.insert(r.end(), p.rbegin() + 1, p.rend());
  }
}

bool touches(const Ends& r, const Ends& p) {
  return meets(r.first, p.first) || meets(r.first, p.last) || meets(r.last, p.first) ||
         meets(r.last, p.last);
}

void joinTracks(std::vector<TObjekt>& el, std::vector<bool>& gone) {
  PointGrid grid;
  std::vector<Ends> ends(el.size());
  for (size_t i = 0; i < el.size(); ++i) {
    if (!el[i].is(ElementKind::Track) || el[i].Points.empty()) continue;
    ends[i] = endsOf(el[i]);
    grid.add(ends[i].first, i);
    grid.add(ends[i].last, i);
  }
  for (size_t r = 0; r < el.size(); ++r) {
    if (gone[r] || !el[r].is(ElementKind::Track) || el[r].Points.empty()) continue;
    for (;;) {
      size_t best = el.size();
      auto consider = [&](size_t p) {
        if (p != r && p < best && el[p].Width == el[r].Width && touches(ends[r], ends[p])) best = p;
      };
      grid.near(ends[r].first, gone, consider);
      grid.near(ends[r].last, gone, consider);
      if (best == el.size()) break;
      absorb(el[r].Points, ends[r], el[best].Points, ends[best]);
      gone[best] = true;
      ends[r] = endsOf(el[r]);
      grid.add(ends[r].first, r);
      grid.add(ends[r].last, r);
    }
  }
}

bool anglesMeet(int32_t a, int32_t b) {
  const int32_t d = ((a - b) % 360 + 360) % 360;
  return d <= kReach || d >= 360 - kReach;
}

bool sameRing(const TObjekt& p, const TObjekt& q) {
  return meets(Point{p.X, p.Y}, Point{q.X, q.Y}) && std::fabs(p.SizeA - q.SizeA) <= kReach &&
         std::fabs(p.SizeB - q.SizeB) <= kReach;
}

void joinArcs(std::vector<TObjekt>& el, std::vector<bool>& gone) {
  PointGrid grid;
  auto isArc = [&](size_t i) {
    return el[i].is(ElementKind::Circle) && el[i].Spokes != el[i].Width;
  };
  for (size_t i = 0; i < el.size(); ++i)
    if (isArc(i)) grid.add(rounded({el[i].X, el[i].Y}), i);
  for (size_t p = 0; p < el.size(); ++p) {
    if (gone[p] || !isArc(p)) continue;
    for (bool joined = true; joined && isArc(p);) {
      joined = false;
      size_t found = el.size();
      grid.near(rounded({el[p].X, el[p].Y}), gone, [&](size_t q) {
        if (q != p && q < found && isArc(q) && sameRing(el[p], el[q]) &&
            (anglesMeet(el[p].Spokes, el[q].Width) || anglesMeet(el[p].Width, el[q].Spokes)))
          found = q;
      });
      if (found == el.size()) break;
      TObjekt& a = el[p];
      const TObjekt& b = el[found];
      if (anglesMeet(a.Spokes, b.Width))
        a.Spokes = b.Spokes;
      else
        a.Width = b.Width;
      gone[found] = true;
      joined = true;
    }
  }
}

void removeGone(std::vector<TObjekt>& el, std::vector<bool>& gone) {
  size_t k = 0;
  for (size_t i = 0; i < el.size(); ++i)
    if (!gone[i]) {
      if (k != i) el[k] = std::move(el[i]);
      ++k;
    }
  el.resize(k);
  gone.assign(k, false);
}

}  // namespace

void joinImportedElements(std::vector<TObjekt>& elements) {
  std::vector<bool> gone(elements.size(), false);
  joinTracks(elements, gone);
  removeGone(elements, gone);
  joinArcs(elements, gone);
  removeGone(elements, gone);
}

}  // namespace trazello
