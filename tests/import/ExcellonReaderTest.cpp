// Drill files read back into holes, and holes put into the pads of an imported layer set.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "files/LayoutIo.h"
#include "import/DrilledPads.h"
#include "import/ExcellonReader.h"
#include "import/GerberSetImport.h"
#include "model/Layer.h"
#include "output/ExcellonFile.h"
#include "output/GerberExport.h"

namespace trazello {
namespace {

struct Hole {
  double x, y, d;  // layout units, y up from the file's origin
};

bool sameHoles(std::vector<Hole> want, std::vector<DrillHole> got, double slack, std::string& why) {
  if (want.size() != got.size()) {
    why = "count " + std::to_string(got.size()) + " for " + std::to_string(want.size());
    return false;
  }
  auto byPlace = [](auto a, auto b) { return std::tie(a.x, a.y) < std::tie(b.x, b.y); };
  std::sort(want.begin(), want.end(), byPlace);
  std::vector<Hole> g;
  for (const DrillHole& h : got) g.push_back({h.at.x, h.at.y, h.diameter});
  std::sort(g.begin(), g.end(), byPlace);
  for (size_t i = 0; i < want.size(); ++i) {
    if (std::fabs(want[i].x - g[i].x) > slack || std::fabs(want[i].y - g[i].y) > slack ||
        std::fabs(want[i].d - g[i].d) > 2 * slack) {
      why = "hole " + std::to_string(i) + " at " + std::to_string(g[i].x) + "," +
            std::to_string(g[i].y) + " d " + std::to_string(g[i].d) + " for " +
            std::to_string(want[i].x) + "," + std::to_string(want[i].y) + " d " +
            std::to_string(want[i].d);
      return false;
    }
  }
  return true;
}

Document demo() {
  Document doc;
  EXPECT_TRUE(openLayout(doc, std::string(TRAZELLO_SOURCE_DIR) + "/examples/demo.trz", false).ok());
  return doc;
}

// The demo board's holes as a drill file places them: y up from the bottom-left corner.
std::vector<Hole> demoHoles(const Document& doc) {
  std::vector<Hole> out;
  for (const TObjekt& e : doc.elements())
    if (holeDiameter(e) > 0) out.push_back({e.X, e.Y + doc.working().height, 2.0 * e.SizeB});
  return out;
}

TEST(ExcellonReader, OurOwnDrillFilesGiveTheDemoBoardsHoles) {
  const Document doc = demo();
  const std::vector<Hole> want = demoHoles(doc);
  ASSERT_GT(want.size(), 10u);
  struct Case {
    DrillUnit unit;
    bool deleteLeadingZeros, m71, noG90;
    double slack;  // the format's resolution: 0.001 inch in inch, 0.01 mm in millimetres
  } cases[] = {
      {DrillUnit::Inch24, false, false, false, 1.28},
      {DrillUnit::Inch24, true, true, false, 1.28},
      {DrillUnit::Metric32, false, false, false, 1e-6},
      {DrillUnit::Metric32, true, false, true, 1e-6},
      {DrillUnit::Metric33, false, true, true, 1e-6},
      {DrillUnit::Metric33, true, false, false, 1e-6},
  };
  for (const Case& c : cases) {
    ExcellonOptions o;
    o.unit = c.unit;
    o.deleteLeadingZeros = c.deleteLeadingZeros;
    o.m71 = c.m71;
    o.noG90 = c.noG90;
    const std::string file = excellonFile(doc.elements(), doc.working(), o);
    EXPECT_TRUE(looksLikeExcellon(file));
    const ExcellonReadResult r = readExcellon(file);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_TRUE(r.warnings.empty()) << r.warnings[0];
    std::string why;
    EXPECT_TRUE(sameHoles(want, r.holes, c.slack, why)) << int(c.unit) << ": " << why;
  }
}

TEST(ExcellonReader, NumberFormatsUnitsAndModes) {
  struct Case {
    const char* text;
    std::vector<Hole> holes;
    const char* warning;  // a part of the only warning, or "" for none
  } cases[] = {
      // Leading zeros kept: the missing digits are on the right of the 2.4 format.
      {"M48\nINCH,LZ\nT1C.04F300S55\nM95\nT1\nX0125Y01\nM30\n", {{3175, 2540, 101.6}}, ""},
      // Trailing zeros kept: the missing digits are on the left.
      {"M48\nINCH,TZ\nT1C0.04\n%\nT1\nX125Y10000\nM30\n", {{31.75, 2540, 101.6}}, ""},
      {"M48\nMETRIC,TZ,000.00\nT1C0.8\n%\nT1\nX1234Y5\nM30\n", {{1234, 5, 80}}, ""},
      {"M48\nMETRIC,LZ,000.000\nT1C0.8\n%\nT1\nX0012Y-0005\nM30\n", {{120, -50, 80}}, ""},
      // Points as written; a coordinate left out keeps its value; tools defined in the body.
      {"M48\nMETRIC\n%\nT2C1.0\nX1.5Y-2.25\nY3.\nM30\n", {{150, -225, 100}, {150, 300, 100}}, ""},
      // Units switched by M71/M72 in the header and the body.
      {"M48\nM71\nT1C1\n%\nT1\nX1.0Y1.0\nM72\nX1.0\nM30\n",
       {{100, 100, 100}, {2540, 100, 100}},
       ""},
      // Incremental coordinates, from the header or by G91.
      {"M48\nMETRIC\nICI,ON\nT1C1\n%\nT1\nX1.0Y1.0\nX1.0\nM30\n",
       {{100, 100, 100}, {200, 100, 100}},
       ""},
      {"M48\nMETRIC\nT1C1\n%\nT1\nX1.0Y1.0\nG91\nY-0.5\nG90\nX3.0\nM30\n",
       {{100, 100, 100}, {100, 50, 100}, {300, 50, 100}},
       ""},
      // A tool with an offset number, and machine settings in the body.
      {"M48\nMETRIC\nT1C1\n%\nFMAT,2\nT0101\nX1.0Y1.0\nM30\n", {{100, 100, 100}}, "FMAT,2"},
      // Slots and routed paths are no holes; the drill goes on where they end.
      {"M48\nMETRIC\nT1C1\n%\nT1\nX1.0Y1.0G85X2.0Y1.0\nG91\nX1.0\nM30\n",
       {{300, 100, 100}},
       "slots"},
      {"M48\nMETRIC\nT1C1\n%\nT1\nG00X1.0Y1.0\nM15\nG01X5.0\nM17\nG05\nX3.0Y1.0\nM30\n",
       {{300, 100, 100}},
       "routed"},
      // Our own header without comments: 3.3 in millimetres, trailing zeros kept.
      {"M48\nMETRIC\nT01C0.8\n%\nG05\nG90\nT01\nX5\nM30\n", {{0.5, 0, 80}}, ""},
      {"M48\nINCH\nT1C1\n%\nT1\nX1Y1\n", {{0.254, 0.254, 2540}}, "M30"},
  };
  for (const Case& c : cases) {
    const ExcellonReadResult r = readExcellon(c.text);
    ASSERT_TRUE(r.ok()) << c.text << r.error;
    std::string why;
    EXPECT_TRUE(sameHoles(c.holes, r.holes, 1e-6, why)) << c.text << why;
    if (*c.warning) {
      ASSERT_EQ(r.warnings.size(), 1u) << c.text;
      EXPECT_NE(r.warnings[0].find(c.warning), std::string::npos) << r.warnings[0];
    } else {
      EXPECT_TRUE(r.warnings.empty()) << c.text << r.warnings[0];
    }
  }
}

TEST(ExcellonReader, MalformedFilesAreRefusedSayingWhy) {
  struct Case {
    const char* text;
    const char* says;
  } cases[] = {
      {"M48\nMETRIC\nT1C0.8\n%\nT1\nX12a4Y100\nM30\n", "\"X12a4\" on line 6 is not a number"},
      {"M48\nMETRIC\nT1C0.8\n%\nT1\nX1.2.3\nM30\n", "\"X1.2.3\" on line 6 is not a number"},
      {"M48\nMETRIC\nT1C0.8\n%\nX100Y100\nM30\n", "on line 5 comes before any tool"},
      {"M48\nMETRIC\nT1C0.8\n%\nT2\nX100Y100\nM30\n", "tool T2, whose diameter is never given"},
      {"M48\nMETRIC\nT1C-0.8\n%\nT1\nX1Y1\nM30\n", "diameter of tool T1 on line 3 is not a size"},
      {"M48\nMETRIC\nT1C\n%\nT1\nX1Y1\nM30\n", "diameter of tool T1"},
      {"M48\nMETRIC\nT1C1\n%\nT1\nX99999999.0Y1\nM30\n", "on line 6 lies beyond 100 m"},
      {"M48\nMETRIC\nT1C1\n%\nT1\nGXY1\nM30\n", "\"G\" on line 6 has no valid number"},
      {"G04 not a drill file*\n", "no Excellon drill file"},
      {"", "no Excellon drill file"},
  };
  for (const Case& c : cases) {
    const ExcellonReadResult r = readExcellon(c.text);
    EXPECT_FALSE(r.ok()) << c.text;
    EXPECT_NE(r.error.find(c.says), std::string::npos) << c.text << " -> " << r.error;
    EXPECT_TRUE(r.holes.empty());
    EXPECT_TRUE(r.warnings.empty());
  }
}

TEST(ExcellonReader, OnlyAHeaderStartMarksADrillFile) {
  EXPECT_TRUE(looksLikeExcellon("; Drill file\r\n\r\n  M48\r\nINCH\r\n"));
  EXPECT_FALSE(looksLikeExcellon("%FSLAX26Y26*%\nM48\n"));
  EXPECT_FALSE(looksLikeExcellon("G04 M48*\n"));
  EXPECT_FALSE(looksLikeExcellon("; only a comment\n"));
}

// Holes go into the pads they hit: both sides make a through-plated pad, one side a drilled pad,
// no pad a bare drilled pad on the drill file's layer, copper of both sides that is no pad (a
// square pad written as a region) a bare through-plated pad.
TEST(DrilledPads, HolesDrillThePadsTheyHit) {
  std::vector<TObjekt> el;
  el.push_back(newPad({100, -900}, layer::C1, padshape::Round, 40, 0));
  el.push_back(newPad({101, -899}, layer::C2, padshape::Square, 50, 0));  // 1 unit off
  el.push_back(newPad({300, -900}, layer::C2, padshape::Round, 40, 0));
  el.push_back(newSmdPad({500, -900}, layer::C1, 100, 100));
  el.push_back(newSmdPad({500, -900}, layer::C2, 100, 100));
  el.push_back(newTrack(20, layer::C1));
  appendPoint(el.back(), {0, -500});
  appendPoint(el.back(), {900, -500});
  const std::vector<DrillHole> holes{
      {{100, 100}, 30}, {{300, 100}, 20}, {{500, 100}, 40}, {{700, 100}, 60}, {{106, 100}, 10}};
  const size_t before = el.size();
  EXPECT_EQ(putDrillHoles(el, holes, layer::S2, 1000), 2);
  ASSERT_EQ(el.size(), before - 1 + 3);
  // The two pads at 100 are one plated pad: the first, the larger outer radius, the drill.
  EXPECT_EQ(el[0].Layer, layer::C1);
  EXPECT_EQ(el[0].Plated, 1);
  EXPECT_EQ(el[0].SizeA, 50);
  EXPECT_EQ(el[0].SizeB, 15);
  EXPECT_EQ(el[1].Layer, layer::C2);  // the pad at 300, drilled, not plated
  EXPECT_EQ(el[1].SizeB, 10);
  EXPECT_EQ(el[1].Plated, 0);
  EXPECT_TRUE(el[2].is(ElementKind::SmdPad));
  struct Bare {
    Point at;
    uint8_t layer, plated;
    float radius;
  } bare[] = {{{500, -900}, layer::C1, 1, 20},
              {{700, -900}, layer::S2, 0, 30},
              {{106, -900}, layer::S2, 0, 5}};  // 6 units from the pad: no hit
  for (size_t k = 0; k < 3; ++k) {
    const TObjekt& p = el[before - 1 + k];
    EXPECT_TRUE(p.is(ElementKind::Pad));
    EXPECT_EQ((Point{p.X, p.Y}), bare[k].at);
    EXPECT_EQ(p.Layer, bare[k].layer);
    EXPECT_EQ(p.Plated, bare[k].plated);
    EXPECT_EQ(p.SizeA, bare[k].radius);
    EXPECT_EQ(p.SizeB, bare[k].radius);
  }
}

// The demo board written as copper files of both sides and a drill file comes back with its
// through-plated pads in place, each drilled as before, and no other pad.
TEST(DrilledPads, TheDemoBoardsLayerSetGivesItsPlatedPadsBack) {
  const Document doc = demo();
  std::vector<GerberLayerFile> files;
  for (auto [side, code] : {std::pair{GerberLayer::K1, layer::C1}, {GerberLayer::K2, layer::C2}}) {
    GerberOptions o;
    o.layer = side;
    files.push_back(
        {"side", GerberExport(doc.elements(), doc.working(), o).PlotteGerberfile(), code});
  }
  ExcellonOptions o;
  o.unit = DrillUnit::Metric33;
  files.push_back({"drill", excellonFile(doc.elements(), doc.working(), o), layer::C2});
  const GerberSetImport r = importGerberSet(files, doc.working().height);
  ASSERT_TRUE(r.ok()) << r.error;
  std::vector<const TObjekt*> want, got;
  for (const TObjekt& e : doc.elements())
    if (holeDiameter(e) > 0) want.push_back(&e);
  for (const TObjekt& e : r.elements)
    if (e.is(ElementKind::Pad)) got.push_back(&e);
  EXPECT_EQ(r.holes, int(want.size()));
  EXPECT_EQ(r.platedHoles, int(want.size()));
  ASSERT_EQ(got.size(), want.size());
  for (const TObjekt* w : want) {
    ASSERT_TRUE(w->Plated);
    const auto same = std::find_if(got.begin(), got.end(), [&](const TObjekt* g) {
      return std::fabs(g->X - w->X) < 0.01 && std::fabs(g->Y - w->Y) < 0.01;
    });
    ASSERT_NE(same, got.end()) << w->X << "," << w->Y;
    EXPECT_EQ((*same)->Plated, 1);
    EXPECT_EQ((*same)->SizeB, w->SizeB);
  }
}

TEST(DrilledPads, ARefusedDrillFileRefusesTheWholeSet) {
  const std::vector<GerberLayerFile> files{
      {"top.gbr", "%FSLAX26Y26*%%MOMM*%%ADD10C,1*%D10*X0Y0D03*M02*", layer::C1},
      {"holes.drl", "M48\nMETRIC\nT1C1\n%\nX1Y1\nM30\n", layer::C2}};
  const GerberSetImport r = importGerberSet(files, 1000);
  EXPECT_FALSE(r.ok());
  EXPECT_TRUE(r.refusedDrillFile);
  EXPECT_EQ(r.refusedFile, "holes.drl");
  EXPECT_NE(r.error.find("before any tool"), std::string::npos) << r.error;
  EXPECT_TRUE(r.elements.empty());
}

}  // namespace
}  // namespace trazello
