#include <gtest/gtest.h>

#include "edit/tools/PointerSnap.h"
#include "model/Layer.h"

namespace trazello {
namespace {

TEST(AlignSnap, OneReference) {
  struct Case {
    Point p;
    Point expected;
  };
  const Point r{0, 0};
  const Case cases[] = {
      {{30, 500}, {0, 500}},             // vertical
      {{500, -40}, {500, 0}},            // horizontal
      {{400, 380}, {390.07f, 390.07f}},  // diagonal at |PR| * 0.707
      {{30, 40}, {30, 40}},              // too close to the reference
      {{500, 300}, {500, 300}},          // nothing near
  };
  for (const Case& c : cases) {
    const Point a = PointerSnap::alignSnap(c.p, r, std::nullopt);
    EXPECT_NEAR(a.x, c.expected.x, 0.1) << c.p.x << "," << c.p.y;
    EXPECT_NEAR(a.y, c.expected.y, 0.1) << c.p.x << "," << c.p.y;
  }
}

TEST(AlignSnap, TwoReferencesCombineAnAxisWithADiagonal) {
  // Vertical under the previous point, on the diagonal of the next one.
  const Point a = PointerSnap::alignSnap({20, -480}, Point{0, 0}, Point{500, -1000});
  EXPECT_EQ(a, (Point{0, -500}));
  // Both axes.
  EXPECT_EQ(PointerSnap::alignSnap({30, -970}, Point{0, 0}, Point{1000, -1000}), (Point{0, -1000}));
}

TEST(ElementSnap, PadsEndTheSearchTrackPointsChain) {
  ElementList list;
  TObjekt t = newTrack(40, layer::C1);
  t.Points = {{1040, 0}, {5000, 0}};
  list.append(t);
  TObjekt u = newTrack(40, layer::C1);
  u.Points = {{1080, 0}, {6000, 0}};
  list.append(u);
  list.append(newPad({2000, 0}, layer::C1, padshape::Round, 60, 20));
  BoardIndex index;
  index.sync(list);
  LayerState layers;
  PointerSnap snap(list, index, layers);
  // (1000, 0) snaps to (1040, 0), from there on to (1080, 0).
  EXPECT_EQ(snap.elementSnap({1000, 0}, false), (Point{1080, 0}));
  EXPECT_EQ(snap.elementSnap({1000, 0}, false, 1), (Point{1040, 0}));
  EXPECT_EQ(snap.elementSnap({2049, 49}, false), (Point{2000, 0}));
  EXPECT_EQ(snap.elementSnap({2050, 0}, false), std::nullopt);
  list.edit(2).Selected = 1;
  index.sync(list);
  EXPECT_EQ(snap.elementSnap({2010, 0}, true), std::nullopt);
}

TEST(MoveSnap, CorrectsTheOffsetAndMarksEveryPointThatLands) {
  ElementList list;
  list.append(newPad({1000, 0}, layer::C1, padshape::Round, 60, 20));
  list.append(newPad({1500, 0}, layer::C1, padshape::Round, 60, 20));
  BoardIndex index;
  index.sync(list);
  PointerSnap snap(list, index, LayerState{});
  const std::vector<Point> moved{{0, 0}, {500, 0}};
  const auto r = snap.moveSnap({980, 20}, moved);
  EXPECT_TRUE(r.snapped);
  EXPECT_EQ(r.offset, (Point{1000, 0}));
  EXPECT_EQ(r.markers, (std::vector<Point>{{1000, 0}, {1500, 0}}));
  EXPECT_FALSE(snap.moveSnap({700, 0}, moved).snapped);
}

TEST(MoveSnap, NearDuplicatePointsAreTakenOnce) {
  ElementList list;
  TObjekt t = newTrack(40, layer::C1);
  t.Points = {{0, 0}, {1000, 0}};
  list.append(t);
  list.append(newPad({3, -2}, layer::C1, padshape::Round, 60, 20));
  const std::vector<size_t> both{0, 1};
  EXPECT_EQ(PointerSnap::movedSnapPoints(list, both), (std::vector<Point>{{0, 0}, {1000, 0}}));
}

}  // namespace
}  // namespace trazello
