// The Gerber writer and export driver, checked line by line.
#include <gtest/gtest.h>

#include "OutputFixtures.h"
#include "output/GerberExport.h"
#include "output/GerberFile.h"

namespace trazello {
namespace {

using testing::linesOf;
using testing::listOf;
using testing::slice;
using testing::smallBoard;
using testing::track;
using Lines = std::vector<std::string>;

std::string gerber(const ElementList& list, GerberOptions o, BoardSettings board = smallBoard()) {
  return GerberExport(list, board, o).PlotteGerberfile();
}

TEST(GerberFile, FrameApertureComesFirstRightAfterDarkPolarity) {
  const ElementList list = listOf({track(layer::C1, 25, {{100, -100}, {300, -100}})});
  GerberOptions o;
  o.layer = GerberLayer::K1;
  o.frame = true;
  EXPECT_EQ(
      linesOf(gerber(list, o)),
      (Lines{"%FSLAX32Y32*%", "%MOMM*%", "%LNCOPPER1*%", "G71*", "G01*", "%ADD10C, 0.20*%",
             "%ADD11C, 0.25*%", "%LPD*%", "G54D10*", "X0Y500D02*", "X1000Y500D01*", "X1000Y0D01*",
             "X0Y0D01*", "X0Y500D01*", "G54D11*", "X100Y400D02*", "X300Y400D01*", "M02*"}));
}

TEST(GerberFile, TracksOfOneWidthShareAnApertureButEachSelectsIt) {
  const ElementList list = listOf({track(layer::S2, 40, {{0, 0}, {10, -10}}),
                                   track(layer::S2, 40, {{20, -20}, {30, -20}, {30, -30}})});
  GerberOptions o;
  o.layer = GerberLayer::B2;
  o.language = 2;
  EXPECT_EQ(linesOf(gerber(list, o)),
            (Lines{"%FSLAX32Y32*%", "%MOMM*%", "%LNSERIGRAPHIE2*%", "G71*", "G01*",
                   "%ADD10C, 0.40*%", "%LPD*%", "G54D10*", "X0Y500D02*", "X10Y490D01*", "G54D10*",
                   "X20Y480D02*", "X30Y480D01*", "X30Y470D01*", "M02*"}));
}

TEST(GerberFile, ApertureTableNamesStrokesByWidthAndFlashesByDiameter) {
  TGerberFile f;
  f.beginFile("X");
  f.setPenwidth(25);
  f.flashRound(20, 80);
  f.flashRound(30, 80);  // another drill: its own aperture, though of the same size
  f.setPenwidth(-7);     // a shrunken track draws nothing rather than breaking the file
  const Lines lines = linesOf(f.finishFile());
  EXPECT_EQ(Lines(lines.begin() + 5, lines.begin() + 9),
            (Lines{"%ADD10C, 0.25*%", "%ADD11C, 1.60*%", "%ADD12C, 1.60*%", "%ADD13C, 0.00*%"}));
}

TEST(GerberFile, CoordinatesAreSignedIntegersWithoutPadding) {
  TGerberFile f;
  f.beginFile("X");
  f.moveTo(-5, 0);
  f.lineTo(0, -120000);
  f.moveTo(Point{-0.4f, -500.5f});  // rounds to -0, then half to even
  f.setYOffset(500);
  f.lineTo(Point{12.5f, -500.5f});
  EXPECT_EQ(slice(linesOf(f.finishFile()), "X-5Y0D02*", 4),
            (Lines{"X-5Y0D02*", "X0Y-120000D01*", "X0Y-500D02*", "X12Y0D01*"}));
}

struct ArcCase {
  const char* name;
  bool mirror;
  bool camOrigin;
  Lines expected;
};

class MirroredArc : public ::testing::TestWithParam<ArcCase> {};

// A quarter arc from 0 to 90 degrees, 0.2 mm wide on a mid radius of 0.5 mm around (200, -100).
TEST_P(MirroredArc, KeepsCounterClockwiseByExchangingItsEnds) {
  TObjekt arc = newCircle({200, -100}, layer::C1, 60, 40);
  arc.Spokes = 0;
  arc.Width = 90;
  BoardSettings board = smallBoard();
  board.originX = 100000;  // (1 mm, -0.5 mm) in thousandths of a unit
  board.originY = -50000;
  GerberOptions o;
  o.mirror = GetParam().mirror;
  o.camOrigin = GetParam().camOrigin;
  EXPECT_EQ(slice(linesOf(gerber(listOf({arc}), o, board)), "G54D10*", 5), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Gerber, MirroredArc,
    ::testing::Values(
        ArcCase{"Plain",
                false,
                false,
                {"G54D10*", "G75*", "G01X250Y400D02*", "G03X200Y450I-50J0D01*", "G01*"}},
        ArcCase{"MirroredAboutTheBoardWidth",
                true,
                false,
                {"G54D10*", "G75*", "G01X800Y450D02*", "G03X750Y400I0J-50D01*", "G01*"}},
        ArcCase{"MirroredAboutTheUserOrigin",
                true,
                true,
                {"G54D10*", "G75*", "G01X-100Y0D02*", "G03X-150Y-50I0J-50D01*", "G01*"}},
        ArcCase{"ShiftedToTheUserOrigin",
                false,
                true,
                {"G54D10*", "G75*", "G01X150Y-50D02*", "G03X100Y0I-50J0D01*", "G01*"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GerberFile, FrameFollowsTheUserOrigin) {
  BoardSettings board = smallBoard();
  board.originX = 100400;  // rounded for the frame: (100, -50)
  board.originY = -49600;
  GerberOptions o;
  o.layer = GerberLayer::U;
  o.frame = true;
  o.camOrigin = true;
  EXPECT_EQ(slice(linesOf(gerber(listOf({track(layer::O, 20, {{0, 0}, {1, 0}})}), o, board)),
                  "G54D10*", 6),
            (Lines{"G54D10*", "X-100Y50D02*", "X900Y50D01*", "X900Y-450D01*", "X-100Y-450D01*",
                   "X-100Y50D01*"}));
}

// Layer C1 with its ground plane on: a track, a cut-out zone, a hatched zone and a thermal pad.
ElementList groundPlaneBoard() {
  TObjekt cutout =
      testing::zone(layer::C1, 10, {{300, -300}, {400, -300}, {400, -400}, {300, -400}});
  cutout.KeepOut = 1;
  cutout.Clearance = 30;
  TObjekt hatched =
      testing::zone(layer::C1, 10, {{500, -300}, {600, -300}, {600, -400}, {500, -400}});
  hatched.Hatched() = 1;
  hatched.HatchAsOutline() = 0;
  hatched.Value53 = 50;
  hatched.Clearance = 20;
  TObjekt thermal = testing::pad({700, -200}, layer::C1, padshape::Round, 50, 20);
  thermal.Thermal() = 1;
  thermal.Clearance = 30;
  return listOf({track(layer::C1, 20, {{100, -100}, {200, -100}}, 30), cutout, hatched, thermal});
}

TEST(GerberFile, GroundPlaneIsDarkBoardThenClearancesThenSpokesThenElements) {
  BoardSettings board = smallBoard();
  board.groundPlane[layer::C1] = 1;
  GerberOptions o;
  o.layer = GerberLayer::K1;
  const Lines expected{
      "%FSLAX32Y32*%", "%MOMM*%", "%LNCOPPER1*%", "G71*", "G01*", "%ADD10C, 0.80*%",
      "%ADD11C, 0.10*%", "%ADD12C, 0.50*%", "%ADD13C, 1.60*%", "%ADD14C, 0.33*%", "%ADD15C, 0.20*%",
      "%ADD16C, 0.25*%", "%ADD17C, 1.00*%", "%LPD*%",
      // the dark board
      "G36*", "X0Y500D02*", "X1000Y500D01*", "X1000Y0D01*", "X0Y0D01*", "X0Y500D01*", "G37*",
      "%LPC*%",
      // the track grown by its clearance on each side
      "G54D10*", "X100Y400D02*", "X200Y400D01*",
      // the cut-out as it is
      "G36*", "X300Y200D02*", "X400Y200D01*", "X400Y100D01*", "X300Y100D01*", "X300Y200D01*",
      "G37*", "G54D11*", "X300Y200D02*", "X400Y200D01*", "X400Y100D01*", "X300Y100D01*",
      "X300Y200D01*",
      // the hatched zone solid, its outline grown
      "G36*", "X500Y200D02*", "X600Y200D01*", "X600Y100D01*", "X500Y100D01*", "X500Y200D01*",
      "G37*", "G54D12*", "X500Y200D02*", "X600Y200D01*", "X600Y100D01*", "X500Y100D01*",
      "X500Y200D01*",
      // the pad grown
      "X700Y300D02*", "G54D13*", "D03*", "%LPD*%",
      // spokes up, right, down, left reaching across the clearance
      "G54D14*", "X700Y380D02*", "X700Y300D01*", "X780Y300D02*", "X700Y300D01*", "X700Y220D02*",
      "X700Y300D01*", "X620Y300D02*", "X700Y300D01*",
      // the elements; the cut-out makes no copper
      "G54D15*", "X100Y400D02*", "X200Y400D01*", "G54D16*", "X550Y100D02*", "X550Y200D01*",
      "X600Y100D02*", "X600Y200D01*", "X500Y150D02*", "X600Y150D01*", "X500Y200D02*",
      "X600Y200D01*", "G54D11*", "X500Y200D02*", "X600Y200D01*", "X600Y100D01*", "X500Y100D01*",
      "X500Y200D01*", "X700Y300D02*", "G54D17*", "D03*", "M02*"};
  EXPECT_EQ(linesOf(gerber(groundPlaneBoard(), o, board)), expected);
}

TEST(GerberFile, WithoutGroundPlaneOnlyTheElementsAreWritten) {
  GerberOptions o;
  o.layer = GerberLayer::K1;
  const Lines lines = linesOf(gerber(groundPlaneBoard(), o));
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "%LPC*%"), 0);
  EXPECT_EQ(slice(lines, "%LPD*%", 4),
            (Lines{"%LPD*%", "G54D10*", "X100Y400D02*", "X200Y400D01*"}));
}

}  // namespace
}  // namespace trazello
