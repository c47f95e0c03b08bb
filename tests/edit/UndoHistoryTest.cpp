#include "edit/UndoHistory.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "model/Document.h"

namespace trazello {
namespace {

// The fields an edit in these tests can touch, plus identity and references.
auto key(const TObjekt& e) {
  return std::tie(e.Id, e.Kind, e.X, e.Y, e.SizeA, e.Width, e.Selected, e.Layer, e.Points, e.Links,
                  e.RouteFrom, e.RouteTo, e.Clearance);
}

std::vector<TObjekt> values(const ElementList& list) {
  return std::vector<TObjekt>(list.begin(), list.end());
}

void expectSameList(const std::vector<TObjekt>& expected, const ElementList& actual) {
  ASSERT_EQ(expected.size(), actual.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_TRUE(key(expected[i]) == key(actual[i])) << "element " << i;
  }
}

std::vector<TObjekt> unselected(std::vector<TObjekt> v) {
  for (TObjekt& e : v) e.Selected = 0;
  return v;
}

// Two linked pad pairs, one of them joined by a routed track, and a plain track.
void fillBoard(ElementList& list) {
  const ElementId a = list.append(newPad({0, 0}, 1, 1, 90, 30)).Id;
  const ElementId b = list.append(newPad({1000, 0}, 1, 1, 90, 30)).Id;
  const ElementId c = list.append(newSmdPad({0, 800}, 3, 90, 180)).Id;
  const ElementId d = list.append(newPad({1000, 800}, 3, 3, 90, 30)).Id;
  list.edit(0).Links = {b};
  list.edit(1).Links = {a};
  list.edit(2).Links = {d};
  list.edit(3).Links = {c};
  TObjekt route = newTrack(80, 1);
  appendPoint(route, {0, 0});
  appendPoint(route, {1000, 0});
  route.Routed = 1;
  route.RouteFrom = a;
  route.RouteTo = b;
  list.append(route);
  TObjekt plain = newTrack(40, 3);
  appendPoint(plain, {0, 500});
  appendPoint(plain, {500, 500});
  list.append(plain);
}

// One random change of the kinds commands make: move, resize, select, add, remove with links.
void randomEdit(ElementList& list, std::mt19937& rng) {
  const auto pick = [&] { return std::uniform_int_distribution<size_t>(0, list.size() - 1)(rng); };
  switch (list.empty() ? 3 : rng() % 5) {
    case 0: {
      TObjekt& e = list.edit(pick());
      e.X += 10;
      for (Point& p : e.Points) p.x += 10;
      break;
    }
    case 1:
      list.edit(pick()).Width += 5;
      break;
    case 2:
      list.edit(pick()).Selected ^= 1;
      break;
    case 3: {
      TObjekt t = newTrack(60, 1);
      appendPoint(t, {1, 2});
      appendPoint(t, {3, 4});
      list.append(t);
      break;
    }
    default: {
      const ElementId gone = list[pick()].Id;
      removeElements(list, [&](const TObjekt& e) { return e.Id == gone; });
    }
  }
}

TEST(UndoHistory, RandomEditsUndosAndRedosRestoreExactListsAndLinks) {
  for (unsigned seed = 1; seed <= 25; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 rng(seed);
    Document doc;
    fillBoard(doc.elements());
    const auto original = unselected(values(doc.elements()));
    UndoHistory history(1000);
    std::vector<std::vector<TObjekt>> undoModel, redoModel;
    for (int op = 0; op < 80; ++op) {
      const unsigned what = rng() % 4;
      Board& board = doc.currentBoard();
      if (what <= 1) {
        undoModel.push_back(unselected(values(board.elements)));
        redoModel.clear();
        history.recordStep(doc);
        randomEdit(board.elements, rng);
        if (rng() % 2) randomEdit(board.elements, rng);
      } else {
        auto& from = what == 2 ? undoModel : redoModel;
        auto& to = what == 2 ? redoModel : undoModel;
        auto before = unselected(values(board.elements));
        const bool done = what == 2 ? UndoHistory::undo(board) : UndoHistory::redo(board);
        ASSERT_EQ(done, !from.empty());
        if (!done) continue;
        to.push_back(std::move(before));
        expectSameList(from.back(), board.elements);
        from.pop_back();
      }
      ASSERT_EQ(board.undoList.size(), undoModel.size());
      ASSERT_EQ(board.redoList.size(), redoModel.size());
    }
    while (UndoHistory::undo(doc.currentBoard())) {
    }
    expectSameList(original, doc.elements());
    for (const TObjekt& e : doc.elements()) {
      for (ElementId link : e.Links) EXPECT_TRUE(doc.elements().contains(link));
    }
  }
}

TEST(UndoHistory, NewEditAfterUndoEmptiesRedo) {
  Document doc;
  fillBoard(doc.elements());
  UndoHistory history;
  history.recordStep(doc);
  doc.elements().edit(0).X = 5;
  ASSERT_TRUE(UndoHistory::undo(doc.currentBoard()));
  EXPECT_TRUE(UndoHistory::canRedo(doc.currentBoard()));
  history.recordStep(doc);
  EXPECT_FALSE(UndoHistory::canRedo(doc.currentBoard()));
  EXPECT_FALSE(UndoHistory::redo(doc.currentBoard()));
}

TEST(UndoHistory, DepthOneRestoresOnlyTheStateBeforeTheLastChange) {
  Document doc;
  fillBoard(doc.elements());
  UndoHistory history(1);
  history.recordStep(doc);
  doc.elements().edit(0).X = 1;
  history.recordStep(doc);
  doc.elements().edit(0).X = 2;
  EXPECT_EQ(doc.currentBoard().undoList.size(), 1u);
  ASSERT_TRUE(UndoHistory::undo(doc.currentBoard()));
  EXPECT_EQ(doc.elements()[0].X, 1);
  EXPECT_FALSE(UndoHistory::undo(doc.currentBoard()));
}

TEST(UndoHistory, SuppressedRecordingDoesNothingUntilReleased) {
  Document doc;
  UndoHistory history;
  {
    UndoSuppressor quiet(history);
    EXPECT_FALSE(history.recordStep(doc));
    { UndoSuppressor nested(history); }
    EXPECT_FALSE(history.recordStep(doc));
  }
  EXPECT_TRUE(history.recordStep(doc));
  EXPECT_EQ(doc.currentBoard().undoList.size(), 1u);
}

TEST(UndoHistory, NothingHappensWhileAPolylineIsBeingDrawn) {
  Document doc;
  fillBoard(doc.elements());
  UndoHistory history;
  history.recordStep(doc);
  doc.elements().edit(0).X = 7;
  EXPECT_FALSE(UndoHistory::undo(doc.currentBoard(), true));
  EXPECT_EQ(doc.elements()[0].X, 7);
  EXPECT_TRUE(UndoHistory::canUndo(doc.currentBoard()));
}

TEST(UndoHistory, RecordingMarksModifiedButUndoAndRedoDoNot) {
  Document doc;
  UndoHistory history;
  history.recordStep(doc);
  EXPECT_TRUE(doc.modified());
  doc.setModified(false);
  UndoHistory::undo(doc.currentBoard());
  UndoHistory::redo(doc.currentBoard());
  EXPECT_FALSE(doc.modified());
}

TEST(UndoHistory, EachBoardKeepsItsOwnHistory) {
  Document doc;
  doc.elements().append(newTrack(10, 1));
  UndoHistory history;
  history.recordStep(doc);
  doc.elements().edit(0).Width = 20;
  ASSERT_TRUE(UndoHistory::undo(doc.currentBoard()));
  doc.addBoard("B");
  EXPECT_FALSE(UndoHistory::canUndo(doc.currentBoard()));
  EXPECT_FALSE(UndoHistory::canRedo(doc.currentBoard()));
  doc.selectBoard(0);
  ASSERT_TRUE(UndoHistory::redo(doc.currentBoard()));
  EXPECT_EQ(doc.elements()[0].Width, 20);
}

TEST(UndoHistory, SnapshotSharesUnselectedElementsAndClearsSelection) {
  ElementList list;
  fillBoard(list);
  list.edit(1).Selected = 1;
  const ElementList snap = UndoHistory::snapshot(list);
  EXPECT_EQ(&snap[0], &list[0]);
  EXPECT_NE(&snap[1], &list[1]);
  EXPECT_EQ(snap[1].Selected, 0);
  EXPECT_EQ(list[1].Selected, 1);
}

// Undo and redo bring zone vertices back on whole units (halves to even); other points keep
// their fractions, and zones already on whole units stay shared.
TEST(UndoHistory, UndoAndRedoLeaveZoneVerticesOnWholeUnits) {
  Document doc;
  TObjekt zone = newZone(10, 1);
  zone.Points = {{10.4f, -3.5f}, {20.5f, 7.6f}, {1.5f, -2.5f}};
  TObjekt whole = newZone(10, 1);
  whole.Points = {{0, 0}, {100, 0}, {0, -100}};
  TObjekt track = newTrack(20, 1);
  track.Points = {{0.25f, 0.5f}, {3.5f, 4.5f}};
  doc.elements().append(zone);
  doc.elements().append(whole);
  doc.elements().append(track);
  const std::vector<Point> rounded{{10, -4}, {20, 8}, {2, -2}};

  UndoHistory history;
  history.recordStep(doc);
  EXPECT_EQ(&doc.currentBoard().undoList.back()[1], &doc.elements()[1]);
  doc.elements().edit(0).Points.push_back({5.5f, 5.5f});
  ASSERT_TRUE(UndoHistory::undo(doc.currentBoard()));
  EXPECT_EQ(doc.elements()[0].Points, rounded);
  EXPECT_EQ(doc.elements()[1].Points, whole.Points);
  EXPECT_EQ(doc.elements()[2].Points, track.Points);
  ASSERT_TRUE(UndoHistory::redo(doc.currentBoard()));
  EXPECT_EQ(doc.elements()[0].Points, (std::vector<Point>{{10, -4}, {20, 8}, {2, -2}, {6, 6}}));
  EXPECT_EQ(doc.elements()[2].Points, track.Points);
}

}  // namespace
}  // namespace trazello
