#include "checks/CopperShapes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "checks/PolygonOps.h"
#include "model/ElementGeometry.h"
#include "model/Layer.h"

namespace trazello {
namespace {

constexpr double kPi = M_PI;

// Flattened arcs lie between the true curve and kArcTolerance outside it.
void expectAreaAbout(const Paths& p, double exact, double perimeter, const char* what) {
  const double a = areaInSquareUnits(p);
  EXPECT_GE(a, exact - 1e-6 * exact - 1) << what;
  EXPECT_LE(a, exact + perimeter * kArcTolerance + 1) << what;
}

TObjekt trackOf(std::vector<Point> pts, int32_t width, uint8_t l = layer::C1) {
  TObjekt t = newTrack(width, l);
  t.Points = std::move(pts);
  return t;
}

TEST(CopperShapes, AreasOfEveryKind) {
  expectAreaAbout(elementRegion(newPad({0, 0}, 1, padshape::Round, 50, 20)), kPi * 2500, 2 * kPi * 50,
                  "round pad");
  expectAreaAbout(elementRegion(newPad({0, 0}, 1, padshape::Square, 50, 20)), 10000, 0, "square pad");
  expectAreaAbout(elementRegion(newPad({0, 0}, 1, padshape::OblongH, 50, 20)),
                  10000 + kPi * 2500, 2 * kPi * 50, "oblong pad");
  expectAreaAbout(elementRegion(newSmdPad({0, 0}, 1, 100, 60)), 6000, 0, "smd pad");
  expectAreaAbout(elementRegion(trackOf({{0, 0}, {100, 0}}, 20)), 2000 + kPi * 100, 2 * kPi * 10,
                  "track");
  // Two segments at a right angle: the corner is counted once and rounded outside.
  expectAreaAbout(elementRegion(trackOf({{0, 0}, {100, 0}, {100, 100}}, 20)), 3900 + 125 * kPi,
                  4 * kPi * 10, "bent track");

  TObjekt ring = newCircle({0, 0}, layer::S1, 100, 80);
  expectAreaAbout(elementRegion(ring), kPi * (10000 - 6400), 2 * kPi * 180, "ring");
  ring.Filled = 1;
  expectAreaAbout(elementRegion(ring), kPi * 10000, 2 * kPi * 100, "disc");
  TObjekt quarter = newCircle({0, 0}, layer::S1, 100, 80);
  quarter.Width = 90;  // 0 to 90 degrees, round ends of radius 10
  expectAreaAbout(elementRegion(quarter), kPi * 3600 / 4 + kPi * 100, kPi * 90 + 2 * kPi * 10,
                  "quarter arc");

  TObjekt zone = newZone(10, layer::C1);
  zone.Points = {{0, 0}, {200, 0}, {200, 100}, {0, 100}};
  expectAreaAbout(elementRegion(zone), 210 * 110 - 100 + kPi * 25, 2 * kPi * 5, "zone");

  TObjekt text = newText({0, 0}, "-", layer::S1, 1, 1, 90, 0, false, false);
  text.Strokes.push_back(trackOf({{0, 0}, {50, 0}}, 10));
  text.Strokes.push_back(trackOf({{0, 100}, {50, 100}}, 10));
  expectAreaAbout(elementRegion(text), 2 * (500 + kPi * 25), 4 * kPi * 5, "text");
}

TEST(CopperShapes, ArcsStayWithinTheTolerance) {
  const Paths p = elementRegion(newPad({10, -20}, 1, padshape::Round, 1000, 10));
  ASSERT_EQ(p.size(), 1u);
  for (const CPoint& c : p[0]) {
    const Point q = fromShape(c);
    const double d = std::hypot(q.x - 10.0, q.y + 20.0);
    EXPECT_GE(d, 1000 - 1e-3);
    EXPECT_LE(d, 1000 + 2 * kArcTolerance);
  }
}

TEST(CopperShapes, ClearanceAreas) {
  TObjekt pad = newPad({0, 0}, 1, padshape::Round, 50, 20);
  EXPECT_TRUE(clearanceRegion(pad).empty());  // no clearance: the copper touches the plane
  pad.Clearance = 40;
  expectAreaAbout(clearanceRegion(pad), kPi * 90 * 90, 2 * kPi * 90, "round pad");

  TObjekt square = newPad({0, 0}, 1, padshape::Square, 50, 20);
  rotateElement(square, {0, 0}, 30);
  square.Clearance = 10;
  expectAreaAbout(clearanceRegion(square), 120 * 120, 0, "turned square pad");

  TObjekt smd = newSmdPad({0, 0}, 1, 100, 60);
  smd.Clearance = 10;
  expectAreaAbout(clearanceRegion(smd), 120 * 80, 0, "smd: sharp corners");

  TObjekt track = trackOf({{0, 0}, {100, 0}}, 20);
  track.Clearance = 15;
  expectAreaAbout(clearanceRegion(track), 100 * 50 + kPi * 625, 2 * kPi * 25, "track");
  track.KeepOut = 1;  // a cut-out clears only its own area
  expectAreaAbout(clearanceRegion(track), 100 * 20 + kPi * 100, 2 * kPi * 10, "cut-out track");
}

// A rounded pad's clearance widens its stroke and keeps its axis: the clearance is as wide at
// the round ends as along the sides, however the pad is turned.
TEST(CopperShapes, RoundedPadsGetTheSameClearanceAllRound) {
  const double r = 50, c = 40;
  const double stadium = kPi * (r + c) * (r + c) + 2 * r * 2 * (r + c);
  for (uint8_t shape : {padshape::OblongH, padshape::OblongV}) {
    for (int turn : {0, 30, 90}) {
      SCOPED_TRACE(::testing::Message() << "shape " << int(shape) << ", turned " << turn);
      TObjekt pad = newPad({100, -100}, layer::C1, shape, float(r), 20);
      rotateElement(pad, {100, -100}, turn);
      pad.Clearance = int32_t(c);
      expectAreaAbout(clearanceRegion(pad), stadium, 2 * kPi * (r + c), "rounded pad");
    }
  }
}

TEST(CopperShapes, ThermalSpokesTurnWithThePad) {
  TObjekt pad = newPad({0, 0}, layer::C1, padshape::Square, 50, 20);
  pad.Thermal() = 1;
  pad.Clearance = 40;
  EXPECT_EQ(thermalSpokes(pad).size(), 4u);
  EXPECT_EQ(thermalSpokes(pad)[0].width, 33);  // round(50 / 1.5)
  EXPECT_EQ(thermalSpokes(pad)[0].end, (Point{0, 90}));
  EXPECT_EQ(thermalSpokes(pad)[1].end, (Point{90, 0}));

  rotateElement(pad, {0, 0}, 45);
  const std::vector<Spoke> turned = thermalSpokes(pad);
  ASSERT_EQ(turned.size(), 4u);
  EXPECT_NEAR(turned[0].end.x, 90 / std::sqrt(2.0), 1e-3);  // up became up-right
  EXPECT_NEAR(turned[0].end.y, 90 / std::sqrt(2.0), 1e-3);

  TObjekt oblong = newPad({0, 0}, layer::C1, padshape::OblongH, 50, 20);
  oblong.Thermal() = 1;
  oblong.Clearance = 40;
  oblong.Spokes = 0x04 | 0x02;  // right and up-right
  const std::vector<Spoke> s = thermalSpokes(oblong);
  EXPECT_EQ(s[0].end, (Point{140, 90}));
  EXPECT_EQ(s[1].end, (Point{140, 0}));

  TObjekt smd = newSmdPad({100, 100}, layer::C1, 100, 60);
  smd.Thermal() = 1;
  smd.Clearance = 10;
  smd.Value53 = 150;
  const std::vector<Spoke> smdSpokes = thermalSpokes(smd);
  EXPECT_EQ(smdSpokes[0].end, (Point{100, 140}));
  EXPECT_EQ(smdSpokes[1].end, (Point{160, 100}));
  EXPECT_EQ(smdSpokes[0].width, 30);  // round(60 / 3 * 1.5)

  smd.Thermal() = 0;
  EXPECT_TRUE(thermalSpokes(smd).empty());
}

TEST(CopperShapes, SpokesJoinThePadRegionOnlyWhereTheReliefShows) {
  TObjekt pad = newPad({0, 0}, layer::C1, padshape::Round, 50, 20);
  pad.Thermal() = 1;
  pad.Clearance = 40;
  LayerState state;
  state.activeLayer = layer::C1;
  const double plain = areaInSquareUnits(elementRegion(pad, &state));
  state.groundPlane[layer::C1] = 1;
  const double withSpokes = areaInSquareUnits(elementRegion(pad, &state));
  EXPECT_GT(withSpokes, plain + 4 * 33 * 35);
}

}  // namespace
}  // namespace trazello

namespace trazello {
namespace {

// Trimming a large ring to a pad's box leaves what the pad meets exactly as it was.
TEST(CopperShapes, TrimmedAreasMeetAWindowAsBefore) {
  const struct {
    const char* what;
    TObjekt wide;
    TObjekt small;
  } cases[] = {
      {"pad on a ring", newCircle({0, 0}, layer::S1, 200, 180),
       newPad({190, 0}, layer::C1, padshape::Round, 30, 10)},
      {"pad on an arc's end", [] {
         TObjekt c = newCircle({0, 0}, layer::S1, 200, 180);
         c.Spokes = 80;
         c.Width = 10;
         return c;
       }(),
       newPad({32, 186}, layer::C1, padshape::Square, 25, 10)},
      {"pad inside a ring's hole", newCircle({0, 0}, layer::S1, 200, 180),
       newPad({0, 0}, layer::C1, padshape::Round, 30, 10)},
      {"SMD pad across a track", trackOf({{-500, 0}, {0, 3}, {500, -400}}, 20, layer::S1),
       newSmdPad({-10, -40}, layer::C1, 50, 90)},
  };
  for (const auto& c : cases) {
    const Paths wide = elementRegion(c.wide);
    const Paths small = elementRegion(c.small);
    CBox window = boxOf(small[0]);
    const Paths trimmed = trimmedTo(wide, window);
    size_t before = 0, after = 0;
    for (const Path& ring : wide) before += ring.size();
    for (const Path& ring : trimmed) after += ring.size();
    EXPECT_LT(after, before) << c.what;
    const Paths expected = intersect(small, wide);
    const Paths actual = intersect(small, trimmed);
    EXPECT_EQ(area(actual), area(expected)) << c.what;
    EXPECT_EQ(unitsBoxAround(actual), unitsBoxAround(expected)) << c.what;
  }
}

}  // namespace
}  // namespace trazello
