// Masks, punched holes, pad shapes and filled circles in the Gerber export.
#include <gtest/gtest.h>

#include <algorithm>

#include "OutputFixtures.h"
#include "model/ElementGeometry.h"
#include "output/GerberExport.h"
#include "output/OutputFiles.h"

namespace trazello {
namespace {

using testing::linesOf;
using testing::listOf;
using testing::slice;
using testing::smallBoard;
using Lines = std::vector<std::string>;

Lines gerberLines(const ElementList& list, GerberOptions o) {
  return linesOf(GerberExport(list, smallBoard(), o).PlotteGerberfile());
}

Lines apertureTable(const Lines& lines) {
  Lines table;
  for (const std::string& l : lines)
    if (l.starts_with("%ADD")) table.push_back(l);
  return table;
}

size_t countOf(const Lines& lines, const std::string& line) {
  return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

GerberOptions smdMask() {
  GerberOptions o;
  o.layer = GerberLayer::SMD1;
  o.smdPads = true;
  o.smdOffset = -0.10;
  return o;
}

struct ShrinkCase {
  float width, height;
  Lines region;
};

void PrintTo(const ShrinkCase& c, std::ostream* os) { *os << c.width << " x " << c.height; }

class SmdShrinkLimit : public ::testing::TestWithParam<ShrinkCase> {};

TEST_P(SmdShrinkLimit, StopsEachSideAtFiveHundredthsOfAMillimetre) {
  const ShrinkCase& c = GetParam();
  const ElementList list = listOf({newSmdPad({200.5f, -200.5f}, layer::C1, c.width, c.height)});
  EXPECT_EQ(slice(gerberLines(list, smdMask()), "G36*", 7), c.region);
}

INSTANTIATE_TEST_SUITE_P(
    Gerber, SmdShrinkLimit,
    ::testing::Values(
        // 0.15 mm wide: shrunk by 0.05 mm per side instead of 0.10 mm, to 0.05 mm.
        ShrinkCase{15,
                   100,
                   {"G36*", "X198Y344D02*", "X203Y344D01*", "X203Y254D01*", "X198Y254D01*",
                    "X198Y344D01*", "G37*"}},
        // 0.13 mm high then limits the already limited offset once more, to 0.04 mm per side.
        ShrinkCase{15,
                   13,
                   {"G36*", "X197Y302D02*", "X204Y302D01*", "X204Y297D01*", "X197Y297D01*",
                    "X197Y302D01*", "G37*"}},
        // Large pads lose the full 0.10 mm per side.
        ShrinkCase{100,
                   60,
                   {"G36*", "X160Y320D02*", "X240Y320D01*", "X240Y280D01*", "X160Y280D01*",
                    "X160Y320D01*", "G37*"}}));

TEST(GerberMask, SolderMaskGrowsPadsAndHonoursTheInvertOption) {
  TObjekt through = testing::pad({100, -100}, layer::C2, padshape::Round, 80, 40);
  through.Plated = 1;
  TObjekt noMask = testing::pad({300, -100}, layer::C1, padshape::Round, 80, 40);
  noMask.SolderMask = 0;
  GerberOptions o;
  o.layer = GerberLayer::LStop1;
  o.pads = true;
  o.invert = true;
  const Lines lines = gerberLines(listOf({through, noMask}), o);
  EXPECT_EQ(apertureTable(lines), (Lines{"%ADD10C, 2.20*%"}));  // 0.80 mm radius + 0.30 mm
  EXPECT_EQ(slice(lines, "%LPD*%", 11),
            (Lines{"%LPD*%", "G36*", "X0Y500D02*", "X1000Y500D01*", "X1000Y0D01*", "X0Y0D01*",
                   "X0Y500D01*", "G37*", "%LPC*%", "X100Y400D02*", "G54D10*"}));
  o.layer = GerberLayer::LStop2;
  EXPECT_EQ(countOf(gerberLines(listOf({through, noMask}), o), "D03*"), 1u);
}

TEST(GerberMask, PlatedPadIsOnEveryCopperLayer) {
  TObjekt through = testing::pad({100, -100}, layer::C2, padshape::Round, 80, 40);
  through.Plated = 1;
  for (GerberLayer l : {GerberLayer::K1, GerberLayer::K2, GerberLayer::I1, GerberLayer::I2}) {
    GerberOptions o;
    o.layer = l;
    EXPECT_EQ(countOf(gerberLines(listOf({through}), o), "D03*"), 1u) << gerberButtonName(l);
  }
  GerberOptions silk;
  silk.layer = GerberLayer::B1;
  EXPECT_EQ(countOf(gerberLines(listOf({through}), silk), "D03*"), 0u);
}

TEST(GerberMask, PunchedHolesAreClearFlashesOfTheDrillOrOfTheMark) {
  const ElementList list = listOf({testing::pad({100, -100}, layer::C1, padshape::Round, 80, 40),
                                   testing::pad({300, -100}, layer::C1, padshape::Square, 80, 0)});
  GerberOptions o;
  o.layer = GerberLayer::K1;
  o.punchHoles = true;
  Lines lines = gerberLines(list, o);
  EXPECT_EQ(slice(lines, "%LNAUGENFREISTANZEN*%", 9),
            (Lines{"%LNAUGENFREISTANZEN*%", "%LPC*%", "X100Y400D02*", "G54D11*", "D03*",
                   "X300Y400D02*", "G54D12*", "D03*", "M02*"}));
  EXPECT_EQ(apertureTable(lines), (Lines{"%ADD10C, 1.60*%", "%ADD11C, 0.80*%", "%ADD12C, 0.00*%"}));
  o.markHoles = true;
  lines = gerberLines(list, o);
  EXPECT_EQ(slice(lines, "%LPC*%", 7), (Lines{"%LPC*%", "X100Y400D02*", "G54D11*", "D03*",
                                              "X300Y400D02*", "G54D11*", "D03*"}));
  EXPECT_EQ(apertureTable(lines).back(), "%ADD11C, 0.30*%");
}

TEST(GerberMask, OblongPadIsAStrokeAndGrownSquareKeepsItsTurn) {
  TObjekt oblong = testing::pad({100, -100}, layer::C1, padshape::OblongH, 50, 20);
  TObjekt square = testing::pad({300, -300}, layer::C1, padshape::Square, 50, 20);
  rotateElement(square, {300, -300}, 90);
  GerberOptions o;
  o.layer = GerberLayer::LStop1;
  o.pads = true;
  o.padOffset = 0.10;
  const Lines lines = gerberLines(listOf({oblong, square}), o);
  EXPECT_EQ(slice(lines, "G54D10*", 10),
            (Lines{"G54D10*", "X50Y400D02*", "X150Y400D01*",
                   // a 1.2 mm square turned a quarter: corners move round by one place
                   "G36*", "X360Y260D02*", "X360Y140D01*", "X240Y140D01*", "X240Y260D01*",
                   "X360Y260D01*", "G37*"}));
  EXPECT_EQ(apertureTable(lines), (Lines{"%ADD10C, 1.20*%"}));
}

TEST(GerberMask, FilledCircleIsTheDiscTheScreenShows) {
  TObjekt disc = newCircle({200, -200}, layer::S1, 60, 40);
  disc.Filled = 1;
  GerberOptions o;
  o.layer = GerberLayer::B1;
  EXPECT_EQ(
      slice(gerberLines(listOf({disc}), o), "G54D10*", 12),
      (Lines{"G54D10*", "G36*", "G75*", "G01X250Y300D02*", "G03X250Y300I-50J0D01*", "G01*",
             "X250Y300D01*", "G37*", "G75*", "G01X250Y300D02*", "G03X250Y300I-50J0D01*", "G01*"}));
}

TEST(GerberMask, FilledSectorIsClosedByItsChord) {
  TObjekt sector = newCircle({200, -200}, layer::S1, 60, 40);
  sector.Filled = 1;
  sector.Spokes = 0;
  sector.Width = 90;
  GerberOptions o;
  o.layer = GerberLayer::B1;
  o.mirror = true;
  EXPECT_EQ(slice(gerberLines(listOf({sector}), o), "G36*", 14),
            (Lines{"G36*", "G75*", "G01X800Y350D02*", "G03X750Y300I0J-50D01*", "G01*",
                   "X800Y350D01*", "G37*", "G75*", "G01X800Y350D02*", "G03X750Y300I0J-50D01*",
                   "G01*", "X750Y300D02*", "X800Y350D01*", "M02*"}));
}

TEST(GerberMask, SpokesOfATurnedSmdPadTurnWithIt) {
  TObjekt smd = newSmdPad({500, -250}, layer::C2, 100, 40);
  rotateElement(smd, {500, -250}, 90);  // now 0.40 mm wide and 1.00 mm high
  smd.Thermal() = 1;
  smd.Spokes = 0x05;  // directions 1 and 3 of the pad: up and right before turning
  smd.Clearance = 10;
  BoardSettings board = smallBoard();
  board.groundPlane[layer::C2] = 1;
  GerberOptions o;
  o.layer = GerberLayer::K2;
  const Lines lines = linesOf(GerberExport(listOf({smd}), board, o).PlotteGerberfile());
  // Pen round(0.40 / 3 mm); up turns to right (0.30 mm out), right turns to down (0.60 mm).
  EXPECT_EQ(slice(lines, "G54D10*", 5),
            (Lines{"G54D10*", "X530Y250D02*", "X500Y250D01*", "X500Y190D02*", "X500Y250D01*"}));
  EXPECT_EQ(apertureTable(lines), (Lines{"%ADD10C, 0.13*%"}));
}

TEST(GerberMask, FailedCreateIsReported) {
  GerberOptions o;
  const Message m = saveGerberFile(listOf({}), smallBoard(), o, "/nonexistent-dir/Copper1.GBR");
  EXPECT_EQ(m.kind, MessageKind::Error);
  EXPECT_EQ(m.id, MessageId::GerberFileNotCreated);
  EXPECT_EQ(m.caption, "Gerber file (RS274X format)");
  EXPECT_TRUE(outputMessageText(m, 1).starts_with("Can not create file!"));
  EXPECT_TRUE(outputMessageText(m, 2).starts_with("Impossible de créer le fichier !"));
  EXPECT_EQ(outputMessageCaption(m, 0), "Файл Gerber (формат RS274X)");
}

}  // namespace
}  // namespace trazello
