// The grid finds exactly the overlapping boxes, whatever their size or place, and boxes far
// larger than the grid neither fill it nor get lost.
#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <vector>

#include "checks/SpatialIndex.h"

namespace trazello {
namespace {

std::set<size_t> found(const SpatialIndex& index, const IRect& box) {
  std::set<size_t> ids;
  index.query(box, [&](size_t id) { EXPECT_TRUE(ids.insert(id).second) << "reported twice: " << id; });
  return ids;
}

std::set<size_t> expected(const std::vector<IRect>& boxes, const IRect& box) {
  std::set<size_t> ids;
  for (size_t i = 0; i < boxes.size(); ++i) {
    const IRect& b = boxes[i];
    if (b.left < box.right && box.left < b.right && b.top < box.bottom && box.top < b.bottom)
      ids.insert(i);
  }
  return ids;
}

TEST(SpatialIndex, FindsTheOverlappingBoxesOfAnySizeWithTheGridOrWithout) {
  // Small boxes on a board, tracks across the whole coordinate range (as a damaged file once
  // held), and boxes at the ends of the integer range, whose cells once overflowed.
  const std::vector<IRect> boxes = {
      {0, -1000, 100, -900},
      {5000, -5000, 5200, -4800},
      {-2000000000, -2000000000, 2000000000, 2000000000},
      {INT_MIN, INT_MIN, INT_MIN + 10, INT_MIN + 10},
      {INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX},
      {-1000000, -1000000, 1000000, 1000000},
      {40, -980, 60, -950},
  };
  const std::vector<IRect> queries = {
      {50, -960, 70, -940},   {5100, -4900, 5150, -4850}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
      {INT_MIN, INT_MIN, INT_MIN + 5, INT_MIN + 5},       {INT_MAX - 5, INT_MAX - 5, INT_MAX, INT_MAX},
      {2000000, 2000000, 2000100, 2000100},               {-3, -3, -1, -1},
  };
  const IRect board{0, -10000, 16000, 0};
  for (const bool withExtent : {false, true}) {
    SCOPED_TRACE(withExtent ? "grid over the board" : "sparse cells");
    for (int32_t cell : {1, 50, 1000000}) {
      SpatialIndex index = withExtent ? SpatialIndex(cell, board) : SpatialIndex(cell);
      for (size_t i = 0; i < boxes.size(); ++i) index.insert(i, boxes[i]);
      for (const IRect& q : queries) EXPECT_EQ(found(index, q), expected(boxes, q)) << "cell " << cell;
    }
  }
}

TEST(SpatialIndex, ManyBoxesAcrossTheWholeRangeAreAllFound) {
  // Twenty tracks from (-2e9, -2e9) to (2e9, 2e9) once filled every 50-unit cell of their
  // boxes and exhausted memory; kept aside, each is found by any query it overlaps.
  SpatialIndex index(50);
  const IRect huge{-2000000000, -2000000000, 2000000000, 2000000000};
  for (size_t i = 0; i < 20; ++i) index.insert(i, huge);
  index.insert(20, {0, 0, 10, 10});
  EXPECT_EQ(found(index, {1, 1, 2, 2}).size(), 21u);
  EXPECT_EQ(found(index, {100, 100, 200, 200}).size(), 20u);
}

}  // namespace
}  // namespace trazello
