#include "model/PadGeometry.h"

#include <gtest/gtest.h>

#include "model/ElementGeometry.h"

namespace trazello {
namespace {

using Pts = std::vector<Point>;

struct OutlineCase {
  uint8_t shape;
  float enlargement;
  Pts expected;
};

// Radius 50 at (1000, -500): d = 50 + a, D = 100 + a, k = round(0.585 d).
const OutlineCase kOutlines[] = {
    {padshape::Round, 0, {{950, -500}, {1050, -500}}},
    {padshape::Round, 10, {{940, -500}, {1060, -500}}},
    {padshape::OblongH, 0, {{950, -500}, {1050, -500}}},
    {padshape::OblongV, 0, {{1000, -450}, {1000, -550}}},
    {padshape::OblongV, 10, {{1000, -440}, {1000, -560}}},
    {padshape::Square, 0, {{950, -450}, {1050, -450}, {1050, -550}, {950, -550}}},
    {padshape::Square, 10, {{940, -440}, {1060, -440}, {1060, -560}, {940, -560}}},
    {padshape::RectH, 0, {{900, -450}, {1100, -450}, {1100, -550}, {900, -550}}},
    {padshape::RectH, 10, {{890, -440}, {1110, -440}, {1110, -560}, {890, -560}}},
    {padshape::RectV, 0, {{950, -400}, {1050, -400}, {1050, -600}, {950, -600}}},
    {padshape::Octagon, 0,  // k = round(29.25) = 29
     {{950, -479}, {979, -450}, {1021, -450}, {1050, -479}, {1050, -521}, {1021, -550},
      {979, -550}, {950, -521}}},
    {padshape::Octagon, 10,  // d = 60, k = round(35.1) = 35
     {{940, -475}, {975, -440}, {1025, -440}, {1060, -475}, {1060, -525}, {1025, -560},
      {975, -560}, {940, -525}}},
    {padshape::OctagonH, 0,  // hx = D = 100, hy = d = 50, k from d
     {{900, -479}, {929, -450}, {1071, -450}, {1100, -479}, {1100, -521}, {1071, -550},
      {929, -550}, {900, -521}}},
    {padshape::OctagonV, 10,  // hx = 60, hy = 110, k = 35
     {{940, -425}, {975, -390}, {1025, -390}, {1060, -425}, {1060, -575}, {1025, -610},
      {975, -610}, {940, -575}}},
    {0, 0, {}},
    {10, 0, {}},
};

TEST(PadOutline, AllShapesWithAndWithoutEnlargement) {
  for (const auto& c : kOutlines) {
    EXPECT_EQ(padOutline({1000, -500}, c.shape, 50, c.enlargement), c.expected)
        << "shape " << int(c.shape) << " enlargement " << c.enlargement;
  }
}

TEST(PadOutline, HorizontalRectangleAndOctagonCut) {
  EXPECT_EQ(padOutline({0, 0}, padshape::RectH, 50, 0),
            (Pts{{-100, 50}, {100, 50}, {100, -50}, {-100, -50}}));
  const Pts oct = padOutline({0, 0}, padshape::Octagon, 100, 0);
  EXPECT_EQ(oct[1].x - oct[0].x, 58);
  EXPECT_EQ(oct[1].y - oct[0].y, 58);
}

TEST(PadOrientation, EveryShapeIsUnturnedWhenBuilt) {
  for (uint8_t shape = 1; shape <= 9; ++shape) {
    EXPECT_EQ(padOrientation(newPad({10, 10}, 1, shape, 40, 10)), 0) << int(shape);
  }
}

TEST(PadOrientation, FollowsClockwiseRotation) {
  for (uint8_t shape = 1; shape <= 9; ++shape) {
    for (int angle : {30, 90, 180, 200, 270}) {
      TObjekt pad = newPad({0, 0}, 1, shape, 40, 10);
      rotateElement(pad, {0, 0}, angle);
      EXPECT_NEAR(double(padOrientation(pad)), angle, 0.011) << int(shape) << " " << angle;
    }
  }
  EXPECT_EQ(padOrientation(newSmdPad({0, 0}, 1, 10, 10)), 0);  // not a Pad
}

TEST(PadOrientation, RebuildKeepsTheRotation) {
  TObjekt pad = newPad({100, 100}, 1, padshape::RectH, 40, 10);
  rotateElement(pad, {100, 100}, 30);
  pad.SizeA = 60;
  rebuildPadOutline(pad, padshape::OctagonV);
  EXPECT_EQ(pad.PadShape, padshape::OctagonV);
  EXPECT_NEAR(double(padOrientation(pad)), 30, 0.011);
  // The vertical octagon is 4 radii tall along its own y; check the turned extent.
  EXPECT_NEAR(double(distance(pad.Points[1], pad.Points[6])), 240, 0.01);
}

TEST(SmdPad, CornersCentreOrientationAndSizes) {
  TObjekt smd = newSmdPad({100, -200}, 1, 80, 40);
  EXPECT_EQ(smd.Points, (Pts{{60, -180}, {140, -180}, {140, -220}, {60, -220}}));
  EXPECT_EQ(smdCentre(smd), (Point{100, -200}));
  EXPECT_EQ(smdOrientation(smd), 0);
  rotateElement(smd, {0, 0}, 90);
  EXPECT_NEAR(double(smdOrientation(smd)), 90, 1e-4);
  EXPECT_NEAR(double(smdSizeX(smd)), 80, 1e-3);
  EXPECT_NEAR(double(smdSizeY(smd)), 40, 1e-3);
  const Point centre = smdCentre(smd);
  EXPECT_NEAR(centre.x, -200, 1e-3);
  EXPECT_NEAR(centre.y, -100, 1e-3);
}

TEST(SmdPad, ResizeKeepsCentreAndOrientation) {
  TObjekt smd = newSmdPad({0, 0}, 1, 80, 40);
  rotateElement(smd, {0, 0}, 45);
  resizeSmd(smd, -1, 120);
  EXPECT_EQ(smd.SizeA, 120);
  EXPECT_EQ(smd.SizeB, 40);
  EXPECT_NEAR(double(smdSizeX(smd)), 120, 1e-3);
  EXPECT_NEAR(double(smdSizeY(smd)), 40, 1e-3);
  EXPECT_NEAR(double(smdOrientation(smd)), 45, 1e-3);
  EXPECT_NEAR(smdCentre(smd).x, 0, 1e-3);
  EXPECT_NEAR(smdCentre(smd).y, 0, 1e-3);
}

TEST(SpokeMask, Operations) {
  struct Case {
    int32_t (*op)(int32_t);
    int32_t in, out;
  } cases[] = {
      {spokesTurnedClockwise45, 0x55, 0xAA},        {spokesTurnedClockwise45, 0x80, 0x01},
      {spokesTurnedCounterClockwise45, 0x01, 0x80}, {spokesTurnedCounterClockwise45, 0xAA, 0x55},
      {spokesMirroredLeftRight, 0x02, 0x80},        {spokesMirroredLeftRight, 0x11, 0x11},
      {spokesMirroredLeftRight, 0x0C, 0x60},        {spokesMirroredTopBottom, 0x01, 0x10},
      {spokesMirroredTopBottom, 0x44, 0x44},        {spokesMirroredTopBottom, 0x82, 0x28},
  };
  for (const auto& c : cases) EXPECT_EQ(c.op(c.in), c.out) << c.in;
}

TEST(SpokeMask, AbsoluteDirectionsTurnWithTheOrientation) {
  EXPECT_EQ(absoluteSpokes(0x01, 90), 0x04);
  EXPECT_EQ(absoluteSpokes(0x01, 44), 0x02);   // round(0.98) = 1 step
  EXPECT_EQ(absoluteSpokes(0x01, 359), 0x01);  // 8 steps count as 0
  EXPECT_EQ(absoluteSpokes(0x55, 180), 0x55);
}

}  // namespace
}  // namespace trazello
