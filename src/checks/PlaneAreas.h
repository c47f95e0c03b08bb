#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "PlaneTiles.h"
#include "Polygon.h"

namespace trazello {

// The connected areas of a plane built tile by tile: the pieces of each tile, joined where
// pieces of neighbouring tiles share a stretch of their common tile edge.
class PlaneAreas {
 public:
  explicit PlaneAreas(const TileGrid& grid);

  void addTile(size_t tile, std::vector<PolygonWithHoles> pieces);
  void joinAcrossTileEdges();

  // The number of area ids (pieces); ids of joined pieces share one representative.
  size_t count() const { return pieces_.size(); }
  // The area holding a point (its representative piece), if any; a point on an edge belongs
  // to the piece it bounds.
  std::optional<size_t> areaAt(CPoint p);
  // The area of a piece (its representative), pieces numbered in the order they were added.
  size_t areaOf(size_t piece) { return find(piece); }
  const PolygonWithHoles& shape(size_t piece) const { return pieces_[piece].shape; }
  // The outline of a piece and those of its holes whose boxes meet `box`: within the box, the
  // same area as the whole piece.
  Paths ringsNear(size_t piece, const CBox& box) const;
  // Calls `f` with every piece whose box meets `box`.
  void forPiecesNear(const CBox& box, const std::function<void(size_t)>& f) const;

 private:
  struct Piece {
    PolygonWithHoles shape;
    CBox box;
    std::vector<CBox> holeBoxes;
  };
  struct Stretch {
    int64_t from, to;
    size_t piece;
  };

  size_t find(size_t i);
  void join(size_t a, size_t b);
  std::vector<Stretch> stretchesOn(size_t tile, bool vertical, int64_t at) const;
  void joinSeam(size_t first, size_t second, bool vertical, int64_t at);

  const TileGrid& grid_;
  std::vector<Piece> pieces_;
  std::vector<std::vector<size_t>> piecesOfTile_;
  std::vector<size_t> parent_;
};

// The connected pieces of a plane given as the pieces of each tile: pieces that share a stretch
// of a tile edge are united, the holes inside tiles are kept as they are, and the result is in
// standard order (see inStandardOrder): the pieces one union of the whole plane gives, at a
// cost that grows with the number of corners instead of faster.
std::vector<PolygonWithHoles> joinTilePieces(const TileGrid& grid,
                                             std::vector<std::vector<PolygonWithHoles>> tiles);

}  // namespace trazello
