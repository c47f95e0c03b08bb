#include "BoxGrid.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace trazello {

namespace {

// A box over more cells than this is kept aside.
constexpr int64_t kMostCellsPerBox = 64;

bool meets(const IRect& a, const IRect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

}  // namespace

BoxGrid::BoxGrid(std::vector<Entry> entries, uint32_t idCount) : idCount_(idCount) {
  if (entries.empty()) return;
  int64_t right = INT64_MIN, bottom = INT64_MIN;
  left_ = top_ = INT64_MAX;
  double area = 0;
  for (const Entry& e : entries) {
    left_ = std::min<int64_t>(left_, e.box.left);
    top_ = std::min<int64_t>(top_, e.box.top);
    right = std::max<int64_t>(right, e.box.right);
    bottom = std::max<int64_t>(bottom, e.box.bottom);
    area += (double(e.box.right) - e.box.left + 1) * (double(e.box.bottom) - e.box.top + 1);
  }
  // Cells about the size of the median box would be ideal; the mean area, capped so that the
  // grid never holds many more cells than entries, comes close enough.
  const double width = double(right - left_) + 1, height = double(bottom - top_) + 1;
  const double n = double(entries.size());
  const double side = std::max({std::sqrt(area / n), std::sqrt(width * height / (4 * n)), 1.0});
  cell_ = static_cast<int64_t>(std::min(side, 4e9));
  columns_ = static_cast<int32_t>(std::min<int64_t>(int64_t(width / double(cell_)) + 1, 1 << 15));
  rows_ = static_cast<int32_t>(std::min<int64_t>(int64_t(height / double(cell_)) + 1, 1 << 15));
  const size_t cells = size_t(columns_) * size_t(rows_);
  std::vector<uint32_t> count(cells + 1, 0);
  auto forCells = [&](const IRect& b, auto&& f) {
    for (int32_t r = row(b.top); r <= row(b.bottom); ++r)
      for (int32_t c = column(b.left); c <= column(b.right); ++c)
        f(size_t(r) * size_t(columns_) + size_t(c));
  };
  auto isLarge = [&](const IRect& b) {
    return int64_t(column(b.right) - column(b.left) + 1) * (row(b.bottom) - row(b.top) + 1) >
           kMostCellsPerBox;
  };
  for (const Entry& e : entries) {
    if (isLarge(e.box))
      large_.push_back(e);
    else
      forCells(e.box, [&](size_t c) { ++count[c + 1]; });
  }
  for (size_t c = 0; c < cells; ++c) count[c + 1] += count[c];
  start_ = count;
  entries_.resize(count[cells]);
  for (const Entry& e : entries)
    if (!isLarge(e.box)) forCells(e.box, [&](size_t c) { entries_[count[c]++] = e; });
}

int32_t BoxGrid::column(int64_t x) const {
  return static_cast<int32_t>(std::clamp<int64_t>((x - left_) / cell_, 0, columns_ - 1));
}

int32_t BoxGrid::row(int64_t y) const {
  return static_cast<int32_t>(std::clamp<int64_t>((y - top_) / cell_, 0, rows_ - 1));
}

void BoxGrid::mark(const IRect& area, std::vector<uint64_t>& bits) const {
  bits.assign((size_t(idCount_) + 63) / 64, 0);
  auto take = [&](const Entry& e) {
    if (meets(e.box, area)) bits[e.id >> 6] |= uint64_t(1) << (e.id & 63);
  };
  for (const Entry& e : large_) take(e);
  if (entries_.empty()) return;
  // A query beyond the grid still meets the boxes that stick out of it into the border cells.
  for (int32_t r = row(area.top); r <= row(area.bottom); ++r) {
    const size_t first = size_t(r) * size_t(columns_);
    const size_t from = start_[first + size_t(column(area.left))];
    const size_t to = start_[first + size_t(column(area.right)) + 1];
    for (size_t i = from; i < to; ++i) take(entries_[i]);
  }
}

void listMarked(const std::vector<uint64_t>& bits, std::vector<uint32_t>& out) {
  out.clear();
  for (size_t w = 0; w < bits.size(); ++w) {
    for (uint64_t b = bits[w]; b; b &= b - 1)
      out.push_back(static_cast<uint32_t>(w * 64 + size_t(std::countr_zero(b))));
  }
}

}  // namespace trazello
