#include "checks/GroundPlane.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "checks/PolygonOps.h"
#include "model/Layer.h"

namespace trazello {
namespace {

constexpr double kPi = M_PI;

BoardSettings board1000() {
  BoardSettings b;
  b.width = 1000;
  b.height = 1000;
  return b;
}

// The area of a bar of width w through the centre of a disc of radius r, inside the disc.
double bar(double w, double r) {
  double sum = 0;
  const int n = 20000;
  for (int i = 0; i < n; ++i) {
    const double x = -w / 2 + w * (i + 0.5) / n;
    sum += 2 * std::sqrt(r * r - x * x) * (w / n);
  }
  return sum;
}

TEST(GroundPlane, FloodAreasOfAPadAndATrack) {
  ElementList list;
  TObjekt pad = newPad({500, -500}, layer::C1, padshape::Round, 50, 20);
  pad.Clearance = 40;
  list.append(pad);
  TObjekt track = newTrack(20, layer::C1);
  track.Points = {{100, -200}, {900, -200}};
  track.Clearance = 30;
  list.append(track);
  TObjekt other = newTrack(200, layer::C2);  // another layer: no effect
  other.Points = {{0, -900}, {1000, -900}};
  other.Clearance = 50;
  list.append(other);

  const double board = 1000.0 * 1000.0;
  const double padRing = kPi * 90 * 90;
  const double trackRing = 800 * 80 + kPi * 40 * 40;
  const double plain = areaInSquareUnits(floodOfLayer(list, board1000(), layer::C1));
  EXPECT_NEAR(plain, board - padRing - trackRing, 150);

  // Thermal spokes of width 33 from the centre out to the clearance's edge form a cross over
  // the cleared disc; beyond it the plane is there already.
  list.edit(0).Thermal() = 1;
  const double thermal = areaInSquareUnits(floodOfLayer(list, board1000(), layer::C1));
  EXPECT_NEAR(thermal - plain, 2 * bar(33, 90) - 33 * 33, 40);

  // The wide track's clearance reaches over the lower board edge.
  EXPECT_NEAR(areaInSquareUnits(floodOfLayer(list, board1000(), layer::C2)), board - 250 * 1000,
              200);
}

TEST(GroundPlane, CutOutsThroughPlatingAndTheBoardEdge) {
  ElementList list;
  EXPECT_NEAR(areaInSquareUnits(floodOfLayer(list, board1000(), layer::I1)), 1e6, 1e-6);

  TObjekt cut = newZone(0, layer::S2, true);  // lands on C2
  cut.Points = {{0, 0}, {200, 0}, {200, -1000}, {0, -1000}};
  cut.Clearance = 100;  // a cut-out ignores its clearance
  list.append(cut);
  TObjekt plated = newPad({600, -500}, layer::C1, padshape::Square, 50, 20);
  plated.Plated = 1;
  plated.Clearance = 25;
  list.append(plated);
  // Spokes that would run past the board edge are cut off there.
  TObjekt edge = newPad({1000, -500}, layer::C2, padshape::Square, 50, 20);
  edge.Clearance = 25;
  edge.Thermal() = 1;
  list.append(edge);

  const double c2 = areaInSquareUnits(floodOfLayer(list, board1000(), layer::C2));
  // The edge pad clears 75 x 150 inside the board; its left spoke (75 x 33) and the inner
  // halves of its up and down spokes (2 x 75 x 16.5, less where they cross the left one) come
  // back.
  const double spokes = 75 * 33 + 2 * 75 * 16.5 - 2 * 16.5 * 16.5;
  EXPECT_NEAR(c2, 1e6 - 200 * 1000 - 150 * 150 - 75 * 150 + spokes, 30);
  const Paths flood = floodOfLayer(list, board1000(), layer::C2);
  for (const Path& ring : flood) {
    const CBox b = boxOf(ring);
    EXPECT_GE(b.left, 0);
    EXPECT_LE(b.top, 0);
    EXPECT_LE(b.right, 1000 * kShapeScale);
  }
  EXPECT_NEAR(areaInSquareUnits(floodOfLayer(list, board1000(), layer::I2)), 1e6 - 150 * 150, 1);
}

// Random copper on C1 and C2 at a density that cuts the plane into tiles: pads, thermal pads,
// tracks, SMD pads, zones, and cut-out strips that run across tile edges.
ElementList tiledBoard(uint32_t seed, int clearanceRule, float side) {
  std::mt19937 rng(seed);
  auto uniform = [&](float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng); };
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  ElementList list;
  for (int i = 0; i < 600; ++i) {
    const Point at{uniform(-50, side + 50), -uniform(-50, side + 50)};
    const uint8_t l = pick(4) ? layer::C1 : layer::C2;
    TObjekt e;
    switch (pick(6)) {
      case 0:
        e = newPad(at, l, static_cast<uint8_t>(1 + pick(9)), uniform(20, 50), 10);
        e.Plated = pick(2);
        e.Thermal() = pick(3) == 0;
        break;
      case 1: e = newSmdPad(at, l, uniform(20, 120), uniform(20, 120)); break;
      case 2:
        e = newZone(pick(2) * 10, l, pick(20) == 0);
        e.Points = {at, {at.x + uniform(10, 80), at.y}, {at.x, at.y - uniform(10, 80)}};
        break;
      default:
        e = newTrack(10 + pick(3) * 10, l);
        e.Points = {at, {at.x + uniform(-100, 100), at.y + uniform(-100, 100)}};
        break;
    }
    // Pads keep a clearance (as in the generated benchmark boards), every element does, or
    // each draws its own.
    if (e.isPadLike() || clearanceRule == 1) e.Clearance = 40;
    if (clearanceRule == 2) e.Clearance = pick(3) * 20;
    list.append(std::move(e));
  }
  for (float x : {side / 2 + 0.5f, side / 3}) {
    TObjekt cut = newZone(0, layer::C1, true);
    cut.Points = {{x, 10}, {x + 15, 10}, {x + 15, -side - 10}, {x, -side - 10}};
    list.append(std::move(cut));
  }
  return list;
}

bool samePieces(const std::vector<PolygonWithHoles>& a, const std::vector<PolygonWithHoles>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].outer != b[i].outer || a[i].holes != b[i].holes) return false;
  }
  return true;
}

// Joining the tiles' pieces along their edges gives the very polygons that one union of the
// whole plane gives, hole for hole and corner for corner.
TEST(GroundPlane, PiecesJoinedAlongTileEdgesAreThoseOfTheWholeUnion) {
  for (int rule = 0; rule < 3; ++rule) {
    for (uint32_t seed : {1u, 2u}) {
      BoardSettings board;
      board.width = 3001;
      board.height = 2503;
      const ElementList list = tiledBoard(seed * 3 + uint32_t(rule), rule, 2500);
      for (int l : {layer::C1, layer::C2}) {
        const std::vector<PolygonWithHoles> joined = floodPieces(list, board, l);
        const std::vector<PolygonWithHoles> whole =
            inStandardOrder(pieces(floodOfLayer(list, board, l)));
        EXPECT_TRUE(samePieces(joined, whole))
            << "rule " << rule << ", seed " << seed << ", layer " << l << ": " << joined.size()
            << " pieces joined, " << whole.size() << " in the whole union";
        size_t holes = 0;
        for (const PolygonWithHoles& p : joined) holes += p.holes.size();
        EXPECT_GT(holes, 20u) << joined.size();
        EXPECT_NEAR(areaInSquareUnits(joined), areaInSquareUnits(floodOfLayer(list, board, l)), 1e-3);
      }
    }
  }
}

// A damaged file's track that goes back and forth over the same few segments hundreds of times
// floods like the track drawn once (and without the minutes the repeats once cost).
TEST(GroundPlane, ATrackRepeatingItsSegmentsFloodsLikeItDrawnOnce) {
  TObjekt once = newTrack(20, layer::C1);
  once.Points = {{100, -100}, {100, -100}, {900, -800}, {100, -100}, {500, -900}, {100, -100}};
  once.Clearance = 40;
  TObjekt repeated = once;
  repeated.Points.clear();
  for (int i = 0; i < 300; ++i)
    repeated.Points.insert(repeated.Points.end(), once.Points.begin(), once.Points.end());
  ElementList a, b;
  a.append(once);
  b.append(repeated);
  const Paths expected = floodOfLayer(a, board1000(), layer::C1);
  const Paths flood = floodOfLayer(b, board1000(), layer::C1);
  EXPECT_NEAR(areaInSquareUnits(flood), areaInSquareUnits(expected), 1);
  EXPECT_EQ(areaInSquareUnits(subtract(flood, expected)), 0);
  EXPECT_EQ(areaInSquareUnits(subtract(expected, flood)), 0);
}

}  // namespace
}  // namespace trazello
