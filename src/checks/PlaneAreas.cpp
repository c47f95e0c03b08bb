#include "PlaneAreas.h"

#include <algorithm>

#include "PolygonOps.h"
#include "TileSeams.h"

namespace trazello {

PlaneAreas::PlaneAreas(const TileGrid& grid) : grid_(grid), piecesOfTile_(grid.count()) {}

void PlaneAreas::addTile(size_t tile, std::vector<PolygonWithHoles> pieces) {
  for (PolygonWithHoles& shape : pieces) {
    Piece p;
    p.box = boxOf(shape.outer);
    for (const Path& hole : shape.holes) p.holeBoxes.push_back(boxOf(hole));
    p.shape = std::move(shape);
    piecesOfTile_[tile].push_back(pieces_.size());
    parent_.push_back(pieces_.size());
    pieces_.push_back(std::move(p));
  }
}

size_t PlaneAreas::find(size_t i) {
  while (parent_[i] != i) i = parent_[i] = parent_[parent_[i]];
  return i;
}

void PlaneAreas::join(size_t a, size_t b) {
  a = find(a);
  b = find(b);
  if (a != b) parent_[std::max(a, b)] = std::min(a, b);
}

std::vector<PlaneAreas::Stretch> PlaneAreas::stretchesOn(size_t tile, bool vertical,
                                                         int64_t at) const {
  std::vector<Stretch> out;
  auto scan = [&](const Path& ring, size_t piece) {
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
      const CPoint a = ring[j], b = ring[i];
      if (vertical && a.x == at && b.x == at && a.y != b.y)
        out.push_back({std::min(a.y, b.y), std::max(a.y, b.y), piece});
      if (!vertical && a.y == at && b.y == at && a.x != b.x)
        out.push_back({std::min(a.x, b.x), std::max(a.x, b.x), piece});
    }
  };
  for (size_t id : piecesOfTile_[tile]) {
    scan(pieces_[id].shape.outer, id);
    for (const Path& hole : pieces_[id].shape.holes) scan(hole, id);
  }
  std::sort(out.begin(), out.end(), [](const Stretch& l, const Stretch& r) { return l.from < r.from; });
  return out;
}

void PlaneAreas::joinSeam(size_t first, size_t second, bool vertical, int64_t at) {
  const std::vector<Stretch> a = stretchesOn(first, vertical, at);
  const std::vector<Stretch> b = stretchesOn(second, vertical, at);
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    // A common stretch of positive length joins; meeting at one point does not.
    if (std::min(a[i].to, b[j].to) > std::max(a[i].from, b[j].from)) join(a[i].piece, b[j].piece);
    if (a[i].to < b[j].to)
      ++i;
    else
      ++j;
  }
}

void PlaneAreas::joinAcrossTileEdges() {
  for (int r = 0; r < grid_.rows(); ++r) {
    for (int c = 0; c < grid_.cols(); ++c) {
      if (c + 1 < grid_.cols())
        joinSeam(grid_.index(c, r), grid_.index(c + 1, r), true, grid_.columnEdge(c + 1));
      if (r + 1 < grid_.rows())
        joinSeam(grid_.index(c, r), grid_.index(c, r + 1), false, grid_.rowEdge(r + 1));
    }
  }
}

namespace {

// Whether a point lies on the edge of a ring.
bool onRing(const Path& ring, CPoint p) {
  for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    const CPoint a = ring[j], b = ring[i];
    if (p.x < std::min(a.x, b.x) || p.x > std::max(a.x, b.x) || p.y < std::min(a.y, b.y) ||
        p.y > std::max(a.y, b.y))
      continue;
    if (__int128(b.x - a.x) * (p.y - a.y) == __int128(b.y - a.y) * (p.x - a.x)) return true;
  }
  return false;
}

}  // namespace

std::optional<size_t> PlaneAreas::areaAt(CPoint p) {
  size_t tile = 0;
  if (!grid_.tileAt(p, tile)) return std::nullopt;
  for (size_t id : piecesOfTile_[tile]) {
    const Piece& piece = pieces_[id];
    if (!piece.box.contains(p) || !insideRing(piece.shape.outer, p)) continue;
    bool inHole = false;
    for (size_t h = 0; h < piece.holeBoxes.size() && !inHole; ++h) {
      // The edge of a hole belongs to the piece around it.
      inHole = piece.holeBoxes[h].contains(p) && insideRing(piece.shape.holes[h], p) &&
               !onRing(piece.shape.holes[h], p);
    }
    if (!inHole) return find(id);
  }
  return std::nullopt;
}

Paths PlaneAreas::ringsNear(size_t piece, const CBox& box) const {
  const Piece& p = pieces_[piece];
  Paths out{p.shape.outer};
  for (size_t h = 0; h < p.holeBoxes.size(); ++h) {
    const CBox& b = p.holeBoxes[h];
    if (b.left <= box.right && box.left <= b.right && b.bottom <= box.top && box.bottom <= b.top)
      out.push_back(p.shape.holes[h]);
  }
  return out;
}

void PlaneAreas::forPiecesNear(const CBox& box, const std::function<void(size_t)>& f) const {
  const auto down = [](int64_t v) { return static_cast<int32_t>(v / kShapeScale - 1); };
  const auto up = [](int64_t v) { return static_cast<int32_t>(v / kShapeScale + 1); };
  const IRect units{down(box.left), down(box.bottom), up(box.right), up(box.top)};
  grid_.forTilesOverlapping(units, [&](size_t tile) {
    for (size_t id : piecesOfTile_[tile]) {
      const CBox& b = pieces_[id].box;
      if (b.left <= box.right && box.left <= b.right && b.bottom <= box.top && box.bottom <= b.top)
        f(id);
    }
  });
}

namespace {

// Which of the joined pieces holds a hole of one of the joined tile pieces. Nearly always there
// is only one; pieces that met only at corners of their outlines can come out apart.
size_t pieceHolding(const std::vector<PolygonWithHoles>& joined, const Path& hole) {
  for (size_t j = 0; j + 1 < joined.size(); ++j) {
    if (insideRing(joined[j].outer, hole.front())) return j;
  }
  return joined.size() - 1;
}

}  // namespace

std::vector<PolygonWithHoles> joinTilePieces(const TileGrid& grid,
                                             std::vector<std::vector<PolygonWithHoles>> tiles) {
  PlaneAreas areas(grid);
  for (size_t t = 0; t < tiles.size(); ++t) areas.addTile(t, std::move(tiles[t]));
  areas.joinAcrossTileEdges();
  std::vector<std::vector<size_t>> members(areas.count());
  for (size_t id = 0; id < areas.count(); ++id) members[areas.areaOf(id)].push_back(id);
  std::vector<PolygonWithHoles> out;
  for (const std::vector<size_t>& area : members) {
    if (area.size() == 1) out.push_back(areas.shape(area.front()));
    if (area.size() <= 1) continue;
    // A hole lies inside its tile, away from every seam: joining the outlines leaves it alone.
    std::vector<const Path*> outlines;
    for (size_t id : area) outlines.push_back(&areas.shape(id).outer);
    std::vector<PolygonWithHoles> joined = joinedOutlines(grid, outlines);
    if (joined.empty()) continue;
    for (size_t id : area) {
      for (const Path& hole : areas.shape(id).holes) {
        if (!hole.empty()) joined[pieceHolding(joined, hole)].holes.push_back(hole);
      }
    }
    out.insert(out.end(), std::make_move_iterator(joined.begin()),
               std::make_move_iterator(joined.end()));
  }
  return inStandardOrder(std::move(out));
}

}  // namespace trazello
