// Mapping, zoom limits, snapping, grid captions, ruler ticks and the board map.
#include <gtest/gtest.h>

#include "RenderScene.h"
#include "view/BoardMap.h"
#include "view/GridCaptions.h"
#include "view/GridPainter.h"
#include "view/NumberFormat.h"
#include "view/Ruler.h"
#include "view/ViewMapping.h"

namespace trazello {
namespace {

TEST(Viewport, ZoomIsRoundedAndLimited) {
  struct Case {
    double z;
    int32_t w, h;
    double expected;
  } cases[] = {
      {10, 16000, 10000, 4.0},       // 64000 / 16000
      {10, 1000, 1000, 5.0},         // capped at 5
      {0.0075, 16000, 10000, 0.01},  // raised to the minimum
      {0.0105 / 1.4, 16000, 10000, 0.01},
      {0.12345, 16000, 10000, 0.123},
      {1.2345678, 30000, 30000, 1.235},
      {100, 50000, 100, 1.28},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(clampZoom(c.z, c.w, c.h), c.expected) << c.z;
  EXPECT_DOUBLE_EQ(boardZoom(810, 510, 8000, 5000), 0.1);
}

TEST(Viewport, MappingPutsTheBoardTopLeftAtTheScrollOrigin) {
  ViewMapping m;
  m.zoom = 0.5;
  m.scrollX = 10;
  m.scrollY = 20;
  EXPECT_EQ(m.toPixels({100, -200}), QPointF(40, 80));
  m.mirrored = true;
  m.boardWidth = 1000;
  EXPECT_EQ(m.toPixels({100, -200}), QPointF(440, 80));
  m.zoom = 0.1234;  // kept to three decimals as the screen does
  EXPECT_DOUBLE_EQ(m.scale(), 0.123);
}

TEST(Viewport, ScreenToWorldAndSnap) {
  const Point p = ScreenToWorld(QPointF(50, 80), 0.5, false, 127, {});
  EXPECT_FLOAT_EQ(p.x, 100);
  EXPECT_FLOAT_EQ(p.y, -160);
  // Origin (10.0 mm, -5.0 mm), grid 1.27 mm: 12.6 mm snaps to 12.54 mm.
  const Point s = SnapToGrid({1260, -700}, 127, {1000 * 1000, -500 * 1000});
  EXPECT_NEAR(s.x, 1254, 1e-3);
  EXPECT_NEAR(s.y, -754, 1e-3);  // -5.0 mm - 2 x 1.27 mm
  const Point snapped = ScreenToWorld(QPointF(126, 0), 1, true, 127, {});
  EXPECT_FLOAT_EQ(snapped.x, 127);
}

TEST(GridCaptions, UserStepCaptions) {
  EXPECT_EQ(userGridCaption(50, LengthUnit::Millimetre), std::string(8, ' ') + "0.50 мм");
  EXPECT_EQ(userGridCaption(1234, LengthUnit::Millimetre), std::string(6, ' ') + "12.34 мм");
  EXPECT_EQ(userGridCaption(50, LengthUnit::Mil), std::string(6, ' ') + "20 мил");
  EXPECT_EQ(userGridCaption(254, LengthUnit::Mil), std::string(4, ' ') + "100 мил");
}

TEST(GridCaptions, ButtonCaptions) {
  struct Case {
    double step;
    LengthUnit unit;
    std::string caption;
  } cases[] = {
      {31.75, LengthUnit::Mil, "   12.5 мил"},   {6.35, LengthUnit::Mil, "      2 мил"},
      {7.9375, LengthUnit::Mil, "  3.125 мил"},  {15.875, LengthUnit::Mil, "   6.25 мил"},
      {254, LengthUnit::Mil, "    100 мил"},     {127, LengthUnit::Millimetre, "  1.27 мм"},
      {50, LengthUnit::Millimetre, "   0.5 мм"}, {7.9375, LengthUnit::Millimetre, "0.079375 мм"},
  };
  for (const Case& c : cases) EXPECT_EQ(gridButtonCaption(c.step, c.unit), c.caption) << c.step;
}

TEST(GridCaptions, FixedStepsAndTags) {
  const auto& steps = fixedGridSteps();
  EXPECT_DOUBLE_EQ(fixedGridValue(steps[0].tag), 7.9375);
  EXPECT_DOUBLE_EQ(fixedGridValue(steps[5].tag), 254);
  EXPECT_EQ(fixedGridCaption(steps[2], LengthUnit::Mil), "  12.5 мил (1/80 \")");
  EXPECT_DOUBLE_EQ(userGridValue(50), 50);
  EXPECT_DOUBLE_EQ(userGridValue(12345), 12.345);
}

TEST(GridCaptions, EnglishAndFrenchWindowsWriteLatinUnits) {
  const auto& steps = fixedGridSteps();
  for (int language : {1, 2}) {
    const UnitNames n = unitNamesFor(language);
    EXPECT_EQ(fixedGridCaption(steps[2], LengthUnit::Mil, n), "  12.5 mil (1/80 \")");
    EXPECT_EQ(fixedGridCaption(steps[4], LengthUnit::Millimetre, n), "        1.27 mm (1/2 RM)");
    EXPECT_EQ(userGridCaption(50, LengthUnit::Millimetre, n), std::string(8, ' ') + "0.50 mm");
    EXPECT_EQ(userGridCaption(254, LengthUnit::Mil, n), std::string(4, ' ') + "100 mil");
    EXPECT_EQ(gridButtonCaption(127, LengthUnit::Millimetre, n), "  1.27 mm");
    EXPECT_EQ(gridButtonCaption(31.75, LengthUnit::Mil, n), "   12.5 mil");
  }
  EXPECT_EQ(gridButtonCaption(127, LengthUnit::Millimetre, unitNamesFor(0)), "  1.27 мм");
}

TEST(NumberFormat, GeneralFormat) {
  struct Case {
    double v;
    int precision;
    const char* text;
  } cases[] = {
      {0.079375, 8, "0.079375"},
      {1.27, 8, "1.27"},
      {2.5, 3, "2.5"},
      {123.4, 3, "123"},
      {-5, 3, "-5"},
      {1234, 3, "1.23E3"},
      {0, 3, "0"},
      {99.96, 3, "100"},
  };
  for (const Case& c : cases) EXPECT_EQ(formatGeneral(c.v, c.precision), c.text) << c.v;
}

TEST(Ruler, LabelIntervals) {
  struct Case {
    double zoom;
    LengthUnit unit;
    int pixels;
    int interval;
  } cases[] = {
      {1.0, LengthUnit::Millimetre, 100, 10}, {0.49, LengthUnit::Millimetre, 49, 50},
      {0.2, LengthUnit::Millimetre, 20, 50},  {0.1, LengthUnit::Millimetre, 10, 100},
      {0.04, LengthUnit::Millimetre, 4, 500}, {0.1, LengthUnit::Mil, 25, 50},
  };
  for (const Case& c : cases) {
    const int p = rulerPixelsPerReference(c.zoom, c.unit);
    EXPECT_EQ(p, c.pixels) << c.zoom;
    EXPECT_EQ(rulerLabelInterval(p), c.interval) << c.zoom;
  }
  EXPECT_DOUBLE_EQ(rulerTickSpacing(LengthUnit::Mil), 25.4);
}

TEST(Ruler, TicksAndLabels) {
  struct Case {
    int64_t g;
    int t;
    int length;
    bool label;
  } cases[] = {
      {0, 10, 14, true},  {20, 10, 14, true},  {-30, 10, 14, true},  {5, 10, 8, false},
      {3, 10, 4, false},  {50, 100, 8, false}, {10, 100, 4, false},  {3, 100, 0, false},
      {10, 50, 4, false}, {3, 50, 0, false},   {100, 500, 4, false}, {50, 500, 0, false},
  };
  for (const Case& c : cases) {
    const RulerTick tick = rulerTick(c.g, c.t, false);
    EXPECT_EQ(tick.length, c.length) << c.g << " " << c.t;
    EXPECT_EQ(tick.label, c.label) << c.g << " " << c.t;
  }
  EXPECT_EQ(rulerTick(0, 10, true).length, 16);
  EXPECT_EQ(rulerLabel(25, LengthUnit::Millimetre), "2.5");
  EXPECT_EQ(rulerLabel(1230, LengthUnit::Millimetre), "123");
  EXPECT_EQ(rulerLabel(-50, LengthUnit::Millimetre), "-5");
  EXPECT_EQ(rulerLabel(12, LengthUnit::Mil), "120");
}

TEST(BoardMap, Geometry) {
  const BoardMapGeometry g = boardMapGeometry(30000, 10000);
  EXPECT_EQ(g.panel, (PixelRect{6, 0, 80, 27}));
  EXPECT_EQ(g.bevel, (PixelRect{5, -1, 82, 29}));
  const BoardMapGeometry square = boardMapGeometry(8000, 8000);
  EXPECT_EQ(square.panel, (PixelRect{6, 0, 80, 80}));
  // 0.1 px/unit, 100 units per map pixel: an 800 x 500 area at (400, 200).
  const BoardMapGeometry m = boardMapGeometry(8000, 5000);
  EXPECT_EQ(boardMapViewRect(m, 800, 500, 0.1, 400, 200), (PixelRect{40, 20, 80, 50}));
  EXPECT_EQ(scrollForBoardMap(m, 40, 20, 0.1), (ScrollPosition{400, 200}));
}

TEST(GridDrawing, LinesPassThroughTheUserOrigin) {
  testing::RenderScene s;
  s.options.showGrid = true;
  s.board.grid = 50;
  s.board.originX = 10 * 1000;
  s.board.originY = -20 * 1000;
  const QImage img = s.render();
  const testing::Rgb grid = testing::col(70, 70, 70);
  EXPECT_EQ(testing::pixel(img, 110, -5), grid);  // vertical line x = 10 + 2 x 50
  EXPECT_EQ(testing::pixel(img, 135, -5), testing::col(0, 0, 0));
  EXPECT_EQ(testing::pixel(img, 135, -70), grid);  // horizontal line y = -20 - 50
  EXPECT_EQ(testing::pixel(img, 10, -135), testing::col(originLineColour(rgb(70, 70, 70))));
  EXPECT_EQ(originLineColour(rgb(70, 70, 200)), rgb(130, 130, 255));

  s.board.grid = 3;  // too dense at one pixel per unit: left out
  const QImage dense = s.render();
  EXPECT_EQ(testing::pixel(dense, 111, -5), testing::col(0, 0, 0));
}

}  // namespace
}  // namespace trazello
