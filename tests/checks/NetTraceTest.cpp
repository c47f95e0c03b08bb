#include "checks/NetTrace.h"

#include <gtest/gtest.h>

#include "model/Layer.h"

namespace trazello {
namespace {

using Nets = std::vector<std::vector<size_t>>;

TObjekt track(std::vector<Point> pts, uint8_t l, int32_t width = 20, int32_t clearance = 0) {
  TObjekt t = newTrack(width, l);
  t.Points = std::move(pts);
  t.Clearance = clearance;
  return t;
}

TObjekt pad(Point at, uint8_t l, int32_t clearance = 0, bool plated = false, bool thermal = false) {
  TObjekt p = newPad(at, l, padshape::Round, 50, 20);
  p.Clearance = clearance;
  p.Plated = plated;
  p.Thermal() = thermal;
  return p;
}

TObjekt cutOut(std::vector<Point> pts, uint8_t l) {
  TObjekt z = newZone(0, l, true);
  z.Points = std::move(pts);
  return z;
}

struct Case {
  const char* what;
  std::vector<TObjekt> elements;
  std::vector<int> planes;  // copper layers with the ground plane on
  Nets expected;
};

BoardSettings boardWith(const std::vector<int>& planes) {
  BoardSettings b;
  b.width = 2000;
  b.height = 1000;
  b.activeLayer = layer::C1;
  for (int l : planes) b.groundPlane[static_cast<size_t>(l)] = 1;
  return b;
}

TEST(NetTrace, SmallBoards) {
  const Case cases[] = {
      {"a through-plated pad joins C1 and C2",
       {track({{0, -500}, {300, -500}}, layer::C1), pad({300, -500}, layer::C1, 0, true),
        track({{300, -500}, {600, -500}}, layer::C2), track({{600, -500}, {900, -500}}, layer::C1)},
       {},
       {{0, 1, 2}, {3}}},
      {"overlapping copper on C1 and C2 stays apart",
       {track({{0, -500}, {300, -500}}, layer::C1), track({{100, -500}, {400, -500}}, layer::C2),
        pad({400, -500}, layer::C2)},
       {},
       {{0}, {1, 2}}},
      {"sharing a box edge is not touching",
       {track({{0, -500}, {100, -500}}, layer::C1), track({{120, -500}, {220, -500}}, layer::C1)},
       {},
       {{0}, {1}}},
      {"boxes overlap but the copper does not",
       {track({{0, 0}, {100, -100}}, layer::C1), track({{80, 0}, {180, 100}}, layer::C1)},
       {},
       {{0}, {1}}},
      {"no clearance joins the plane",
       {pad({200, -500}, layer::C1), pad({1800, -500}, layer::C1), pad({1000, -200}, layer::C2)},
       {layer::C1},
       {{0, 1}, {2}}},
      {"a clearance isolates unless the spokes reach the plane",
       {pad({200, -500}, layer::C1), pad({1000, -500}, layer::C1, 40),
        pad({1800, -500}, layer::C1, 40, false, true)},
       {layer::C1},
       {{0, 2}, {1}}},
      {"a plane that is off joins nothing",
       {pad({200, -500}, layer::C1), pad({1800, -500}, layer::C1)},
       {layer::C2},
       {{0}, {1}}},
      {"inside a cut-out there is no plane",
       {pad({200, -500}, layer::C1), pad({1000, -500}, layer::C1),
        cutOut({{800, -300}, {1200, -300}, {1200, -700}, {800, -700}}, layer::C1),
        pad({1800, -500}, layer::C1)},
       {layer::C1},
       {{0, 3}, {1}, {2}}},
      {"a cut-out splits the plane into two islands",
       {pad({200, -500}, layer::C1), pad({1800, -500}, layer::C1),
        cutOut({{900, 0}, {1100, 0}, {1100, -1000}, {900, -1000}}, layer::C1),
        pad({400, -800}, layer::C1), pad({1800, -100}, layer::C1, 0, true)},
       {layer::C1},
       {{0, 3}, {1, 4}, {2}}},
      {"through-plated pads join planes of both sides",
       {pad({200, -500}, layer::C1), pad({1000, -500}, layer::C2, 0, true),
        pad({1800, -500}, layer::C2), track({{0, -950}, {2000, -950}}, layer::C2, 20, 30)},
       {layer::C1, layer::C2},
       {{0, 1, 2}, {3}}},
  };
  for (const Case& c : cases) {
    ElementList list;
    for (const TObjekt& e : c.elements) list.append(e);
    const NetTrace trace(list, boardWith(c.planes));
    EXPECT_EQ(trace.nets(), c.expected) << c.what;
  }
}

// Spokes reach exactly across a pad's clearance: a rounded pad with spokes only along its long
// axis is joined to the plane, and through it to a track touching the plane.
TEST(NetTrace, SpokesAlongTheLongAxisJoinARoundedPadToThePlane) {
  for (uint8_t shape : {padshape::OblongH, padshape::OblongV}) {
    SCOPED_TRACE(int(shape));
    ElementList list;
    TObjekt p = newPad({1000, -500}, layer::C1, shape, 50, 20);
    p.Clearance = 40;
    p.Thermal() = 1;
    p.Spokes = shape == padshape::OblongH ? 0x44 : 0x11;  // left and right, or up and down
    list.append(p);
    list.append(track({{100, -100}, {300, -100}}, layer::C1));
    EXPECT_EQ(NetTrace(list, boardWith({layer::C1})).nets(), (Nets{{0, 1}}));
    list.edit(0).Thermal() = 0;
    EXPECT_EQ(NetTrace(list, boardWith({layer::C1})).nets(), (Nets{{0}, {1}}));
  }
}

// Silkscreen that overlaps is joined only when all layers are asked for; copper is joined alike.
TEST(NetTrace, CopperOnlyLeavesOtherLayersAlone) {
  ElementList list;
  list.append(track({{0, -500}, {300, -500}}, layer::S1));
  list.append(track({{200, -500}, {500, -500}}, layer::S1));
  list.append(track({{0, -300}, {300, -300}}, layer::C1));
  list.append(pad({300, -300}, layer::C2, 0, true));
  list.append(track({{300, -300}, {600, -300}}, layer::C2));
  const BoardSettings board = boardWith({layer::C1});
  const NetTrace all(list, board);
  const NetTrace copper(list, board, NetTrace::Method::Fast, NetTrace::Layers::Copper);
  EXPECT_EQ(all.nets(), (Nets{{0, 1}, {2, 3, 4}}));
  EXPECT_EQ(copper.nets(), (Nets{{0}, {1}, {2, 3, 4}}));
}

TEST(NetTrace, MembersOfTheNetOfOneElement) {
  ElementList list;
  list.append(track({{0, -500}, {300, -500}}, layer::C1));
  list.append(pad({1000, -500}, layer::C1));
  list.append(track({{300, -500}, {600, -500}}, layer::C1));
  const NetTrace trace(list, boardWith({}));
  EXPECT_EQ(trace.membersOf(2), (std::vector<size_t>{0, 2}));
  EXPECT_EQ(trace.membersOf(1), (std::vector<size_t>{1}));
  EXPECT_EQ(trace.netCount(), 2);
}

// Enough elements that the plane is built in tiles: the pieces must join across tile edges.
TEST(NetTrace, PlaneAreasJoinAcrossTiles) {
  for (bool split : {false, true}) {
    ElementList list;
    for (int i = 0; i < 1600; ++i) {
      const float x = 50 + static_cast<float>(i % 40) * 100;
      const float y = -50 - static_cast<float>(i / 40) * 100;
      list.append(track({{x, y}, {x + 20, y}}, layer::C1, 10, 20));  // isolated by clearance
    }
    const size_t a = list.size();
    list.append(pad({100, -100}, layer::C1));  // between the tracks, clear of them
    list.append(pad({3900, -3900}, layer::C1));
    list.append(pad({3900, -100}, layer::C1));
    if (split) list.append(cutOut({{1990, 0}, {2010, 0}, {2010, -4000}, {1990, -4000}}, layer::C1));
    BoardSettings b = boardWith({layer::C1});
    b.width = 4000;
    b.height = 4000;
    const NetTrace trace(list, b);
    EXPECT_EQ(trace.netOf()[a + 1], trace.netOf()[a + 2]) << split;
    EXPECT_EQ(trace.netOf()[a] == trace.netOf()[a + 1], !split);
    EXPECT_NE(trace.netOf()[0], trace.netOf()[a]);
    EXPECT_EQ(trace.netCount(), split ? 1603 : 1601);
  }
}

// On a board whose size the tiles do not divide, tile edges are cut to whole units: a pad
// whose centre lies just past such an edge belongs to the plane like any other.
TEST(NetTrace, APadJustPastATileEdgeJoinsThePlane) {
  ElementList list;
  for (int i = 0; i < 1600; ++i) {
    const float x = 50 + static_cast<float>(i % 40) * 100;
    const float y = -50 - static_cast<float>(i / 40) * 100;
    list.append(track({{x, y}, {x + 20, y}}, layer::C1, 10, 20));  // isolated by clearance
  }
  const size_t a = list.size();
  list.append(pad({100, -100}, layer::C1));
  list.append(pad({2000.25f, -500}, layer::C1));   // the edge between columns is at 2000
  list.append(pad({1000, -2000.25f}, layer::C1));  // and between rows at -2000
  list.append(pad({2000.25f, -2000.25f}, layer::C1));
  BoardSettings b = boardWith({layer::C1});
  b.width = 4001;
  b.height = 4001;
  const NetTrace trace(list, b);
  for (size_t i = a + 1; i < list.size(); ++i) EXPECT_EQ(trace.netOf()[i], trace.netOf()[a]) << i;
  EXPECT_EQ(trace.netCount(), 1601);
}

TEST(NetTrace, ALongChainIsOneNet) {
  // Iterative throughout: a net of many elements must not exhaust the stack.
  ElementList list;
  for (int i = 0; i < 20000; ++i) {
    const float x = static_cast<float>(i % 1000) * 10;
    const float y = -static_cast<float>(i / 1000) * 40;
    list.append(track({{x, y}, {x + 10, y}}, layer::C1));
    if (i % 1000 == 999) list.append(track({{x + 10, y}, {0, y - 40}}, layer::C1));
  }
  BoardSettings b = boardWith({});
  b.width = 20000;
  const NetTrace trace(list, b);
  EXPECT_EQ(trace.netCount(), 1);
}

}  // namespace
}  // namespace trazello
