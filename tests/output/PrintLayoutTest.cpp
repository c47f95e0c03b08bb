// Where the print places the board on the paper: scale, offsets, copies, mirror, centring,
// dragging and calibration, in hundredths of a millimetre from the printable area's corner.
#include <gtest/gtest.h>

#include "output/PrintLayout.h"

namespace trazello {
namespace {

PrintLayout board100x80() {
  PrintLayout l;
  l.boardWidth = 10000;
  l.boardHeight = 8000;
  return l;
}

TEST(PrintLayout, DefaultPlacesTheBoardOneMillimetreInFromTheCorner) {
  const PaperMap m = board100x80().copyMap(0, 0, false);
  EXPECT_DOUBLE_EQ(m.x(0), 100);
  EXPECT_DOUBLE_EQ(m.y(0), 100);
  // True scale: the board's far corner 100 mm and 80 mm further.
  EXPECT_DOUBLE_EQ(m.x(10000), 10100);
  EXPECT_DOUBLE_EQ(m.y(-8000), 8100);
}

TEST(PrintLayout, ScrollBarAtFortyPrintsAtDoubleSizeAndHalvesTheOffsets) {
  PrintLayout l = board100x80();
  l.offsetX = -300;
  l.offsetY = 500;
  l.setScalePosition(40);
  EXPECT_EQ(PrintLayout::scalePercent(40), 200);
  EXPECT_DOUBLE_EQ(l.inverseScale, 0.5);
  EXPECT_EQ(l.offsetX, -150);
  EXPECT_EQ(l.offsetY, 250);
  // The board's corner keeps its place on the paper; its size doubles.
  const PaperMap m = l.copyMap(0, 0, false);
  EXPECT_DOUBLE_EQ(m.x(0), 300);
  EXPECT_DOUBLE_EQ(m.y(0), 500);
  EXPECT_DOUBLE_EQ(m.x(10000), 20300);
  l.setOneToOne();
  EXPECT_EQ(l.offsetX, -300);
  EXPECT_DOUBLE_EQ(l.copyMap(0, 0, false).x(10000), 10300);
}

TEST(PrintLayout, CopiesRunRightAndDownByBoardPlusSpacing) {
  PrintLayout l = board100x80();
  l.copiesX = 3;
  l.copiesY = 2;
  l.spacing = 500;
  struct Case {
    int column, row;
    double left, top;
  };
  for (const Case& c : {Case{0, 0, 100, 100}, Case{1, 0, 10600, 100}, Case{2, 1, 21100, 8600}}) {
    const PaperMap m = l.copyMap(c.column, c.row, false);
    EXPECT_DOUBLE_EQ(m.x(0), c.left) << c.column << "," << c.row;
    EXPECT_DOUBLE_EQ(m.y(0), c.top) << c.column << "," << c.row;
  }
  const PrintLayout::Extent e = l.boardsOnPaper();
  EXPECT_DOUBLE_EQ(e.right, 100 + 3 * 10000 + 2 * 500);
  EXPECT_DOUBLE_EQ(e.bottom, 100 + 2 * 8000 + 500);
}

TEST(PrintLayout, MirroredCopiesCoverTheSamePaperWithTheBoardTurned) {
  PrintLayout l = board100x80();
  l.copiesX = 2;
  l.spacing = 500;
  const PrintLayout::Extent plain = l.boardsOnPaper();
  l.mirrored = true;
  const PrintLayout::Extent turned = l.boardsOnPaper();
  EXPECT_DOUBLE_EQ(turned.left, plain.left);
  EXPECT_DOUBLE_EQ(turned.right, plain.right);
  // The first copy is on the right; each board's left edge is at its copy's right.
  const PaperMap first = l.copyMap(0, 0, false), second = l.copyMap(1, 0, false);
  EXPECT_DOUBLE_EQ(first.x(0), plain.right);
  EXPECT_DOUBLE_EQ(first.x(10000), plain.right - 10000);
  EXPECT_DOUBLE_EQ(second.x(10000), 100);
  EXPECT_DOUBLE_EQ(first.y(0), 100);
}

TEST(PrintLayout, CentringPutsThePrintedAreaInTheMiddleOfThePage) {
  struct Case {
    bool mirrored;
    int copies;
    IRect printed;  // normalised: top is the smallest y
  };
  const Case cases[] = {{false, 1, {0, -8000, 10000, 0}},
                        {false, 1, {2000, -5000, 3000, -1000}},
                        {true, 1, {2000, -5000, 3000, -1000}},
                        {true, 3, {0, -8000, 10000, 0}}};
  for (const Case& c : cases) {
    PrintLayout l = board100x80();
    l.mirrored = c.mirrored;
    l.copiesX = c.copies;
    l.spacing = 200;
    l.centre(c.printed, 200, 287);
    double lo = 1e9, hi = -1e9;
    for (int i = 0; i < c.copies; ++i) {
      const PaperMap m = l.copyMap(i, 0, false);
      for (int32_t x : {c.printed.left, c.printed.right}) {
        lo = std::min(lo, m.x(x));
        hi = std::max(hi, m.x(x));
      }
    }
    const PaperMap m = l.copyMap(0, 0, false);
    EXPECT_NEAR((lo + hi) / 2, 10000, 1) << c.mirrored << " " << c.copies;
    EXPECT_NEAR((m.y(c.printed.bottom) + m.y(c.printed.top)) / 2, 14350, 1) << c.mirrored;
  }
}

TEST(PrintLayout, DraggingFollowsThePointerAtAnyScaleAndCalibrationStretchesOnlyThePrint) {
  PrintLayout l = board100x80();
  l.setScalePosition(10);  // 50 %
  const double before = l.copyMap(0, 0, false).x(0);
  l.drag(20, -10, 50);  // 20 pixels right, 10 up, 0.5 mm per pixel
  EXPECT_NEAR(l.copyMap(0, 0, false).x(0) - before, 1000, 1);
  EXPECT_NEAR(l.copyMap(0, 0, false).y(0), 100 - 500, 1);
  l.setOneToOne();
  l.calibrationX = 1.1;
  l.calibrationY = 0.9;
  const PaperMap print = l.copyMap(0, 0, true), preview = l.copyMap(0, 0, false);
  EXPECT_NEAR(print.x(10000) - print.x(0), 11000, 1e-6);
  EXPECT_NEAR(print.y(-8000) - print.y(0), 7200, 1e-6);
  EXPECT_NEAR(preview.x(10000) - preview.x(0), 10000, 1e-6);
}

TEST(PrintLayout, PreviewSheetFitsThePanelAndHoldsThePrintableArea) {
  const PageMetrics a4{210, 297, 200, 287, 5, 5};
  const PreviewGeometry g = previewGeometry(640, 1000, a4);
  EXPECT_EQ(g.sheetWidth, 600);  // the width limits: 640 less 20 each side
  EXPECT_EQ(g.sheetLeft, 20);
  EXPECT_NEAR(g.sheetHeight, 297 * 600 / 210.0, 1);
  EXPECT_EQ(g.areaLeft, 20 + 14);
  EXPECT_NEAR(g.areaWidth, 200 * 600 / 210.0, 1);
}

}  // namespace
}  // namespace trazello
