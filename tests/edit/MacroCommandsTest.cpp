#include <gtest/gtest.h>

#include "edit/UndoHistory.h"
#include "edit/commands/MacroCommands.h"
#include "model/Document.h"
#include "model/Layer.h"

namespace trazello {
namespace {

class MacroPlacement : public ::testing::Test {
 protected:
  void SetUp() override {
    // A two-pad macro with an inner group of its own, and a board holding one grouped pair.
    TObjekt a = newPad({0, 0}, layer::C1, 1, 60, 25);
    a.Groups = {1};
    TObjekt b = newPad({254, 0}, layer::C1, 1, 60, 25);
    b.Groups = {1};
    TObjekt outline = newTrack(15, layer::S1);
    outline.Points = {{-100, 100}, {350, 100}};
    doc_.macroBuffer().append(a);
    doc_.macroBuffer().append(b);
    doc_.macroBuffer().append(outline);
    for (int i = 0; i < 2; ++i) {
      TObjekt t = newTrack(20, layer::C1);
      t.Points = {{0, -100}, {100, -100}};
      t.Groups = {2};
      t.Selected = 1;
      doc_.elements().append(t);
    }
  }
  const ElementList& list() { return doc_.elements(); }

  Document doc_;
  UndoHistory undo_;
};

TEST_F(MacroPlacement, ADropAddsOneGroupInOneUndoStep) {
  const Change c = placeMacro(doc_, undo_, {1000, -2000});
  EXPECT_TRUE(c.elements);
  EXPECT_EQ(doc_.currentBoard().undoList.size(), 1u);
  ASSERT_EQ(list().size(), 5u);
  EXPECT_EQ(list()[0].Selected, 0);  // the board's selection was cleared
  for (size_t i = 2; i < 5; ++i) EXPECT_EQ(list()[i].Selected, 1) << i;
  EXPECT_EQ(list()[2].X, 1000);
  EXPECT_EQ(list()[2].Y, -2000);
  EXPECT_EQ(list()[4].Points.front(), (Point{900, -1900}));
  // g = 3: the inner group 1 became 4 and all three share a new outer group; compaction, as
  // after every paste, closes the gap the shift left above the board's group 2.
  EXPECT_EQ(list()[2].Groups, (std::vector<int32_t>{3, 4}));
  EXPECT_EQ(list()[3].Groups, (std::vector<int32_t>{3, 4}));
  EXPECT_EQ(list()[4].Groups, (std::vector<int32_t>{4}));
  EXPECT_EQ(doc_.macroBuffer()[0].X, 0);  // the buffer stays as it was

  ASSERT_TRUE(UndoHistory::undo(doc_.currentBoard()));
  EXPECT_EQ(list().size(), 2u);
}

TEST_F(MacroPlacement, DroppingTwiceGivesTwoSeparateGroups) {
  placeMacro(doc_, undo_, {1000, -2000});
  placeMacro(doc_, undo_, {3000, -2000});
  ASSERT_EQ(list().size(), 8u);
  EXPECT_NE(list()[2].Groups.back(), list()[5].Groups.back());
  EXPECT_EQ(list()[5].Groups.back(), list()[7].Groups.back());
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(list()[i].Selected, 0) << i;
}

TEST_F(MacroPlacement, AnEmptyBufferPlacesNothingAndRecordsNothing) {
  doc_.macroBuffer().clear();
  EXPECT_TRUE(placeMacro(doc_, undo_, {0, 0}).empty());
  EXPECT_TRUE(doc_.currentBoard().undoList.empty());
}

TEST_F(MacroPlacement, ThePlacementPointIsOnTheGridAndInsideTheBoard) {
  doc_.working().grid = 100;
  doc_.working().width = 5000;
  doc_.working().height = 4000;
  EXPECT_EQ(macroPlacementPoint(doc_, {1234, -2260}), (Point{1200, -2300}));
  EXPECT_EQ(macroPlacementPoint(doc_, {-700, 500}), (Point{0, 0}));
  EXPECT_EQ(macroPlacementPoint(doc_, {9000, -9000}), (Point{5000, -4000}));
}

}  // namespace
}  // namespace trazello
