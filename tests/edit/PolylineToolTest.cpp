#include <gtest/gtest.h>

#include "FakeToolHost.h"
#include "edit/tools/PolylineTool.h"

namespace trazello {
namespace {

using testing::ToolBench;

TEST(BendPoint, FiveModesFromOriginToThreeHundredByOneHundred) {
  struct Case {
    int mode;
    Point bend;
  };
  const Case cases[] = {
      {0, {200, 0}},                                    // straight first, 45° last
      {1, {100, 100}},                                  // 45° first, straight last
      {2, {0, 100}},   {3, {300, 0}}, {4, {300, 100}},  // no bend
  };
  for (const Case& c : cases)
    EXPECT_EQ(PolylineTool::bendPoint({0, 0}, {300, 100}, c.mode), c.bend) << "mode " << c.mode;
  // The bend follows the signs of the direction.
  EXPECT_EQ(PolylineTool::bendPoint({0, 0}, {-300, -100}, 0), (Point{-200, 0}));
  EXPECT_EQ(PolylineTool::bendPoint({0, 0}, {-100, 300}, 1), (Point{-100, 100}));
}

struct TrackDrawing : ::testing::Test {
  ToolBench b;
  void SetUp() override {
    b.host.doc.working().grid = 100;
    b.tools.selectTool(ToolCode::Track);
  }
};

TEST_F(TrackDrawing, ClicksAddBendAndEndPointsAndOneUndoStep) {
  b.click({0, 0});
  b.moveTo({300, -100});
  b.click({300, -100});  // bend mode 0: (200, 0) then (300, -100)
  b.moveTo({300, -500});
  b.click({300, -500});  // straight down: no bend point
  b.rightClick({300, -500});
  ASSERT_EQ(b.host.list().size(), 1u);
  const TObjekt& t = b.host.list()[0];
  EXPECT_EQ(t.Kind, ElementKind::Track);
  EXPECT_EQ(t.Points, (std::vector<Point>{{0, 0}, {200, 0}, {300, -100}, {300, -500}}));
  EXPECT_EQ(t.Width, b.host.sizes.current().trackWidth);
  EXPECT_EQ(t.Layer, layer::C1);
  EXPECT_EQ(b.host.undoSteps(), 1u);
  EXPECT_FALSE(b.tools.polylineInProgress());
}

TEST_F(TrackDrawing, PointsSnapToGridUnlessCtrlIsHeld) {
  b.click({30, -20});
  b.moveTo({449, -10}, {.ctrl = true});
  b.click({449, -10}, {.ctrl = true});
  b.rightClick({449, -10});
  // Mode 0 puts the 45° part last.
  EXPECT_EQ(b.host.list()[0].Points, (std::vector<Point>{{0, 0}, {439, 0}, {449, -10}}));
}

TEST_F(TrackDrawing, DeleteDropsTheLastPointAndDrawingGoesOnFromThePointBefore) {
  b.click({0, 0});
  b.moveTo({500, 0});
  b.click({500, 0});
  b.moveTo({500, -500});
  b.click({500, -500});
  b.key(ToolKey::Delete);
  EXPECT_EQ(b.host.list()[0].Points, (std::vector<Point>{{0, 0}, {500, 0}}));
  const Outcome o = b.moveTo({800, 0});
  ASSERT_EQ(o.preview.lines.size(), 1u);
  EXPECT_EQ(o.preview.lines[0].points.front(), (Point{500, 0}));
  b.key(ToolKey::Delete);
  b.key(ToolKey::Delete);  // one point left: stays
  EXPECT_EQ(b.host.list()[0].Points, (std::vector<Point>{{0, 0}}));
}

TEST_F(TrackDrawing, ATrackOfOnePointIsRemovedWithoutAnUndoStep) {
  b.click({0, 0});
  b.rightClick({0, 0});
  EXPECT_TRUE(b.host.list().empty());
  EXPECT_EQ(b.host.undoSteps(), 0u);
  // A right click while not drawing returns to the edit tool.
  b.rightClick({0, 0});
  EXPECT_EQ(b.tools.current().code, ToolCode::Edit);
}

TEST_F(TrackDrawing, SpaceCyclesTheBendModeAndTheRubberFollows) {
  b.click({0, 0});
  const Outcome first = b.moveTo({300, -100});
  EXPECT_EQ(first.preview.lines[0].points, (std::vector<Point>{{0, 0}, {200, 0}, {300, -100}}));
  const Outcome spaced = b.key(ToolKey::Space);
  EXPECT_EQ(b.tools.bendMode(), 1);
  EXPECT_EQ(spaced.preview.lines[0].points, (std::vector<Point>{{0, 0}, {100, -100}, {300, -100}}));
  EXPECT_EQ(b.tools.current().code, ToolCode::Track);  // no temporary zoom while drawing
  for (int i = 0; i < 4; ++i) b.key(ToolKey::Space);
  EXPECT_EQ(b.tools.bendMode(), 0);
}

TEST_F(TrackDrawing, ShiftSnapsTheEndOntoAPadCentre) {
  b.host.list().append(newPad({640, -330}, layer::C1, padshape::Round, 60, 20));
  b.click({0, 0});
  const Outcome o = b.moveTo({600, -300}, {.shift = true});
  EXPECT_EQ(o.preview.lines[0].points.back(), (Point{640, -330}));
  EXPECT_EQ(o.preview.snapMarkers, (std::vector<Point>{{640, -330}}));
}

TEST(ZoneDrawing, ClickingTheFirstPointClosesTheZone) {
  ToolBench b;
  b.host.doc.working().grid = 100;
  b.tools.selectTool(ToolCode::Zone);
  for (Point p : {Point{0, 0}, Point{1000, 0}, Point{1000, -1000}, Point{0, -1000}}) {
    b.moveTo(p);
    b.click(p);
  }
  b.moveTo({0, 0});
  b.click({0, 0});
  EXPECT_FALSE(b.tools.polylineInProgress());
  ASSERT_EQ(b.host.list().size(), 1u);
  const TObjekt& z = b.host.list()[0];
  EXPECT_EQ(z.Points.size(), 4u);  // the duplicate of the first point is dropped
  EXPECT_EQ(z.Closed, 1);
  EXPECT_EQ(b.host.undoSteps(), 1u);
}

TEST(ZoneDrawing, RightClickKeepsThreePointsAndRemovesTwo) {
  for (size_t points : {2u, 3u}) {
    ToolBench b;
    b.host.doc.working().grid = 100;
    b.tools.selectTool(ToolCode::Zone);
    const Point corners[] = {{0, 0}, {1000, 0}, {1000, -1000}};
    for (size_t i = 0; i < points; ++i) {
      b.moveTo(corners[i]);
      b.click(corners[i]);
    }
    b.rightClick(corners[points - 1]);
    EXPECT_EQ(b.host.list().size(), points == 3 ? 1u : 0u) << points;
    if (points == 3) {
      EXPECT_EQ(b.host.list()[0].Closed, 1);
    }
  }
}

TEST(ZoneDrawing, KeepOutButtonPutsASilkZoneOnTheCopperOfItsSide) {
  ToolBench b;
  b.host.doc.working().activeLayer = layer::S2;
  b.host.toolOptions.keepOutButtonDown = true;
  b.tools.selectTool(ToolCode::Zone);
  b.click({0, 0});
  EXPECT_EQ(b.host.list()[0].Layer, layer::C2);
  EXPECT_EQ(b.host.list()[0].KeepOut, 1);
}

TEST(ToolChange, EndsTheDrawingButKeepsThePoints) {
  ToolBench b;
  b.host.doc.working().grid = 100;
  b.tools.selectTool(ToolCode::Zone);
  b.click({0, 0});
  b.moveTo({500, 0});
  b.click({500, 0});
  b.tools.selectTool(ToolCode::Edit);
  ASSERT_EQ(b.host.list().size(), 1u);
  EXPECT_EQ(b.host.list()[0].Points.size(), 2u);
  EXPECT_EQ(b.host.list()[0].Closed, 0);  // stays open, drawn as a polyline
  EXPECT_FALSE(b.tools.polylineInProgress());
}

}  // namespace
}  // namespace trazello
