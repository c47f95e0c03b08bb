#include "TileSeams.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "PolygonOps.h"

namespace trazello {

namespace {

struct Edge {
  CPoint from, to;
  bool used = false;
};

// A stretch of one tile edge that a piece's outline runs along: upwards (or rightwards) with
// the piece before the line, the other way with the piece after it.
struct Stretch {
  int64_t from, to;
  bool forward;
};

struct PointHash {
  size_t operator()(CPoint p) const {
    return std::hash<uint64_t>()(uint64_t(p.x) * 1000003u + uint64_t(p.y));
  }
};

class Stitcher {
 public:
  explicit Stitcher(const TileGrid& grid) {
    for (int c = 1; c < grid.cols(); ++c) columns_.push_back(grid.columnEdge(c));
    for (int r = 1; r < grid.rows(); ++r) rows_.push_back(grid.rowEdge(r));
    std::sort(rows_.begin(), rows_.end());
    vertical_.resize(columns_.size());
    horizontal_.resize(rows_.size());
  }

  void add(const Path& ring) {
    for (size_t i = 0; i < ring.size(); ++i) {
      const CPoint a = ring[i], b = ring[(i + 1) % ring.size()];
      if (a == b) continue;
      if (a.x == b.x) {
        const auto s = std::lower_bound(columns_.begin(), columns_.end(), a.x);
        if (s != columns_.end() && *s == a.x) {
          vertical_[size_t(s - columns_.begin())].push_back(
              {std::min(a.y, b.y), std::max(a.y, b.y), b.y > a.y});
          continue;
        }
      }
      if (a.y == b.y) {
        const auto s = std::lower_bound(rows_.begin(), rows_.end(), a.y);
        if (s != rows_.end() && *s == a.y) {
          horizontal_[size_t(s - rows_.begin())].push_back(
              {std::min(a.x, b.x), std::max(a.x, b.x), b.x > a.x});
          continue;
        }
      }
      edges_.push_back({a, b});
    }
  }

  std::vector<PolygonWithHoles> joined() {
    for (size_t s = 0; s < columns_.size(); ++s)
      keepUnshared(vertical_[s], [&](int64_t v) { return CPoint{columns_[s], v}; });
    for (size_t s = 0; s < rows_.size(); ++s)
      keepUnshared(horizontal_[s], [&](int64_t v) { return CPoint{v, rows_[s]}; });
    std::unordered_multimap<CPoint, size_t, PointHash> leaving;
    leaving.reserve(edges_.size());
    for (size_t i = 0; i < edges_.size(); ++i) leaving.emplace(edges_[i].from, i);
    Paths outers, holes;
    for (size_t i = 0; i < edges_.size(); ++i) {
      if (edges_[i].used) continue;
      Path ring = walk(i, leaving);
      dropStraightCorners(ring);
      if (ring.size() < 3) continue;
      (signedArea(ring) > 0 ? outers : holes).push_back(std::move(ring));
    }
    std::vector<PolygonWithHoles> out(outers.size());
    for (size_t k = 0; k < outers.size(); ++k) out[k].outer = std::move(outers[k]);
    for (Path& hole : holes) {
      size_t k = 0;
      while (k + 1 < out.size() && !insideRing(out[k].outer, hole.front())) ++k;
      if (!out.empty()) out[k].holes.push_back(std::move(hole));
    }
    return out;
  }

 private:
  // The stretches of one tile edge covered from one side only stay, as maximal edges; where
  // pieces on both sides meet, the outline has no edge.
  template <class At>
  void keepUnshared(std::vector<Stretch>& stretches, At at) {
    if (stretches.empty()) return;
    std::vector<int64_t> cuts;
    for (const Stretch& s : stretches) {
      cuts.push_back(s.from);
      cuts.push_back(s.to);
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    std::vector<int> forward(cuts.size()), backward(cuts.size());
    for (const Stretch& s : stretches) {
      const size_t from = size_t(std::lower_bound(cuts.begin(), cuts.end(), s.from) - cuts.begin());
      const size_t to = size_t(std::lower_bound(cuts.begin(), cuts.end(), s.to) - cuts.begin());
      std::vector<int>& count = s.forward ? forward : backward;
      ++count[from];
      --count[to];
    }
    int f = 0, b = 0;
    int runSide = 0;  // 1 forward, -1 backward, 0 none
    int64_t runFrom = 0;
    for (size_t k = 0; k < cuts.size(); ++k) {
      f += forward[k];
      b += backward[k];
      const int side = (f > 0) == (b > 0) ? 0 : (f > 0 ? 1 : -1);
      if (side == runSide) continue;
      if (runSide == 1) edges_.push_back({at(runFrom), at(cuts[k])});
      if (runSide == -1) edges_.push_back({at(cuts[k]), at(runFrom)});
      runSide = side;
      runFrom = cuts[k];
    }
    stretches.clear();
  }

  // Follows edges from edge `first` until the ring closes. Where several edges leave one
  // corner (pieces meeting only there), the one turning furthest left is taken, so that such
  // pieces stay apart.
  Path walk(size_t first, const std::unordered_multimap<CPoint, size_t, PointHash>& leaving) {
    Path ring;
    size_t e = first;
    while (true) {
      edges_[e].used = true;
      ring.push_back(edges_[e].from);
      const CPoint at = edges_[e].to;
      const double inX = double(at.x - edges_[e].from.x), inY = double(at.y - edges_[e].from.y);
      auto [lo, hi] = leaving.equal_range(at);
      size_t next = edges_.size();
      double best = -INFINITY;
      for (auto it = lo; it != hi; ++it) {
        const Edge& c = edges_[it->second];
        if (c.used) continue;
        const double outX = double(c.to.x - at.x), outY = double(c.to.y - at.y);
        const double turn = std::atan2(inX * outY - inY * outX, inX * outX + inY * outY);
        if (next == edges_.size() || turn > best) {
          best = turn;
          next = it->second;
        }
      }
      if (next == edges_.size()) return ring;
      e = next;
    }
  }

  static double signedArea(const Path& ring) {
    double a = 0;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++)
      a += double(ring[j].x) * double(ring[i].y) - double(ring[i].x) * double(ring[j].y);
    return a / 2;
  }

  // Corners where the outline runs straight on or turns right back.
  static void dropStraightCorners(Path& ring) {
    bool changed = true;
    while (changed && ring.size() >= 3) {
      changed = false;
      Path kept;
      kept.reserve(ring.size());
      for (size_t i = 0; i < ring.size(); ++i) {
        const CPoint p = kept.empty() ? ring[(i + ring.size() - 1) % ring.size()] : kept.back();
        const CPoint c = ring[i], n = ring[(i + 1) % ring.size()];
        const __int128 cross =
            __int128(c.x - p.x) * (n.y - c.y) - __int128(c.y - p.y) * (n.x - c.x);
        if (c == p || cross == 0) {
          changed = true;
          continue;
        }
        kept.push_back(c);
      }
      ring = std::move(kept);
    }
  }

  std::vector<int64_t> columns_, rows_;
  std::vector<std::vector<Stretch>> vertical_, horizontal_;
  std::vector<Edge> edges_;
};

}  // namespace

std::vector<PolygonWithHoles> joinedOutlines(const TileGrid& grid,
                                             const std::vector<const Path*>& outlines) {
  Stitcher s(grid);
  for (const Path* ring : outlines) s.add(*ring);
  return s.joined();
}

}  // namespace trazello
