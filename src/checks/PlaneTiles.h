#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "Polygon.h"
#include "model/BoardSettings.h"
#include "model/ElementList.h"

namespace trazello {

// The board cut into tiles of about a hundred elements each. The polygon library's sweep grows
// faster than linearly with the number of edges it crosses at once, so large planes are built
// tile by tile; the pieces of neighbouring tiles meet along the tile edges.
class TileGrid {
 public:
  TileGrid(const BoardSettings& board, size_t elementCount);

  size_t count() const { return static_cast<size_t>(cols_) * static_cast<size_t>(rows_); }
  int cols() const { return cols_; }
  int rows() const { return rows_; }
  // Tile (c, r): column c from the left, row r from the top.
  size_t index(int c, int r) const {
    return static_cast<size_t>(r) * static_cast<size_t>(cols_) + static_cast<size_t>(c);
  }
  IRect bounds(size_t tile) const;
  Path rect(size_t tile) const;
  // The x of the edge between columns c - 1 and c, and the y between rows r - 1 and r, in
  // shape steps.
  int64_t columnEdge(int c) const;
  int64_t rowEdge(int r) const;
  void forTilesOverlapping(const IRect& box, const std::function<void(size_t)>& f) const;
  // The tile holding a point of the board; false outside it.
  bool tileAt(CPoint p, size_t& tile) const;

 private:
  // The column holding x, and the row holding the point `depth` below the top edge, both in
  // `scale` steps per unit; points beyond the board go to the border tiles.
  int columnOf(int64_t x, int64_t scale) const;
  int rowOf(int64_t depth, int64_t scale) const;
  int32_t xAt(int c) const;
  int32_t yAt(int r) const;

  int32_t width_, height_;
  int cols_ = 1, rows_ = 1;
};

// The ground plane of a layer, tile by tile (see floodOfLayer).
std::vector<Paths> floodTiles(const ElementList& list, int layerCode, const TileGrid& grid);

// The same as the connected pieces within each tile, with `copper` (one list per tile, or
// none) united with the plane of its tile.
std::vector<std::vector<PolygonWithHoles>> floodTilePieces(const ElementList& list, int layerCode,
                                                           const TileGrid& grid,
                                                           std::vector<Paths> copper = {});

// The smallest box in whole units around some areas.
IRect unitsBoxOf(const Paths& paths);

}  // namespace trazello
