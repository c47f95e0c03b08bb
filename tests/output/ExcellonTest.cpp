// The Excellon drill file and the drill list.
#include <gtest/gtest.h>

#include "OutputFixtures.h"
#include "output/DrillList.h"
#include "output/ExcellonFile.h"
#include "output/OutputFiles.h"

namespace trazello {
namespace {

using testing::linesOf;
using testing::listOf;
using testing::smallBoard;
using Lines = std::vector<std::string>;

TObjekt hole(Point at, float drillRadius, bool plated = false, uint8_t layerCode = layer::C1) {
  TObjekt p = newPad(at, layerCode, padshape::Round, drillRadius + 30, drillRadius);
  p.Plated = plated ? 1 : 0;
  return p;
}

struct CoordinateCase {
  int32_t units;
  DrillUnit unit;
  bool deleteLeadingZeros;
  const char* expected;
};

void PrintTo(const CoordinateCase& c, std::ostream* os) {
  *os << c.units << " units, unit " << static_cast<int>(c.unit)
      << (c.deleteLeadingZeros ? ", no leading zeros" : "");
}

class ExcellonCoordinate : public ::testing::TestWithParam<CoordinateCase> {};

TEST_P(ExcellonCoordinate, IsWrittenWithoutDecimalPoint) {
  const CoordinateCase& c = GetParam();
  EXPECT_EQ(excellonCoordinate(c.units, c.unit, c.deleteLeadingZeros), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Excellon, ExcellonCoordinate,
    ::testing::Values(CoordinateCase{1270, DrillUnit::Inch24, false, "005000"},
                      CoordinateCase{1270, DrillUnit::Inch24, true, "5000"},
                      CoordinateCase{-1270, DrillUnit::Inch24, false, "-005000"},
                      CoordinateCase{5, DrillUnit::Metric32, false, "00005"},
                      CoordinateCase{5, DrillUnit::Metric32, true, "5"},
                      CoordinateCase{5, DrillUnit::Metric33, false, "000050"},
                      CoordinateCase{5, DrillUnit::Metric33, true, "50"},
                      CoordinateCase{-5, DrillUnit::Metric32, false, "-00005"},
                      CoordinateCase{-5, DrillUnit::Metric33, true, "-50"},
                      CoordinateCase{0, DrillUnit::Metric32, false, "00000"},
                      CoordinateCase{123456, DrillUnit::Metric32, false, "123456"}));

TEST(Excellon, DiametersUseTheShortestFormWithFourDigits) {
  EXPECT_EQ(excellonDiameter(80, DrillUnit::Metric32), "0.8");
  EXPECT_EQ(excellonDiameter(80, DrillUnit::Inch24), "0.031");
  EXPECT_EQ(excellonDiameter(100, DrillUnit::Metric33), "1");
  EXPECT_EQ(excellonDiameter(127, DrillUnit::Metric32), "1.27");
  EXPECT_EQ(excellonDiameter(1234, DrillUnit::Inch24), "0.486");
}

TEST(Excellon, NoHoleGivesHeaderAndEnd) {
  EXPECT_EQ(
      linesOf(excellonFile(listOf({}), smallBoard(), {})),
      (Lines{"; Drill file", "; Format: 2.4 (00.0000)", "M48", "INCH", "%", "G05", "G90", "M30"}));
  ExcellonOptions o;
  o.unit = DrillUnit::Metric33;
  o.m71 = true;
  o.noG90 = true;
  o.noComments = true;
  EXPECT_EQ(linesOf(excellonFile(listOf({}), smallBoard(), o)),
            (Lines{"M48", "M71", "%", "G05", "M30"}));
}

TEST(Excellon, ToolsAreNumberedWithTwoDigitsAndNoMore) {
  std::vector<TObjekt> pads;
  for (int i = 11; i >= 1; --i) pads.push_back(hole({float(100 * i), -100}, float(5 * i)));
  ExcellonOptions o;
  o.unit = DrillUnit::Metric32;
  o.noComments = true;
  const Lines lines = linesOf(excellonFile(listOf(pads), smallBoard(), o));
  EXPECT_EQ(Lines(lines.begin() + 2, lines.begin() + 13),
            (Lines{"T01C0.1", "T02C0.2", "T03C0.3", "T04C0.4", "T05C0.5", "T06C0.6", "T07C0.7",
                   "T08C0.8", "T09C0.9", "T10C1", "T11C1.1"}));
  EXPECT_EQ(Lines(lines.end() - 5, lines.end()),
            (Lines{"T10", "X01000Y00400", "T11", "X01100Y00400", "M30"}));
}

TEST(Excellon, FiltersPlatedAndUnplatedAndMergesEqualDiameters) {
  const ElementList list = listOf({hole({100, -100}, 40, true), hole({200, -100}, 40, false),
                                   hole({300, -100}, 50, false), hole({400, -100}, 0, false),
                                   hole({500, -100}, 40, true, layer::S1)});
  ExcellonOptions o;
  o.unit = DrillUnit::Metric32;
  o.noComments = true;
  o.sort = false;
  EXPECT_EQ(linesOf(excellonFile(list, smallBoard(), o)),
            (Lines{"M48", "METRIC", "T01C0.8", "T02C1", "%", "G05", "G90", "T01", "X00100Y00400",
                   "X00200Y00400", "T02", "X00300Y00400", "M30"}));
  o.filter = {false, true};
  EXPECT_EQ(linesOf(excellonFile(list, smallBoard(), o)),
            (Lines{"M48", "METRIC", "T01C0.8", "%", "G05", "G90", "T01", "X00100Y00400", "M30"}));
  o.filter = {true, false};
  EXPECT_EQ(toolList(list, o.filter), (std::vector<int32_t>{80, 100}));
}

TEST(Excellon, SortingWalksToTheNearestHoleFromTheOrigin) {
  const ElementList list = listOf(
      {hole({900, -100}, 40), hole({100, -400}, 40), hole({800, -100}, 40), hole({100, -100}, 40)});
  const std::vector<size_t> path = holesOfTool(list, 80, {}, true, {0, -500});
  EXPECT_EQ(path, (std::vector<size_t>{1, 3, 2, 0}));
  EXPECT_EQ(holesOfTool(list, 80, {}, false, {0, -500}), (std::vector<size_t>{0, 1, 2, 3}));
}

TEST(Excellon, BottomSideMirrorsAboutTheBoardOrTheElementsBox) {
  // Elements span x 30 .. 350 (pad ring and track ends): the box mirror maps x to 380 - x, the
  // board mirror to 1000 - x.
  const ElementList list =
      listOf({hole({100, -100}, 40), testing::track(layer::S1, 100, {{100, -300}, {300, -300}})});
  ExcellonOptions o;
  o.unit = DrillUnit::Metric32;
  o.noComments = true;
  o.side = DrillSide::BottomGerber;
  EXPECT_EQ(linesOf(excellonFile(list, smallBoard(), o))[7], "X00900Y00400");
  o.side = DrillSide::BottomHpgl;
  EXPECT_EQ(linesOf(excellonFile(list, smallBoard(), o))[7], "X00280Y00400");
  BoardSettings board = smallBoard();
  board.originX = 200000;
  board.originY = -50000;
  o.camOrigin = true;
  o.side = DrillSide::BottomGerber;
  EXPECT_EQ(linesOf(excellonFile(list, board, o))[7], "X00100Y-00050");
  o.side = DrillSide::Top;
  EXPECT_EQ(linesOf(excellonFile(list, board, o))[7], "X-00100Y-00050");
}

TEST(Excellon, FailedWriteIsReported) {
  const auto m = saveDrillFile(listOf({}), smallBoard(), {}, "/nonexistent-dir/x.drl");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->id, MessageId::DrillFileNotWritten);
  EXPECT_EQ(m->args[0], "/nonexistent-dir/x.drl");
  EXPECT_FALSE(m->args[1].empty());
}

TEST(DrillList, CountsEachDiameterAndTheTotal) {
  const ElementList list = listOf({hole({100, -100}, 40, true), hole({200, -100}, 40, false),
                                   hole({300, -100}, 50, false), hole({400, -100}, 63.5f, true)});
  EXPECT_EQ(drillListLines(list, {}, {}),
            (Lines{"   2 x  0.80 mm", "   1 x  1.00 mm", "   1 x  1.27 mm", "----------------",
                   "   4 drilings"}));
  DrillListStyle mil{true, '.', 2};
  EXPECT_EQ(drillListLines(list, {false, true}, mil),
            (Lines{"   1 x   31 mil", "   1 x   50 mil", "----------------", "   2 percages"}));
  DrillListStyle comma{false, ',', 0};
  EXPECT_EQ(drillListLines(listOf({}), {}, comma), (Lines{"----------------", "   0 отверстий"}));
  EXPECT_EQ(drillListLines(list, {true, false}, comma)[0], "   1 x  0,80 мм");
}

}  // namespace
}  // namespace trazello
