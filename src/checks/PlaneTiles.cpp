#include "PlaneTiles.h"

#include <algorithm>
#include <cmath>

#include "CopperShapes.h"
#include "PolygonOps.h"
#include "model/Geometry.h"
#include "model/LayerPredicates.h"

namespace trazello {

namespace {
constexpr double kElementsPerTile = 100;
}

TileGrid::TileGrid(const BoardSettings& board, size_t elementCount)
    : width_(std::max(board.width, 1)), height_(std::max(board.height, 1)) {
  const double tiles = std::max(1.0, double(elementCount) / kElementsPerTile);
  const double aspect = double(width_) / height_;
  cols_ = std::clamp(static_cast<int>(std::round(std::sqrt(tiles * aspect))), 1, 512);
  rows_ = std::clamp(static_cast<int>(std::round(tiles / cols_)), 1, 512);
  // Tiles narrower than a millimetre would only add seams.
  cols_ = std::min(cols_, std::max(1, width_ / 100));
  rows_ = std::min(rows_, std::max(1, height_ / 100));
}

int32_t TileGrid::xAt(int c) const {
  return static_cast<int32_t>(int64_t(width_) * c / cols_);
}

int32_t TileGrid::yAt(int r) const {
  return -static_cast<int32_t>(int64_t(height_) * r / rows_);
}

namespace {
// The part `i` of `parts` equal parts of `length` that holds `v` (both in `scale` steps per
// unit), where part i starts at length * i / parts cut to whole units, as the tile edges are.
// A share of proportions alone would put a point just past a cut edge into the part before.
int partOf(int64_t v, int64_t length, int parts, int64_t scale) {
  const auto start = [&](int i) { return length * i / parts * scale; };
  int i = static_cast<int>(std::clamp<int64_t>(v * parts / (length * scale), 0, parts - 1));
  while (i + 1 < parts && v >= start(i + 1)) ++i;
  while (i > 0 && v < start(i)) --i;
  return i;
}
}  // namespace

int TileGrid::columnOf(int64_t x, int64_t scale) const {
  return partOf(x, width_, cols_, scale);
}
int TileGrid::rowOf(int64_t depth, int64_t scale) const {
  return partOf(depth, height_, rows_, scale);
}

IRect TileGrid::bounds(size_t tile) const {
  const int c = static_cast<int>(tile % static_cast<size_t>(cols_));
  const int r = static_cast<int>(tile / static_cast<size_t>(cols_));
  return {xAt(c), yAt(r + 1), xAt(c + 1), yAt(r)};
}

Path TileGrid::rect(size_t tile) const {
  const IRect b = bounds(tile);
  const int64_t s = kShapeScale;
  return {{b.left * s, b.top * s},
          {b.right * s, b.top * s},
          {b.right * s, b.bottom * s},
          {b.left * s, b.bottom * s}};
}

int64_t TileGrid::columnEdge(int c) const {
  return int64_t(xAt(c)) * kShapeScale;
}
int64_t TileGrid::rowEdge(int r) const {
  return int64_t(yAt(r)) * kShapeScale;
}

void TileGrid::forTilesOverlapping(const IRect& box, const std::function<void(size_t)>& f) const {
  if (isEmpty(box)) return;
  if (box.right < 0 || box.left > width_ || box.bottom < -height_ || box.top > 0) return;
  for (int r = rowOf(-int64_t(box.bottom), 1); r <= rowOf(-int64_t(box.top), 1); ++r) {
    for (int c = columnOf(box.left, 1); c <= columnOf(box.right, 1); ++c) {
      if (overlaps(bounds(index(c, r)), box)) f(index(c, r));
    }
  }
}

bool TileGrid::tileAt(CPoint p, size_t& tile) const {
  const int64_t s = kShapeScale;
  if (p.x < 0 || p.x > width_ * s || p.y > 0 || p.y < -height_ * s) return false;
  tile = index(columnOf(p.x, s), rowOf(-p.y, s));
  return true;
}

IRect unitsBoxOf(const Paths& paths) {
  IRect r;
  for (const Path& ring : paths) {
    const CBox b = boxOf(ring);
    const auto down = [](int64_t v) {
      return static_cast<int32_t>(std::floor(double(v) / kShapeScale));
    };
    const auto up = [](int64_t v) {
      return static_cast<int32_t>(std::ceil(double(v) / kShapeScale));
    };
    r = unite(r, IRect{down(b.left), down(b.bottom), up(b.right) + 1, up(b.top) + 1});
  }
  return r;
}

namespace {

// What each tile's plane loses and gains: clearance areas and cut-outs, thermal spokes.
struct TileCuts {
  std::vector<Paths> cuts, spokes;
};

TileCuts cutsOf(const ElementList& list, int layerCode, const TileGrid& grid) {
  TileCuts out{std::vector<Paths>(grid.count()), std::vector<Paths>(grid.count())};
  for (const TObjekt& e : list) {
    if (!isOnLayer(e, layerCode)) continue;
    const Paths cut = clearanceRegion(e);
    const Paths spoke = e.KeepOut ? Paths{} : spokeRegion(e);
    if (cut.empty() && spoke.empty()) continue;
    grid.forTilesOverlapping(unitsBoxOf(cut), [&](size_t t) {
      out.cuts[t].insert(out.cuts[t].end(), cut.begin(), cut.end());
    });
    grid.forTilesOverlapping(unitsBoxOf(spoke), [&](size_t t) {
      out.spokes[t].insert(out.spokes[t].end(), spoke.begin(), spoke.end());
    });
  }
  return out;
}

Paths floodOfTile(const TileGrid& grid, size_t t, const Paths& cuts, const Paths& spokes) {
  const Paths rect{grid.rect(t)};
  Paths flood = subtract(rect, cuts);
  if (!spokes.empty()) flood = unite(flood, intersect(rect, unite(spokes)));
  return flood;
}

}  // namespace

std::vector<Paths> floodTiles(const ElementList& list, int layerCode, const TileGrid& grid) {
  TileCuts tiles = cutsOf(list, layerCode, grid);
  std::vector<Paths> flood(grid.count());
  for (size_t t = 0; t < grid.count(); ++t) {
    flood[t] = floodOfTile(grid, t, tiles.cuts[t], tiles.spokes[t]);
    Paths().swap(tiles.cuts[t]);
  }
  return flood;
}

std::vector<std::vector<PolygonWithHoles>> floodTilePieces(const ElementList& list, int layerCode,
                                                           const TileGrid& grid,
                                                           std::vector<Paths> copper) {
  TileCuts tiles = cutsOf(list, layerCode, grid);
  std::vector<std::vector<PolygonWithHoles>> out(grid.count());
  for (size_t t = 0; t < grid.count(); ++t) {
    const Paths rect{grid.rect(t)};
    if (tiles.spokes[t].empty() && (copper.empty() || copper[t].empty())) {
      // The plane alone in one pass of the polygon library.
      out[t] = piecesOfDifference(rect, tiles.cuts[t]);
    } else {
      Paths area = floodOfTile(grid, t, tiles.cuts[t], tiles.spokes[t]);
      if (!copper.empty()) area.insert(area.end(), copper[t].begin(), copper[t].end());
      out[t] = piecesWithin(area, rect);
    }
    Paths().swap(tiles.cuts[t]);
    if (!copper.empty()) Paths().swap(copper[t]);
  }
  return out;
}

}  // namespace trazello
