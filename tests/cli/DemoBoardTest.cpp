// The bundled example is a clean board: what a user opens first must not teach faults.
#include <gtest/gtest.h>

#include "checks/CopperShapes.h"
#include "checks/DesignRuleCheck.h"
#include "checks/NetTrace.h"
#include "checks/PolygonOps.h"
#include "files/AtomicFile.h"
#include "files/LayoutFormat.h"
#include "model/Layer.h"
#include "model/LayerPredicates.h"

namespace trazello {
namespace {

Board committedDemo() {
  const std::string path = std::string(TRAZELLO_SOURCE_DIR) + "/examples/demo.trz";
  const auto bytes = readWholeFile(path, nullptr);
  EXPECT_TRUE(bytes);
  Result<LayoutFile> read = parseLayout(bytes ? *bytes : std::vector<uint8_t>{}, "demo.trz");
  EXPECT_TRUE(read.ok());
  return read.ok() && !read->boards.empty() ? read->boards[0] : Board{};
}

bool isPadKind(const TObjekt& e) {
  return e.Kind == ElementKind::Pad || e.Kind == ElementKind::SmdPad;
}

TEST(DemoBoard, NoTwoPadsTouchWithoutATrack) {
  const Board demo = committedDemo();
  ElementList pads;
  for (size_t i = 0; i < demo.elements.size(); ++i)
    if (isPadKind(demo.elements[i])) pads.append(demo.elements[i]);
  ASSERT_GT(pads.size(), 10u);
  BoardSettings noPlane = demo.settings;
  noPlane.groundPlane.fill(0);
  // With the tracks and zones gone every pin stands alone; a pin joined to another here has
  // copper overlapping it, which would short them whatever was routed.
  for (const std::vector<size_t>& net : NetTrace(pads, noPlane).nets()) {
    ASSERT_EQ(net.size(), 1u) << "pads at (" << pads[net[0]].X << ", " << pads[net[0]].Y
                              << ") and (" << pads[net[1]].X << ", " << pads[net[1]].Y << ") touch";
  }
}

TEST(DemoBoard, EveryTrackEndLandsOnCopperOfItsLayer) {
  const Board demo = committedDemo();
  const ElementList& list = demo.elements;
  size_t ends = 0;
  for (size_t t = 0; t < list.size(); ++t) {
    const TObjekt& track = list[t];
    if (track.Kind != ElementKind::Track || !isCopperLayer(track.Layer)) continue;
    for (const Point p : {track.Points.front(), track.Points.back()}) {
      const CPoint c = toShape(p);
      const Paths spot{{{c.x - kShapeScale, c.y - kShapeScale},
                        {c.x + kShapeScale, c.y - kShapeScale},
                        {c.x + kShapeScale, c.y + kShapeScale},
                        {c.x - kShapeScale, c.y + kShapeScale}}};
      bool landed = false;
      for (size_t i = 0; i < list.size() && !landed; ++i)
        landed = i != t && isOnLayer(list[i], track.Layer) && covers(elementRegion(list[i]), spot);
      EXPECT_TRUE(landed) << "the track on layer " << int(track.Layer) << " ends at (" << p.x
                          << ", " << p.y << ") on no copper of its layer";
      ++ends;
    }
  }
  EXPECT_GE(ends, 8u);
}

TEST(DemoBoard, PassesTheDesignRuleCheckWithItsDefaultRules) {
  const Board demo = committedDemo();
  const BoardSettings& s = demo.settings;
  const DrcResult r = runDesignRuleCheck(demo.elements, s, DrcSettings{}, IRect{0, -s.height, s.width, 0});
  EXPECT_FALSE(r.aborted);
  for (const Finding& f : r.findings)
    ADD_FAILURE() << findingText(f.text, 1) << " at " << f.marker.left << ", " << f.marker.top;
}

}  // namespace
}  // namespace trazello
