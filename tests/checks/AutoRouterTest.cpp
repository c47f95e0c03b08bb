#include "checks/AutoRouter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "checks/CopperShapes.h"
#include "checks/DesignRuleCheck.h"
#include "checks/PolygonOps.h"
#include "model/CopperGeometry.h"

namespace trazello {
namespace {

constexpr uint8_t kC1 = 1;
constexpr uint8_t kC2 = 3;

// Boards of 50 × 30 mm routed on C1 with a 0.4 mm track and 0.2 mm clearance (pitch 0.8 mm).
class AutoRouterTest : public ::testing::Test {
 protected:
  AutoRouterTest() {
    board_.width = 5000;
    board_.height = 3000;
    board_.activeLayer = kC1;
  }

  size_t pad(Point c, uint8_t layer = kC1, float outer = 80, float drill = 40) {
    list_.append(newPad(c, layer, padshape::Round, outer, drill));
    return list_.size() - 1;
  }
  void connect(size_t a, size_t b) {
    list_.edit(a).Links.push_back(list_[b].Id);
    list_.edit(b).Links.push_back(list_[a].Id);
  }
  // A filled rectangle of copper of another net.
  void wall(float left, float top, float right, float bottom, uint8_t layer = kC1) {
    TObjekt z = newZone(0, layer);
    z.Points = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    list_.append(std::move(z));
  }
  RouteResult route(size_t a, size_t b) {
    return routeConnection(list_, board_, a, b, settings_, {[this] { ++steps_; }, {}});
  }
  const TObjekt& track(const RouteResult& r) { return list_[*list_.indexOf(r.track)]; }

  // Distance findings with the router's clearance: copper of different nets too close.
  size_t distanceFindings() {
    DrcSettings rules;
    for (bool DrcSettings::*flag :
         {&DrcSettings::drillDistance, &DrcSettings::drillMin, &DrcSettings::drillMax,
          &DrcSettings::trackMin, &DrcSettings::ringMin, &DrcSettings::silkMin,
          &DrcSettings::silkOnPad, &DrcSettings::holeOnSmd, &DrcSettings::padWithoutMask,
          &DrcSettings::maskOutsidePads})
      rules.*flag = false;
    rules.copperDistance = settings_.clearance;
    const DrcResult r =
        runDesignRuleCheck(list_, board_, rules, {0, -board_.height, board_.width, 0});
    return size_t(std::count_if(r.findings.begin(), r.findings.end(),
                                [](const Finding& f) { return f.kind == FindingKind::Distance; }));
  }

  ElementList list_;
  BoardSettings board_;
  RouteSettings settings_{40, 20, kC1, 0};
  int steps_ = 0;
};

TEST(RoutePitch, IsWidthAndTwoClearancesToTenthsOfAMillimetreAtLeastFour) {
  EXPECT_EQ(routePitch(10, 10), 40);
  EXPECT_EQ(routePitch(40, 20), 80);
  EXPECT_EQ(routePitch(100, 24), 150);
  EXPECT_EQ(routePitch(100, 22), 140);  // 144 to whole tenths
}

TEST_F(AutoRouterTest, StraightConnectionRunsOnTheRowOfCellCentres) {
  const size_t a = pad({1000, -1500}), b = pad({4000, -1500});
  connect(a, b);
  const RouteResult r = route(a, b);
  ASSERT_TRUE(r.routed);
  EXPECT_EQ(steps_, 1);
  const TObjekt& t = track(r);
  ASSERT_EQ(t.Points.size(), 4u);
  EXPECT_EQ(t.Points.front(), (Point{4000, -1500}));
  EXPECT_EQ(t.Points.back(), (Point{1000, -1500}));
  // From B leftwards: T's centre held at B's x at most, S's at A's x at least.
  EXPECT_EQ(t.Points[1].y, -1480);
  EXPECT_EQ(t.Points[2].y, -1480);
  EXPECT_LE(t.Points[1].x, 4000);
  EXPECT_GE(t.Points[2].x, 1000);
  EXPECT_EQ(t.Routed, 1);
  EXPECT_EQ(t.Width, 40);
  EXPECT_EQ(t.Layer, kC1);
  EXPECT_EQ(t.RouteFrom, list_[a].Id);
  EXPECT_EQ(t.RouteTo, list_[b].Id);
  EXPECT_TRUE(list_[a].Links.empty());
  EXPECT_TRUE(list_[b].Links.empty());
  EXPECT_EQ(distanceFindings(), 0u);
}

TEST_F(AutoRouterTest, RouteGoesAroundATrackOfAnotherNet) {
  const size_t a = pad({1000, -1500}), b = pad({4000, -1500});
  connect(a, b);
  TObjekt obstacle = newTrack(100, kC1);
  obstacle.Points = {{2500, -500}, {2500, -2500}};
  list_.append(obstacle);
  const RouteResult r = route(a, b);
  ASSERT_TRUE(r.routed);
  const TObjekt& t = track(r);
  EXPECT_GT(t.Points.size(), 4u);
  const bool passesAbove =
      std::any_of(t.Points.begin(), t.Points.end(), [](Point p) { return p.y > -500; });
  const bool passesBelow =
      std::any_of(t.Points.begin(), t.Points.end(), [](Point p) { return p.y < -2500; });
  EXPECT_TRUE(passesAbove || passesBelow);
  EXPECT_FALSE(overlap(elementRegion(t), elementRegion(obstacle)));
  EXPECT_EQ(distanceFindings(), 0u);
}

TEST_F(AutoRouterTest, RouteFindsAGapExactlyOnePitchWide) {
  const size_t a = pad({1000, -1500}), b = pad({4000, -1500});
  connect(a, b);
  // A wall across the board with one free row of cells, y from -1520 to -1440.
  wall(2450, 0, 2550, -1440);
  wall(2450, -1520, 2550, -3000);
  const RouteResult r = route(a, b);
  ASSERT_TRUE(r.routed);
  const TObjekt& t = track(r);
  for (Point p : t.Points) {
    if (p.x > 2300 && p.x < 2700) {
      EXPECT_EQ(p.y, -1480);
    }
  }
  EXPECT_EQ(distanceFindings(), 0u);
  // One pitch less and there is no way through.
  list_ = {};
  const size_t a2 = pad({1000, -1500}), b2 = pad({4000, -1500});
  connect(a2, b2);
  wall(2450, 0, 2550, -1441);
  wall(2450, -1520, 2550, -3000);
  EXPECT_FALSE(route(a2, b2).routed);
}

TEST_F(AutoRouterTest, WalledInTargetFailsAndLeavesTheBoardAsItWas) {
  const size_t a = pad({1000, -1500}), b = pad({4000, -1500});
  connect(a, b);
  wall(3700, -1200, 4300, -1250);
  wall(3700, -1750, 4300, -1800);
  wall(3700, -1200, 3750, -1800);
  wall(4250, -1200, 4300, -1800);
  const ElementList before = list_;
  const RouteResult r = route(a, b);
  EXPECT_FALSE(r.routed);
  EXPECT_EQ(steps_, 0);
  ASSERT_EQ(list_.size(), before.size());
  EXPECT_TRUE(list_.sharesAllWith(before));
  EXPECT_EQ(list_[a].Links, std::vector<ElementId>{list_[b].Id});
}

TEST_F(AutoRouterTest, UnrouteRestoresTheElementsAndConnections) {
  const size_t a = pad({1000, -1500}), b = pad({4000, -1500}), c = pad({1000, -2500});
  connect(a, c);
  connect(a, b);
  TObjekt other = newTrack(50, kC1);
  other.Points = {{500, -500}, {4500, -500}};
  list_.append(other);
  const ElementList before = list_;
  const RouteResult r = route(a, b);
  ASSERT_TRUE(r.routed);
  EXPECT_EQ(list_[a].Links, std::vector<ElementId>{list_[c].Id});
  EXPECT_TRUE(unrouteTrack(list_, *list_.indexOf(r.track)));
  ASSERT_EQ(list_.size(), before.size());
  for (size_t i = 0; i < list_.size(); ++i) {
    EXPECT_EQ(list_[i].Id, before[i].Id);
    EXPECT_EQ(list_[i].Points, before[i].Points);
    auto links = list_[i].Links, expected = before[i].Links;
    std::sort(links.begin(), links.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(links, expected) << "element " << i;
  }
}

TEST_F(AutoRouterTest, UnrouteAfterAPadWasDeletedKeepsAnOrdinaryTrack) {
  const size_t a = pad({1000, -1500}), b = pad({4000, -1500});
  connect(a, b);
  const RouteResult r = route(a, b);
  ASSERT_TRUE(r.routed);
  removeElementAt(list_, b);
  const size_t t = *list_.indexOf(r.track);
  EXPECT_FALSE(unrouteTrack(list_, t));
  ASSERT_EQ(list_.size(), 2u);
  EXPECT_EQ(list_[t].Routed, 0);
  EXPECT_TRUE(list_[a].Links.empty());
}

TEST_F(AutoRouterTest, DrilledHoleOnTheOtherLayerBlocksTheRoute) {
  const size_t a = pad({1000, -1500}), b = pad({4000, -1500});
  connect(a, b);
  const size_t hole = pad({2500, -1500}, kC2, 150, 120);
  const RouteResult r = route(a, b);
  ASSERT_TRUE(r.routed);
  const TObjekt& t = track(r);
  EXPECT_GT(t.Points.size(), 4u);
  const float h = list_[hole].SizeB;
  const Paths square{{toShape(2500 - h, -1500 - h), toShape(2500 + h, -1500 - h),
                      toShape(2500 + h, -1500 + h), toShape(2500 - h, -1500 + h)}};
  EXPECT_FALSE(overlap(elementRegion(t), square));
  EXPECT_EQ(distanceFindings(), 0u);
}

TEST_F(AutoRouterTest, PlatedPadOfAnotherLayerIsCopperOnTheRouteLayer) {
  const size_t a = pad({1000, -1500}), b = pad({4000, -1500});
  connect(a, b);
  const size_t via = pad({2500, -1500}, kC2, 200, 40);
  list_.edit(via).Plated = 1;
  const RouteResult r = route(a, b);
  ASSERT_TRUE(r.routed);
  EXPECT_FALSE(overlap(elementRegion(track(r)), elementRegion(list_[via])));
  EXPECT_EQ(distanceFindings(), 0u);
}

TEST_F(AutoRouterTest, LargestBoardRoutesAtTheFinestPitch) {
  board_.width = 50000;
  board_.height = 50000;
  settings_ = {10, 10, kC1, 0};
  const size_t a = pad({45000, -46000}, kC1, 40, 20), b = pad({49000, -49500}, kC1, 40, 20);
  connect(a, b);
  wall(47000, -44000, 47100, -49950);
  const RouteResult r = route(a, b);
  ASSERT_TRUE(r.routed);
  EXPECT_EQ(distanceFindings(), 0u);
}

TEST_F(AutoRouterTest, PadOffTheBoardIsNotFound) {
  const size_t a = pad({1000, -1500}), b = pad({5200, -1500});
  connect(a, b);
  EXPECT_FALSE(route(a, b).routed);
  EXPECT_EQ(list_[a].Links.size(), 1u);
}

TEST(HighlightedPair, IsTheFirstSelectedPadWithASelectedPartner) {
  ElementList list;
  for (float x : {100.f, 200.f, 300.f}) list.append(newPad({x, -100}, kC1, 1, 40, 20));
  list.edit(0).Links = {list[1].Id};
  list.edit(1).Links = {list[0].Id, list[2].Id};
  list.edit(2).Links = {list[1].Id};
  EXPECT_FALSE(highlightedPair(list));
  list.edit(1).Selected = 1;
  list.edit(2).Selected = 1;
  EXPECT_EQ(highlightedPair(list), std::make_pair(size_t(1), size_t(2)));
}

TEST(RouteTexts, SearchWindowAndStatusInThreeLanguages) {
  EXPECT_EQ(searchWindowText({15, 10, 50, 38}, 80), "12/8 40/30");
  for (auto s : {RouteStatus::Ready, RouteStatus::Analyzing, RouteStatus::Successful,
                 RouteStatus::NotFound, RouteStatus::Resolved}) {
    EXPECT_NE(routeStatusText(s, 0), routeStatusText(s, 1));
    EXPECT_NE(routeStatusText(s, 2), routeStatusText(s, 1));
  }
  EXPECT_EQ(routeStatusText(RouteStatus::NotFound, 1), "Not found");
}

}  // namespace
}  // namespace trazello
