#include "PrintPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <cmath>
#include <optional>

#include "Canvas.h"
#include "ClearancePainter.h"
#include "ElementPainter.h"
#include "RenderContext.h"
#include "model/Layer.h"

namespace trazello {

namespace {

using namespace layer;
constexpr std::array<uint8_t, 7> kPrintOrder{I1, I2, C1, C2, S1, S2, O};
constexpr std::array<uint8_t, 4> kCopperOrder{C1, C2, I1, I2};
constexpr int32_t kCrossArm = 1000;  // 10 mm each way
constexpr int32_t kDrillPlanArm = 30;

ColourScheme whitePaperScheme() {
  ColourScheme s = defaultScheme();
  s[SchemeSlot::Background] = kWhite;  // the clearances of a positive print are paper
  return s;
}

bool planeOn(const BoardSettings& b, uint8_t code) {
  return b.groundPlane[code] != 0;
}

// One copy being drawn: the canvas, and the render switches that change from step to step.
class CopyPainter {
 public:
  CopyPainter(QPainter& painter, const QTransform& t, QSize surface, const PrintScene& scene,
              const PrintContent& content)
      : canvas_(painter, t, surface),
        scene_(scene),
        content_(content),
        scheme_(whitePaperScheme()),
        ctx_{canvas_, scheme_, options_, layerState(scene.board), &scene.elements} {
    options_.showConnections = false;
    options_.showTemplates = false;
    fill_ = printFillColour(scene, content);
    ctx_.groundFill = fill_;
    if (content.negative) options_.singleColour = fill_;
  }

  void draw() {
    fillBoard();
    if (content_.templates) drawTemplates();
    if (content_.crosses) drawCrosses();
    if (content_.frame) drawFrame();
    for (uint8_t code : kPrintOrder)
      if (content_.layers[code]) drawLayer(code);
    for (uint8_t code : kPrintOrder)
      if (content_.layers[code]) drawHoles(code);
    if (content_.mask1) drawMask(C1, content_.mask1Colour);
    if (content_.mask2) drawMask(C2, content_.mask2Colour);
    if (content_.drillPlan) drawDrillPlan();
  }

 private:
  ColorRef ink(uint8_t code) const { return content_.negative ? kWhite : content_.colours[code]; }

  void fillBoard() {
    bool plane = false;
    for (uint8_t code : kCopperOrder) plane |= content_.layers[code] && planeOn(scene_.board, code);
    if (plane == content_.negative) return;
    canvas_.fillRect({0, 0}, {float(scene_.board.width), -float(scene_.board.height)}, fill_);
  }

  void drawTemplates() {
    if (!scene_.scans) return;
    for (size_t side = 0; side < 2; ++side) {
      const uint8_t code = side == 0 ? C1 : C2;
      if (!content_.layers[code]) continue;
      QImage image = (*scene_.scans)[side];
      if (image.isNull()) continue;
      const QRgb colour = toQColor(content_.colours[code]).rgb(), white = qRgb(255, 255, 255);
      if (isTwoColourScan(image)) {
        image.setColorTable(content_.negative ? scanColourTable(image.colorTable(), white, colour)
                                              : scanColourTable(image.colorTable(), colour, white));
      }
      const BoardSettings& b = scene_.board;
      const IRect r = scanRect(image.width(), image.height(), b.templateDpi[side],
                               b.templateOffsetX[side], b.templateOffsetY[side]);
      QPainter& p = canvas_.painter();
      p.save();
      // The picture's first row is its top, the largest y of the layout.
      p.translate(r.left, r.bottom);
      p.scale(double(r.right - r.left) / image.width(), -double(r.bottom - r.top) / image.height());
      p.setCompositionMode(QPainter::CompositionMode_SourceOver);
      p.drawImage(QPointF(0, 0), image);
      p.restore();
    }
  }

  void drawCrosses() {
    canvas_.setPixelPen(kBlack);
    const float w = float(scene_.board.width), h = -float(scene_.board.height);
    for (Point c : {Point{0, 0}, Point{0, h}, Point{w, 0}, Point{w, h}}) {
      canvas_.line({c.x - kCrossArm, c.y}, {c.x + kCrossArm, c.y});
      canvas_.line({c.x, c.y - kCrossArm}, {c.x, c.y + kCrossArm});
    }
  }

  void drawFrame() {
    canvas_.setPixelPen(kBlack);
    const float w = float(scene_.board.width), h = -float(scene_.board.height);
    const std::array<Point, 5> outline{Point{0, 0}, Point{w, 0}, Point{w, h}, Point{0, h},
                                       Point{0, 0}};
    canvas_.polyline(outline);
  }

  void drawLayer(uint8_t code) {
    const ColorRef colour = ink(code);
    const ElementList& all = scene_.elements;
    // A negative plane keeps its clearances in the layer's own colour.
    if (content_.negative) options_.singleColour = content_.colours[code];
    if (planeOn(scene_.board, code) &&
        (content_.colours[code] == fill_ || content_.negative)) {
      for (const TObjekt& e : all)
        if (isOnLayer(e, code)) DrawElementClearance(ctx_, e);
      for (const TObjekt& e : all)
        if (e.isPadLike() && e.Thermal() && isOnLayer(e, code)) DrawThermalSpokes(ctx_, e);
    }
    for (const TObjekt& e : all) {
      const bool keepOutZone = e.Kind == ElementKind::Zone && e.KeepOut;
      if (e.Layer == code && e.Kind != ElementKind::Pad && !keepOutZone)
        DrawElementInColour(ctx_, e, colour);
    }
    for (const TObjekt& e : all)
      if (e.Kind == ElementKind::Pad && isOnLayer(e, code)) DrawElementInColour(ctx_, e, colour);
    if (content_.negative) options_.singleColour = fill_;
  }

  void drawHoles(uint8_t code) {
    const ColorRef brush = content_.negative ? content_.colours[code] : kWhite;
    for (const TObjekt& e : scene_.elements) {
      if (e.Kind != ElementKind::Pad || e.SizeB <= 0 || !isOnLayer(e, code)) continue;
      const Point centre{e.X, e.Y};
      canvas_.setBrush(brush);
      if (e.SizeA != e.SizeB) {
        canvas_.setNoPen();
        canvas_.ellipse(centre, e.SizeB);
        continue;
      }
      canvas_.setPixelPen(ink(code));
      canvas_.ellipse(centre, e.SizeB);
      const float arm = e.SizeA / 2.0f;
      canvas_.line({centre.x - arm, centre.y - arm}, {centre.x + arm, centre.y + arm});
      canvas_.line({centre.x - arm, centre.y + arm}, {centre.x + arm, centre.y - arm});
    }
  }

  bool inMask(const TObjekt& e) const {
    if (e.Kind == ElementKind::Pad) return content_.maskPads;
    if (e.Kind == ElementKind::SmdPad) return content_.maskSmdPads;
    return content_.maskOthers;
  }

  void drawMask(uint8_t side, ColorRef maskColour) {
    const ColorRef colour = content_.negative ? kWhite : maskColour;
    options_.padGrowth = content_.padGrowth;
    options_.smdGrowth = content_.smdGrowth;
    options_.trackGrowth = content_.otherGrowth;
    for (const TObjekt& e : scene_.elements)
      if (e.SolderMask && isOnLayer(e, side) && inMask(e)) DrawElementInColour(ctx_, e, colour);
    options_.padGrowth = options_.smdGrowth = options_.trackGrowth = 0;
  }

  void drawDrillPlan() {
    canvas_.setPixelPen(content_.drillPlanColour);
    QPainter& p = canvas_.painter();
    const QTransform t = p.transform();
    QFont font("Arial");
    font.setPixelSize(std::max(1, int(std::lround(content_.drillTextHeight * std::abs(t.m22())))));
    const QChar point = QLocale().decimalPoint().front();
    for (const TObjekt& e : scene_.elements) {
      if (e.Kind != ElementKind::Pad || e.SizeB <= 0) continue;
      if (!(isCopperLayer(e.Layer) || e.Layer == O)) continue;
      const float x = e.X, y = e.Y, a = kDrillPlanArm;
      canvas_.line({x - a, y + a}, {x + a, y - a});
      canvas_.line({x + a, y + a}, {x - a, y - a});
      // The numbers stay readable in a mirrored print: only their place is mirrored.
      const QPointF top = t.map(QPointF(x, y + content_.drillTextHeight + 20));
      p.save();
      p.resetTransform();
      p.setFont(font);
      p.setPen(toQColor(content_.drillPlanColour));
      const QString text = drillPlanText(e.SizeB, content_.mil, point);
      const double w = QFontMetricsF(font).horizontalAdvance(text);
      p.drawText(QRectF(top.x() - w / 2, top.y(), w + 2, font.pixelSize() * 1.5),
                 Qt::AlignLeft | Qt::AlignTop, text);
      p.restore();
    }
  }

  Canvas canvas_;
  const PrintScene& scene_;
  const PrintContent& content_;
  ColourScheme scheme_;
  RenderOptions options_;
  RenderContext ctx_;
  ColorRef fill_ = kBlack;
};

}  // namespace

ColorRef printFillColour(const PrintScene& scene, const PrintContent& content) {
  std::optional<ColorRef> firstPrinted;
  for (uint8_t code : kCopperOrder) {
    if (!content.layers[code]) continue;
    if (planeOn(scene.board, code) != content.negative) return content.colours[code];
    if (!firstPrinted) firstPrinted = content.colours[code];
  }
  return firstPrinted.value_or(kBlack);
}

void DrawPrintCopy(QPainter& painter, const QTransform& worldToPixels, QSize surface,
                   const PrintScene& scene, const PrintContent& content) {
  painter.save();
  CopyPainter(painter, worldToPixels, surface, scene, content).draw();
  painter.restore();
}

QTransform printCopyTransform(const PaperMap& map, QPointF areaTopLeft, double pixelsPerUnitX,
                              double pixelsPerUnitY) {
  return QTransform(map.ax * pixelsPerUnitX, 0, 0, map.ay * pixelsPerUnitY,
                    areaTopLeft.x() + map.bx * pixelsPerUnitX,
                    areaTopLeft.y() + map.by * pixelsPerUnitY);
}

void DrawPrintCopies(QPainter& painter, const PrintLayout& layout, bool calibrated,
                     QPointF areaTopLeft, double pixelsPerUnitX, double pixelsPerUnitY,
                     QSize surface, const PrintScene& scene, const PrintContent& content) {
  for (int row = 0; row < layout.copiesY; ++row)
    for (int column = 0; column < layout.copiesX; ++column)
      DrawPrintCopy(painter,
                    printCopyTransform(layout.copyMap(column, row, calibrated), areaTopLeft,
                                       pixelsPerUnitX, pixelsPerUnitY),
                    surface, scene, content);
}

void DrawInfoLine(QPainter& painter, const QRect& area, const QString& info,
                  const QString& dateTime) {
  const int h = static_cast<int>(std::lround(area.height() / 60.0));
  if (h <= 0) return;
  const int w = static_cast<int>(std::lround(0.05 * h));
  painter.save();
  painter.resetTransform();
  painter.translate(area.topLeft());
  QPen pen(Qt::black, w);
  if (w <= 1) pen.setCosmetic(true);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const QRectF strip(QPointF(w, area.height() - h - w), QPointF(area.width() - w, area.height() - w));
  painter.drawRect(strip);
  QFont font("Arial");
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(0.8 * h))));
  painter.setFont(font);
  const double margin = std::nearbyint(0.3 * h);
  const QRectF text = strip.adjusted(margin, 0, -margin, 0);
  painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, info);
  painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, dateTime);
  painter.restore();
}

QString drillPlanText(int32_t drillRadius, bool mil, QChar decimalPoint) {
  QString text = mil ? QString::number(2.0 * drillRadius * 39.37 / 100, 'f', 1)
                     : QString::number(2.0 * drillRadius / 100, 'f', 2);
  text.replace('.', decimalPoint);
  return text.left(10);
}

QImage printClipboardPicture(const PrintScene& scene, const PrintContent& content) {
  const int32_t w = std::max(scene.board.width, 1), h = std::max(scene.board.height, 1);
  const int width = std::max(2, static_cast<int>(std::lround(w / 100.0 / 25.4 * 300)));
  const int height = std::max(2, static_cast<int>(std::lround(h / 100.0 / 25.4 * 300)));
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  const double kx = double(width - 1) / w, ky = double(height - 1) / h;
  const QTransform t = content.mirrored ? QTransform(-kx, 0, 0, -ky, width - 1, 0)
                                        : QTransform(kx, 0, 0, -ky, 0, 0);
  QPainter painter(&image);
  DrawPrintCopy(painter, t, image.size(), scene, content);
  return image;
}

}  // namespace trazello
