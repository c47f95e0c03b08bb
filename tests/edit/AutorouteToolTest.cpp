// The autoroute tool's hover test and clicks, driven through a fake window.
#include <gtest/gtest.h>

#include "FakeToolHost.h"
#include "model/Layer.h"

namespace trazello::testing {
namespace {

class AutorouteTool : public ::testing::Test {
 protected:
  AutorouteTool() {
    host().doc.working().width = 5000;
    host().doc.working().height = 3000;
  }
  size_t pad(Point c) {
    host().list().append(newPad(c, layer::C1, 1, 80, 40));
    return host().list().size() - 1;
  }
  void connect(size_t a, size_t c) {
    host().list().edit(a).Links.push_back(host().list()[c].Id);
    host().list().edit(c).Links.push_back(host().list()[a].Id);
  }
  FakeToolHost& host() { return b.host; }
  // Routing and unrouting happen on the press.
  Outcome press(Point p) {
    Outcome o = b.tools.handle(ToolEvent::press(p, MouseButton::Left));
    b.tools.handle(ToolEvent::release(p, MouseButton::Left));
    return o;
  }
  const TObjekt& at(size_t i) { return host().list()[i]; }
  ToolBench b;
};

TEST_F(AutorouteTool, RubberbandIsHitWithinTheToleranceOfItsLineAndEnds) {
  const size_t a = pad({1000, -1000}), c = pad({2000, -1600});
  connect(a, c);
  host().pixelsPerUnit = 0.1;  // tolerance round(0.1 × 60) = 6 pixels = 60 units
  b.tools.selectTool(ToolCode::Autoroute);
  struct Case {
    Point at;
    bool hit;
  };
  const Case cases[] = {
      {{1500, -1300}, true},   // on the line
      {{1500, -1350}, true},   // 5 pixels beside it
      {{1500, -1450}, false},  // 15 pixels beside it
      {{950, -970}, true},     // beyond A's end, within the tolerance
      {{900, -1000}, false},   // too far beyond A
      {{2050, -1630}, true},   // beyond the other end
  };
  for (const Case& k : cases) {
    b.moveTo(k.at);
    EXPECT_EQ(bool(at(a).Selected), k.hit) << k.at.x << " " << k.at.y;
    EXPECT_EQ(bool(at(c).Selected), k.hit) << k.at.x << " " << k.at.y;
  }
}

TEST_F(AutorouteTool, ClickRoutesOneUndoStepAndClickOnTheTrackUnroutes) {
  const size_t a = pad({1000, -1500}), c = pad({4000, -1500});
  connect(a, c);
  b.tools.selectTool(ToolCode::Autoroute);
  b.click({4000, -1500});  // on the pad itself: nothing highlighted before a move
  EXPECT_EQ(host().list().size(), 2u);
  b.moveTo({2500, -1500});
  const Outcome routed = press({2500, -1500});
  ASSERT_EQ(host().list().size(), 3u);
  EXPECT_EQ(routed.routeStatus, std::optional<std::string>("Successful"));
  EXPECT_EQ(host().undoSteps(), 1u);
  EXPECT_TRUE(at(2).Selected);
  EXPECT_TRUE(at(a).Links.empty());

  const Point onTrack{2500, at(2).Points[1].y};
  b.moveTo(onTrack);
  EXPECT_TRUE(at(2).Selected);
  EXPECT_FALSE(at(a).Selected);
  const Outcome unrouted = press(onTrack);
  EXPECT_EQ(unrouted.routeStatus, std::optional<std::string>("Autoroute resolved"));
  EXPECT_EQ(host().list().size(), 2u);
  EXPECT_EQ(at(a).Links, std::vector<ElementId>{at(c).Id});
  EXPECT_EQ(host().undoSteps(), 2u);

  // Empty space: nothing highlighted, and a click does nothing.
  b.moveTo({2500, -2800});
  EXPECT_FALSE(at(a).Selected);
  b.click({2500, -2800});
  EXPECT_EQ(host().undoSteps(), 2u);
  EXPECT_EQ(b.rightClick({2500, -2800}).nextTool, (ToolChoice{ToolCode::Edit, false}));
}

}  // namespace
}  // namespace trazello::testing
