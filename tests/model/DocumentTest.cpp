#include "model/Document.h"

#include <gtest/gtest.h>

#include "model/Layer.h"

namespace trazello {
namespace {

std::vector<std::string> names(const Document& d) {
  std::vector<std::string> n;
  for (const Board& b : d.boards()) n.push_back(b.name);
  return n;
}

TEST(Document, StartsWithOneUnmodifiedBoard) {
  Document d;
  EXPECT_EQ(names(d), std::vector<std::string>{"Board 1"});
  EXPECT_EQ(d.currentIndex(), 0);
  EXPECT_FALSE(d.modified());
  EXPECT_EQ(d.working(), BoardSettings{});
  EXPECT_FALSE(d.saveQuestion());
}

TEST(Document, NewBoardCommandAnnouncesTheBoard) {
  Document d;
  const Message m = d.newBoardCommand();
  EXPECT_EQ(messageText(m), "A new Board named \"Board 2\" was added.");
  EXPECT_EQ(d.currentIndex(), 1);
  EXPECT_TRUE(d.modified());
}

TEST(Document, SaveQuestionNeedsAChangeAndSomethingToLose) {
  Document d;
  d.setModified();
  EXPECT_FALSE(d.needsSaveQuestion());  // one empty board
  d.elements().append(newTrack(10, layer::C1));
  EXPECT_TRUE(d.needsSaveQuestion());
  EXPECT_EQ(messageText(*d.saveQuestion()), "Save changes?");
  d.setModified(false);
  EXPECT_FALSE(d.needsSaveQuestion());

  Document two;
  two.addBoard("Board 2");
  EXPECT_FALSE(two.needsSaveQuestion());
  two.setModified();
  EXPECT_TRUE(two.needsSaveQuestion());
}

TEST(Document, DefaultBoardNamesFollowThePrefix) {
  Document d;
  d.setBoardNamePrefix("Carte ");
  d.newDocument();
  EXPECT_EQ(names(d), std::vector<std::string>{"Carte 1"});
  EXPECT_EQ(messageText(d.newBoardCommand()), "A new Board named \"Carte 2\" was added.");
}

TEST(Document, NewDocumentStartsOver) {
  Document d;
  d.newBoardCommand();
  d.setFileName("/tmp/x.trz");
  d.setProjectInfo({"t", "a", "c", "comment"});
  d.clipboard().append(newTrack(1, 1));
  d.newDocument();
  EXPECT_EQ(names(d), std::vector<std::string>{"Board 1"});
  EXPECT_TRUE(d.fileName().empty());
  EXPECT_EQ(d.projectInfo(), ProjectInfo{});
  EXPECT_FALSE(d.modified());
  EXPECT_EQ(d.clipboard().size(), 1u);  // the clipboard belongs to no board
}

TEST(Document, DeletingBoards) {
  Document d;
  EXPECT_EQ(messageText(d.deleteBoardQuestion()), "A project must at least contains one board.");
  EXPECT_FALSE(d.deleteCurrentBoard());
  d.addBoard("B");
  d.addBoard("C");
  d.selectBoard(1);
  EXPECT_EQ(messageText(d.deleteBoardQuestion()), "Delete board \"B\" ?");
  EXPECT_EQ(d.deleteBoardQuestion().kind, MessageKind::Question);
  EXPECT_TRUE(d.deleteCurrentBoard());
  EXPECT_EQ(names(d), (std::vector<std::string>{"Board 1", "C"}));
  EXPECT_EQ(d.currentBoard().name, "C");
  EXPECT_TRUE(d.deleteCurrentBoard());
  EXPECT_EQ(d.currentBoard().name, "Board 1");
}

TEST(Document, CopyingABoardKeepsItsLinksInsideTheCopy) {
  Document d;
  ElementList& els = d.elements();
  const ElementId a = els.append(newPad({100, -100}, layer::C1, 1, 50, 20)).Id;
  const ElementId b = els.append(newPad({600, -100}, layer::C1, 1, 50, 20)).Id;
  els.edit(0).Links = {b};
  els.edit(1).Links = {a};
  d.working().grid = 50;
  d.copyCurrentBoard();
  EXPECT_EQ(names(d), (std::vector<std::string>{"Board 1", "Copy of Board 1"}));
  EXPECT_EQ(d.currentIndex(), 1);
  EXPECT_TRUE(d.modified());
  EXPECT_EQ(d.working().grid, 50);
  const ElementList& copy = d.elements();
  ASSERT_EQ(copy.size(), 2u);
  EXPECT_EQ(copy[0].Links, std::vector<ElementId>{copy[1].Id});
  EXPECT_EQ(copy[1].Links, std::vector<ElementId>{copy[0].Id});
  EXPECT_TRUE(d.currentBoard().undoList.empty());
  EXPECT_EQ(d.boards()[0].elements[0].Links, std::vector<ElementId>{b});
}

TEST(Document, MovingBoards) {
  Document d;
  d.addBoard("B");
  d.addBoard("C");
  d.setModified(false);
  EXPECT_FALSE(d.moveBoardRight());  // already last
  EXPECT_FALSE(d.modified());
  EXPECT_TRUE(d.moveBoardLeft());
  EXPECT_EQ(names(d), (std::vector<std::string>{"Board 1", "C", "B"}));
  EXPECT_EQ(d.currentBoard().name, "C");
  EXPECT_TRUE(d.moveBoardFirst());
  EXPECT_EQ(names(d), (std::vector<std::string>{"C", "Board 1", "B"}));
  d.setModified(false);
  EXPECT_FALSE(d.moveBoardLeft());
  EXPECT_FALSE(d.moveBoardFirst());
  EXPECT_FALSE(d.modified());
  EXPECT_TRUE(d.moveBoardLast());
  EXPECT_EQ(names(d), (std::vector<std::string>{"Board 1", "B", "C"}));
  EXPECT_EQ(d.currentIndex(), 2);
}

TEST(Document, SwitchingBoardsRestoresEachBoardsWorkingSettings) {
  Document d;
  d.working().zoom = 2.5;
  d.working().scrollX = 400;
  d.working().scrollY = 300;
  d.working().grid = 25.4;
  d.working().activeLayer = layer::S1;
  d.working().visible[layer::S2] = 0;
  const BoardSettings a = d.working();
  d.addBoard("B");
  EXPECT_EQ(d.working(), BoardSettings{});
  d.working().zoom = 0.5;
  d.selectBoard(0);
  EXPECT_EQ(d.working(), a);
  d.selectBoard(1);
  EXPECT_EQ(d.working().zoom, 0.5);
}

TEST(Document, BoardSizeLimitsAndZoomClamp) {
  Document d;
  d.working().zoom = 4.0;
  EXPECT_TRUE(d.setBoardSize(99, 1000));
  EXPECT_TRUE(d.setBoardSize(1000, 50001));
  EXPECT_FALSE(d.modified());
  EXPECT_FALSE(d.setBoardSize(50000, 30000));  // 500 mm: no cutting on this platform
  EXPECT_EQ(d.working().width, 50000);
  EXPECT_EQ(d.currentBoard().settings.width, 50000);
  EXPECT_EQ(d.working().zoom, 1.28);
  EXPECT_TRUE(d.modified());
}

TEST(Document, ProjectInfoAndMultilayer) {
  Document d;
  d.setProjectInfo({"Title", "Me", "Co", "line 1\r\nline 2"});
  EXPECT_TRUE(d.modified());
  EXPECT_EQ(d.projectInfo().comment, "line 1\r\nline 2");
  d.setMultilayer(true);
  EXPECT_EQ(d.working().multilayer, 1);
  EXPECT_EQ(d.working().visible[layer::I1], 1);
  d.setMultilayer(false);
  EXPECT_EQ(d.working().visible[layer::I2], 0);
}

}  // namespace
}  // namespace trazello
