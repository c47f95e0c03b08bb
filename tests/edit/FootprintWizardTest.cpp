#include <gtest/gtest.h>

#include <cmath>

#include "edit/FootprintWizard.h"
#include "model/Document.h"
#include "model/Layer.h"
#include "model/PadGeometry.h"

namespace trazello {
namespace {

FootprintValues values(PackageType type, bool smd = false) {
  FootprintValues v = footprintDefaults(type, {});
  v.smd = smd;
  return v;
}

TEST(FootprintWizard, DefaultsFollowThePackageType) {
  const FootprintValues sip = values(PackageType::Sip);
  EXPECT_EQ(sip.perRow, 8);
  EXPECT_DOUBLE_EQ(sip.padOuterMm, 1.6);
  EXPECT_DOUBLE_EQ(sip.padDrillMm, 0.8);
  EXPECT_DOUBLE_EQ(sip.smdWidthMm, 0.8);
  EXPECT_DOUBLE_EQ(sip.smdHeightMm, 1.6);
  const FootprintValues quad = values(PackageType::Quad);
  EXPECT_EQ(quad.perRow, 8);
  EXPECT_EQ(quad.perColumn, 8);
  EXPECT_DOUBLE_EQ(quad.xMm, 25.4);
  EXPECT_DOUBLE_EQ(quad.yMm, 25.4);
  const FootprintValues ring2 = values(PackageType::DualCircle);
  EXPECT_EQ(ring2.perRow, 16);
  EXPECT_DOUBLE_EQ(ring2.pitchMm, 25.4);
  EXPECT_DOUBLE_EQ(ring2.yMm, 2.54);
}

TEST(FootprintWizard, PadCountsOfEveryType) {
  struct Case {
    PackageType type;
    int n, m, total;
  } cases[] = {{PackageType::Sip, 1, 5, 1},         {PackageType::Sip, 12, 1, 12},
               {PackageType::Dip, 8, 1, 16},        {PackageType::Quad, 8, 8, 32},
               {PackageType::Quad, 3, 1, 8},        {PackageType::Circle, 16, 9, 16},
               {PackageType::DualCircle, 16, 9, 32}};
  for (const Case& c : cases) {
    FootprintValues v = values(c.type);
    v.perRow = c.n;
    v.perColumn = c.m;
    EXPECT_EQ(footprintPadCount(v), c.total) << int(c.type) << " " << c.n;
    EXPECT_EQ(int(generateFootprint(v, layer::C1).size()), c.total) << int(c.type) << " " << c.n;
  }
}

TEST(FootprintWizard, SingleRowOfOnePadIsOnePadAtTheReferencePoint) {
  FootprintValues v = values(PackageType::Sip);
  v.perRow = 1;
  v.padOuterMm = 1.8;
  v.padDrillMm = 0.6;
  const ElementList pattern = generateFootprint(v, layer::C2);
  ASSERT_EQ(pattern.size(), 1u);
  const TObjekt& pad = pattern[0];
  EXPECT_EQ(pad.Kind, ElementKind::Pad);
  EXPECT_EQ(pad.PadShape, padshape::Round);
  EXPECT_FLOAT_EQ(pad.X, 0);
  EXPECT_FLOAT_EQ(pad.Y, 0);
  EXPECT_FLOAT_EQ(pad.SizeA, 90);
  EXPECT_FLOAT_EQ(pad.SizeB, 30);
  EXPECT_EQ(pad.Clearance, 40);
  EXPECT_EQ(pad.Layer, layer::C2);
}

TEST(FootprintWizard, DualRowPairsEachPadWithTheOneBelowTheRowDistanceAway) {
  FootprintValues v = values(PackageType::Dip);
  v.perRow = 3;
  v.yMm = 7.62;
  const ElementList pattern = generateFootprint(v, layer::C1);
  ASSERT_EQ(pattern.size(), 6u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_FLOAT_EQ(pattern[2 * i].X, 254.0f * float(i));
    EXPECT_FLOAT_EQ(pattern[2 * i].Y, 0);
    EXPECT_FLOAT_EQ(pattern[2 * i + 1].X, 254.0f * float(i));
    EXPECT_FLOAT_EQ(pattern[2 * i + 1].Y, 762);
  }
}

TEST(FootprintWizard, FourSidesPutRotatedSmdPadsOnTheVerticalRows) {
  const ElementList pattern = generateFootprint(values(PackageType::Quad, true), layer::C1);
  ASSERT_EQ(pattern.size(), 32u);
  // Horizontal rows: 8 pads centred on x = 0, at y = -/+ 12.7 mm, upright.
  for (size_t i = 0; i < 16; ++i) {
    const TObjekt& smd = pattern[i];
    EXPECT_EQ(smd.Kind, ElementKind::SmdPad);
    const Point c = smdCentre(smd);
    EXPECT_NEAR(c.x, 254.0 * double(i / 2) - 889, 0.01) << i;
    EXPECT_NEAR(c.y, i % 2 ? 1270 : -1270, 0.01) << i;
    EXPECT_NEAR(std::remainder(smdOrientation(smd), 180.0), 0, 0.01) << i;
    EXPECT_NEAR(smdSizeX(smd), 80, 0.01);
    EXPECT_NEAR(smdSizeY(smd), 160, 0.01);
  }
  // Vertical rows: at x = -/+ 12.7 mm, turned by 90 degrees, so lying flat.
  for (size_t i = 16; i < 32; ++i) {
    const TObjekt& smd = pattern[i];
    const Point c = smdCentre(smd);
    EXPECT_NEAR(c.x, i % 2 ? 1270 : -1270, 0.01) << i;
    EXPECT_NEAR(c.y, 254.0 * double((i - 16) / 2) - 889, 0.01) << i;
    EXPECT_NEAR(std::abs(std::remainder(smdOrientation(smd), 180.0)), 90, 0.01) << i;
  }
}

TEST(FootprintWizard, FourPadsOnARingSitAtQuarterTurnsFacingAlongTheRing) {
  FootprintValues v = values(PackageType::Circle, true);
  v.perRow = 4;
  v.pitchMm = 20;  // ring diameter
  const ElementList pattern = generateFootprint(v, layer::C1);
  ASSERT_EQ(pattern.size(), 4u);
  const Point at[4] = {{1000, 0}, {0, 1000}, {-1000, 0}, {0, -1000}};
  // Rotations 180, 90, 0 and -90 degrees (clockwise) of an upright pad.
  const double turned[4] = {180, 90, 0, -90};
  for (size_t i = 0; i < 4; ++i) {
    const Point c = smdCentre(pattern[i]);
    EXPECT_NEAR(c.x, at[i].x, 0.01) << i;
    EXPECT_NEAR(c.y, at[i].y, 0.01) << i;
    // The orientation counts clockwise, as the turn does.
    EXPECT_NEAR(std::remainder(smdOrientation(pattern[i]) - turned[i], 360.0), 0, 0.01) << i;
  }
}

TEST(FootprintWizard, DualRingsPlaceTheOuterPadTheRingDistanceFurtherOut) {
  FootprintValues v = values(PackageType::DualCircle);
  v.perRow = 2;
  v.pitchMm = 10;
  v.yMm = 3;
  const ElementList pattern = generateFootprint(v, layer::C1);
  ASSERT_EQ(pattern.size(), 4u);
  EXPECT_NEAR(pattern[0].X, 500, 0.01);
  EXPECT_NEAR(pattern[1].X, 800, 0.01);
  EXPECT_NEAR(pattern[2].X, -500, 0.01);
  EXPECT_NEAR(pattern[3].X, -800, 0.01);
}

TEST(FootprintWizard, TakingThePatternFillsTheClipboardSelectedAndDeselectsTheBoard) {
  Document doc;
  doc.working().activeLayer = layer::C2;
  TObjekt old = newPad({100, -100}, layer::C1, 1, 90, 30);
  old.Selected = 1;
  doc.elements().append(old);
  const Change c = takeFootprint(doc, generateFootprint(values(PackageType::Dip), layer::C2));
  EXPECT_TRUE(c.selection);
  EXPECT_EQ(doc.elements()[0].Selected, 0);
  ASSERT_EQ(doc.clipboard().size(), 16u);
  for (const TObjekt& e : doc.clipboard()) EXPECT_EQ(e.Selected, 1);
  EXPECT_EQ(doc.clipboardLayer(), layer::C2);
}

}  // namespace
}  // namespace trazello
