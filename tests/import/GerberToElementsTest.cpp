// Graphics objects become elements as a user would draw them: pads, SMD pads, tracks, circles
// and zones in the place the file puts them.
#include <gtest/gtest.h>

#include <cmath>

#include "GerberTestSupport.h"
#include "checks/ShapeBuilder.h"
#include "import/GerberToElements.h"
#include "model/Layer.h"
#include "output/GerberExport.h"
#include "output/OutputFixtures.h"

namespace trazello {
namespace {

using testing::elementsCopper;
using testing::imageCopper;

const std::string kHead = "%FSLAX26Y26*%\n%MOMM*%\n";

std::vector<TObjekt> import(const std::string& body, double boardHeight = 0) {
  const GerberReadResult r = readGerber(kHead + body + "M02*");
  EXPECT_TRUE(r.ok()) << r.error;
  return gerberToElements(r.image, layer::C2, boardHeight);
}

TEST(GerberToElements, FlashesBecomePadsSmdPadsTracksOrZones) {
  struct Case {
    const char* aperture;
    ElementKind kind;
    uint8_t shape;
    float sizeA, sizeB;
  } cases[] = {
      {"C,1X0.4", ElementKind::Pad, padshape::Round, 50, 20},
      {"R,1X1", ElementKind::Pad, padshape::Square, 50, 0},
      {"R,1X2", ElementKind::SmdPad, 0, 100, 200},
      {"O,1X3", ElementKind::Track, 0, 0, 0},
      {"P,1X6", ElementKind::Zone, 0, 0, 0},
      {"R,1X2X0.3X0.3", ElementKind::Zone, 0, 0, 0},  // a rectangular hole is no drill
  };
  for (const Case& c : cases) {
    const std::vector<TObjekt> el =
        import(std::string("%ADD10") + c.aperture + "*%D10*X5000000Y-3000000D03*");
    ASSERT_FALSE(el.empty()) << c.aperture;
    // A zone with a hole is cut into zones without holes.
    EXPECT_TRUE(el.size() == 1 || c.kind == ElementKind::Zone) << c.aperture;
    const TObjekt& e = el[0];
    EXPECT_EQ(e.Kind, c.kind) << c.aperture;
    EXPECT_EQ(e.Layer, layer::C2);
    EXPECT_EQ(e.Clearance, 0);
    if (c.kind == ElementKind::Pad || c.kind == ElementKind::SmdPad) {
      EXPECT_EQ(e.X, 500);
      EXPECT_EQ(e.Y, -300);
      EXPECT_EQ(e.PadShape, c.shape);
      EXPECT_EQ(e.SizeA, c.sizeA) << c.aperture;
      EXPECT_EQ(e.SizeB, c.sizeB) << c.aperture;
    }
    if (c.kind == ElementKind::Track) {
      // The obround 1 x 3 mm: a 1 mm track along its long axis.
      EXPECT_EQ(e.Width, 100);
      EXPECT_EQ(e.Points, (std::vector<Point>{{500, -400}, {500, -200}}));
    }
    // Whatever the element, it covers the flash's copper; a pad's copper includes its drill.
    const GerberReadResult r =
        readGerber(kHead + "%ADD10" + c.aperture + "*%D10*X5000000Y-3000000D03*M02*");
    const double want = areaInSquareUnits(imageCopper(r.image)) +
                        M_PI * e.SizeB * e.SizeB * (c.shape == padshape::Round);
    EXPECT_NEAR(areaInSquareUnits(elementsCopper(el)), want, want * 0.01) << c.aperture;
  }
}

// Tracks that meet end to end are joined into polylines, but only with their own width: giving
// a thin track the width of a thick one it touches would add copper the file does not show.
TEST(GerberToElements, TracksThatMeetJoinWhenTheirWidthsAgree) {
  const std::vector<TObjekt> el = import(
      "%ADD10C,0.3*%%ADD11C,1*%D10*X0Y0D02*X10000000Y0D01*X10000300Y0D02*X10000000Y10000000D01*"
      "D11*X10000000Y10000000D02*X20000000Y10000000D01*X30000000Y0D02*X40000000Y0D01*");
  ASSERT_EQ(el.size(), 3u);
  EXPECT_EQ(el[0].Width, 30);
  // The second draw's start lies within 4 units of the first's end.
  EXPECT_EQ(el[0].Points, (std::vector<Point>{{0, 0}, {1000, 0}, {1000, 1000}}));
  EXPECT_EQ(el[1].Width, 100);
  EXPECT_EQ(el[1].Points, (std::vector<Point>{{1000, 1000}, {2000, 1000}}));
  EXPECT_EQ(el[2].Points.size(), 2u);
}

TEST(GerberToElements, ClockwiseArcsAndJoinedArcs) {
  // Clockwise from the left end over the top to the right end: counter-clockwise 0 to 180 degrees.
  std::vector<TObjekt> el =
      import("%ADD10C,0.2*%D10*G75*X-10000000Y0D02*G02X10000000Y0I10000000J0D01*");
  ASSERT_EQ(el.size(), 1u);
  EXPECT_EQ(el[0].Kind, ElementKind::Circle);
  EXPECT_EQ(el[0].Spokes, 0);
  EXPECT_EQ(el[0].Width, 180);
  EXPECT_EQ(el[0].SizeA, 1010);
  EXPECT_EQ(el[0].SizeB, 990);
  // Two quarter arcs that continue each other are one arc.
  el = import(
      "%ADD10C,0.2*%D10*G75*X10000000Y0D02*G03X0Y10000000I-10000000J0D01*G03X-10000000Y0I0J-"
      "10000000D01*");
  ASSERT_EQ(el.size(), 1u);
  EXPECT_EQ(el[0].Spokes, 0);
  EXPECT_EQ(el[0].Width, 180);
  // An arc whose ends are not on whole degrees keeps its ends: a track along the curve.
  el = import("%ADD10C,0.2*%D10*G75*X10000000Y0D02*G03X9998000Y200000I-10000000J0D01*");
  ASSERT_EQ(el.size(), 1u);
  EXPECT_EQ(el[0].Kind, ElementKind::Track);
  EXPECT_NEAR(el[0].Points.back().x, 999.8, 1e-3);
}

// Clear polarity leaves exactly the copper the file shows: the cut plane becomes zones without
// copper in the hole, while the pad flashed after the clear disc stays a pad.
TEST(GerberToElements, ClearPolarityCutsDarkCopperIntoZones) {
  const std::string body =
      "%ADD10C,2*%%ADD11C,1*%G36*X0Y0D02*X10000000Y0D01*Y10000000D01*X0D01*X0Y0D01*G37*%LPC*%D10*"
      "X5000000Y5000000D03*%LPD*%D11*X5000000Y5000000D03*X20000000Y0D03*";
  const std::vector<TObjekt> el = import(body);
  const GerberReadResult r = readGerber(kHead + body + "M02*");
  int pads = 0;
  for (const TObjekt& e : el) {
    EXPECT_TRUE(e.is(ElementKind::Zone) || e.is(ElementKind::Pad));
    pads += e.is(ElementKind::Pad);
    if (e.is(ElementKind::Zone)) {
      EXPECT_EQ(elementRegion(e).size(), 1u);
    }
  }
  EXPECT_EQ(pads, 2);
  const Paths ours = elementsCopper(el), theirs = imageCopper(r.image);
  const double diff =
      areaInSquareUnits(subtract(ours, theirs)) + areaInSquareUnits(subtract(theirs, ours));
  // Only the flattening of the pads' and the hole's circles differs.
  EXPECT_LT(diff, 0.0005 * areaInSquareUnits(theirs));
  // The ring between the small pad and the clear disc is free.
  EXPECT_FALSE(overlap(ours, Paths{disc({500, 425}, 5)}));
}

// A macro aperture of any form draws exactly the copper it sweeps: zones that cover the aperture
// flashed densely along the path and barely more. The cross is not convex, so its hull would add
// copper at the corners; its clear centre is filled by the moving bars.
TEST(GerberToElements, MacroAperturesDrawTheCopperTheySweep) {
  const std::string macro =
      "%AMCROSS*20,1,0.2,-0.5,0,0.5,0,0*20,1,0.2,0,-0.5,0,0.5,0*1,0,0.1,0,0*%%ADD10CROSS*%D10*";
  struct Case {
    const char* path;
    GPoint from, to;  // mm; an arc when `arc`
    bool arc;
  } cases[] = {
      {"X0Y0D02*X10000000Y0D01*", {0, 0}, {10, 0}, false},
      {"X0Y0D02*X7000000Y5000000D01*", {0, 0}, {7, 5}, false},
      {"G75*X10000000Y0D02*G03X0Y10000000I-10000000J0D01*", {10, 0}, {0, 10}, true},
  };
  for (const Case& c : cases) {
    const std::vector<TObjekt> el = import(macro + c.path);
    ASSERT_FALSE(el.empty()) << c.path;
    for (const TObjekt& e : el) EXPECT_TRUE(e.is(ElementKind::Zone));
    std::string flashes = macro;
    constexpr int kSteps = 2000;
    for (int k = 0; k <= kSteps; ++k) {
      const double t = double(k) / kSteps;
      GPoint p{c.from.x + (c.to.x - c.from.x) * t, c.from.y + (c.to.y - c.from.y) * t};
      if (c.arc) p = {10 * std::cos(t * M_PI / 2), 10 * std::sin(t * M_PI / 2)};
      flashes += "X" + std::to_string(std::lround(p.x * 1e6)) + "Y" +
                 std::to_string(std::lround(p.y * 1e6)) + "D03*";
    }
    const GerberReadResult sampled = readGerber(kHead + flashes + "M02*");
    ASSERT_TRUE(sampled.ok());
    const Paths ours = elementsCopper(el), samples = imageCopper(sampled.image);
    const double want = areaInSquareUnits(samples);
    // Samples on the true arc poke out of the flattened one by at most a quarter unit; between
    // samples 0.4 to 0.8 units apart the moving edges leave small notches uncovered.
    EXPECT_LT(areaInSquareUnits(subtract(samples, ours)), 1e-3 * want) << c.path;
    EXPECT_LT(areaInSquareUnits(subtract(ours, samples)), 5e-3 * want) << c.path;
  }
  // Along x: the vertical bar sweeps 10.2 x 1 mm, the horizontal one sticks out 0.4 mm at each
  // end; the hull of the cross at both ends would cover 10.68 mm².
  EXPECT_NEAR(areaInSquareUnits(elementsCopper(import(macro + cases[0].path))), 103600, 50);
}

// A negative image is copper over the box around everything drawn, less what the file draws dark
// and plus what it draws clear; shapes keep their own form when the image is turned.
TEST(GerberToElements, NegativeAndTurnedImages) {
  const std::string shapes =
      "%ADD10C,1*%%ADD11C,2*%G36*X0Y0D02*X10000000Y0D01*Y10000000D01*X0D01*X0Y0D01*G37*D10*"
      "X20000000Y5000000D03*";
  struct Case {
    std::string body;
    double area;  // square units
  } cases[] = {
      // The box runs from the region's corner to the far edge of the disc at 20 mm.
      {"%IPNEG*%" + shapes, 205e4 - 100e4 - M_PI * 0.25e4},
      {"%IPNEG*%" + shapes + "%LPC*%D11*X5000000Y5000000D03*",
       205e4 - 100e4 - M_PI * 0.25e4 + M_PI * 1e4},
      {"%IPNEG*%%IR90*%" + shapes, 205e4 - 100e4 - M_PI * 0.25e4},
      {"%IPPOS*%" + shapes, 100e4 + M_PI * 0.25e4},
  };
  for (const Case& c : cases) {
    const GerberReadResult r = readGerber(kHead + c.body + "M02*");
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_TRUE(r.image.warnings.empty()) << r.image.warnings[0];
    const std::vector<TObjekt> el = gerberToElements(r.image, layer::C2, 0);
    EXPECT_NEAR(areaInSquareUnits(elementsCopper(el)), c.area, 2e-3 * c.area) << c.body;
  }
  // Turned a quarter, a 1 x 2 mm rectangle flashed at (5, 0) mm is a 2 x 1 mm SMD pad at (0, 5).
  const std::vector<TObjekt> el = import("%IR90*%%ADD10R,1X2*%D10*X5000000Y0D03*");
  ASSERT_EQ(el.size(), 1u);
  EXPECT_TRUE(el[0].is(ElementKind::SmdPad));
  EXPECT_EQ((Point{el[0].X, el[0].Y}), (Point{0, 500}));
  EXPECT_EQ(el[0].SizeA, 200);
  EXPECT_EQ(el[0].SizeB, 100);
}

TEST(GerberToElements, OwnExportComesBackInTheSamePlace) {
  using namespace trazello::testing;
  const BoardSettings board = smallBoard();
  TObjekt arc = newCircle({300, -250}, layer::C2, 110, 90);
  arc.Spokes = 30;
  arc.Width = 200;
  const ElementList elements = listOf({
      pad({100, -100}, layer::C2, padshape::Round, 60, 20),
      newSmdPad({800, -400}, layer::C2, 120, 60),
      track(layer::C2, 25, {{100, -100}, {500, -100}, {500, -300}}),
      arc,
      zone(layer::C2, 0, {{600, -100}, {900, -100}, {900, -300}}),
  });
  GerberOptions o;
  o.layer = GerberLayer::K2;
  const std::string file = GerberExport(elements, board, o).PlotteGerberfile();
  const GerberReadResult r = readGerber(file);
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_TRUE(r.image.warnings.empty());
  const std::vector<TObjekt> el = gerberToElements(r.image, layer::C2, board.height);
  const GerberImportCounts n = countImported(el);
  EXPECT_EQ(n.pads, 1);  // the drill is not in the file
  EXPECT_EQ(n.tracks, 1);
  EXPECT_EQ(n.arcs, 1);
  EXPECT_EQ(n.zones, 2);  // the SMD pad is written as a region
  for (const TObjekt& e : el) {
    if (e.is(ElementKind::Pad)) {
      EXPECT_EQ((Point{e.X, e.Y}), (Point{100, -100}));
    }
    if (e.is(ElementKind::Track)) {
      EXPECT_EQ(e.Points.front(), (Point{100, -100}));
    }
    if (e.is(ElementKind::Circle)) {
      EXPECT_EQ((Point{e.X, e.Y}), (Point{300, -250}));
      EXPECT_EQ(e.Spokes, 30);
      EXPECT_EQ(e.Width, 200);
    }
  }
  std::vector<TObjekt> original(elements.begin(), elements.end());
  const Paths a = elementsCopper(original), b = elementsCopper(el);
  const double diff = areaInSquareUnits(subtract(a, b)) + areaInSquareUnits(subtract(b, a));
  EXPECT_LT(diff, 0.01 * areaInSquareUnits(a));
}

}  // namespace
}  // namespace trazello
