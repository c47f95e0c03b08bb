#include <gtest/gtest.h>

#include "model/Layer.h"
#include "view/LayerControl.h"

namespace trazello {
namespace {

ElementList selectedOn(std::initializer_list<uint8_t> layers) {
  ElementList list;
  for (uint8_t l : layers) {
    TObjekt t = newTrack(10, l);
    t.Selected = 1;
    list.append(t);
  }
  return list;
}

TEST(LayerControl, TheActiveLayerCannotBeHidden) {
  BoardSettings s;
  ElementList list;
  EXPECT_FALSE(ToggleLayerVisible(s, list, layer::C2, LayerCommandSource::Key));
  EXPECT_EQ(s.visible[layer::C2], 1);
}

TEST(LayerControl, MakingAHiddenLayerActiveShowsIt) {
  BoardSettings s;
  s.visible[layer::I1] = 0;
  ElementList list;
  const ActiveLayerChange c = SetActiveLayer(s, list, layer::I1, LayerCommandSource::Menu);
  EXPECT_TRUE(c.changed);
  EXPECT_TRUE(c.madeVisible);
  EXPECT_EQ(s.visible[layer::I1], 1);
  EXPECT_EQ(s.activeLayer, layer::I1);
  EXPECT_TRUE(c.groundPlaneEnabled);
  EXPECT_FALSE(SetActiveLayer(s, list, layer::I1, LayerCommandSource::Menu).changed);
}

TEST(LayerControl, GroundPlaneButtonFollowsTheLayer) {
  BoardSettings s;
  s.groundPlane[layer::C1] = 1;
  ElementList list;
  EXPECT_TRUE(SetActiveLayer(s, list, layer::C1, LayerCommandSource::Key).groundPlanePressed);
  const ActiveLayerChange silk = SetActiveLayer(s, list, layer::S1, LayerCommandSource::Key);
  EXPECT_FALSE(silk.groundPlanePressed);
  EXPECT_FALSE(silk.groundPlaneEnabled);
}

TEST(LayerControl, HidingALayerDeselectsItsElements) {
  BoardSettings s;
  ElementList list = selectedOn({layer::C1, layer::C1, layer::S1});
  EXPECT_TRUE(ToggleLayerVisible(s, list, layer::C1, LayerCommandSource::Key));
  EXPECT_EQ(s.visible[layer::C1], 0);
  EXPECT_FALSE(list[0].Selected);
  EXPECT_FALSE(list[1].Selected);
  EXPECT_TRUE(list[2].Selected);
  // From the menu every element loses its selection.
  EXPECT_TRUE(ToggleLayerVisible(s, list, layer::C1, LayerCommandSource::Menu));
  EXPECT_FALSE(list[2].Selected);
}

TEST(LayerControl, RadioButtonsDeselectKeepOutElements) {
  BoardSettings s;
  ElementList list = selectedOn({layer::C1, layer::C1});
  list.edit(0).KeepOut = 1;
  SetActiveLayer(s, list, layer::C1, LayerCommandSource::RadioButton);
  EXPECT_FALSE(list[0].Selected);
  EXPECT_TRUE(list[1].Selected);
}

}  // namespace
}  // namespace trazello
