#include "model/BoardSettings.h"

#include <gtest/gtest.h>

#include "model/LittleEndian.h"

namespace trazello {
namespace {

TEST(BoardSettings, DefaultRecordBytes) {
  const BoardSettingsBytes b = boardSettingsBytes(BoardSettings{});
  EXPECT_EQ(le::get<int32_t>(&b[0]), 0);
  EXPECT_EQ(le::get<int32_t>(&b[4]), 16000);
  EXPECT_EQ(le::get<int32_t>(&b[8]), 10000);
  for (int i = 12; i < 19; ++i) EXPECT_EQ(b[i], 0);
  EXPECT_EQ(le::get<double>(&b[19]), 127.0);
  EXPECT_EQ(le::get<double>(&b[27]), 0.1);
  EXPECT_EQ(le::get<int32_t>(&b[43]), 3);
  for (int i = 47; i < 54; ++i) EXPECT_EQ(b[i], 1);
  EXPECT_EQ(b[56], 0);
  EXPECT_EQ(le::get<int32_t>(&b[458]), 600);
  EXPECT_EQ(le::get<int32_t>(&b[462]), 600);
  EXPECT_EQ(le::get<int32_t>(&b[482]), 65280);
  EXPECT_EQ(le::get<int32_t>(&b[486]), 65280);
  EXPECT_EQ(b[498], 0);
}

TEST(BoardSettings, EveryFieldRoundTrips) {
  BoardSettings s;
  s.width = 12345;
  s.height = 23456;
  s.groundPlane = {0, 1, 0, 1, 0, 1, 1, 0};
  s.grid = 7.9375;
  s.zoom = 1.234;
  s.scrollX = -5;
  s.scrollY = 77;
  s.activeLayer = 6;
  s.visible = {0, 1, 0, 1, 0, 1, 0, 1};
  s.templateShown = {1, 0};
  s.templateFile = {"C:\\scans\\top.bmp", std::string(200, 'x')};
  s.templateDpi = {300, 2400};
  s.templateOffsetX = {-3000, 3000};
  s.templateOffsetY = {12, -12};
  s.templateColour = {0xFF, 0xFF0000};
  s.originX = 1000000;
  s.originY = -7937;
  s.multilayer = 1;
  const BoardSettingsBytes b = boardSettingsBytes(s);
  EXPECT_EQ(b[56], 16);
  EXPECT_EQ(b[257], 200);
  EXPECT_EQ(b[18], 0);  // ground plane of O
  EXPECT_EQ(b[17], 1);  // of I2
  const auto back = parseBoardSettings(b.data());
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, s);
  EXPECT_EQ(boardSettingsBytes(*back), b);
}

TEST(BoardSettings, TemplateNameLongerThanItsFieldIsRejected) {
  BoardSettingsBytes b = boardSettingsBytes(BoardSettings{});
  b[257] = 201;
  EXPECT_FALSE(parseBoardSettings(b.data()));
}

TEST(BoardSettings, MaximumZoom) {
  EXPECT_EQ(maxZoomFor(16000, 10000), 4.0);
  EXPECT_EQ(maxZoomFor(1000, 1000), 5.0);
  EXPECT_EQ(maxZoomFor(50000, 300), 1.28);
  EXPECT_EQ(maxZoomFor(30000, 30000), 2.133);
}

}  // namespace
}  // namespace trazello
