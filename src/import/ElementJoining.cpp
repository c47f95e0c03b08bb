#include "ElementJoining.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

#include "model/Geometry.h"

namespace trazello {

namespace {

constexpr int kReach = 4;  // units, and degrees for arcs

bool meets(Point a, Point b) {
  return std::abs(int64_t(roundInt(a.x)) - roundInt(b.x)) <= kReach &&
         std::abs(int64_t(roundInt(a.y)) - roundInt(b.y)) <= kReach;
}

// Elements by the grid cell of a point, cells twice the reach wide, so that every point within
// reach of a query lies in one of the nine cells around it.
class PointGrid {
 public:
  void add(Point p, size_t element) { cells_[key(cellOf(p.x), cellOf(p.y))].push_back(element); }
  template <typename F>
  void near(Point p, F visit) const {
    const int64_t cx = cellOf(p.x), cy = cellOf(p.y);
    for (int64_t dx = -1; dx <= 1; ++dx)
      for (int64_t dy = -1; dy <= 1; ++dy)
        if (const auto it = cells_.find(key(cx + dx, cy + dy)); it != cells_.end())
          for (size_t e : it->second) visit(e);
  }

 private:
  static int64_t cellOf(float v) {
    return static_cast<int64_t>(std::floor(double(roundInt(v)) / (2 * kReach)));
  }
  static uint64_t key(int64_t x, int64_t y) {
    return (uint64_t(x) << 32) ^ (uint64_t(y) & 0xffffffffu);
  }
  std::unordered_map<uint64_t, std::vector<size_t>> cells_;
};

// Appends P to R at the end of R that meets it, as the join rules order them.
void absorb(std::vector<Point>& r, const std::vector<Point>& p) {
  if (meets(r.front(), p.front())) {
    r.insert(r.begin(), p.rbegin(), p.rend() - 1);
  } else if (meets(r.front(), p.back())) {
    r.insert(r.begin(), p.begin(), p.end() - 1);
  } else if (meets(r.back(), p.front())) {
    r.insert(r.end(), p.begin() + 1, p.end());
  } else {
    r.insert(r.end(), p.rbegin() + 1, p.rend());
  }
}

bool touches(const std::vector<Point>& r, const std::vector<Point>& p) {
  return meets(r.front(), p.front()) || meets(r.front(), p.back()) || meets(r.back(), p.front()) ||
         meets(r.back(), p.back());
}

void joinTracks(std::vector<TObjekt>& el, std::vector<bool>& gone) {
  PointGrid grid;
  for (size_t i = 0; i < el.size(); ++i) {
    if (!el[i].is(ElementKind::Track) || el[i].Points.empty()) continue;
    grid.add(el[i].Points.front(), i);
    grid.add(el[i].Points.back(), i);
  }
  for (size_t r = 0; r < el.size(); ++r) {
    if (gone[r] || !el[r].is(ElementKind::Track) || el[r].Points.empty()) continue;
    for (;;) {
      size_t best = el.size();
      auto consider = [&](size_t p) {
        if (p != r && !gone[p] && p < best && el[p].Width == el[r].Width &&
            touches(el[r].Points, el[p].Points))
          best = p;
      };
      grid.near(el[r].Points.front(), consider);
      grid.near(el[r].Points.back(), consider);
      if (best == el.size()) break;
      absorb(el[r].Points, el[best].Points);
      gone[best] = true;
      grid.add(el[r].Points.front(), r);
      grid.add(el[r].Points.back(), r);
    }
  }
}

bool anglesMeet(int32_t a, int32_t b) {
  const int32_t d = ((a - b) % 360 + 360) % 360;
  return d <= kReach || d >= 360 - kReach;
}

bool sameRing(const TObjekt& p, const TObjekt& q) {
  return meets({p.X, p.Y}, {q.X, q.Y}) && std::fabs(p.SizeA - q.SizeA) <= kReach &&
         std::fabs(p.SizeB - q.SizeB) <= kReach;
}

void joinArcs(std::vector<TObjekt>& el, std::vector<bool>& gone) {
  PointGrid grid;
  auto isArc = [&](size_t i) {
    return el[i].is(ElementKind::Circle) && el[i].Spokes != el[i].Width;
  };
  for (size_t i = 0; i < el.size(); ++i)
    if (isArc(i)) grid.add({el[i].X, el[i].Y}, i);
  for (size_t p = 0; p < el.size(); ++p) {
    if (gone[p] || !isArc(p)) continue;
    for (bool joined = true; joined && isArc(p);) {
      joined = false;
      size_t found = el.size();
      grid.near({el[p].X, el[p].Y}, [&](size_t q) {
        if (q != p && !gone[q] && q < found && isArc(q) && sameRing(el[p], el[q]) &&
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
