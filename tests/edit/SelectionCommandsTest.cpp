#include <gtest/gtest.h>

#include <functional>

#include "edit/UndoHistory.h"
#include "edit/commands/SelectionCommands.h"
#include "edit/commands/TransformCommands.h"
#include "model/Document.h"
#include "model/Layer.h"

namespace trazello {
namespace {

class SelectionCommands : public ::testing::Test {
 protected:
  ElementList& list() { return doc_.elements(); }
  size_t add(TObjekt e, bool selected = true) {
    e.Selected = selected ? 1 : 0;
    list().append(std::move(e));
    return list().size() - 1;
  }
  size_t steps() const { return doc_.currentBoard().undoList.size(); }

  Document doc_;
  UndoHistory undo_;
};

TEST_F(SelectionCommands, RotatingTwoPadsByNinetyKeepsTheirDistanceAboutTheCentre) {
  const size_t left = add(newPad({1000, -3000}, layer::C1, 1, 90, 30));
  const size_t right = add(newPad({3000, -3000}, layer::C1, 1, 90, 30));
  list().edit(left).Links.push_back(list()[right].Id);
  list().edit(right).Links.push_back(list()[left].Id);
  const Change c = rotateSelection(doc_, undo_, 90);
  EXPECT_TRUE(c.elements);
  EXPECT_EQ(steps(), 1u);
  // Clockwise about (2000, -3000): the left pad goes up.
  EXPECT_FLOAT_EQ(list()[left].X, 2000);
  EXPECT_FLOAT_EQ(list()[left].Y, -2000);
  EXPECT_FLOAT_EQ(list()[right].X, 2000);
  EXPECT_FLOAT_EQ(list()[right].Y, -4000);
  EXPECT_EQ(list()[left].Links, std::vector<ElementId>{list()[right].Id});
}

TEST_F(SelectionCommands, MirrorIsAboutTheSelectionCentre) {
  const size_t a = add(newPad({1000, -1000}, layer::C1, 1, 100, 30));
  const size_t b = add(newPad({4000, -1000}, layer::C1, 1, 100, 30));
  mirrorSelection(doc_, undo_, true);
  EXPECT_FLOAT_EQ(list()[a].X, 4000);
  EXPECT_FLOAT_EQ(list()[b].X, 1000);
}

TEST_F(SelectionCommands, AlignLeftMovesAGroupedPairAsAWhole) {
  const size_t p1 = add(newPad({2000, -1000}, layer::C1, 1, 100, 30));
  const size_t p2 = add(newPad({3000, -1000}, layer::C1, 1, 100, 30));
  const size_t single = add(newPad({1000, -3000}, layer::C1, 1, 100, 30));
  list().edit(p1).Groups = {7};
  list().edit(p2).Groups = {7};
  alignSelection(doc_, undo_, Alignment::Left);
  EXPECT_FLOAT_EQ(list()[p1].X, 1000);
  EXPECT_FLOAT_EQ(list()[p2].X, 2000);  // kept its distance to its partner
  EXPECT_FLOAT_EQ(list()[single].X, 1000);
  EXPECT_EQ(steps(), 1u);
}

TEST_F(SelectionCommands, ChangeBoardSideSwapsOnlyTheOuterLayers) {
  struct Case {
    uint8_t from, to;
  };
  const Case cases[] = {{layer::C1, layer::C2}, {layer::C2, layer::C1}, {layer::S1, layer::S2},
                        {layer::S2, layer::S1}, {layer::I1, layer::I1}, {layer::I2, layer::I2},
                        {layer::O, layer::O}};
  for (const Case& c : cases) {
    TObjekt t = newTrack(20, c.from);
    t.Points = {{0, 0}, {100, 0}};
    add(std::move(t));
  }
  changeBoardSide(doc_, undo_);
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(list()[i].Layer, cases[i].to) << i;
}

TEST_F(SelectionCommands, SettingAKeepOutZoneToSilkClearsItsKeepOut) {
  TObjekt zone = newZone(20, layer::C1, true);
  zone.Points = {{0, 0}, {100, 0}, {100, -100}};
  const size_t z = add(std::move(zone));
  ASSERT_TRUE(list()[z].KeepOut);
  setSelectionLayer(doc_, undo_, layer::S1);
  EXPECT_EQ(list()[z].Layer, layer::S1);
  EXPECT_FALSE(list()[z].KeepOut);
  // Nothing left to change: no second step.
  setSelectionLayer(doc_, undo_, layer::S1);
  EXPECT_EQ(steps(), 1u);
}

TEST_F(SelectionCommands, DeletingAPadRemovesItFromItsPartnersLinks) {
  const size_t a = add(newPad({0, -1000}, layer::C1, 1, 90, 30), true);
  const size_t b = add(newPad({1000, -1000}, layer::C1, 1, 90, 30), false);
  list().edit(a).Links.push_back(list()[b].Id);
  list().edit(b).Links.push_back(list()[a].Id);
  deleteSelection(doc_, undo_);
  ASSERT_EQ(list().size(), 1u);
  EXPECT_TRUE(list()[0].Links.empty());
  EXPECT_EQ(steps(), 1u);
  EXPECT_TRUE(deleteSelection(doc_, undo_).empty());
  EXPECT_EQ(steps(), 1u);
}

TEST_F(SelectionCommands, ResetSolderMaskOpensPadsAndClosesManualOpenings) {
  const size_t pad = add(newPad({0, -1000}, layer::C1, 1, 90, 30), false);
  const size_t silkPad = add(newPad({0, -2000}, layer::S1, 1, 90, 30), false);
  TObjekt track = newTrack(20, layer::C1);
  track.Points = {{0, 0}, {100, 0}};
  track.SolderMask = 1;
  const size_t t = add(std::move(track), false);
  list().edit(pad).SolderMask = 0;
  resetSolderMask(doc_);
  EXPECT_EQ(list()[pad].SolderMask, 1);
  EXPECT_EQ(list()[silkPad].SolderMask, 0);
  EXPECT_EQ(list()[t].SolderMask, 0);
  EXPECT_EQ(steps(), 0u);
}

TEST_F(SelectionCommands, CopyKeepsLinksAmongTheCopiesOnly) {
  const size_t a = add(newPad({0, -1000}, layer::C1, 1, 90, 30), true);
  const size_t b = add(newPad({1000, -1000}, layer::C1, 1, 90, 30), true);
  const size_t c = add(newPad({2000, -1000}, layer::C1, 1, 90, 30), false);
  list().edit(a).Links = {list()[b].Id, list()[c].Id};
  list().edit(b).Links = {list()[a].Id};
  EXPECT_EQ(copySelection(doc_), 2u);
  const ElementList& clip = doc_.clipboard();
  ASSERT_EQ(clip.size(), 2u);
  EXPECT_EQ(clip[0].Links, std::vector<ElementId>{clip[1].Id});
  EXPECT_EQ(clip[1].Links, std::vector<ElementId>{clip[0].Id});
  EXPECT_FALSE(clip[0].Selected);
  EXPECT_TRUE(commandAvailability(doc_).canPaste);
}

TEST_F(SelectionCommands, AvailabilityFollowsTheSelection) {
  EXPECT_FALSE(commandAvailability(doc_).hasElements);
  const size_t a = add(newPad({0, -1000}, layer::C1, 1, 90, 30));
  const size_t b = add(newPad({1000, -1000}, layer::C1, 1, 90, 30));
  CommandAvailability av = commandAvailability(doc_);
  EXPECT_TRUE(av.anySelected && av.canGroup && av.hasElements);
  EXPECT_FALSE(av.canSplitGroup || av.hasLinks || av.canPaste || av.severalBoards);
  buildGroup(doc_, undo_);
  av = commandAvailability(doc_);
  EXPECT_FALSE(av.canGroup);  // already one group
  EXPECT_TRUE(av.canSplitGroup);
  EXPECT_EQ(list()[a].Groups, list()[b].Groups);
  splitGroup(doc_, undo_);
  EXPECT_TRUE(list()[a].Groups.empty());
  EXPECT_EQ(steps(), 2u);
}

TEST_F(SelectionCommands, AdjustToGridMovesEachUnitOntoTheGrid) {
  doc_.working().grid = 100;
  const size_t pad = add(newPad({1030, -1070}, layer::C1, 1, 90, 30));
  TObjekt track = newTrack(20, layer::C1);
  track.Points = {{2040, -960}, {2500, -960}};
  const size_t t = add(std::move(track));
  adjustSelectionToGrid(doc_, undo_);
  EXPECT_FLOAT_EQ(list()[pad].X, 1000);
  EXPECT_FLOAT_EQ(list()[pad].Y, -1100);
  EXPECT_EQ(list()[t].Points[0], (Point{2000, -1000}));
  EXPECT_EQ(list()[t].Points[1], (Point{2460, -1000}));
  EXPECT_EQ(steps(), 1u);
  EXPECT_TRUE(adjustSelectionToGrid(doc_, undo_).empty());
}

TEST_F(SelectionCommands, EveryCommandThatChangesTheBoardIsOneUndoStep) {
  using Command = std::function<Change(Document&, const UndoHistory&)>;
  const std::pair<const char*, Command> commands[] = {
      {"delete", deleteSelection},
      {"delete outside", deleteOutsideBoard},
      {"cut", cutSelection},
      {"side", changeBoardSide},
      {"layer", [](Document& d, const UndoHistory& u) { return setSelectionLayer(d, u, 2); }},
      {"rotate", [](Document& d, const UndoHistory& u) { return rotateSelection(d, u, 45); }},
      {"mirror h", [](Document& d, const UndoHistory& u) { return mirrorSelection(d, u, true); }},
      {"mirror v", [](Document& d, const UndoHistory& u) { return mirrorSelection(d, u, false); }},
      {"group", buildGroup},
      {"grid", adjustSelectionToGrid},
      {"top",
       [](Document& d, const UndoHistory& u) { return alignSelection(d, u, Alignment::Top); }},
      {"centre v",
       [](Document& d, const UndoHistory& u) {
         return alignSelection(d, u, Alignment::CentreVertically);
       }},
  };
  for (const auto& [name, command] : commands) {
    Document doc;
    doc.working().grid = 100;
    for (Point at : {Point{1030, -1070}, Point{2570, -2010}, Point{-9000, 9000}}) {
      TObjekt pad = newPad(at, layer::C1, 1, 90, 30);
      pad.Selected = 1;
      doc.elements().append(std::move(pad));
    }
    const ElementList before = doc.elements();
    EXPECT_TRUE(command(doc, undo_).elements) << name;
    EXPECT_EQ(doc.currentBoard().undoList.size(), 1u) << name;
    // The one step holds the board as it was.
    const ElementList& kept = doc.currentBoard().undoList.back();
    ASSERT_EQ(kept.size(), before.size()) << name;
    for (size_t i = 0; i < kept.size(); ++i) {
      EXPECT_EQ(kept[i].X, before[i].X) << name;
      EXPECT_EQ(kept[i].Layer, before[i].Layer) << name;
      EXPECT_EQ(kept[i].Groups, before[i].Groups) << name;
    }
  }
  // Splitting needs a group to split.
  Document doc;
  for (Point at : {Point{1000, -1000}, Point{2000, -1000}}) {
    TObjekt pad = newPad(at, layer::C1, 1, 90, 30);
    pad.Selected = 1;
    pad.Groups = {1};
    doc.elements().append(std::move(pad));
  }
  EXPECT_TRUE(splitGroup(doc, undo_).elements);
  EXPECT_EQ(doc.currentBoard().undoList.size(), 1u);
}

TEST_F(SelectionCommands, NamingTrimsBlanksAndSelectByNameTakesExactlyTheNamedElements) {
  const size_t a = add(newPad({0, -1000}, layer::C1, 1, 90, 30), true);
  const size_t b = add(newPad({1000, -1000}, layer::C1, 1, 90, 30), false);
  const size_t c = add(newPad({2000, -1000}, layer::C1, 1, 90, 30), true);
  list().edit(b).Groups = {1};
  list().edit(c).Groups = {1};
  list().edit(c).Name = "R1";
  EXPECT_EQ(firstSelectedName(list()), "R1");
  EXPECT_TRUE(nameSelection(doc_, "  IC2 ").elements);
  EXPECT_EQ(list()[a].Name, "IC2");
  EXPECT_EQ(list()[c].Name, "IC2");
  EXPECT_EQ(list()[b].Name, "");
  EXPECT_TRUE(doc_.modified());
  EXPECT_EQ(steps(), 0u);
  // b shares c's group but not its name: it stays unselected; a different name deselects.
  list().edit(b).Name = "IC2x";
  list().edit(a).Selected = 0;
  const Change picked = selectByName(doc_, "IC2");
  EXPECT_TRUE(picked.selection);
  EXPECT_TRUE(list()[a].Selected && list()[c].Selected);
  EXPECT_FALSE(list()[b].Selected);
  // Elements on hidden layers are never selected.
  doc_.working().visible[layer::C1] = 0;
  selectByName(doc_, "IC2");
  EXPECT_FALSE(list()[a].Selected || list()[c].Selected);
}

}  // namespace
}  // namespace trazello
