// The box index gives exactly the elements whose boxes meet a rectangle, in list order, and
// follows the list through edits and undo.
#include <gtest/gtest.h>

#include <optional>
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

// A board of every kind of element with rubberbands, some listed by one pad only.
ElementList linkedBoard(std::mt19937& rng, size_t n) {
  std::uniform_real_distribution<float> pos(0, 20000);
  ElementList list;
  for (size_t i = 0; i < n; ++i) {
    const Point p{pos(rng), -pos(rng)};
    switch (i % 6) {
      case 0:
        list.append(newPad(p, layer::C1, uint8_t(i % 12 == 0 ? 1 : 3), 60, 20));
        break;
      case 1:
        list.append(newSmdPad(p, layer::C2, 150, 60));
        break;
      case 2: {
        TObjekt t = newTrack(30, layer::C1);
        t.Points = {p, {p.x + 300, p.y - 200}};
        list.append(std::move(t));
        break;
      }
      case 3:
        list.append(newCircle(p, layer::S1, 80, 60));
        break;
      case 4: {
        TObjekt z = newZone(10, layer::C2);
        z.Points = {p, {p.x + 500, p.y}, {p.x + 500, p.y - 400}};
        list.append(std::move(z));
        break;
      }
      default:
        list.append(newPad(p, layer::C2, 1, 40, 15));
        break;
    }
  }
  std::uniform_int_distribution<size_t> any(0, n - 1);
  for (int k = 0; k < int(n) / 3; ++k) {
    const size_t a = any(rng), b = any(rng);
    if (a == b || !list[a].isPadLike() || !list[b].isPadLike()) continue;
    list.edit(a).Links.push_back(list[b].Id);
    if (k % 4) list.edit(b).Links.push_back(list[a].Id);
  }
  return list;
}

void expectSameAnswers(const ElementBoxIndex& updated, const ElementList& list, std::mt19937& rng,
                       int step) {
  const ElementBoxIndex fresh(list);
  ASSERT_EQ(updated.size(), fresh.size()) << step;
  EXPECT_EQ(updated.thermalReach(), fresh.thermalReach()) << step;
  for (size_t i = 0; i < fresh.size(); ++i) ASSERT_EQ(updated.box(i), fresh.box(i)) << step;
  std::uniform_int_distribution<int32_t> pos(-1000, 21000), size(0, 6000);
  for (int k = 0; k < 12; ++k) {
    const int32_t x = pos(rng), y = -pos(rng);
    const IRect area =
        k == 0 ? IRect{-5000, -30000, 30000, 5000} : IRect{x, y, x + size(rng), y + size(rng)};
    std::vector<uint32_t> a, b;
    updated.query(area, a);
    fresh.query(area, b);
    EXPECT_EQ(a, b) << step;
    updated.queryConnections(area, a);
    fresh.queryConnections(area, b);
    EXPECT_EQ(a, b) << step;
  }
}

// Edits of a few elements, elements appended and taken off the end, and undo and redo bring the
// index up to date in place of building it again; it answers as one built anew for the list.
TEST(ElementBoxIndex, UpdatedAfterEditsAndUndoAnswersLikeOneBuiltAnew) {
  std::mt19937 rng(23);
  ElementList list = linkedBoard(rng, 3000);
  std::optional<ElementBoxIndex> current(std::in_place, list);
  std::vector<ElementList> undo, redo;
  std::uniform_int_distribution<size_t> pick(0, 2999);
  std::uniform_int_distribution<int> what(0, 9), many(1, 6);
  std::uniform_real_distribution<float> step(-400, 400);
  size_t updates = 0;
  for (int n = 0; n < 300; ++n) {
    const int op = what(rng);
    if (op == 0 && !undo.empty()) {
      redo.push_back(list);
      list = undo.back();
      undo.pop_back();
    } else if (op == 1 && !redo.empty()) {
      undo.push_back(list);
      list = redo.back();
      redo.pop_back();
    } else {
      undo.push_back(list);
      redo.clear();
      if (op == 2) {  // a pad appended with a rubberband to a pad further up the list
        TObjekt pad = newPad({step(rng) + 5000, step(rng) - 5000}, layer::C1, 1, 70, 20);
        const size_t partner = pick(rng) % list.size();
        if (list[partner].isPadLike()) pad.Links.push_back(list[partner].Id);
        list.append(std::move(pad));
      } else if (op == 3) {  // the last element taken off, with the rubberbands to it
        removeElementAt(list, list.size() - 1);
      } else if (op == 4) {  // a pad grows, and its thermal relief with it
        const size_t i = pick(rng) % list.size();
        if (list[i].isPadLike()) list.edit(i).SizeA += step(rng) / 4 + 100;
      } else {  // a few elements moved, pads with rubberbands among them
        for (int k = many(rng); k > 0; --k)
          moveElement(list.edit(pick(rng) % list.size()), step(rng), step(rng));
      }
    }
    std::optional<ElementBoxIndex> next = ElementBoxIndex::updated(*current, list);
    if (next) {
      ++updates;
      expectSameAnswers(*next, list, rng, n);
      current = std::move(next);
    } else {
      current.emplace(list);
    }
    if (::testing::Test::HasFailure()) return;
  }
  // Most steps were brought up to date; the rest were built anew once the changes set aside
  // grew too many.
  EXPECT_GT(updates, 200u);
}

// Taking an element out of the middle moves every later element up: the index is built anew,
// and the cached index of the list answers for the list as it is.
TEST(ElementBoxIndex, ElementsRemovedFromTheMiddleAreFollowedToo) {
  std::mt19937 rng(5);
  ElementList list = linkedBoard(rng, 600);
  const auto before = boxIndexOf(list);
  removeElementAt(list, 10);
  EXPECT_FALSE(ElementBoxIndex::updated(*before, list).has_value());
  expectSameAnswers(*boxIndexOf(list), list, rng, 0);
}

}  // namespace
}  // namespace trazello
