#include <gtest/gtest.h>

#include <set>

#include "edit/UndoHistory.h"
#include "edit/commands/TileCommands.h"
#include "model/Document.h"
#include "model/Groups.h"
#include "model/Layer.h"

namespace trazello {
namespace {

// A board with a linked pad pair grouped at (10 mm, -20 mm) and (12 mm, -20 mm), selected, and
// an unselected pad elsewhere; the clipboard holds something the user copied.
class TileCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    TObjekt a = newPad({1000, -2000}, layer::C1, 1, 90, 30);
    TObjekt b = newPad({1200, -2000}, layer::C1, 1, 90, 30);
    a.Links.push_back(b.Id);
    b.Links.push_back(a.Id);
    pushGroup(a, 7);
    pushGroup(b, 7);
    a.Selected = b.Selected = 1;
    list().append(a);
    list().append(b);
    list().append(newPad({5000, -5000}, layer::C1, 1, 90, 30));
    doc_.clipboard().append(newCircle({0, 0}, layer::S1, 100, 90));
  }
  ElementList& list() { return doc_.elements(); }
  // Undo restores the board unselected; the pair is selected again for the next command.
  void undoAndSelectPair() {
    ASSERT_TRUE(UndoHistory::undo(doc_.currentBoard()));
    for (size_t i = 0; i < list().size(); ++i) list().edit(i).Selected = i < 2 ? 1 : 0;
  }
  size_t steps() const { return doc_.currentBoard().undoList.size(); }

  Document doc_;
  UndoHistory undo_;
};

TEST_F(TileCommands, ThreeByTwoGridPlacesSixCopiesRowsGoingDownGroupedAsOne) {
  TileValues v;
  v.columns = 3;
  v.rows = 2;
  const Change c = tileSelection(doc_, undo_, v);
  EXPECT_TRUE(c.elements);
  EXPECT_EQ(steps(), 1u);
  ASSERT_EQ(list().size(), 13u);  // the other pad, then 6 copies of 2 pads
  EXPECT_FLOAT_EQ(list()[0].X, 5000);
  EXPECT_EQ(list()[0].Selected, 0);
  const Point expected[6] = {{0, 0},     {1000, 0},     {2000, 0},
                             {0, -1000}, {1000, -1000}, {2000, -1000}};
  std::set<int32_t> inner;
  for (size_t k = 0; k < 6; ++k) {
    const TObjekt& a = list()[1 + 2 * k];
    const TObjekt& b = list()[2 + 2 * k];
    EXPECT_FLOAT_EQ(a.X, 1000 + expected[k].x) << k;
    EXPECT_FLOAT_EQ(a.Y, -2000 + expected[k].y) << k;
    EXPECT_FLOAT_EQ(b.X, 1200 + expected[k].x) << k;
    EXPECT_EQ(a.Selected, 1);
    // Each copy keeps its own link and its own group inside the common one.
    EXPECT_EQ(a.Links, std::vector<ElementId>{b.Id}) << k;
    ASSERT_EQ(a.Groups.size(), 2u) << k;
    EXPECT_EQ(a.Groups, b.Groups) << k;
    inner.insert(a.Groups[0]);
  }
  EXPECT_EQ(inner.size(), 6u);
  std::set<int32_t> outer;
  for (size_t i = 1; i < list().size(); ++i) outer.insert(list()[i].Groups.back());
  EXPECT_EQ(outer.size(), 1u);
  EXPECT_EQ(outer.count(list()[1].Groups[0]), 0u);
  // The clipboard keeps what the user copied.
  ASSERT_EQ(doc_.clipboard().size(), 1u);
  EXPECT_EQ(doc_.clipboard()[0].Kind, ElementKind::Circle);

  ASSERT_TRUE(UndoHistory::undo(doc_.currentBoard()));
  ASSERT_EQ(list().size(), 3u);
  EXPECT_FLOAT_EQ(list()[0].X, 1000);
  EXPECT_EQ(list()[0].Groups, std::vector<int32_t>{7});
  EXPECT_FALSE(UndoHistory::canUndo(doc_.currentBoard()));
}

TEST_F(TileCommands, RowStepsByBothDistancesAndNegativeDistancesGoLeftAndUp) {
  TileValues v;
  v.row = true;
  v.count = 4;
  v.dxMm = 5;
  v.dyMm = 0;
  tileSelection(doc_, undo_, v);
  ASSERT_EQ(list().size(), 9u);
  for (size_t k = 0; k < 4; ++k) EXPECT_FLOAT_EQ(list()[1 + 2 * k].X, 1000 + 500.0f * float(k));
  for (size_t k = 0; k < 4; ++k) EXPECT_FLOAT_EQ(list()[1 + 2 * k].Y, -2000);

  undoAndSelectPair();
  v.row = false;
  v.columns = 2;
  v.rows = 1;
  v.dxMm = -3;
  tileSelection(doc_, undo_, v);
  ASSERT_EQ(list().size(), 5u);
  EXPECT_FLOAT_EQ(list()[3].X, 700);

  undoAndSelectPair();
  v.columns = 1;
  v.rows = 2;
  v.dyMm = -4;
  tileSelection(doc_, undo_, v);
  ASSERT_EQ(list().size(), 5u);
  EXPECT_FLOAT_EQ(list()[3].Y, -1600);
}

TEST_F(TileCommands, OneCopyOrNoSelectionChangesNothing) {
  TileValues one;
  one.columns = 1;
  one.rows = 1;
  TileValues rowOfOne;
  rowOfOne.row = true;
  rowOfOne.count = 1;
  for (const TileValues& v : {one, rowOfOne}) {
    EXPECT_TRUE(tileSelection(doc_, undo_, v).empty());
    EXPECT_EQ(list().size(), 3u);
    EXPECT_EQ(steps(), 0u);
  }
  for (size_t i = 0; i < list().size(); ++i) list().edit(i).Selected = 0;
  EXPECT_TRUE(tileSelection(doc_, undo_, TileValues{}).empty());
  EXPECT_EQ(list().size(), 3u);
  EXPECT_EQ(steps(), 0u);
  EXPECT_FALSE(doc_.modified());
}

}  // namespace
}  // namespace trazello
