// Our milling plots as a program we did not write reads them: hp2xx draws the isolation and
// outline files of the demo board into pictures, which must match our own drawing of the same
// outlines and of the outline layer's tracks and arcs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "files/LayoutIo.h"
#include "model/Layer.h"
#include "output/IsolationJob.h"
#include "output/OutlineMilling.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

// 0.1 mm per pixel, four plotter units; hp2xx draws with its 0.1 mm pen.
constexpr int kDpi = 254;
constexpr double kPixelsPerUnit = kDpi / 2540.0;
// hp2xx's lines are about three pixels wide, ours one, and the two programs round differently:
// an ink pixel of one picture counts as differing only when the other has no ink within two
// pixels of it. The share
// of such pixels among all ink pixels is bounded by this.
constexpr double kMaxDifferingShare = 0.01;

bool ink(const QImage& image, int x, int y) {
  return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
         qGray(image.pixel(x, y)) < 128;
}

bool inkNear(const QImage& image, int x, int y) {
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx)
      if (ink(image, x + dx, y + dy)) return true;
  return false;
}

struct Comparison {
  double share = 1;  // ink pixels of either picture with no ink nearby in the other
  size_t ink = 0;    // in hp2xx's picture, so that an empty picture shows
};

// hp2xx leaves a margin of a few pixels: its picture is registered on ours by the shift (within
// four pixels) that matches best.
Comparison compare(const QImage& theirs, const QImage& ours) {
  Comparison best;
  for (int sy = -4; sy <= 4; ++sy)
    for (int sx = -4; sx <= 4; ++sx) {
      size_t differing = 0, total = 0, theirInk = 0;
      for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x) {
          const bool a = ink(theirs, x + sx, y + sy), b = ink(ours, x, y);
          theirInk += a;
          if (!a && !b) continue;
          ++total;
          if ((a && !inkNear(ours, x, y)) || (b && !inkNear(theirs, x + sx, y + sy))) ++differing;
        }
      const double share = total ? double(differing) / double(total) : 1;
      if (share < best.share) best = {share, theirInk};
    }
  return best;
}

class Hp2xx : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(std::string(TRAZELLO_HP2XX).empty()) << "hp2xx is missing: run scripts/setup";
    dir_ = fs::temp_directory_path() /
           ("trazello-hp2xx-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    Document doc;
    ASSERT_TRUE(openLayout(doc, std::string(TRAZELLO_SOURCE_DIR) + "/examples/demo.trz", false).ok());
    board_ = doc.working();
    elements_ = doc.elements();
  }
  void TearDown() override {
    if (!HasFailure()) fs::remove_all(dir_);
  }

  // hp2xx's picture of the plot at true size over the whole board.
  QImage theirs(const std::string& name, const std::string& text) {
    const fs::path file = dir_ / name, png = dir_ / (name + ".png");
    std::ofstream(file, std::ios::binary) << text;
    const std::string command =
        std::string(TRAZELLO_HP2XX) + " -q -m png -t -d " + std::to_string(kDpi) +
        " -p 1 -x 0 -X " + std::to_string(board_.width * 0.4) + " -y 0 -Y " +
        std::to_string(board_.height * 0.4) + " -f " + png.string() + " " + file.string();
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return QImage(QString::fromStdString(png.string()));
  }

  // A white picture of the board with the painter in board units, y up.
  QImage blank(QPainter& p, QImage& image) const {
    image = QImage(int(board_.width * kPixelsPerUnit), int(board_.height * kPixelsPerUnit),
                   QImage::Format_RGB32);
    image.fill(Qt::white);
    p.begin(&image);
    p.translate(0, image.height());
    p.scale(kPixelsPerUnit, -kPixelsPerUnit);
    p.translate(0, board_.height);
    p.setPen(QPen(Qt::black, 0));
    return image;
  }

  void expectSame(const std::string& name, const std::string& text, const QImage& ours) {
    const QImage picture = theirs(name, text);
    ASSERT_FALSE(picture.isNull()) << name;
    const Comparison c = compare(picture, ours);
    EXPECT_GT(c.ink, 1000u) << name << ": hp2xx drew nothing";
    EXPECT_LT(c.share, kMaxDifferingShare) << name << ": " << c.share * 100 << " % of the ink differs";
    RecordProperty(name + "_differing_percent", std::to_string(c.share * 100));
    if (HasFailure()) ours.save(QString::fromStdString((dir_ / (name + ".ours.png")).string()));
  }

  fs::path dir_;
  BoardSettings board_;
  ElementList elements_;
};

TEST_F(Hp2xx, IsolationFileShowsOurOutlines) {
  IsolationOptions o;
  o.refs.bottomLeft = false;
  o.selection.toolWidth = 30;
  const IsolationJob job = runIsolation(elements_, board_, o);
  ASSERT_FALSE(job.outlines.empty());
  QImage ours;
  QPainter p;
  blank(p, ours);
  for (const MillingOutline& outline : job.outlines) {
    QPolygonF polygon;
    for (const IPoint& q : outline) polygon << QPointF(q.x, q.y);
    p.drawPolygon(polygon);
  }
  p.end();
  expectSame("isolation.plt", job.file, ours);
}

TEST_F(Hp2xx, OutlineFileShowsTheOutlineLayer) {
  OutlineMillingOptions o;
  o.refs.bottomLeft = false;
  QImage ours;
  QPainter p;
  blank(p, ours);
  size_t drawn = 0;
  for (const TObjekt& e : elements_) {
    if (e.Layer != layer::O) continue;
    if (e.Kind == ElementKind::Track) {
      QPolygonF line;
      for (const Point& q : e.Points) line << QPointF(q.x, q.y);
      p.drawPolyline(line);
      ++drawn;
    } else if (e.Kind == ElementKind::Circle) {
      const double r = (e.SizeA + e.SizeB) / 2;
      int sweep = e.Width - e.Spokes;
      if (sweep <= 0) sweep += 360;
      // y is up in the painter, so Qt's counter-clockwise angles turn clockwise: negate.
      p.drawArc(QRectF(e.X - r, e.Y - r, 2 * r, 2 * r), -e.Spokes * 16, -sweep * 16);
      ++drawn;
    }
  }
  p.end();
  ASSERT_GT(drawn, 0u) << "the demo board has an outline";
  expectSame("outline.plt", outlineMillingFile(elements_, board_, o), ours);
}

}  // namespace
}  // namespace trazello
