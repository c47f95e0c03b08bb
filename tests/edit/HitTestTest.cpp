#include <gtest/gtest.h>

#include <functional>

#include "edit/tools/HitTest.h"
#include "model/Layer.h"

namespace trazello {
namespace {

constexpr Point kAt{1000, -1000};

TObjekt pad(uint8_t layerCode, bool plated) {
  TObjekt p = newPad(kAt, layerCode, padshape::Round, 100, 30);
  p.Plated = plated ? 1 : 0;
  return p;
}

TObjekt smd(uint8_t layerCode) {
  return newSmdPad(kAt, layerCode, 150, 150);
}

TObjekt track(uint8_t layerCode) {
  TObjekt t = newTrack(60, layerCode);
  t.Points = {{0, -1000}, {2000, -1000}};
  return t;
}

TObjekt zone(uint8_t layerCode, bool keepOut) {
  TObjekt z = newZone(20, layerCode, keepOut);
  z.Points = {{500, -500}, {1500, -500}, {1500, -1500}, {500, -1500}};
  return z;
}

TObjekt selected(TObjekt e) {
  e.Selected = 1;
  return e;
}

struct Case {
  const char* what;
  int activeLayer;
  std::vector<TObjekt> elements;
  std::optional<size_t> expected;
  bool coppersOnly = false;
  std::function<void(LayerState&)> layers = nullptr;
};

TEST(HitTest, LayerOrderAndPadPreference) {
  using namespace layer;
  const std::vector<Case> cases = {
      {"an unplated pad beats a later track", C1, {pad(C1, false), track(C1)}, 0},
      {"an SMD pad beats a later zone", C1, {smd(C1), zone(C1, false)}, 0},
      {"a later SMD pad beats a zone", C1, {zone(C1, false), smd(C1)}, 1},
      {"the last of two tracks", C1, {track(C1), track(C1)}, 1},
      {"silk above copper", C1, {track(S1), track(C1)}, 0},
      {"S1 above S2 when side 1 is active", C1, {track(S1), track(S2)}, 0},
      {"S2 above S1 when side 2 is active", C2, {track(S1), track(S2)}, 1},
      {"the active copper first", C2, {track(C2), track(C1)}, 0},
      {"the outline above everything", C1, {track(C1), track(O)}, 1},
      {"a plated pad beats an unplated one", C1, {pad(C1, true), pad(C1, false)}, 0},
      {"a plated pad counts on the other copper side", C1, {track(C1), pad(C2, true)}, 1},
      {"a keep-out zone gives way", C1, {track(C1), zone(C1, true)}, 0},
      {"copper only skips silk", C1, {track(C1), track(S1)}, 0, true},
      {"copper only skips keep-out", C1, {zone(C1, true)}, std::nullopt, true},
      {"a selected element comes first", C1, {selected(track(C2)), track(S1)}, 0},
      {"copper only ignores the selection", C1, {selected(track(S1)), track(C1)}, 1, true},
      {"an invisible layer is passed over",
       C1,
       {track(C2), track(C1)},
       0,
       false,
       [](LayerState& s) { s.visible[C1] = 0; }},
      {"nothing there", C1, {}, std::nullopt},
  };
  for (const Case& c : cases) {
    ElementList list;
    for (const TObjekt& e : c.elements) list.append(e);
    BoardIndex index;
    index.sync(list);
    LayerState layers;
    layers.activeLayer = static_cast<uint8_t>(c.activeLayer);
    if (c.layers) c.layers(layers);
    HitTest hit(list, index, layers, 1.0, true);
    EXPECT_EQ(hit.at(kAt, c.coppersOnly), c.expected) << c.what;
  }
}

TEST(HitTest, TheRegionDecidesNotTheBox) {
  ElementList list;
  list.append(newCircle({0, 0}, layer::C1, 520, 480));  // a ring: its middle is empty
  BoardIndex index;
  index.sync(list);
  HitTest hit(list, index, LayerState{.activeLayer = layer::C1}, 1.0, true);
  EXPECT_EQ(hit.at({500, 0}), std::optional<size_t>(0));
  EXPECT_EQ(hit.at({0, 0}), std::nullopt);
  EXPECT_EQ(hit.at({0, 600}), std::nullopt);
}

TEST(HitTest, ThinTracksAreHitWithinAPixelAtSmallZooms) {
  ElementList list;
  TObjekt t = newTrack(4, layer::C1);
  t.Points = {{0, 0}, {1000, 0}};
  list.append(t);
  BoardIndex index;
  index.sync(list);
  const LayerState layers{.activeLayer = layer::C1};
  EXPECT_EQ(HitTest(list, index, layers, 0.1, true).at({500, 8}), std::optional<size_t>(0));
  EXPECT_EQ(HitTest(list, index, layers, 1.0, true).at({500, 8}), std::nullopt);
}

}  // namespace
}  // namespace trazello
