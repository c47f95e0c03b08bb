// The box index gives exactly the elements whose boxes meet a rectangle, in list order, and
// follows the list through edits and undo.
#include <gtest/gtest.h>

#include <random>

#include "checks/ElementBoxIndex.h"
#include "model/CopperGeometry.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/Layer.h"

namespace trazello {
namespace {

bool meets(const IRect& a, const IRect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

// Boxes of every size, lines and points among them, some far out.
std::vector<BoxGrid::Entry> someBoxes(size_t n) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int32_t> pos(-2000, 30000), size(0, 400), pick(0, 19);
  std::vector<BoxGrid::Entry> boxes;
  for (uint32_t i = 0; i < n; ++i) {
    const int32_t x = pos(rng), y = pos(rng);
    IRect b{x, y, x + size(rng), y + size(rng)};
    switch (pick(rng)) {
      case 0:
        b.right = b.left;
        break;  // a vertical line
      case 1:
        b.bottom = b.top;
        break;  // a horizontal line
      case 2:
        b = {x, y, x, y};
        break;  // a point
      case 3:
        b = {x, y, x + 25000, y + 20};
        break;  // across the board
      case 4:
        b = {-1000000, -5, 1000000, 5};
        break;  // far beyond it
      default:
        break;
    }
    boxes.push_back({i, b});
  }
  return boxes;
}

TEST(BoxGrid, FindsExactlyTheBoxesMeetingAnAreaInAscendingOrder) {
  const std::vector<BoxGrid::Entry> boxes = someBoxes(5000);
  const BoxGrid grid(boxes, 5000);
  const IRect areas[] = {
      {0, 0, 30000, 30000},            // everything
      {10000, 10000, 13000, 11000},    // a tenth of a tenth
      {5000, 5000, 5000, 5000},        // a point
      {-9000, -9000, -3000, -3000},    // beside the grid
      {40000, 100, 50000, 200},        // beyond it
      {12345, -100000, 12346, 100000}  // a thin strip through it
  };
  for (const IRect& area : areas) {
    std::vector<uint64_t> bits;
    grid.mark(area, bits);
    std::vector<uint32_t> found;
    listMarked(bits, found);
    std::vector<uint32_t> expected;
    for (const BoxGrid::Entry& e : boxes)
      if (meets(e.box, area)) expected.push_back(e.id);
    EXPECT_EQ(found, expected) << area.left << "," << area.top;
  }
}

ElementList twoPadsAndATrack() {
  ElementList list;
  list.append(newPad({100, -100}, layer::C1, 1, 50, 20));
  list.append(newPad({5000, -4000}, layer::C1, 1, 50, 20));
  TObjekt t = newTrack(20, layer::C2);
  t.Points = {{2000, -2000}, {2500, -2000}};
  list.append(std::move(t));
  list.edit(0).Links.push_back(list[1].Id);
  list.edit(1).Links.push_back(list[0].Id);
  return list;
}

std::vector<uint32_t> query(const ElementList& list, IRect area, bool connections = false) {
  std::vector<uint32_t> out;
  if (connections)
    boxIndexOf(list)->queryConnections(area, out);
  else
    boxIndexOf(list)->query(area, out);
  return out;
}

TEST(ElementBoxIndex, KeepsBoxesAndRubberbandReachOfTheListAsItIsNow) {
  ElementList list = twoPadsAndATrack();
  const IRect middle{3000, -3100, 3200, -2900};  // within the rubberband's reach only
  EXPECT_EQ(query(list, middle), std::vector<uint32_t>{});
  EXPECT_EQ(query(list, middle, true), (std::vector<uint32_t>{0, 1}));
  EXPECT_EQ(boxIndexOf(list)->box(2), boundingBox(list[2]));

  const ElementList before = list;
  TObjekt& moved = list.edit(2);
  moved.Points = {{3050, -3000}, {3150, -3000}};
  EXPECT_EQ(query(list, middle), std::vector<uint32_t>{2});

  list.edit(1).Links.clear();
  list.edit(0).Links.clear();
  EXPECT_EQ(query(list, middle, true), std::vector<uint32_t>{});

  list = before;  // undo
  EXPECT_EQ(query(list, middle), std::vector<uint32_t>{});
  EXPECT_EQ(query(list, middle, true), (std::vector<uint32_t>{0, 1}));
}

}  // namespace
}  // namespace trazello
