// Lines written straight into the picture set exactly the pixels the painter sets for a
// one-pixel pen: long and short, steep and flat, cut by the picture's edges, ends far away,
// whole or in bands of rows.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <random>
#include <vector>

#include "view/Canvas.h"
#include "view/PixelLine.h"

namespace trazello::testing {
namespace {

constexpr int kWidth = 300, kHeight = 200;
const QColor kInk(200, 180, 20);

QImage blank() {
  QImage img(kWidth, kHeight, QImage::Format_RGB32);
  img.fill(Qt::black);
  return img;
}

QImage byPainter(const QLineF& l) {
  QImage img = blank();
  QPainter p(&img);
  QPen pen(kInk, 0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  pen.setCosmetic(true);
  p.setPen(pen);
  p.drawLine(l);
  return img;
}

// Drawn whole, or band by band with the rows of the picture split at `cuts`.
QImage direct(const QLineF& l, std::vector<int> cuts = {}) {
  QImage img = blank();
  cuts.insert(cuts.begin(), 0);
  cuts.push_back(kHeight);
  for (size_t i = 0; i + 1 < cuts.size(); ++i)
    drawPixelLine({reinterpret_cast<uint32_t*>(img.bits()), int(img.bytesPerLine() / 4),
                   img.width(), img.height(), cuts[i], cuts[i + 1]},
                  l.x1(), l.y1(), l.x2(), l.y2(), kInk.rgba());
  return img;
}

TEST(PixelLine, SetsThePixelsOfThePaintersOnePixelPen) {
  std::mt19937 rng(20261210);
  std::uniform_real_distribution<double> across(-150, 450), unit(0, 1), far(-1e6, 1e6);
  const char* kinds[] = {"crossing the picture",      "shorter than four pixels",
                         "whole pixels, nearly flat", "quarter pixels",
                         "one end far away",          "through pixel corners"};
  for (int kind = 0; kind < 6; ++kind) {
    SCOPED_TRACE(kinds[kind]);
    int differing = 0;
    for (int i = 0; i < 1500; ++i) {
      double x1 = across(rng), y1 = across(rng) * 0.7, x2 = across(rng), y2 = across(rng) * 0.7;
      switch (kind) {
        case 1:
          x2 = x1 + (unit(rng) - 0.5) * 8;
          y2 = y1 + (unit(rng) - 0.5) * 8;
          break;
        case 2:
          x1 = std::round(x1), y1 = std::round(y1), x2 = std::round(x2);
          y2 = y1 + std::round((unit(rng) - 0.5) * 6);
          break;
        case 3:
          x1 = std::round(x1 * 4) / 4, y1 = std::round(y1 * 4) / 4;
          x2 = std::round(x2 * 4) / 4, y2 = std::round(y2 * 4) / 4;
          break;
        case 4:
          x2 = far(rng), y2 = far(rng);
          break;
        case 5:
          x1 = std::round(x1) + 0.5, y1 = std::round(y1) + 0.5;
          x2 = std::round(x2) + 0.5, y2 = std::round(y2) + 0.5;
          break;
      }
      if (x1 == x2 && y1 == y2) continue;
      const QLineF l(x1, y1, x2, y2);
      const QImage whole = direct(l);
      if ((whole != byPainter(l) || direct(l, {1, 67, 68, 150}) != whole) && ++differing <= 3)
        ADD_FAILURE() << "differs: " << x1 << ", " << y1 << " to " << x2 << ", " << y2;
    }
    EXPECT_EQ(differing, 0);
  }
}

// The canvas writes its one-pixel lines directly only where the painter would draw the same;
// under a clip or a raster operation the painter draws them.
TEST(PixelLine, TheCanvasDrawsLikeThePainterInEveryMode) {
  ViewMapping mapping;
  mapping.zoom = 0.037;
  mapping.boardWidth = 6000;
  const Point a{130, -410}, b{5900, -5100};
  auto draw = [&](bool throughCanvas, auto&& setUp) {
    QImage img = blank();
    img.fill(QColor(10, 200, 90));
    QPainter p(&img);
    Canvas canvas(p, mapping, img.size());
    canvas.setPixelPen(0x00FFFF80);
    setUp(canvas, p);
    if (throughCanvas)
      canvas.line(a, b);
    else
      p.drawLine(QPointF(a.x, a.y), QPointF(b.x, b.y));
    return img;
  };
  auto plain = [](Canvas&, QPainter&) {};
  auto xored = [](Canvas& c, QPainter&) { c.setRasterMode(RasterMode::Xor); };
  auto clipped = [](Canvas&, QPainter& p) { p.setClipRect(QRect(40, 20, 100, 60)); };
  auto wide = [](Canvas& c, QPainter&) { c.setPen(0x000000FF, 2000); };
  const QImage drawn = draw(true, plain);
  EXPECT_EQ(drawn, draw(false, plain));
  int inked = 0;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x) inked += drawn.pixel(x, y) == qRgb(0x80, 0xFF, 0xFF);
  EXPECT_GT(inked, 100);
  EXPECT_EQ(draw(true, xored), draw(false, xored));
  EXPECT_EQ(draw(true, clipped), draw(false, clipped));
  EXPECT_EQ(draw(true, wide), draw(false, wide));
}

}  // namespace
}  // namespace trazello::testing
