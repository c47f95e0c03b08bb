#include <gtest/gtest.h>

#include "edit/commands/NodeCommands.h"
#include "model/Layer.h"

namespace trazello {
namespace {

struct NodeCommands : ::testing::Test {
  Document doc;
  UndoHistory undo;
  ElementId id;

  void SetUp() override { doc.working().grid = 100; }
  ElementId add(ElementKind kind, std::vector<Point> pts) {
    TObjekt e = kind == ElementKind::Zone ? newZone(20, layer::C1) : newTrack(50, layer::C1);
    e.Points = std::move(pts);
    e.Clearance = 33;
    id = doc.elements().append(std::move(e)).Id;
    return id;
  }
  const TObjekt& element() { return doc.elements()[*doc.elements().indexOf(id)]; }
  size_t steps() { return doc.currentBoard().undoList.size(); }
};

TEST_F(NodeCommands, RemoveKeepsTwoTrackPointsAndThreeZonePoints) {
  add(ElementKind::Track, {{0, 0}, {100, 0}, {200, 0}});
  EXPECT_TRUE(removeNode(doc, undo, id, 1).elements);
  EXPECT_EQ(element().Points, (std::vector<Point>{{0, 0}, {200, 0}}));
  EXPECT_TRUE(removeNode(doc, undo, id, 0).empty());
  EXPECT_EQ(steps(), 1u);

  add(ElementKind::Zone, {{0, 0}, {100, 0}, {100, 100}, {0, 100}});
  EXPECT_TRUE(canRemoveNode(element()));
  removeNode(doc, undo, id, 3);
  EXPECT_FALSE(canRemoveNode(element()));
  EXPECT_TRUE(removeNode(doc, undo, id, 0).empty());
  EXPECT_EQ(element().Points.size(), 3u);
}

TEST_F(NodeCommands, AddInsertsTheGridMidpointOfThePreviousSegment) {
  add(ElementKind::Track, {{0, 0}, {330, -10}, {500, -500}});
  addNode(doc, undo, id, 1);  // midpoint (165, -5) snaps to (200, 0)
  EXPECT_EQ(element().Points, (std::vector<Point>{{0, 0}, {200, 0}, {330, -10}, {500, -500}}));
  addNode(doc, undo, id, 0);  // 254 left of and above node 0: (-254, 254) snaps to (-300, 300)
  EXPECT_EQ(element().Points.front(), (Point{-300, 300}));
  EXPECT_EQ(steps(), 2u);
}

TEST_F(NodeCommands, AlignOneOrAllNodesToTheGridThroughTheOrigin) {
  doc.working().originX = 10000;  // 10 units
  add(ElementKind::Track, {{33, 47}, {151, -151}});
  alignNodeToGrid(doc, undo, id, 1);
  EXPECT_EQ(element().Points, (std::vector<Point>{{33, 47}, {110, -200}}));
  alignAllNodesToGrid(doc, undo, id);
  EXPECT_EQ(element().Points, (std::vector<Point>{{10, 0}, {110, -200}}));
  EXPECT_EQ(steps(), 2u);
}

TEST_F(NodeCommands, SplitGivesTheRestToANewTrackInReverse) {
  add(ElementKind::Track, {{0, 0}, {100, 0}, {200, 0}, {300, 0}});
  EXPECT_FALSE(canSplitTrack(element(), 0));
  EXPECT_FALSE(canSplitTrack(element(), 3));
  const Change c = splitTrack(doc, undo, id, 2);
  EXPECT_TRUE(c.elements);
  ASSERT_EQ(doc.elements().size(), 2u);
  EXPECT_EQ(element().Points, (std::vector<Point>{{0, 0}, {100, 0}, {200, 0}}));
  const TObjekt& rest = doc.elements()[1];
  EXPECT_EQ(rest.Points, (std::vector<Point>{{300, 0}, {200, 0}}));
  EXPECT_EQ(rest.Width, 50);
  EXPECT_EQ(rest.Layer, layer::C1);
  EXPECT_EQ(rest.Clearance, 33);
  EXPECT_EQ(steps(), 1u);
  ASSERT_TRUE(UndoHistory::undo(doc.currentBoard()));
  EXPECT_EQ(doc.elements().size(), 1u);
}

TEST_F(NodeCommands, StaleElementOrNodeDoesNothing) {
  add(ElementKind::Track, {{0, 0}, {100, 0}, {200, 0}});
  const ElementId gone{987654321};
  for (NodeCommand c : {NodeCommand::Remove, NodeCommand::Add, NodeCommand::AlignToGrid,
                        NodeCommand::AlignAllToGrid, NodeCommand::Split}) {
    EXPECT_TRUE(runNodeCommand(c, doc, undo, gone, 1).empty());
    if (c != NodeCommand::AlignAllToGrid) {
      EXPECT_TRUE(runNodeCommand(c, doc, undo, id, 7).empty());
    }
  }
  EXPECT_EQ(steps(), 0u);
}

}  // namespace
}  // namespace trazello
