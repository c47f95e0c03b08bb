#include "PreviewPainter.h"

#include <algorithm>
#include <cmath>

#include "Canvas.h"
#include "Decorations.h"
#include "ElementPainter.h"
#include "RenderContext.h"
#include "model/ElementGeometry.h"

namespace trazello {

namespace {

constexpr ColorRef kRubberRed = rgb(255, 0, 0);
const QColor kTipYellow(255, 255, 225);

void drawShapes(RenderContext& ctx, const PreviewScene& scene, const Preview& p) {
  const float dx = p.shapeOffset.x;
  const float dy = p.shapeOffset.y;
  auto drawMoved = [&](const TObjekt& source, bool withConnections) {
    TObjekt e = source;
    moveElement(e, dx, dy);
    DrawElementInColour(ctx, e, kBlack);
    if (withConnections) DrawConnections(ctx, source, dx, dy);
  };
  switch (p.shapeSource) {
    case Preview::ShapeSource::None:
      break;
    case Preview::ShapeSource::Own:
      for (const TObjekt& e : p.ownShapes) drawMoved(e, false);
      break;
    case Preview::ShapeSource::Selection:
      for (size_t i : p.movedIndices) {
        if (i < scene.elements.size()) drawMoved(scene.elements[i], true);
      }
      break;
    case Preview::ShapeSource::Clipboard:
      if (scene.clipboard) {
        for (const TObjekt& e : *scene.clipboard) drawMoved(e, false);
      }
      break;
  }
}

void drawLines(Canvas& canvas, const Preview& p) {
  for (const Preview::Line& line : p.lines) {
    canvas.setPen(line.colour == Preview::LineColour::Red ? kRubberRed : kBlack, line.width);
    canvas.polyline(line.points);
  }
  if (p.dot) {
    // At least 5 pixels, so that the pointer's spot shows at every zoom.
    const double r = std::max(p.dot->width / 2.0, 2.5 * canvas.pixel());
    canvas.setNoPen();
    canvas.setBrush(kBlack);
    canvas.ellipse(p.dot->at, r);
  }
  if (p.radius) {
    canvas.setPixelPen(kBlack);
    canvas.line(p.radius->centre, p.radius->to);
  }
  if (p.measure) {
    canvas.setPixelPen(kBlack);
    canvas.line(p.measure->from, p.measure->to);
  }
}

void drawXorParts(QPainter& painter, const ViewMapping& mapping, const Preview& p) {
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.setPen(QPen(Qt::white, 1));
  painter.setBrush(Qt::NoBrush);
  if (p.connectionRubber) {
    painter.setPen(QPen(QColor(0, 0, 255), 1, Qt::DotLine));
    painter.drawLine(mapping.toPixels(p.connectionRubber->from),
                     mapping.toPixels(p.connectionRubber->to));
    painter.setPen(QPen(Qt::white, 1));
  }
  if (p.frame) {
    painter.drawRect(
        QRectF(mapping.toPixels(p.frame->from), mapping.toPixels(p.frame->to)).normalized());
  }
  // Half-size 100 units, or 5 pixels when 1 mm is less than 5 pixels.
  const double half = mapping.scale() * 100 < 5 ? 5 : mapping.scale() * 100;
  for (Point m : p.snapMarkers) {
    const QPointF c = mapping.toPixels(m);
    painter.drawRect(QRectF(c.x() - half, c.y() - half, 2 * half, 2 * half));
  }
  painter.restore();
}

void drawMeasureBox(QPainter& painter, const ViewMapping& mapping, QSize size,
                    const Preview::Measure& m) {
  const QPointF from = mapping.toPixels(m.from);
  const QPointF to = mapping.toPixels(m.to);
  QFont font = painter.font();
  font.setPixelSize(11);
  const QFontMetrics metrics(font);
  const char* labels[4] = {"dX:", "dY:", "Distance:", "Angle:"};
  // 100 x 62 pixels, wider when a label and its value need more.
  int width = 100;
  for (int i = 0; i < 4; ++i) {
    width = std::max(
        width, metrics.horizontalAdvance(labels[i]) +
                   metrics.horizontalAdvance(QString::fromStdString(m.values[size_t(i)])) + 12);
  }
  const QSize box(width, 62);
  // 20 pixels from the pointer, in the quadrant away from the start; flipped to stay visible.
  double x = to.x() >= from.x() ? to.x() + 20 : to.x() - 20 - box.width();
  double y = to.y() >= from.y() ? to.y() + 20 : to.y() - 20 - box.height();
  if (x + box.width() > size.width()) x = to.x() - 20 - box.width();
  if (x < 0) x = to.x() + 20;
  if (y + box.height() > size.height()) y = to.y() - 20 - box.height();
  if (y < 0) y = to.y() + 20;
  const QRect r(QPoint(int(x), int(y)), box);
  painter.save();
  painter.setPen(Qt::black);
  painter.setBrush(kTipYellow);
  painter.drawRect(r.adjusted(0, 0, -1, -1));
  painter.setFont(font);
  const QColor colours[4] = {Qt::black, Qt::black, QColor(255, 0, 0), QColor(0, 0, 255)};
  for (int i = 0; i < 4; ++i) {
    const QRect line(r.left() + 2, r.top() + 2 + 14 * i, box.width() - 6, 14);
    painter.setPen(colours[i]);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, labels[i]);
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromStdString(m.values[size_t(i)]));
  }
  painter.restore();
}

void drawNameTip(QPainter& painter, const ViewMapping& mapping, const Preview& p) {
  const QPointF at = mapping.toPixels(p.tipAt) + QPointF(16, 16);
  const QString text = QString::fromStdString(p.nameTip);
  painter.save();
  const QFontMetrics fm(painter.font());
  const QRect r(at.toPoint(), QSize(fm.horizontalAdvance(text) + 5, fm.height() + 2));
  painter.setPen(Qt::black);
  painter.setBrush(kTipYellow);
  painter.drawRect(r.adjusted(0, 0, -1, -1));
  painter.drawText(r.adjusted(2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
  painter.restore();
}

}  // namespace

void PaintPreview(QPainter& painter, const ViewMapping& mapping, QSize size,
                  const PreviewScene& scene, const Preview& preview) {
  if (preview.empty()) return;
  painter.save();
  {
    Canvas canvas(painter, mapping, size);
    RenderContext ctx{canvas, scene.scheme, scene.options, scene.layers, &scene.elements};
    canvas.setRasterMode(RasterMode::NotXor);
    drawLines(canvas, preview);
    drawShapes(ctx, scene, preview);
    if (preview.highlighted && *preview.highlighted < scene.elements.size()) {
      DrawElementInColour(ctx, scene.elements[*preview.highlighted], kBlack);
    }
    canvas.setRasterMode(RasterMode::Copy);
  }
  painter.restore();
  drawXorParts(painter, mapping, preview);
  if (preview.measure) drawMeasureBox(painter, mapping, size, *preview.measure);
  if (!preview.nameTip.empty()) drawNameTip(painter, mapping, preview);
}

}  // namespace trazello
