#include <gtest/gtest.h>

#include <set>

#include "FakeToolHost.h"
#include "edit/tools/CircleTool.h"
#include "edit/tools/MeasureTool.h"
#include "model/ElementGeometry.h"
#include "model/Groups.h"

namespace trazello {
namespace {

using testing::ToolBench;

TEST(ToolCode, HotkeyRowsFollowTheDefaultKeyString) {
  const std::string keys = "ZLPSRFNTCAXMVO";
  struct Case {
    char key;
    ToolChoice tool;
  };
  const Case cases[] = {
      {'Z', {ToolCode::Zoom, false}},
      {'L', {ToolCode::Track, false}},
      {'P', {ToolCode::Pad, false}},
      {'S', {ToolCode::SmdPad, false}},
      {'R', {ToolCode::Circle, false}},
      {'F', {ToolCode::Zone, false}},
      {'N', {ToolCode::SpecialShape, false}},
      {'T', {ToolCode::Text, false}},
      {'C', {ToolCode::Connection, false}},
      {'A', {ToolCode::Autoroute, false}},
      {'X', {ToolCode::ConnectionTest, false}},
      {'M', {ToolCode::Measure, false}},
      {'V', {ToolCode::Zoom, true}},
      {'O', {ToolCode::SolderMask, false}},
  };
  for (const Case& c : cases) {
    const auto tool = toolOfHotkeyRow(static_cast<int>(keys.find(c.key)));
    ASSERT_TRUE(tool) << c.key;
    EXPECT_EQ(*tool, c.tool) << c.key;
  }
  EXPECT_FALSE(toolOfHotkeyRow(14));
  EXPECT_FALSE(toolOfHotkeyRow(-1));
  EXPECT_FALSE(toolCodeFromByte(4));
  EXPECT_EQ(toolCodeFromByte(12), ToolCode::PastePlacement);
}

TEST(ToolCode, EveryToolHasItsHintInThreeDistinctLanguages) {
  for (int code = 0; code <= 15; ++code) {
    const auto tool = toolCodeFromByte(code);
    if (!tool || *tool == ToolCode::PastePlacement) continue;
    for (bool drawing : {false, true}) {
      std::set<std::string_view> texts;
      for (int language : {kRussian, kEnglish, kFrench}) {
        const std::string_view h = toolHint(*tool, drawing, language);
        EXPECT_EQ(h.substr(0, 1), "|") << code;
        texts.insert(h);
      }
      EXPECT_EQ(texts.size(), 3u) << code;
    }
  }
  EXPECT_EQ(toolHint(ToolCode::Track, true, kEnglish),
            "|Track: Click to next point or abort with right mouse button.\r"
            "Use CTRL to turn capture off. Use SPACE to switch bend mode.");
  EXPECT_TRUE(toolHint(ToolCode::PastePlacement, false, kFrench).empty());
  EXPECT_EQ(pointerShapeOf(ToolCode::SolderMask), PointerShape::Connect);
}

TEST(ToolDispatcher, StartsWithTheEditToolAndEscapeReturnsToIt) {
  ToolBench b;
  EXPECT_EQ(b.tools.current().code, ToolCode::Edit);
  b.tools.selectTool(ToolCode::Measure);
  const Outcome o = b.key(ToolKey::Escape);
  EXPECT_EQ(b.tools.current().code, ToolCode::Edit);
  EXPECT_EQ(o.nextTool, (ToolChoice{ToolCode::Edit, false}));
  EXPECT_EQ(o.pointer, PointerShape::Arrow);
}

TEST(ToolDispatcher, DrawingToolsDeselectEverythingEditAndZoomKeepTheSelection) {
  struct Case {
    ToolChoice tool;
    bool keeps;
  };
  const Case cases[] = {{{ToolCode::Edit, false}, true},
                        {{ToolCode::Zoom, false}, true},
                        {{ToolCode::Zoom, true}, false},
                        {{ToolCode::Track, false}, false},
                        {{ToolCode::Measure, false}, false}};
  for (const Case& c : cases) {
    ToolBench b;
    b.host.list().append(newPad({1000, -1000}, layer::C1, padshape::Round, 60, 20)).Selected = 1;
    b.tools.selectTool(c.tool);
    EXPECT_EQ(b.host.list()[0].Selected != 0, c.keeps) << int(c.tool.code) << c.tool.photoView;
  }
}

TEST(ToolDispatcher, SpaceHoldsTheZoomToolAndReleaseReturns) {
  ToolBench b;
  b.tools.selectTool(ToolCode::SolderMask);
  EXPECT_TRUE(b.tools.solderMaskView());
  b.key(ToolKey::Space);
  EXPECT_EQ(b.tools.current().code, ToolCode::Zoom);
  EXPECT_TRUE(b.tools.solderMaskView());  // stays on under the temporary zoom
  const Outcome back = b.tools.handle(ToolEvent::keyRelease(ToolKey::Space));
  EXPECT_EQ(b.tools.current().code, ToolCode::SolderMask);
  EXPECT_EQ(back.nextTool, (ToolChoice{ToolCode::SolderMask, false}));
  b.key(ToolKey::Escape);
  EXPECT_FALSE(b.tools.solderMaskView());
  // No temporary zoom from the text tool.
  b.tools.selectTool(ToolCode::Measure);
  b.tools.handle(ToolEvent::keyPress(ToolKey::Space, {}, {}, uint8_t(MouseButton::Left)));
  EXPECT_EQ(b.tools.current().code, ToolCode::Measure);  // a button is held
}

TEST(ToolDispatcher, ArrowsChangeToolSizesOrMoveTheSelectionOneGridStep) {
  ToolBench b;
  b.host.doc.working().grid = 50;
  b.tools.selectTool(ToolCode::Track);
  const int32_t width = b.host.sizes.current().trackWidth;
  b.key(ToolKey::Right);
  b.key(ToolKey::Right, {.ctrl = true});
  EXPECT_EQ(b.host.sizes.current().trackWidth, width + 11);
  b.tools.selectTool(ToolCode::Pad);
  b.host.sizes.current().padOuterRadius = 50;
  b.host.sizes.current().padDrillRadius = 49;
  b.key(ToolKey::Right, {.ctrl = true});  // the drill stops at the outer diameter
  EXPECT_EQ(b.host.sizes.current().padDrillRadius, 50);
  b.key(ToolKey::Down);
  EXPECT_EQ(b.host.sizes.current().padOuterRadius, 49.5);
  EXPECT_EQ(b.host.sizes.current().padDrillRadius, 49.5);

  b.tools.selectTool(ToolCode::Edit);
  b.host.list().append(newPad({1000, -1000}, layer::C1, padshape::Round, 60, 20)).Selected = 1;
  b.key(ToolKey::Up);
  b.key(ToolKey::Left, {.ctrl = true});
  EXPECT_EQ((Point{b.host.list()[0].X, b.host.list()[0].Y}), (Point{999, -950}));
  EXPECT_EQ(b.host.undoSteps(), 2u);
}

TEST(ToolDispatcher, DeleteRemovesTheSelectionAndItsRubberbands) {
  ToolBench b;
  TObjekt a = newPad({1000, -1000}, layer::C1, padshape::Round, 60, 20);
  TObjekt c = newPad({2000, -1000}, layer::C1, padshape::Round, 60, 20);
  a.Links.push_back(c.Id);
  c.Links.push_back(a.Id);
  a.Selected = 1;
  b.host.list().append(a);
  b.host.list().append(c);
  const Outcome o = b.key(ToolKey::Delete);
  ASSERT_EQ(b.host.list().size(), 1u);
  EXPECT_TRUE(b.host.list()[0].Links.empty());
  EXPECT_TRUE(o.change.elements);
  EXPECT_EQ(b.host.undoSteps(), 1u);
  b.key(ToolKey::Delete);  // nothing selected: no step
  EXPECT_EQ(b.host.undoSteps(), 1u);
}

TEST(PadTools, PlaceWithCurrentSizesAndPlateOnlyOnCopper) {
  struct Case {
    ToolCode tool;
    uint8_t layerCode;
    ElementKind kind;
    uint8_t plated;
  };
  const Case cases[] = {{ToolCode::Pad, layer::C1, ElementKind::Pad, 1},
                        {ToolCode::Pad, layer::S1, ElementKind::Pad, 0},
                        {ToolCode::SmdPad, layer::C2, ElementKind::SmdPad, 0}};
  for (const Case& c : cases) {
    ToolBench b;
    b.host.doc.working().activeLayer = c.layerCode;
    b.tools.selectTool(c.tool);
    const Outcome preview = b.moveTo({1030, -980});
    EXPECT_EQ(preview.preview.ownShapes.size(), 1u);
    b.click({1030, -980});
    b.click({2030, -980});
    ASSERT_EQ(b.host.list().size(), 2u);
    const TObjekt& p = b.host.list()[0];
    EXPECT_EQ(p.Kind, c.kind);
    EXPECT_EQ(p.Layer, c.layerCode);
    EXPECT_EQ(p.Plated, c.plated);
    EXPECT_EQ(p.Clearance, b.host.sizes.current().clearance);
    EXPECT_EQ(b.host.undoSteps(), 2u);
    EXPECT_EQ(b.rightClick({0, 0}).nextTool, (ToolChoice{ToolCode::Edit, false}));
  }
}

TEST(CircleToolTest, RingAroundTheDraggedRadiusAndNothingBelowSixUnits) {
  EXPECT_EQ(CircleTool::ringRadii(500, 81), (std::pair<float, float>{540, 459}));
  ToolBench b;
  b.host.doc.working().grid = 1;
  b.tools.selectTool(ToolCode::Circle);
  b.host.sizes.current().trackWidth = 40;
  b.drag({1000, -1000}, {1005, -998});
  EXPECT_TRUE(b.host.list().empty());
  b.drag({1000, -1000}, {1300, -1400});
  ASSERT_EQ(b.host.list().size(), 1u);
  EXPECT_EQ(b.host.list()[0].SizeA, 420);
  EXPECT_EQ(b.host.list()[0].SizeB, 380);
  EXPECT_EQ(b.host.undoSteps(), 1u);
}

TEST(MeasureToolTest, BoxValuesInMillimetresAndMil) {
  const auto mm = MeasureTool::values({0, 0}, {300, -400}, true);
  EXPECT_EQ(mm, (std::array<std::string, 4>{"3 мм", "4 мм", "5 мм", "53.1 °"}));
  const auto mil = MeasureTool::values({0, 0}, {254, 0}, false);
  EXPECT_EQ(mil, (std::array<std::string, 4>{"100 мил", "0 мил", "100 мил", "0 °"}));
  EXPECT_EQ(MeasureTool::values({0, 0}, {12346, 0}, true)[0], "123.5 мм");
  EXPECT_EQ(MeasureTool::values({0, 0}, {254, 0}, false, 2)[0], "100 mil");
}

TEST(MeasureToolTest, StartIsClampedIntoTheBoard) {
  ToolBench b;
  b.host.doc.working().grid = 1;
  b.tools.selectTool(ToolCode::Measure);
  b.tools.handle(ToolEvent::press({-500, 300}, MouseButton::Left));
  const Outcome o = b.moveTo({100, -100}, {}, true);
  ASSERT_TRUE(o.preview.measure);
  EXPECT_EQ(o.preview.measure->from, (Point{0, 0}));
  EXPECT_EQ(o.preview.measure->values[2], "1.41 mm");  // an English window
}

TEST(SolderMaskToolTest, ClickTogglesTheMaskOfCopperOnly) {
  ToolBench b;
  b.host.list().append(newPad({1000, -1000}, layer::C1, padshape::Round, 60, 20));
  TObjekt silk = newTrack(50, layer::S1);
  silk.Points = {{3000, -1000}, {4000, -1000}};
  b.host.list().append(silk);
  b.tools.selectTool(ToolCode::SolderMask);
  EXPECT_EQ(b.moveTo({1000, -1000}).preview.highlighted, std::optional<size_t>(0));
  const uint8_t before = b.host.list()[0].SolderMask;
  b.click({1000, -1000});
  EXPECT_NE(b.host.list()[0].SolderMask, before);
  b.click({3500, -1000});
  EXPECT_EQ(b.host.undoSteps(), 1u);
}

TEST(TextToolTest, NumberedTextsFollowThePointerAndArePlacedOneAfterAnother) {
  ToolBench b;
  b.host.doc.working().grid = 100;
  TextWindowValues v;
  v.text = "R";
  v.addNumber = true;
  v.startNumber = 7;
  b.host.textAnswers.push_back(v);
  b.tools.selectTool(ToolCode::Text);
  const Outcome follow = b.moveTo({2000, -2000});
  ASSERT_EQ(follow.preview.ownShapes.size(), 1u);
  EXPECT_EQ(follow.preview.ownShapes[0].X, 2000);
  b.click({2000, -2000});
  b.click({4000, -2000});
  ASSERT_EQ(b.host.list().size(), 2u);
  EXPECT_EQ(b.host.list()[0].Text, "R7");
  EXPECT_EQ(b.host.list()[1].Text, "R8");
  EXPECT_EQ(b.host.list()[1].X, 4000);
  EXPECT_FALSE(b.host.list()[0].Strokes.empty());
  EXPECT_EQ(b.host.undoSteps(), 2u);
  b.rightClick({0, 0});  // drops the unplaced R9
  EXPECT_EQ(b.host.list().size(), 2u);
  EXPECT_EQ(b.tools.current().code, ToolCode::Edit);
}

TEST(TextToolTest, CancelReturnsToTheEditToolAndAutoMirrorFollowsTheSide) {
  ToolBench b;
  b.host.toolOptions.autoMirror = true;
  b.host.doc.working().activeLayer = layer::S2;
  const Outcome o = b.tools.selectTool(ToolCode::Text);
  ASSERT_EQ(b.host.askedText.size(), 1u);
  EXPECT_TRUE(b.host.askedText[0].mirrorH);
  EXPECT_EQ(b.tools.current().code, ToolCode::Edit);
  EXPECT_EQ(o.nextTool, (ToolChoice{ToolCode::Edit, false}));
}

TEST(PasteToolTest, PlacesSelectedCopiesWithFreshGroupsAtTheGridOffset) {
  ToolBench b;
  b.host.doc.working().grid = 100;
  TObjekt existing = newPad({500, -500}, layer::C1, padshape::Round, 60, 20);
  pushGroup(existing, 4);
  existing.Selected = 1;
  b.host.list().append(existing);
  TObjekt a = newPad({1000, -1000}, layer::C1, padshape::Round, 60, 20);
  TObjekt c = newPad({1200, -1000}, layer::C1, padshape::Round, 60, 20);
  pushGroup(a, 4);
  pushGroup(c, 4);
  b.host.doc.clipboard().append(a);
  b.host.doc.clipboard().append(c);
  b.tools.selectTool(ToolCode::PastePlacement);
  b.moveTo({1100, -1000});  // the clipboard's centre
  const Outcome o = b.moveTo({3130, -2010});
  EXPECT_EQ(o.preview.shapeSource, Preview::ShapeSource::Clipboard);
  EXPECT_EQ(o.preview.shapeOffset, (Point{2000, -1000}));
  b.click({3130, -2010});
  ASSERT_EQ(b.host.list().size(), 3u);
  EXPECT_FALSE(b.host.list()[0].Selected);
  for (size_t i : {1u, 2u}) {
    EXPECT_TRUE(b.host.list()[i].Selected);
    EXPECT_EQ(b.host.list()[i].Groups, std::vector<int32_t>{5});
  }
  EXPECT_EQ(b.host.list()[1].X, 3000);
  EXPECT_EQ(b.tools.current().code, ToolCode::Edit);
  EXPECT_EQ(b.host.undoSteps(), 1u);
}

TEST(PasteToolTest, TwoUngroupedPadsArriveAsOneGroup) {
  ToolBench b;
  b.host.doc.working().grid = 100;
  b.host.doc.clipboard().append(newPad({1000, -1000}, layer::C1, padshape::Round, 60, 20));
  b.host.doc.clipboard().append(newPad({1200, -1000}, layer::C1, padshape::Round, 60, 20));
  b.tools.selectTool(ToolCode::PastePlacement);
  b.moveTo({1100, -1000});
  b.click({2100, -1000});
  ASSERT_EQ(b.host.list().size(), 2u);
  EXPECT_EQ(b.host.list()[0].Groups, std::vector<int32_t>{1});
  EXPECT_EQ(b.host.list()[1].Groups, std::vector<int32_t>{1});
  // Clicking either selects both.
  b.tools.selectTool(ToolCode::Edit);
  b.click({3000, -3000});
  b.click({2000, -1000});
  EXPECT_TRUE(b.host.list()[0].Selected && b.host.list()[1].Selected);
}

TEST(PasteToolTest, PastingTwiceGivesTwoGroupsLinkedOnlyWithinEachPaste) {
  ToolBench b;
  b.host.doc.working().grid = 100;
  TObjekt a = newPad({1000, -1000}, layer::C1, padshape::Round, 60, 20);
  TObjekt c = newPad({1200, -1000}, layer::C1, padshape::Round, 60, 20);
  a.Links.push_back(c.Id);
  c.Links.push_back(a.Id);
  b.host.doc.clipboard().append(a);
  b.host.doc.clipboard().append(c);
  for (Point at : {Point{2100, -1000}, Point{2100, -3000}}) {
    b.tools.selectTool(ToolCode::PastePlacement);
    b.moveTo({1100, -1000});
    b.click(at);
  }
  const ElementList& l = b.host.list();
  ASSERT_EQ(l.size(), 4u);
  EXPECT_EQ(b.host.undoSteps(), 2u);
  EXPECT_EQ(l[0].Groups, l[1].Groups);
  EXPECT_EQ(l[2].Groups, l[3].Groups);
  ASSERT_FALSE(l[0].Groups.empty());
  ASSERT_FALSE(l[2].Groups.empty());
  EXPECT_NE(l[0].Groups.back(), l[2].Groups.back());
  EXPECT_EQ(l[0].Links, std::vector<ElementId>{l[1].Id});
  EXPECT_EQ(l[1].Links, std::vector<ElementId>{l[0].Id});
  EXPECT_EQ(l[2].Links, std::vector<ElementId>{l[3].Id});
  EXPECT_EQ(l[3].Links, std::vector<ElementId>{l[2].Id});
  // Only the second paste is selected: clicking a pad of the first selects its pair alone.
  EXPECT_FALSE(l[0].Selected || l[1].Selected);
  b.tools.selectTool(ToolCode::Edit);
  b.click({2000, -1000});
  EXPECT_TRUE(l[0].Selected && l[1].Selected);
  EXPECT_FALSE(l[2].Selected || l[3].Selected);
}

// Regression: renumbering pasted ids in the order they were met could put an inner group above
// the outer one, and the next group built on the board then took the inner group's id.
TEST(PasteToolTest, PastedNestedGroupsKeepInnerIdsBelowOuterOnes) {
  ToolBench b;
  b.host.doc.working().grid = 100;
  TObjekt outer = newPad({1000, -1000}, layer::C1, padshape::Round, 60, 20);
  TObjekt nested = newPad({1200, -1000}, layer::C1, padshape::Round, 60, 20);
  outer.Groups = {3};
  nested.Groups = {1, 3};
  b.host.doc.clipboard().append(outer);
  b.host.doc.clipboard().append(nested);
  TObjekt single = newPad({5000, -5000}, layer::C1, padshape::Round, 60, 20);
  b.host.list().append(single);
  b.tools.selectTool(ToolCode::PastePlacement);
  b.moveTo({1100, -1000});
  b.click({2100, -1000});
  const ElementList& l = b.host.list();
  ASSERT_EQ(l.size(), 3u);
  ASSERT_EQ(l[2].Groups.size(), 2u);
  EXPECT_LT(l[2].Groups[0], l[2].Groups[1]);
  EXPECT_EQ(l[1].Groups.back(), l[2].Groups.back());
  for (const TObjekt& e : l) {
    for (int32_t id : e.Groups) EXPECT_LT(id, nextGroupId(l));
  }
}

TEST(BoardIndexFollowsTheList, HitsAfterUndoRedoAndForeignEdits) {
  ToolBench b;
  b.host.doc.working().grid = 100;
  b.tools.selectTool(ToolCode::Pad);
  b.click({1000, -1000});
  b.tools.selectTool(ToolCode::Edit);
  b.drag({1000, -1000}, {3000, -1000});
  EXPECT_EQ(b.moveTo({3000, -1000}).preview.nameTip, "");
  b.host.list().edit(0).Name = "P";
  EXPECT_EQ(b.moveTo({3000, -1000}).preview.nameTip, "P");
  ASSERT_TRUE(UndoHistory::undo(b.host.doc.currentBoard()));
  b.tools.boardChanged();
  EXPECT_EQ(b.moveTo({3000, -1000}).preview.nameTip, "");
  b.host.list().edit(0).Name = "Q";
  EXPECT_EQ(b.moveTo({1000, -1000}).preview.nameTip, "Q");
  // Moved by hand behind the tools' back.
  moveElement(b.host.list().edit(0), 5000, 0);
  EXPECT_EQ(b.moveTo({6000, -1000}).preview.nameTip, "Q");
}

}  // namespace
}  // namespace trazello
