#include "model/TObjekt.h"

#include <gtest/gtest.h>

#include "model/ElementRecordBytes.h"
#include "model/Groups.h"
#include "model/Layer.h"
#include "model/LittleEndian.h"

namespace trazello {
namespace {

TEST(TObjekt, ConstructorDefaults) {
  const TObjekt pad = newPad({10, 20}, layer::C1, padshape::Round, 50, 20);
  EXPECT_EQ(pad.Kind, ElementKind::Pad);
  EXPECT_EQ(pad.SolderMask, 1);
  EXPECT_EQ(pad.Spokes, 85);
  EXPECT_EQ(pad.Value53, 100);
  EXPECT_EQ(pad.ThermalMagic, 123456789u);
  EXPECT_EQ(pad.Thermal(), 0);
  EXPECT_EQ(pad.Plated, 0);
  EXPECT_EQ(pad.Points.size(), 2u);
  EXPECT_TRUE(pad.Id);

  const TObjekt smd = newSmdPad({0, 0}, layer::C2, 80, 40);
  EXPECT_EQ(smd.SizeA, 80);
  EXPECT_EQ(smd.SizeB, 40);
  EXPECT_EQ(smd.Spokes, 85);
  EXPECT_EQ(smd.SolderMask, 1);

  const TObjekt circle = newCircle({1, 2}, layer::S1, 100, 80);
  EXPECT_EQ(circle.Spokes, 0);
  EXPECT_EQ(circle.Width, 0);
  EXPECT_EQ(circle.Filled, 0);
  EXPECT_EQ(circle.SolderMask, 0);
  EXPECT_TRUE(circle.Points.empty());

  const TObjekt zone = newZone(25, layer::S2);
  EXPECT_EQ(zone.Closed, 1);
  EXPECT_EQ(zone.Hatched(), 0);
  EXPECT_EQ(zone.HatchAsOutline(), 1);
  EXPECT_EQ(zone.Value53, 25);
  EXPECT_EQ(zone.KeepOut, 0);
  EXPECT_EQ(zone.Layer, layer::S2);

  const TObjekt text = newText({5, 5}, "Hi", layer::S1, 2, 1, 180, 90, true, false);
  EXPECT_EQ(text.Width, 2);
  EXPECT_EQ(text.SizeB, 1);
  EXPECT_EQ(text.SizeA, 180);
  EXPECT_EQ(text.Value53, 90);
  EXPECT_EQ(text.MirrorH(), 1);
  EXPECT_EQ(text.MirrorV(), 0);
}

TEST(TObjekt, CutOutZonesGoToTheCopperOfTheirSide) {
  struct Case {
    uint8_t layer, expected;
  } cases[] = {{layer::S1, layer::C1}, {layer::S2, layer::C2}, {layer::C2, layer::C2},
               {layer::I1, layer::I1}};
  for (const auto& c : cases) {
    const TObjekt z = newZone(10, c.layer, true);
    EXPECT_EQ(z.Layer, c.expected);
    EXPECT_EQ(z.KeepOut, 1);
  }
}

TEST(TObjekt, PointsGroupsAndDispose) {
  TObjekt t = newTrack(10, 1);
  appendPoint(t, {1, 2});
  appendPoint(t, {3, 4});
  pushGroup(t, 5);
  pushGroup(t, 9);
  popGroup(t);
  EXPECT_EQ(t.Points.size(), 2u);
  EXPECT_EQ(t.Groups, std::vector<int32_t>{5});
  t.Text = "x";
  dispose(t);
  EXPECT_TRUE(t.Points.empty());
  EXPECT_TRUE(t.Groups.empty());
  EXPECT_TRUE(t.Text.empty());
  popGroup(t);  // nothing left to pop
}

TEST(TObjekt, StoredBytesSitAtTheirOffsets) {
  TObjekt e;
  e.Kind = ElementKind::SmdPad;
  e.X = 1.5f;
  e.Y = -2.25f;
  e.SizeA = 100;
  e.SizeB = 50;
  e.Width = -7;
  e.Selected = 1;
  e.Layer = 3;
  e.PadShape = 9;
  e.GroupNo = -2;
  e.Mark = 4;
  e.Spokes = 0x55;
  e.Reserved39 = 0x39;
  e.Filled = 1;
  e.Clearance = 40;
  e.Routed = 1;
  e.Flag50 = 1;
  e.Flag51 = 1;
  e.KeepOut = 1;
  e.Value53 = 250;
  e.Plated = 1;
  e.SolderMask = 1;
  e.Reserved59 = {0xA, 0xB, 0xC};
  e.ThermalMagic = kThermalMagic;
  for (size_t i = 0; i < e.Reserved66.size(); ++i) e.Reserved66[i] = uint8_t(0x60 + i);
  const StoredRecord b = storedBytes(e);
  EXPECT_EQ(b[0], 8);
  EXPECT_EQ(le::get<float>(&b[1]), 1.5f);
  EXPECT_EQ(le::get<float>(&b[5]), -2.25f);
  EXPECT_EQ(le::get<float>(&b[9]), 100);
  EXPECT_EQ(le::get<float>(&b[13]), 50);
  EXPECT_EQ(le::get<int32_t>(&b[17]), -7);
  EXPECT_EQ(b[21], 1);
  EXPECT_EQ(b[22], 3);
  EXPECT_EQ(b[23], 9);
  EXPECT_EQ(le::get<int32_t>(&b[24]), 0);  // handle
  EXPECT_EQ(le::get<int16_t>(&b[28]), -2);
  EXPECT_EQ(b[30], 4);
  EXPECT_EQ(le::get<int32_t>(&b[31]), 0x55);
  EXPECT_EQ(b[39], 0x39);
  EXPECT_EQ(b[40], 1);
  EXPECT_EQ(le::get<int32_t>(&b[41]), 40);
  EXPECT_EQ(b[49], 1);
  EXPECT_EQ(b[50], 1);
  EXPECT_EQ(b[51], 1);
  EXPECT_EQ(b[52], 1);
  EXPECT_EQ(le::get<int32_t>(&b[53]), 250);
  EXPECT_EQ(b[57], 1);
  EXPECT_EQ(b[58], 1);
  EXPECT_EQ(b[59], 0xA);
  EXPECT_EQ(b[61], 0xC);
  EXPECT_EQ(b[62], 0x15);  // 075BCD15 little-endian
  EXPECT_EQ(b[65], 0x07);
  EXPECT_EQ(b[66], 0x60);
  EXPECT_EQ(b[76], 0x6A);

  TObjekt back;
  loadStoredBytes(back, b.data());
  EXPECT_EQ(storedBytes(back), b);
}

ElementList selectedTracks(std::vector<std::vector<int32_t>> groups) {
  ElementList list;
  for (auto& g : groups) {
    TObjekt t = newTrack(1, 1);
    t.Groups = g;
    t.Selected = 1;
    list.append(t);
  }
  return list;
}

TEST(Groups, GroupingAppendsANewOutermostId) {
  ElementList list = selectedTracks({{}, {4}, {2, 7}});
  TObjekt other = newTrack(1, 1);
  other.Groups = {9};
  list.append(other);  // not selected, but its id counts
  EXPECT_TRUE(groupSelected(list));
  EXPECT_EQ(list[0].Groups, std::vector<int32_t>{10});
  EXPECT_EQ(list[1].Groups, (std::vector<int32_t>{4, 10}));
  EXPECT_EQ(list[2].Groups, (std::vector<int32_t>{2, 7, 10}));
  EXPECT_EQ(list[3].Groups, std::vector<int32_t>{9});

  EXPECT_TRUE(ungroupSelected(list));
  EXPECT_EQ(list[1].Groups, std::vector<int32_t>{4});
  EXPECT_EQ(list[0].Groups, std::vector<int32_t>{});
}

TEST(Groups, NothingToGroup) {
  ElementList same = selectedTracks({{1, 3}, {3}});
  EXPECT_FALSE(groupSelected(same));
  EXPECT_EQ(same[0].Groups, (std::vector<int32_t>{1, 3}));
  ElementList single = selectedTracks({{}});
  EXPECT_FALSE(groupSelected(single));
  EXPECT_EQ(nextGroupId(single), 1);
  ElementList ungrouped = selectedTracks({{}, {}});
  EXPECT_TRUE(groupSelected(ungrouped));
  EXPECT_EQ(ungrouped[1].Groups, std::vector<int32_t>{1});
  ElementList none = selectedTracks({{}});
  none.edit(0).Selected = 0;
  EXPECT_FALSE(ungroupSelected(none));
}

}  // namespace
}  // namespace trazello
