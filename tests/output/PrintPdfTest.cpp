// The print as a program we did not write sees it: trazello-cli prints into a PDF, poppler's
// pdftoppm rasterises the page at 254 dpi (0.1 mm per pixel), and the page must show the board
// at true scale where the print places it, drawn as our own rendering draws the layer.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "fixtures/CliRunner.h"
#include "files/LayoutIo.h"
#include "model/Document.h"
#include "model/Layer.h"
#include "view/BoardPicture.h"

namespace trazello {
namespace {

constexpr double kDpi = 254;   // one pixel is 10 layout units
constexpr int kCorner = 10;    // the board's corner 1 mm in from the page's
// As in the Gerber comparison: a pixel differs only when no pixel of its colour lies within
// one pixel in the other picture; edges may move by a pixel between two renderers.
constexpr double kMaxDifferingShare = 0.0002;

bool dark(QRgb p) {
  return qGray(p) < 128;
}

// A 100 x 80 mm board with a track, round pads with holes, an SMD pad and an arc on C1 and a
// track on S1 that a C1 print leaves out.
void writeBoard(const std::string& path) {
  Document d;
  d.working().width = 10000;
  d.working().height = 8000;
  ElementList& list = d.elements();
  TObjekt t = newTrack(100, layer::C1);
  t.Points = {{1000, -1000}, {9000, -1000}, {9000, -3000}};
  list.append(t);
  list.append(newPad({2000, -4000}, layer::C1, padshape::Round, 150, 40));
  list.append(newPad({3000, -4000}, layer::C1, padshape::Round, 100, 35));
  list.append(newSmdPad({5000, -6500}, layer::C1, 300, 150));
  TObjekt arc = newCircle({7000, -5500}, layer::C1, 1200, 1000);
  arc.Spokes = 10;  // from 10 to 100 degrees: not symmetric about any vertical line
  arc.Width = 100;
  list.append(arc);
  TObjekt silk = newTrack(50, layer::S1);
  silk.Points = {{500, -7500}, {9500, -7500}};
  list.append(silk);
  ASSERT_FALSE(saveLayout(d, path));
}

class PrintPdf : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("command -v pdftoppm >/dev/null 2>&1") != 0)
      GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed; scripts/setup installs it";
    ASSERT_TRUE(dir_.isValid());
    board_ = dir_.filePath("board.trz").toStdString();
    writeBoard(board_);
  }

  // The first page of `trazello-cli print board.trz -o page.pdf OPTIONS` as pdftoppm draws it.
  QImage printed(const std::string& options) {
    const std::string pdf = dir_.filePath("page.pdf").toStdString();
    const std::string png = dir_.filePath("page").toStdString();
    const testing::CliRun run = testing::runCli(
        TRAZELLO_CLI, "print " + board_ + " -o " + pdf + " " + options, png + ".err");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string raster = "pdftoppm -r 254 -aa no -aaVector no -png -singlefile " + pdf +
                               " " + png + " 2>/dev/null";
    EXPECT_EQ(std::system(raster.c_str()), 0);
    return QImage(QString::fromStdString(png + ".png"));
  }

  // Our drawing of C1 alone (holes punched), black on white.
  QImage ourLayer() {
    Document d;
    EXPECT_TRUE(openLayout(d, board_, false, nullptr));
    LayerPictureOptions o;
    o.dpi = kDpi;
    o.drillHoles = true;
    return renderLayerPicture(d.working(), d.elements(), layer::C1, o);
  }

  QTemporaryDir dir_;
  std::string board_;
};

// The share of pixels of `ours` that differ from the page at (left, top), and the number of
// dark pixels of ours, so that an empty comparison shows.
std::pair<double, int> differing(const QImage& page, const QImage& ours, int left, int top) {
  auto at = [&](const QImage& img, int x, int y) { return dark(img.pixel(x, y)); };
  auto nearby = [&](const QImage& img, int x, int y, bool value) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const int nx = x + dx, ny = y + dy;
        if (img.valid(nx, ny) && at(img, nx, ny) == value) return true;
      }
    return false;
  };
  int differ = 0, inked = 0;
  for (int y = 0; y < ours.height(); ++y)
    for (int x = 0; x < ours.width(); ++x) {
      const bool mine = at(ours, x, y), theirs = at(page, left + x, top + y);
      inked += mine;
      if (mine != theirs &&
          (!nearby(page, left + x, top + y, mine) || !nearby(ours, x, y, theirs)))
        ++differ;
    }
  return {double(differ) / (double(ours.width()) * ours.height()), inked};
}

TEST_F(PrintPdf, FrameIsExactlyTheBoardOneMillimetreFromTheCorner) {
  const QImage page = printed("--frame --layers O");
  ASSERT_FALSE(page.isNull());
  EXPECT_EQ(page.width(), 2100);  // A4 at 0.1 mm per pixel
  int left = page.width(), top = page.height(), right = -1, bottom = -1;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (dark(page.pixel(x, y))) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  EXPECT_NEAR(right - left, 1000, 1);
  EXPECT_NEAR(bottom - top, 800, 1);
  EXPECT_NEAR(left, kCorner, 1);
  EXPECT_NEAR(top, kCorner, 1);
}

TEST_F(PrintPdf, LayerLandsWhereOurRenderingPutsItPlainMirroredAndCopied) {
  const QImage ours = ourLayer();
  const QImage mirrored = ours.mirrored(true, false);
  struct Case {
    const char* options;
    const QImage* picture;
    int left;
  };
  // The second copy starts the board's width and the 5 mm spacing to the right.
  const Case cases[] = {{"--layers C1", &ours, kCorner},
                        {"--layers C1 --mirror", &mirrored, kCorner},
                        {"--layers C1 --copies 2,1 --spacing 5", &ours, kCorner},
                        {"--layers C1 --copies 2,1 --spacing 5", &ours, kCorner + 1000 + 50}};
  for (const Case& c : cases) {
    const QImage page = printed(c.options);
    ASSERT_FALSE(page.isNull()) << c.options;
    const auto [share, inked] = differing(page, *c.picture, c.left, kCorner);
    EXPECT_GT(inked, 10000) << c.options;
    EXPECT_LT(share, kMaxDifferingShare) << c.options << " at " << c.left;
  }
  // Placed one millimetre off, the same comparison fails: it does see where the layer is.
  const QImage page = printed("--layers C1");
  EXPECT_GT(differing(page, ours, kCorner + 10, kCorner).first, kMaxDifferingShare);
}

TEST_F(PrintPdf, CalibrationStretchesAndScaleEnlargesTheFrame) {
  struct Case {
    const char* options;
    int width, height;
  };
  const Case cases[] = {{"--frame --layers O --calibrate 1.1,0.9", 1100, 720},
                        {"--frame --layers O --scale 150", 1500, 1200}};
  for (const Case& c : cases) {
    const QImage page = printed(c.options);
    ASSERT_FALSE(page.isNull());
    int left = page.width(), right = -1, top = page.height(), bottom = -1;
    for (int y = 0; y < page.height(); ++y)
      for (int x = 0; x < page.width(); ++x)
        if (dark(page.pixel(x, y))) {
          left = std::min(left, x), right = std::max(right, x);
          top = std::min(top, y), bottom = std::max(bottom, y);
        }
    EXPECT_NEAR(right - left, c.width, 1) << c.options;
    EXPECT_NEAR(bottom - top, c.height, 1) << c.options;
  }
}

TEST_F(PrintPdf, StrictArguments) {
  const std::string pdf = dir_.filePath("x.pdf").toStdString();
  for (const char* bad : {"--scale 33", "--scale 5", "--copies 2.5,1", "--copies 0,1",
                          "--calibrate 1.3,1", "--layers C1,X9", "--mask 3", "--spacing 51"}) {
    const testing::CliRun run = testing::runCli(
        TRAZELLO_CLI, "print " + board_ + " -o " + pdf + " " + bad, pdf + ".err");
    EXPECT_EQ(run.status, 2) << bad;
    EXPECT_NE(run.err.find("print"), std::string::npos) << bad << ": " << run.err;
  }
}

}  // namespace
}  // namespace trazello
