#include "ElementJoining.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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
// reach of a query lies in one of the (at most four) cells its reach box overlaps. Each cell is
// a chain of entries found through an open-addressing table: one pass over a flat array per
// query, no allocation per cell.
class PointGrid {
 public:
  // `points`: about how many points will be added, for sizing the table.
  explicit PointGrid(size_t points) {
    size_t size = 64;
    while (size < 4 * points) size *= 2;
    slots_.assign(size, Slot{});
    entries_.reserve(2 * points);
  }
  void add(IPoint p, size_t element) {
    Slot& s = slot(key(cellOf(p.x), cellOf(p.y)));
    entries_.push_back({element, s.head});
    s.head = static_cast<int32_t>(entries_.size() - 1);
    if (4 * ++used_ > slots_.size()) grow();
  }
  // Visits the elements near `p` that are not gone, and unlinks the gone ones on the way, so
  // that points where many tracks meet are not searched again and again.
  template <typename F>
  void near(IPoint p, const std::vector<bool>& gone, F visit) {
    const int64_t x0 = cellOf(p.x - kReach), x1 = cellOf(p.x + kReach);
    const int64_t y0 = cellOf(p.y - kReach), y1 = cellOf(p.y + kReach);
    for (int64_t cx = x0; cx <= x1; ++cx)
      for (int64_t cy = y0; cy <= y1; ++cy) {
        Slot* s = find(key(cx, cy));
        if (!s) continue;
        for (int32_t* link = &s->head; *link >= 0;) {
          Entry& e = entries_[size_t(*link)];
          if (gone[e.element]) {
            *link = e.next;
            continue;
          }
          visit(e.element);
          link = &e.next;
        }
      }
  }

 private:
  struct Slot {
    uint64_t key = 0;
    bool used = false;
    int32_t head = -1;
  };
  struct Entry {
    size_t element;
    int32_t next;
  };
  static int64_t cellOf(int64_t v) {
    return v >= 0 ? v / (2 * kReach) : -((-v - 1) / (2 * kReach)) - 1;
  }
  static uint64_t key(int64_t x, int64_t y) {
    return (uint64_t(x) << 32) ^ (uint64_t(y) & 0xffffffffu);
  }
  size_t start(uint64_t k) const {
    return size_t((k * 0x9E3779B97F4A7C15ull) >> 20) & (slots_.size() - 1);
  }
  // The slot of a cell, taken for it when it has none yet.
  Slot& slot(uint64_t k) {
    for (size_t i = start(k);; i = (i + 1) & (slots_.size() - 1)) {
      Slot& s = slots_[i];
      if (s.used && s.key == k) return s;
      if (!s.used) {
        s.used = true;
        s.key = k;
        return s;
      }
    }
  }
  Slot* find(uint64_t k) {
    for (size_t i = start(k);; i = (i + 1) & (slots_.size() - 1)) {
      Slot& s = slots_[i];
      if (!s.used) return nullptr;
      if (s.key == k) return &s;
    }
  }
  void grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.size() * 2, Slot{});
    for (const Slot& s : old)
      if (s.used) slot(s.key).head = s.head;
  }
  std::vector<Slot> slots_;
  std::vector<Entry> entries_;
  size_t used_ = 0;  // entries, a bound on the cells taken
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
  const auto tracks = std::count_if(el.begin(), el.end(),
                                    [](const TObjekt& e) { return e.is(ElementKind::Track); });
  PointGrid grid(2 * size_t(tracks));
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
  PointGrid grid(size_t(std::count_if(el.begin(), el.end(),
                                      [](const TObjekt& e) { return e.is(ElementKind::Circle); })));
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

}  // namespace

bool continueTrack(TObjekt& track, int32_t width, Point from, Point to) {
  if (!track.is(ElementKind::Track) || track.Width != width || track.Points.empty()) return false;
  const Ends t = endsOf(track);
  const IPoint a = rounded(from), b = rounded(to);
  // The order of absorb(): a draw that meets the track's start is placed there instead.
  if (meets(t.first, a) || meets(t.first, b) || !meets(t.last, a)) return false;
  track.Points.push_back(to);
  return true;
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

void joinImportedElements(std::vector<TObjekt>& elements) {
  std::vector<bool> gone(elements.size(), false);
  joinTracks(elements, gone);
  removeGone(elements, gone);
  joinArcs(elements, gone);
  removeGone(elements, gone);
}

}  // namespace trazello
