#include "checks/ConvexCopper.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "checks/CopperShapes.h"
#include "checks/NetCache.h"
#include "checks/NetTrace.h"
#include "checks/PolygonOps.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/Layer.h"
#include "model/PadGeometry.h"

namespace trazello {
namespace {

TObjekt track(std::vector<Point> pts, uint8_t l, int32_t width) {
  TObjekt t = newTrack(width, l);
  t.Points = std::move(pts);
  return t;
}

TObjekt turnedAbout(TObjekt e, Point centre, double degrees) {
  for (Point& p : e.Points) p = rotatePoint(p, centre, degrees);
  return e;
}

// An arc on C1 about the origin from `from` degrees counter-clockwise to `to`.
TObjekt arc(float outer, float inner, int32_t from, int32_t to) {
  TObjekt c = newCircle({0, 0}, layer::C1, outer, inner);
  c.Spokes = from;
  c.Width = to;
  return c;
}

CopperContact contactOf(const TObjekt& a, const TObjekt& b) {
  return contact(*convexPieces(a, nullptr), *convexPieces(b, nullptr));
}

TEST(ConvexCopper, ClearPairsAreDecidedAndTouchingIsLeftToThePolygons) {
  const TObjekt disc = newPad({0, 0}, layer::C1, padshape::Round, 50, 20);
  const TObjekt square = newPad({0, 0}, layer::C1, padshape::Square, 50, 20);
  const struct {
    const char* what;
    TObjekt a, b;
    CopperContact expected;
  } cases[] = {
      {"discs overlapping", disc, newPad({90, 0}, layer::C1, padshape::Round, 50, 20),
       CopperContact::Overlap},
      {"discs touching", disc, newPad({100, 0}, layer::C1, padshape::Round, 50, 20),
       CopperContact::Unsure},
      {"discs apart", disc, newPad({101, 0}, layer::C1, padshape::Round, 50, 20),
       CopperContact::Apart},
      {"track ending in a pad", disc, track({{30, 0}, {300, 0}}, layer::C1, 10),
       CopperContact::Overlap},
      {"track along a square pad's side", square, track({{-100, 60}, {100, 60}}, layer::C1, 20),
       CopperContact::Unsure},
      {"track clear of a square pad's corner", square, track({{60, 60}, {100, 100}}, layer::C1, 20),
       CopperContact::Apart},
      {"track through a square pad's corner", square, track({{40, 40}, {100, 100}}, layer::C1, 20),
       CopperContact::Overlap},
      {"squares sharing a side", square, newPad({100, 0}, layer::C1, padshape::Square, 50, 20),
       CopperContact::Unsure},
      {"squares overlapping", square, newPad({99, 0}, layer::C1, padshape::Square, 50, 20),
       CopperContact::Overlap},
      {"turned SMD pad reaching a track",
       turnedAbout(newSmdPad({0, 0}, layer::C1, 100, 20), {0, 0}, 45),
       track({{30, 30}, {30, 200}}, layer::C1, 10), CopperContact::Overlap},
      {"turned SMD pad beside a track",
       turnedAbout(newSmdPad({0, 0}, layer::C1, 100, 20), {0, 0}, 45),
       track({{50, -50}, {50, -200}}, layer::C1, 10), CopperContact::Apart},
      {"ring far from a track", newCircle({0, 0}, layer::C1, 50, 30),
       track({{60, -100}, {60, 100}}, layer::C1, 10), CopperContact::Apart},
      {"track across a ring", newCircle({0, 0}, layer::C1, 50, 30),
       track({{40, -100}, {40, 100}}, layer::C1, 10), CopperContact::Overlap},
      {"track inside a ring's hole", newCircle({0, 0}, layer::C1, 50, 30),
       track({{-10, -10}, {10, 10}}, layer::C1, 10), CopperContact::Apart},
      {"track touching a ring's inner edge", newCircle({0, 0}, layer::C1, 50, 30),
       track({{-1, 25}, {1, 25}}, layer::C1, 10), CopperContact::Unsure},
      {"track through the gap of an arc", arc(50, 30, 45, 315),
       track({{40, -10}, {40, 10}}, layer::C1, 4), CopperContact::Apart},
      {"track across an arc", arc(50, 30, 45, 315), track({{-60, 0}, {-20, 0}}, layer::C1, 4),
       CopperContact::Overlap},
      {"track into an arc's round end", arc(50, 30, 45, 315),
       track({{28, 15}, {40, 30}}, layer::C1, 4), CopperContact::Overlap},
      {"crossing tracks", track({{-100, 0}, {100, 0}}, layer::C1, 10),
       track({{0, -100}, {0, 100}}, layer::C1, 10), CopperContact::Overlap},
  };
  for (const auto& c : cases) EXPECT_EQ(contactOf(c.a, c.b), c.expected) << c.what;
}

TEST(ConvexCopper, CopperThatIsNotConvexHasNoPieces) {
  TObjekt zone = newZone(10, layer::C1);
  zone.Points = {{0, 0}, {100, 0}, {100, 100}, {50, 20}};  // a notch makes it not convex
  TObjekt bent = newPad({0, 0}, layer::C1, padshape::Square, 50, 20);
  bent.Points[1] = {0, 0};  // an outline that folds back on itself
  bent.Points[2] = {-50, 50};
  for (const TObjekt& e : {zone, bent}) EXPECT_FALSE(convexPieces(e, nullptr)) << int(e.Kind);
}

// Random elements of every kind the pieces describe, at random places and turns.
class RandomCopper {
 public:
  explicit RandomCopper(uint32_t seed) : rng_(seed) {}

  double uniform(double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng_);
  }
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  // Half of all coordinates on a coarse grid, so that exact touching happens often.
  float coordinate(double lo, double hi) {
    const double v = uniform(lo, hi);
    return static_cast<float>(pick(2) ? std::round(v / 10) * 10 : v);
  }
  Point point(double side) { return {coordinate(0, side), -coordinate(0, side)}; }

  TObjekt element(double side, uint8_t l) {
    const Point at = point(side);
    const float size = coordinate(5, 60);
    switch (pick(8)) {
      case 0: {
        TObjekt t = track({at}, l, pick(4) * 10);
        for (int k = pick(3); k >= 0; --k) t.Points.push_back(point(side));
        return t;
      }
      case 1: {
        TObjekt p = newPad(at, l, static_cast<uint8_t>(1 + pick(9)), size, size / 3);
        p.Plated = pick(2);
        return pick(3) ? p : turnedAbout(p, at, uniform(0, 360));
      }
      case 2: {
        TObjekt s = newSmdPad(at, l, coordinate(10, 120), coordinate(10, 120));
        return pick(2) ? s : turnedAbout(s, smdCentre(s), uniform(0, 360));
      }
      case 3: {
        TObjekt p = newPad(at, l, static_cast<uint8_t>(1 + pick(9)), size, size / 3);
        p.Clearance = 10 + pick(3) * 10;
        p.Thermal() = 1;
        p.Spokes = pick(256);
        return p;
      }
      case 4: {
        TObjekt c = newCircle(at, l, size, pick(2) ? size / 2 : 0);
        c.Spokes = pick(360);
        c.Width = pick(2) ? c.Spokes : pick(360);
        return c;
      }
      case 5: {
        TObjekt text = newText(at, "T", l, 1, 1, 100, 0, false, false);
        for (int k = pick(3); k >= 0; --k) {
          TObjekt stroke = newTrack(pick(3) * 10, l);
          stroke.Points = {point(side), point(side)};
          text.Strokes.push_back(std::move(stroke));
        }
        return text;
      }
      default: {
        // Triangles are convex; more corners mostly are not.
        TObjekt z = newZone(pick(2) * 10, l, pick(4) == 0);
        for (int k = pick(2) ? 3 : 3 + pick(4); k > 0; --k) z.Points.push_back(point(side));
        return z;
      }
    }
  }

 private:
  std::mt19937 rng_;
};

// Every decision of the true shapes agrees with the polygons, and most pairs are decided.
TEST(ConvexCopper, DecisionsAgreeWithThePolygons) {
  RandomCopper random(7);
  LayerState state;
  state.activeLayer = layer::C1;
  state.groundPlane[layer::C1] = 1;
  int decided = 0, total = 0;
  for (int n = 0; n < 3000; ++n) {
    const TObjekt a = random.element(300, layer::C1);
    const TObjekt b = random.element(300, layer::C1);
    const auto pa = convexPieces(a, &state), pb = convexPieces(b, &state);
    if (!pa || !pb) continue;
    const CopperContact c = contact(*pa, *pb);
    ++total;
    if (c == CopperContact::Unsure) continue;
    ++decided;
    EXPECT_EQ(c == CopperContact::Overlap,
              overlap(elementRegion(a, &state), elementRegion(b, &state)))
        << "pair " << n;
  }
  EXPECT_GT(decided, total * 9 / 10);
}

// The fast trace and the trace through polygons only give the same nets on random boards.
TEST(ConvexCopper, FastTraceGivesTheNetsOfThePolygonTrace) {
  RandomCopper random(11);
  for (int board = 0; board < 300; ++board) {
    ElementList list;
    for (int k = 0; k < 16; ++k) {
      const uint8_t l = random.pick(3) ? layer::C1 : layer::C2;
      list.append(random.element(400, l));
    }
    BoardSettings settings;
    settings.width = 400;
    settings.height = 400;
    settings.activeLayer = random.pick(2) ? layer::C1 : layer::C2;
    settings.groundPlane[layer::C1] = static_cast<uint8_t>(random.pick(2));
    settings.groundPlane[layer::C2] = static_cast<uint8_t>(random.pick(2));
    const NetTrace fast(list, settings);
    EXPECT_EQ(fast.netOf(), NetTrace(list, settings, NetTrace::Method::Polygons).netOf())
        << "board " << board;
    // The same board listed backwards has the same nets.
    ElementList backwards;
    for (size_t i = list.size(); i-- > 0;) backwards.append(list[i]);
    const NetTrace reversed(backwards, settings);
    for (size_t i = 0; i < list.size(); ++i) {
      for (size_t j = 0; j < i; ++j) {
        EXPECT_EQ(fast.netOf()[i] == fast.netOf()[j],
                  reversed.netOf()[list.size() - 1 - i] == reversed.netOf()[list.size() - 1 - j])
            << "board " << board << ", elements " << j << " and " << i;
      }
    }
  }
}

// The same on boards whose planes are on, with copper kept apart from them by clearances
// (islands in the plane), thermal pads and cut-outs.
TEST(ConvexCopper, FastTraceGivesTheNetsOfThePolygonTraceWithPlanes) {
  RandomCopper random(23);
  for (int board = 0; board < 300; ++board) {
    ElementList list;
    for (int k = 0; k < 24; ++k) {
      const uint8_t l = random.pick(3) ? layer::C1 : layer::C2;
      TObjekt e = random.element(400, l);
      // A negative clearance (from a damaged file) isolates without cutting the plane.
      if (!e.Thermal() && random.pick(2)) e.Clearance = random.pick(4) * 10 - 9;
      if (e.Kind == ElementKind::Zone && random.pick(4) == 0) e.KeepOut = 1;
      list.append(std::move(e));
    }
    BoardSettings settings;
    settings.width = 400;
    settings.height = 400;
    settings.activeLayer = random.pick(2) ? layer::C1 : layer::C2;
    settings.groundPlane[layer::C1] = 1;
    settings.groundPlane[layer::C2] = static_cast<uint8_t>(random.pick(2));
    EXPECT_EQ(NetTrace(list, settings).netOf(),
              NetTrace(list, settings, NetTrace::Method::Polygons).netOf())
        << "board " << board;
  }
}

// Larger boards, planed in tiles, with the elements crowded about the tile edges so that pieces
// of plane and copper straddle them; more cut-outs, thermal pads and copper islands inside
// their own clearance.
TEST(ConvexCopper, FastTraceGivesTheNetsOfThePolygonTraceAcrossTileEdges) {
  RandomCopper random(31);
  for (int board = 0; board < 12; ++board) {
    ElementList list;
    // Over 300 elements on C1 make a grid of two by two tiles with edges through the middle.
    for (int k = 0; k < 360; ++k) {
      const uint8_t l = random.pick(6) ? layer::C1 : layer::C2;
      TObjekt e = random.element(120, l);
      if (!e.Thermal() && random.pick(3) == 0) e.Clearance = 10 + random.pick(3) * 10;
      if (e.Kind == ElementKind::Zone && random.pick(2) == 0) e.KeepOut = 1;
      // Near the middle of the board or near the middle of one of its halves' edges.
      const float dx = random.pick(2) ? 240 : static_cast<float>(random.uniform(0, 480));
      const float dy = random.pick(2) ? -240 : -static_cast<float>(random.uniform(0, 480));
      moveElement(e, dx, dy);
      list.append(std::move(e));
    }
    BoardSettings settings;
    settings.width = 600;
    settings.height = 600;
    settings.activeLayer = random.pick(2) ? layer::C1 : layer::C2;
    settings.groundPlane[layer::C1] = 1;
    settings.groundPlane[layer::C2] = static_cast<uint8_t>(random.pick(2));
    const NetTrace fast(list, settings);
    EXPECT_EQ(fast.netOf(), NetTrace(list, settings, NetTrace::Method::Polygons).netOf())
        << "board " << board;
    // Some of the plane's elements are joined through it and some are not.
    EXPECT_GT(fast.netCount(), 1) << "board " << board;
    EXPECT_LT(fast.netCount(), static_cast<int32_t>(list.size()) / 2) << "board " << board;
  }
}

TEST(NetCache, TracesAgainOnlyWhenTheBoardChanged) {
  ElementList list;
  list.append(track({{0, -100}, {300, -100}}, layer::C1, 20));
  list.append(track({{300, -100}, {600, -100}}, layer::C1, 20));
  list.append(track({{700, -100}, {900, -100}}, layer::C1, 20));
  BoardSettings board;
  const auto first = netsOf(list, board);
  EXPECT_EQ(netsOf(list, board), first);
  EXPECT_EQ(first->nets(), (std::vector<std::vector<size_t>>{{0, 1}, {2}}));

  // Selecting copper is no change to its nets.
  list.edit(0).Selected = 1;
  list.edit(2).Selected = 1;
  EXPECT_EQ(netsOf(list, board), first);
  list.edit(0).Selected = 0;
  EXPECT_EQ(netsOf(list, board), first);

  list.edit(2).Points[0] = {600, -100};
  const auto edited = netsOf(list, board);
  EXPECT_NE(edited, first);
  EXPECT_EQ(edited->nets(), (std::vector<std::vector<size_t>>{{0, 1, 2}}));

  BoardSettings withPlane = board;
  withPlane.groundPlane[layer::C1] = 1;
  EXPECT_NE(netsOf(list, withPlane), edited);
  EXPECT_EQ(netsOf(list, board), edited);
}

}  // namespace
}  // namespace trazello
