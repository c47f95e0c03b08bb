#include <gtest/gtest.h>

#include "FakeToolHost.h"
#include "edit/tools/NodeDrag.h"
#include "edit/tools/SelectionMove.h"
#include "model/ElementGeometry.h"
#include "model/NodeHandles.h"
#include "model/StrokeFont.h"

namespace trazello {
namespace {

using testing::ToolBench;

TObjekt track(std::vector<Point> pts, int32_t width = 40) {
  TObjekt t = newTrack(width, layer::C1);
  t.Points = std::move(pts);
  return t;
}

struct EditTool : ::testing::Test {
  ToolBench b;
  void SetUp() override { b.host.doc.working().grid = 100; }
  TObjekt& add(TObjekt e) { return b.host.list().append(std::move(e)); }
  const TObjekt& at(size_t i) { return b.host.list()[i]; }
};

TEST_F(EditTool, ClickSelectsShiftTogglesEmptySpaceDeselects) {
  add(newPad({1000, -1000}, layer::C1, padshape::Round, 60, 20));
  add(newPad({3000, -1000}, layer::C1, padshape::Round, 60, 20));
  b.click({1000, -1000});
  EXPECT_TRUE(at(0).Selected);
  b.click({3000, -1000}, {.shift = true});
  EXPECT_TRUE(at(0).Selected && at(1).Selected);
  b.click({3000, -1000}, {.shift = true});
  EXPECT_FALSE(at(1).Selected);
  b.click({5000, -5000});
  EXPECT_FALSE(at(0).Selected);
  EXPECT_EQ(b.host.undoSteps(), 0u);  // selecting changes no element
}

TEST_F(EditTool, SelectingAGroupMemberSelectsTheGroupUnlessAltIsHeld) {
  for (float x : {1000.f, 2000.f, 3000.f}) {
    TObjekt p = newPad({x, -1000}, layer::C1, padshape::Round, 60, 20);
    pushGroup(p, 7);
    add(std::move(p));
  }
  b.click({2000, -1000});
  EXPECT_TRUE(at(0).Selected && at(1).Selected && at(2).Selected);
  b.click({6000, -6000});
  b.click({2000, -1000}, {.alt = true});
  EXPECT_TRUE(!at(0).Selected && at(1).Selected && !at(2).Selected);
  // A frame around one member takes the group along too.
  b.drag({6000, -6000}, {5990, -5990});
  b.drag({800, -800}, {1200, -1200});
  EXPECT_TRUE(at(0).Selected && at(1).Selected && at(2).Selected);
}

TEST_F(EditTool, MoveIsWholeGridStepsWithoutCtrlAndExactWithCtrl) {
  struct Case {
    bool ctrl;
    Point expected;
  };
  // An off-grid pad, dragged by (163, -41).
  for (const Case& c : {Case{false, {1033 + 200, -1017}}, Case{true, {1033 + 163, -1017 - 41}}}) {
    ToolBench t;
    t.host.doc.working().grid = 100;
    t.host.list().append(newPad({1033, -1017}, layer::C1, padshape::Round, 60, 20));
    t.drag({1033, -1017}, {1033 + 163, -1017 - 41}, {.ctrl = c.ctrl});
    EXPECT_EQ((Point{t.host.list()[0].X, t.host.list()[0].Y}), c.expected) << c.ctrl;
    EXPECT_EQ(t.host.undoSteps(), 1u);
  }
}

TEST_F(EditTool, MovePreviewShowsTheSelectionAtTheOffsetAndTheDisplay) {
  add(newPad({1000, -1000}, layer::C1, padshape::Round, 60, 20));
  b.tools.handle(ToolEvent::press({1000, -1000}, MouseButton::Left));
  b.moveTo({1000, -1000}, {}, true);  // the first move after the press is ignored
  const Outcome o = b.moveTo({1300, -1000}, {}, true);
  EXPECT_EQ(o.preview.shapeSource, Preview::ShapeSource::Selection);
  EXPECT_EQ(o.preview.movedIndices, std::vector<size_t>{0});
  EXPECT_EQ(o.preview.shapeOffset, (Point{300, 0}));
  ASSERT_TRUE(o.display);
  EXPECT_EQ(o.display->first, 300);
  EXPECT_EQ(at(0).X, 1000);  // nothing moves before the release
}

TEST_F(EditTool, SelectionStopsAtTheBoardEdge) {
  // The pad's box (radius 60, clearance 40) touches the left edge.
  TObjekt pad = newPad({100, -1000}, layer::C1, padshape::Round, 60, 20);
  pad.Clearance = 40;
  add(std::move(pad));
  b.tools.handle(ToolEvent::press({100, -1000}, MouseButton::Left));
  b.moveTo({100, -1000}, {}, true);
  const Outcome o = b.moveTo({-400, -1000}, {}, true);
  EXPECT_EQ(o.preview.shapeOffset, (Point{0, 0}));
  b.tools.handle(ToolEvent::release({-400, -1000}, MouseButton::Left));
  EXPECT_EQ(at(0).X, 100);
  EXPECT_EQ(b.host.undoSteps(), 0u);
  EXPECT_EQ(SelectionMove::clampToBoard({-500, 700}, {0, -1100, 200, -900}, 16000, 10000),
            (Point{0, 700}));
  EXPECT_EQ(SelectionMove::clampToBoard({0, 700}, {0, -1100, 200, -900}, 16000, 10000),
            (Point{0, 700}));
  EXPECT_EQ(SelectionMove::clampToBoard({0, 1000}, {0, -1100, 200, -900}, 16000, 10000),
            (Point{0, 900}));
}

TEST_F(EditTool, AMoveIsDroppedWhenTheListChangesUnderIt) {
  add(newPad({1000, -1000}, layer::C1, padshape::Round, 60, 20));
  b.tools.handle(ToolEvent::press({1000, -1000}, MouseButton::Left));
  b.moveTo({1000, -1000}, {}, true);
  b.moveTo({2000, -1000}, {}, true);
  b.host.list().insert(0, newPad({5000, -5000}, layer::C1, padshape::Round, 60, 20));
  EXPECT_EQ(b.moveTo({3000, -1000}, {}, true).preview.shapeSource, Preview::ShapeSource::None);
  b.tools.handle(ToolEvent::release({3000, -1000}, MouseButton::Left));
  EXPECT_EQ(at(1).X, 1000);
  EXPECT_EQ(at(0).X, 5000);
  EXPECT_EQ(b.host.undoSteps(), 0u);
}

TEST_F(EditTool, ShiftSnapsAMovedPadOntoAnotherPadWithinFourTenthsOfAMillimetre) {
  add(newPad({1000, -1000}, layer::C1, padshape::Round, 60, 20));
  add(newPad({2040, -1030}, layer::C1, padshape::Round, 60, 20));
  b.tools.handle(ToolEvent::press({1000, -1000}, MouseButton::Left));
  b.moveTo({1000, -1000}, {.shift = true}, true);
  // Grid steps bring the pad to (2000, -1000): 40 and 30 units from the other centre.
  const Outcome o = b.moveTo({2000, -1000}, {.shift = true}, true);
  EXPECT_EQ(o.preview.shapeOffset, (Point{1040, -30}));
  EXPECT_EQ(o.preview.snapMarkers, (std::vector<Point>{{2040, -1030}}));
  b.tools.handle(ToolEvent::release({2000, -1000}, MouseButton::Left, {.shift = true}));
  EXPECT_EQ((Point{at(0).X, at(0).Y}), (Point{2040, -1030}));
  // Without Shift the grid offset stays.
  const Outcome plain = b.drag({2040, -1030}, {3040, -1030});
  EXPECT_EQ((Point{at(0).X, at(0).Y}), (Point{3040, -1030}));
  EXPECT_TRUE(plain.preview.snapMarkers.empty());
}

TEST_F(EditTool, FrameSelectsWhatItMeetsAndNeverDeselects) {
  add(newPad({1000, -1000}, layer::C1, padshape::Round, 60, 20));
  add(newPad({3000, -1000}, layer::C1, padshape::Round, 60, 20));
  add(track({{5000, -5000}, {6000, -5000}}));
  b.click({5500, -5000});              // selects the track
  b.drag({500, -500}, {1020, -1500});  // meets the first pad only
  EXPECT_TRUE(at(0).Selected);
  EXPECT_FALSE(at(1).Selected);
  EXPECT_FALSE(at(2).Selected);  // the press on empty space deselected it
  b.drag({2000, -500}, {4000, -1500}, {.shift = true});
  EXPECT_TRUE(at(0).Selected && at(1).Selected);
  EXPECT_EQ(b.host.undoSteps(), 0u);
}

TEST_F(EditTool, VirtualMidpointReleasedWhereItStartedChangesNothing) {
  add(track({{0, -1000}, {2000, -1000}}));
  b.click({500, -1000});  // select
  b.tools.handle(ToolEvent::press({1000, -1000}, MouseButton::Left));
  b.moveTo({1000, -1400}, {}, true);
  b.moveTo({1000, -1000}, {}, true);
  b.tools.handle(ToolEvent::release({1000, -1000}, MouseButton::Left));
  EXPECT_EQ(at(0).Points, (std::vector<Point>{{0, -1000}, {2000, -1000}}));
  EXPECT_EQ(b.host.undoSteps(), 0u);
}

TEST_F(EditTool, DraggingAMidpointInsertsANodeWithOneUndoStep) {
  add(track({{0, -1000}, {2000, -1000}}));
  b.click({500, -1000});
  const Outcome hover = b.moveTo({1000, -1000});
  EXPECT_EQ(hover.pointer, PointerShape::Changer);
  b.tools.handle(ToolEvent::press({1000, -1000}, MouseButton::Left));
  b.moveTo({1000, -1500}, {}, true);
  const Outcome o = b.moveTo({1000, -1500}, {}, true);
  ASSERT_EQ(o.preview.lines.size(), 1u);
  EXPECT_EQ(o.preview.lines[0].points,
            (std::vector<Point>{{0, -1000}, {1000, -1500}, {2000, -1000}}));
  b.tools.handle(ToolEvent::release({1000, -1500}, MouseButton::Left));
  EXPECT_EQ(at(0).Points, (std::vector<Point>{{0, -1000}, {1000, -1500}, {2000, -1000}}));
  EXPECT_EQ(b.host.undoSteps(), 1u);
  ASSERT_TRUE(UndoHistory::undo(b.host.doc.currentBoard()));
  EXPECT_EQ(at(0).Points.size(), 2u);
}

TEST_F(EditTool, ShiftAlignsADraggedNodeWithItsNeighbours) {
  add(track({{0, -1000}, {1000, -1000}, {2000, -2000}}));
  b.click({500, -1000});
  b.tools.handle(ToolEvent::press({1000, -1000}, MouseButton::Left));
  // 30 units off the horizontal through node 0 and off the vertical through node 2.
  b.moveTo({2030, -1030}, {.shift = true, .ctrl = true}, true);
  b.tools.handle(
      ToolEvent::release({2030, -1030}, MouseButton::Left, {.shift = true, .ctrl = true}));
  EXPECT_EQ(at(0).Points[1], (Point{2000, -1000}));
}

TEST(ArcAngle, FifteenDegreeStepsAndOneWithCtrl) {
  struct Case {
    Point p;
    bool exact;
    int angle;
  };
  const Case cases[] = {
      {{100, 0}, false, 0},     {{100, 100}, false, 45}, {{100, 20}, false, 15},
      {{100, 20}, true, 11},    {{0, -100}, false, 270}, {{-100, -1}, true, 181},
      {{-100, -1}, false, 180}, {{100, -3}, false, 0},   {{100, -3}, true, 358},
  };
  for (const Case& c : cases)
    EXPECT_EQ(NodeDrag::arcAngle({0, 0}, c.p, c.exact), c.angle) << c.p.x << "," << c.p.y;
}

TEST_F(EditTool, ArcEndDragSetsTheAngleInStepsAtTheRelease) {
  add(newCircle({2000, -2000}, layer::C1, 520, 480));  // mid radius 500
  b.click({2500, -2000});                              // on the ring: selects it
  // The end handle (angle 0 on a full circle) sits at (2500, -2000) too; handle 1 wins.
  b.tools.handle(ToolEvent::press({2500, -2000}, MouseButton::Left));
  b.moveTo({2500, -2000}, {}, true);
  const Outcome o = b.moveTo({2000 + 400, -2000 + 140}, {}, true);  // about 19°
  ASSERT_TRUE(o.display);
  EXPECT_EQ(o.display->kind, Outcome::Display::Kind::Angles);
  EXPECT_EQ(o.display->second, 15);
  b.moveTo({2000 + 400, -2000 + 140}, {.ctrl = true}, true);
  b.tools.handle(ToolEvent::release({2400, -1860}, MouseButton::Left, {.ctrl = true}));
  EXPECT_EQ(at(0).Width, 19);
  EXPECT_EQ(at(0).Spokes, 0);
  EXPECT_EQ(b.host.undoSteps(), 1u);
}

TEST_F(EditTool, RightClickOnANodeOpensTheNodeMenuWithItsEntriesEnabledByTheRules) {
  add(track({{0, -1000}, {1000, -1000}, {2000, -1000}}));
  b.click({500, -1000});
  struct Case {
    Point at;
    Outcome::Menu menu;
    int node;
    bool remove, split;
  };
  const Case cases[] = {
      {{0, -1000}, Outcome::Menu::Node, 0, true, false},
      {{1000, -1000}, Outcome::Menu::Node, 1, true, true},
      {{500, -1000}, Outcome::Menu::Context, -1, false, false},  // a virtual node
  };
  for (const Case& c : cases) {
    const Outcome o = b.rightClick(c.at);
    EXPECT_EQ(o.menu, c.menu) << c.at.x;
    EXPECT_EQ(o.node, c.node) << c.at.x;
    EXPECT_EQ(o.removeNodeEnabled, c.remove) << c.at.x;
    EXPECT_EQ(o.splitEnabled, c.split) << c.at.x;
    EXPECT_EQ(o.element, at(0).Id);
  }
  const Outcome empty = b.rightClick({8000, -8000});
  EXPECT_EQ(empty.menu, Outcome::Menu::Context);
  EXPECT_FALSE(empty.element);
}

TEST_F(EditTool, RightClickSelectsAnUnselectedElementAlone) {
  add(newPad({1000, -1000}, layer::C1, padshape::Round, 60, 20));
  add(newPad({3000, -1000}, layer::C1, padshape::Round, 60, 20));
  b.click({1000, -1000});
  b.rightClick({3000, -1000});
  EXPECT_FALSE(at(0).Selected);
  EXPECT_TRUE(at(1).Selected);
}

TEST_F(EditTool, HoverShowsTheNameTip) {
  TObjekt pad = newPad({1000, -1000}, layer::C1, padshape::Round, 60, 20);
  pad.Name = "R1";
  add(std::move(pad));
  EXPECT_EQ(b.moveTo({1010, -1000}).preview.nameTip, "R1");
  EXPECT_EQ(b.moveTo({3000, -1000}).preview.nameTip, "");
}

TEST_F(EditTool, DoubleClickEditsATextWithOneUndoStep) {
  TObjekt text = newText({1000, -1000}, "AB", layer::C1, 1, 1, 300, 0, false, false);
  generateStrokes(text, layer::C1, 0);
  add(std::move(text));
  TextWindowValues answer;
  answer.text = "ABC";
  answer.heightMm = 4;
  b.host.textAnswers.push_back(answer);
  const Point onStroke = at(0).Strokes.front().Points.front();
  b.tools.handle(ToolEvent::doubleClick(onStroke));
  ASSERT_EQ(b.host.askedText.size(), 1u);
  EXPECT_EQ(b.host.askedText[0].text, "AB");
  EXPECT_EQ(b.host.askedText[0].heightMm, 3.0);
  EXPECT_EQ(at(0).Text, "ABC");
  EXPECT_EQ(at(0).SizeA, 400);
  EXPECT_EQ(b.host.undoSteps(), 1u);
  // Cancel changes nothing.
  b.tools.handle(ToolEvent::doubleClick(at(0).Strokes.front().Points.front()));
  EXPECT_EQ(b.host.undoSteps(), 1u);
}

}  // namespace
}  // namespace trazello
