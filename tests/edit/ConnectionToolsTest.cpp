// The connect tool and the connection test, driven through a fake window.
#include <gtest/gtest.h>

#include "FakeToolHost.h"
#include "model/Layer.h"

namespace trazello::testing {
namespace {

class ConnectionTools : public ::testing::Test {
 protected:
  size_t pad(Point c, uint8_t l = layer::C1) {
    host().list().append(newPad(c, l, 1, 90, 30));
    return host().list().size() - 1;
  }
  FakeToolHost& host() { return b.host; }
  const TObjekt& at(size_t i) { return host().list()[i]; }
  ToolBench b;
};

TEST_F(ConnectionTools, ClickingTwoPadsConnectsThemAndAgainDisconnects) {
  const size_t a = pad({1000, -1000});
  const size_t c = pad({3000, -1000});
  b.tools.selectTool(ToolCode::Connection);
  // The pad under the pointer is highlighted; the rubber line follows once a first pad is chosen.
  EXPECT_EQ(b.moveTo({1010, -1000}).preview.highlighted, std::optional<size_t>(a));
  EXPECT_FALSE(b.moveTo({2000, -2000}).preview.highlighted);
  b.click({1000, -1000});
  const Outcome rubber = b.moveTo({2000, -1500});
  ASSERT_TRUE(rubber.preview.connectionRubber);
  EXPECT_EQ(rubber.preview.connectionRubber->from, (Point{1000, -1000}));
  EXPECT_EQ(rubber.preview.connectionRubber->to, (Point{2000, -1500}));
  EXPECT_EQ(b.tools.hint(),
            "|Connection: Select second pad for connection, abort with right mouse button");

  b.click({3000, -1000});
  EXPECT_EQ(at(a).Links, std::vector<ElementId>{at(c).Id});
  EXPECT_EQ(at(c).Links, std::vector<ElementId>{at(a).Id});
  EXPECT_EQ(host().undoSteps(), 1u);
  EXPECT_FALSE(b.moveTo({2000, -1500}).preview.connectionRubber);

  for (int round = 0; round < 2; ++round) {  // second time: gone from both lists; third: back
    b.click({1000, -1000});
    b.click({3000, -1000});
    EXPECT_EQ(at(a).Links.size(), round == 0 ? 0u : 1u);
    EXPECT_EQ(at(c).Links.size(), round == 0 ? 0u : 1u);
  }
  EXPECT_EQ(host().undoSteps(), 3u);
}

TEST_F(ConnectionTools, FirstPadItselfOrEmptySpaceDoNothingAndRightClickCancels) {
  pad({1000, -1000});
  pad({3000, -1000});
  b.tools.selectTool(ToolCode::Connection);
  b.click({1000, -1000});
  b.click({1000, -1000});
  b.click({2000, -3000});
  EXPECT_EQ(host().undoSteps(), 0u);
  EXPECT_TRUE(b.moveTo({2000, -1500}).preview.connectionRubber);
  b.rightClick({2000, -1500});
  EXPECT_FALSE(b.moveTo({2000, -1500}).preview.connectionRubber);
  EXPECT_EQ(b.tools.current().code, ToolCode::Connection);
  b.rightClick({2000, -1500});
  EXPECT_EQ(b.tools.current().code, ToolCode::Edit);
  // Pads off copper are not connected.
  const size_t silk = pad({5000, -1000}, layer::S1);
  b.tools.selectTool(ToolCode::Connection);
  EXPECT_FALSE(b.moveTo({5000, -1000}).preview.highlighted);
  (void)silk;
}

TEST_F(ConnectionTools, TestShowsTheNetUnderThePointerUntilTheNextClickOrTool) {
  const size_t a = pad({1000, -1000});
  const size_t c = pad({3000, -1000});
  const size_t apart = pad({6000, -1000});
  TObjekt t = newTrack(40, layer::C1);
  t.Points = {{1000, -1000}, {3000, -1000}};
  host().list().append(t);
  const size_t track = host().list().size() - 1;
  b.tools.selectTool(ToolCode::ConnectionTest);
  const Outcome o = b.tools.handle(ToolEvent::press({2000, -1000}, MouseButton::Left));
  b.tools.handle(ToolEvent::release({2000, -1000}, MouseButton::Left));
  EXPECT_TRUE(o.change.selection);
  EXPECT_TRUE(at(a).Selected && at(c).Selected && at(track).Selected);
  EXPECT_FALSE(at(apart).Selected);
  b.click({6000, -1000});
  EXPECT_TRUE(at(apart).Selected);
  EXPECT_FALSE(at(a).Selected);
  b.click({4500, -3000});  // empty space clears
  EXPECT_FALSE(at(apart).Selected);
  b.click({6000, -1000});
  b.tools.selectTool(ToolCode::Edit);
  EXPECT_FALSE(at(apart).Selected);
  EXPECT_EQ(host().undoSteps(), 0u);
}

TEST_F(ConnectionTools, TestThroughTheGroundPlaneAndOnACutout) {
  host().doc.working().groundPlane[layer::C1] = 1;
  const size_t a = pad({1000, -1000});
  const size_t c = pad({5000, -5000});
  const size_t isolated = pad({9000, -1000});
  host().list().edit(a).Clearance = 0;
  host().list().edit(c).Clearance = 0;
  host().list().edit(isolated).Clearance = 40;  // no thermal: apart from the plane
  TObjekt cut = newZone(10, layer::C1, true);
  cut.Points = {{12000, -2000}, {14000, -2000}, {14000, -4000}, {12000, -4000}};
  cut.Closed = 1;
  host().list().append(cut);
  b.tools.selectTool(ToolCode::ConnectionTest);
  b.click({1000, -1000});
  EXPECT_TRUE(at(a).Selected && at(c).Selected);
  EXPECT_FALSE(at(isolated).Selected);
  b.click({13000, -3000});  // the cutout carries nothing: the selection goes
  EXPECT_FALSE(at(a).Selected || at(c).Selected);
  b.tools.handle(ToolEvent::press({4000, -4000}, MouseButton::Right));
  EXPECT_EQ(b.tools.current().code, ToolCode::Edit);
}

}  // namespace
}  // namespace trazello::testing
