// Layout files of versions 0 to 4, built byte by byte from the published record layouts.
#include <gtest/gtest.h>

#include "files/LayoutFormat.h"
#include "fixtures/Bytes.h"
#include "fixtures/OldRecords.h"
#include "fixtures/Seeds.h"
#include "model/Layer.h"
#include "model/PadGeometry.h"

namespace trazello {
namespace {

using testing::Bytes;
using testing::Rec;
using testing::header;
using testing::record49;
using testing::record74;
using testing::record75;

LayoutFile parseOk(const Bytes& b) {
  testing::writeSeed("old-v" + std::to_string(b.data[0]) + "-" + std::to_string(b.size()) + ".trz",
                     b.data);
  Result<LayoutFile> r = parseLayout(b.data, "fixture.trz");
  EXPECT_TRUE(r.ok()) << (r.ok() ? "" : messageText(r.error()));
  return r.ok() ? std::move(r.value()) : LayoutFile{};
}

TEST(OldLayouts, Version1GroupNumbersLinesAndExchangedLayers) {
  Bytes f = header(1);
  f.i32(8000).i32(5000).i16(4);
  f.append(record49({.kind = 2, .x = 100, .y = -100, .a = 50, .b = 20, .layer = 1, .shape = 3,
                     .groupNo = 7}));
  f.append(record49({.kind = 1, .x = 0, .y = 0, .a = 500, .b = -300, .width = 30, .layer = 3,
                     .groupNo = 7}));
  f.append(record49({.kind = 4, .width = 10, .layer = 2, .groupNo = 9}));
  f.i16(3).i16(0).i16(0).i16(100).i16(0).i16(100).i16(-100);
  f.append(record49({.kind = 3, .x = 10, .y = -20, .a = 60, .b = -20, .width = -16, .layer = 2,
                     .text = "Hello", .groupNo = 7}));
  const LayoutFile file = parseOk(f);
  EXPECT_EQ(file.version, 1);
  EXPECT_TRUE(file.layersExchanged);
  EXPECT_EQ(file.legacyTextCount, 1u);
  EXPECT_EQ(file.currentBoard, -1);
  ASSERT_EQ(file.boards.size(), 1u);
  const Board& board = file.boards[0];
  EXPECT_EQ(board.name, "Board 1");
  EXPECT_EQ(board.settings.width, 8000);
  EXPECT_EQ(board.settings.height, 5000);
  const ElementList& els = board.elements;
  ASSERT_EQ(els.size(), 4u);

  const TObjekt& pad = els[0];
  EXPECT_EQ(pad.Layer, layer::C2);  // C1 and C2 exchanged
  EXPECT_EQ(pad.Points, padOutline({100, -100}, padshape::Square, 50, 0));
  EXPECT_EQ(pad.Clearance, 40);
  EXPECT_EQ(pad.SolderMask, 1);
  EXPECT_EQ(pad.Spokes, 85);
  EXPECT_EQ(pad.Value53, 100);
  EXPECT_EQ(pad.ThermalMagic, kThermalMagic);

  const TObjekt& line = els[1];
  EXPECT_EQ(line.Kind, ElementKind::Track);
  EXPECT_EQ(line.Layer, layer::C1);
  EXPECT_EQ(line.Width, 30);
  EXPECT_EQ(line.Points, (std::vector<Point>{{0, 0}, {500, -300}}));

  const TObjekt& zone = els[2];
  EXPECT_EQ(zone.Value53, 60);
  EXPECT_EQ(zone.HatchAsOutline(), 1);
  EXPECT_TRUE(zone.Groups.empty());  // alone in group 9

  EXPECT_EQ(els[3].Kind, ElementKind::LegacyText);
  EXPECT_EQ(els[3].Text, "Hello");
  for (size_t i : {0u, 1u, 3u}) EXPECT_EQ(els[i].Groups, std::vector<int32_t>{1}) << i;
  for (const TObjekt& e : els) EXPECT_EQ(e.GroupNo, 0);
}

TEST(OldLayouts, Version2GroupListsAndVersion0) {
  Bytes v2 = header(2);
  v2.i32(1000).i32(1000).i16(1);
  v2.append(record49({.kind = 5, .x = 100, .y = -100, .a = 50, .b = 40, .width = 77, .layer = 2}));
  v2.i16(2).i16(3).i16(5);
  const LayoutFile f2 = parseOk(v2);
  ASSERT_EQ(f2.boards[0].elements.size(), 1u);
  const TObjekt& circle = f2.boards[0].elements[0];
  EXPECT_EQ(circle.Groups, (std::vector<int32_t>{3, 5}));
  EXPECT_EQ(circle.Width, 0);  // full circle
  EXPECT_EQ(circle.Layer, layer::S1);

  Bytes v0 = header(0);
  v0.i32(1000).i32(2000).i16(2);
  v0.append(record49({.kind = 8, .x = 200, .y = -200, .a = 100, .b = 50, .layer = 1}));
  v0.append(record49({.kind = 6, .width = 20, .layer = 3}));
  v0.i16(2).i16(0).i16(0).i16(10).i16(-10);
  const LayoutFile f0 = parseOk(v0);
  ASSERT_EQ(f0.boards[0].elements.size(), 2u);
  EXPECT_EQ(f0.boards[0].elements[0].Points, smdCorners({200, -200}, 100, 50));
  EXPECT_EQ(f0.boards[0].elements[0].Layer, layer::C2);
  EXPECT_EQ(f0.boards[0].elements[1].Layer, layer::C1);
  EXPECT_TRUE(f0.layersExchanged);
}

// Version-3 board record: 482 bytes.
Bytes settings482() {
  Bytes s;
  s.zeros(4).i32(9000).i32(6000).u8(1).u8(0).f64(50).f64(0.5).i32(10).i32(20).i32(1);
  s.zeros(4).u8(1).u8(0).shortString("top.bmp", 200).shortString("", 200);
  s.i32(300).i32(600).i32(-5).i32(5).i32(7).i32(-7).i32(255).i32(65280);
  EXPECT_EQ(s.size(), 482u);
  return s;
}

TEST(OldLayouts, Version3MergesPadPairsWithTheLinksOfBothHalves) {
  Bytes f = header(3);
  f.i32(1);
  f.shortString("Main", 30).append(settings482());
  f.i32(6);
  auto pad = [&](int x, uint8_t layerCode, int partner) {
    f.append(record74({.kind = 2, .x = x, .y = -500, .a = 60, .b = 25, .layer = layerCode,
                       .shape = 1}));
    f.i32(0).i32(partner);  // no groups; partner
  };
  pad(100, 1, 1);   // 0: side-1 half of a through pad
  pad(100, 3, 0);   // 1: its side-2 half
  pad(900, 1, -1);  // 2
  pad(1500, 3, -1); // 3
  f.append(record74({.kind = 6, .width = 25, .layer = 1}));
  f.i32(0).i32(2).i32(100).i32(-500).i32(900).i32(-500);
  f.append(record74({.kind = 3, .x = 50, .y = -50, .a = 90, .b = -50, .width = -20,
                     .layer = 2, .text = "OLD"}));
  f.i32(0);
  // Links of the four pads: 0-2, 1-3.
  f.i32(1).i32(2);
  f.i32(1).i32(3);
  f.i32(1).i32(0);
  f.i32(1).i32(1);
  f.i32(0).zeros(8);  // current board and an unused origin

  const LayoutFile file = parseOk(f);
  EXPECT_TRUE(file.layersExchanged);
  EXPECT_EQ(file.legacyTextCount, 1u);
  EXPECT_FALSE(file.project);
  const Board& b = file.boards[0];
  EXPECT_EQ(b.name, "Main");
  EXPECT_EQ(b.settings.groundPlane[layer::C1], 0);  // exchanged with C2
  EXPECT_EQ(b.settings.groundPlane[layer::C2], 1);
  EXPECT_EQ(b.settings.grid, 50);
  EXPECT_EQ(b.settings.activeLayer, 1);
  EXPECT_EQ(b.settings.templateFile[0], "top.bmp");
  EXPECT_EQ(b.settings.templateDpi[1], 600);
  EXPECT_EQ(b.settings.templateColour[0], 255);
  EXPECT_EQ(b.settings.visible, (std::array<uint8_t, 8>{0, 1, 1, 1, 1, 1, 1, 1}));

  const ElementList& els = b.elements;
  ASSERT_EQ(els.size(), 5u);
  const TObjekt& through = els[0];
  EXPECT_EQ(through.Plated, 1);
  EXPECT_EQ(through.Layer, layer::C2);
  EXPECT_EQ(through.Links, (std::vector<ElementId>{els[1].Id, els[2].Id}));
  EXPECT_EQ(els[1].Links, std::vector<ElementId>{through.Id});
  EXPECT_EQ(els[2].Links, std::vector<ElementId>{through.Id});
  EXPECT_EQ(els[1].Plated, 0);
  EXPECT_EQ(els[3].Kind, ElementKind::Track);
  EXPECT_EQ(els[3].Layer, layer::C2);
  EXPECT_EQ(els[4].Text, "OLD");
}

// Version-4 board record: 490 bytes.
Bytes settings490(int32_t originX = 10, int32_t originY = -20) {
  Bytes s;
  s.zeros(4).i32(9000).i32(6000).u8(0).u8(1).f64(25.4).f64(1.5).i32(0).i32(0).i32(3);
  s.u8(1).u8(0).u8(1).u8(1).u8(0).u8(0).shortString("", 200).shortString("bottom.bmp", 200);
  s.i32(600).i32(600).i32(0).i32(0).i32(0).i32(0).i32(65280).i32(65280);
  s.i32(originX).i32(originY);
  EXPECT_EQ(s.size(), 490u);
  return s;
}

TEST(OldLayouts, Version4TextsRoutesSmdLinksAndProject) {
  Bytes f = header(4);
  f.i32(1).shortString("B", 30).append(settings490()).i32(5);
  // 0, 1: a through pad as two halves; 2: an SMD pad; 3: a routed track; 4: a text.
  f.append(record75({.kind = 2, .x = 100, .y = -100, .a = 60, .b = 25, .layer = 1, .shape = 2}));
  f.lengthString("").i32(0).i32(1);
  f.append(record75({.kind = 2, .x = 100, .y = -100, .a = 60, .b = 25, .layer = 3, .shape = 2}));
  f.lengthString("").i32(0).i32(0);
  f.append(record75({.kind = 8, .x = 1000, .y = -100, .a = 100, .b = 50, .layer = 1}));
  f.lengthString("").i32(0);
  f.append(record75({.kind = 6, .width = 30, .layer = 1}, /*routed=*/1));
  f.lengthString("").i32(0).i32(2).i32(100).i32(-100).i32(1000).i32(-100);
  f.append(record75({.kind = 7, .x = 10, .y = -10, .a = 180, .b = 1, .width = 1, .layer = 2,
                     .spokes = 1},
                    0, 1, 0));
  f.lengthString("AB").i32(1).i32(4);  // group 4
  f.i32(1).append(record75({.kind = 6, .width = 20, .layer = 2})).i32(2);
  f.i32(10).i32(-10).i32(30).i32(-10);
  // Links: pad 0 - SMD 2 via the other half.
  f.i32(0).i32(1).i32(2).i32(1).i32(1);
  f.i32(1).i32(2);  // routed track: from the second half to the SMD pad
  f.i32(0).shortString("Title", 100).shortString("Me", 100).shortString("Co", 100);
  f.lengthString("one\r\ntwo");

  const LayoutFile file = parseOk(f);
  EXPECT_FALSE(file.layersExchanged);
  ASSERT_TRUE(file.project);
  EXPECT_EQ(file.project->title, "Title");
  EXPECT_EQ(file.project->comment, "one\r\ntwo");
  const Board& b = file.boards[0];
  EXPECT_EQ(b.settings.originX, 10000);
  EXPECT_EQ(b.settings.originY, -20000);
  EXPECT_EQ(b.settings.visible, (std::array<uint8_t, 8>{0, 1, 0, 1, 1, 1, 1, 1}));
  EXPECT_EQ(b.settings.groundPlane[layer::C2], 1);
  EXPECT_EQ(b.settings.templateFile[1], "bottom.bmp");
  EXPECT_EQ(b.settings.zoom, 1.5);

  const ElementList& els = b.elements;
  ASSERT_EQ(els.size(), 4u);
  EXPECT_EQ(els[0].Plated, 1);
  EXPECT_EQ(els[0].Layer, layer::C1);
  EXPECT_EQ(els[0].Points.size(), 8u);
  EXPECT_EQ(els[0].Links, std::vector<ElementId>{els[1].Id});
  EXPECT_EQ(els[1].Links, std::vector<ElementId>{els[0].Id});
  EXPECT_EQ(els[1].Points, smdCorners({1000, -100}, 100, 50));
  EXPECT_EQ(els[2].RouteFrom, els[0].Id);
  EXPECT_EQ(els[2].RouteTo, els[1].Id);
  const TObjekt& text = els[3];
  EXPECT_EQ(text.Text, "AB");
  EXPECT_EQ(text.Value53, 90);
  EXPECT_EQ(text.MirrorH(), 1);
  EXPECT_EQ(text.MirrorV(), 0);
  EXPECT_EQ(text.Groups, std::vector<int32_t>{4});  // the document compacts them later
  ASSERT_EQ(text.Strokes.size(), 1u);
  EXPECT_EQ(text.Strokes[0].Points, (std::vector<Point>{{10, -10}, {30, -10}}));
}

// The origin is kept in thousandths of a unit: a value too large for them is damage, not a
// wrapped-around origin.
TEST(OldLayouts, Version4OriginBeyondThousandthsIsRefused) {
  struct Case {
    int32_t x, y;
    bool ok;
  } cases[] = {
      {2147483, -2147483, true}, {2147484, 0, false},   {0, -2147484, false},
      {INT32_MAX, 0, false},     {0, INT32_MIN, false},
  };
  for (const Case& c : cases) {
    Bytes f = header(4);
    f.i32(1).shortString("B", 30).append(settings490(c.x, c.y)).i32(0);
    f.i32(0).shortString("", 100).shortString("", 100).shortString("", 100).lengthString("");
    Result<LayoutFile> r = parseLayout(f.data, "/tmp/boards/far.trz");
    ASSERT_EQ(r.ok(), c.ok) << c.x << ", " << c.y;
    if (c.ok) {
      EXPECT_EQ(r->boards[0].settings.originX, c.x * 1000);
      EXPECT_EQ(r->boards[0].settings.originY, c.y * 1000);
    } else {
      const std::string text = messageText(r.error());
      EXPECT_NE(text.find("the origin "), std::string::npos) << text;
      EXPECT_NE(text.find("far.trz\""), std::string::npos) << text;
    }
  }
}

}  // namespace
}  // namespace trazello
