#include "CostGrid.h"

#include <algorithm>

#include "model/Geometry.h"

namespace trazello {

int32_t routePitch(int32_t width, int32_t clearance) {
  const int32_t g = roundInt(Real(width + 2 * clearance) / 10) * 10;
  return std::max(g, 40);
}

CostGrid::CostGrid(int32_t pitch, int32_t width, int32_t height)
    : pitch_(std::max(pitch, 1)),
      nx_(std::max(roundInt(Real(width) / pitch_) - 1, 0)),
      ny_(std::max(roundInt(Real(height) / pitch_) - 1, 0)),
      values_(size_t(nx_ + 1) * size_t(ny_ + 1), kUndecided) {}

Cell CostGrid::cellOf(Point p) const {
  const int32_t half = pitch_ / 2;
  return {roundInt((Real(p.x) - half) / pitch_), -roundInt((Real(p.y) + half) / pitch_)};
}

Point CostGrid::centreOf(Cell c) const {
  const int32_t half = pitch_ / 2;
  return {float(c.x * pitch_ + half), float(-(c.y * pitch_ + half))};
}

IRect unitsBoxOfCells(const CellRect& r, int32_t pitch) {
  return {r.left * pitch, -(r.bottom + 1) * pitch, (r.right + 1) * pitch, -r.top * pitch};
}

}  // namespace trazello
