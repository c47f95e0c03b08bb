#include "model/LayerPredicates.h"

#include <gtest/gtest.h>

#include "model/Layer.h"

namespace trazello {
namespace {

TObjekt platedPad(uint8_t l = layer::C1) {
  TObjekt p = newPad({0, 0}, l, 1, 50, 20);
  p.Plated = 1;
  return p;
}
TObjekt trackOn(uint8_t l) { return newTrack(10, l); }

TEST(LayerPredicates, OnLayerAndShareALayer) {
  EXPECT_TRUE(isOnLayer(platedPad(), layer::I2));
  EXPECT_TRUE(isOnLayer(platedPad(), layer::C2));
  EXPECT_FALSE(isOnLayer(platedPad(), layer::S1));
  EXPECT_FALSE(isOnLayer(trackOn(layer::C1), layer::C2));

  struct Case {
    TObjekt a, b;
    bool shared;
  } cases[] = {
      {platedPad(), platedPad(layer::C2), true},
      {platedPad(), trackOn(layer::I1), true},
      {trackOn(layer::C2), platedPad(), true},
      {platedPad(), trackOn(layer::S1), false},
      {trackOn(layer::S1), trackOn(layer::S1), true},
      {trackOn(layer::C1), trackOn(layer::C2), false},
  };
  for (const auto& c : cases) EXPECT_EQ(shareLayer(c.a, c.b), c.shared);
}

TEST(LayerPredicates, ShownAndDrawn) {
  LayerState s;
  s.visible = {0, 0, 1, 0, 1, 0, 0, 1};  // only S1, S2, O visible
  EXPECT_FALSE(isShownOnLayer(platedPad(), layer::C1, s));
  EXPECT_FALSE(isDrawn(platedPad(), s));
  EXPECT_TRUE(isDrawn(trackOn(layer::S1), s));
  s.visible[layer::I2] = 1;
  EXPECT_TRUE(isShownOnLayer(platedPad(), layer::I2, s));
  EXPECT_TRUE(isDrawn(platedPad(), s));  // any copper layer visible

  TObjekt cutOut = newZone(10, layer::S1, true);  // lands on C1
  s.visible[layer::C1] = 1;
  s.activeLayer = layer::C1;
  EXPECT_FALSE(isDrawn(cutOut, s));  // ground plane off
  s.groundPlane[layer::C1] = 1;
  EXPECT_TRUE(isDrawn(cutOut, s));
  s.activeLayer = layer::C2;
  EXPECT_FALSE(isDrawn(cutOut, s));
}

TEST(LayerPredicates, ThermalReliefBareDrillAndMask) {
  LayerState s;
  s.activeLayer = layer::C2;
  TObjekt pad = newPad({0, 0}, layer::C1, 1, 50, 20);
  pad.Thermal() = 1;
  EXPECT_FALSE(showsThermalRelief(pad, s));
  s.groundPlane[layer::C2] = 1;
  EXPECT_FALSE(showsThermalRelief(pad, s));  // on C1, not plated
  pad.Plated = 1;
  EXPECT_TRUE(showsThermalRelief(pad, s));
  pad.Thermal() = 0;
  EXPECT_FALSE(showsThermalRelief(pad, s));

  TObjekt drill = newPad({0, 0}, layer::C1, 1, 20, 20);
  EXPECT_TRUE(isBareDrill(drill));
  EXPECT_FALSE(hasSolderMaskOpening(drill));
  EXPECT_TRUE(hasSolderMaskOpening(newPad({0, 0}, layer::C2, 1, 50, 20)));
  EXPECT_FALSE(hasSolderMaskOpening(newPad({0, 0}, layer::I1, 1, 50, 20)));
  EXPECT_TRUE(hasSolderMaskOpening(platedPad(layer::I1)));
  EXPECT_TRUE(hasSolderMaskOpening(newSmdPad({0, 0}, layer::C1, 10, 10)));
  EXPECT_FALSE(hasSolderMaskOpening(trackOn(layer::C1)));
}

}  // namespace
}  // namespace trazello
