#include "PrintPreview.h"

#include <QDateTime>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace trazello {

namespace {
constexpr int kRulerGap = 15;
constexpr int kShadow = 4;
}  // namespace

PrintPreview::PrintPreview(PrintState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setObjectName("PaintBox1");
  setMouseTracking(true);
  setMinimumSize(300, 300);
  setCursor(Qt::SizeAllCursor);
}

QRect PrintPreview::areaRect() const {
  const PreviewGeometry g = previewGeometry(width(), height(), state_.page);
  return {g.areaLeft, g.areaTop, g.areaWidth, g.areaHeight};
}

double PrintPreview::unitsPerPixel() const {
  return std::nearbyint(state_.page.printableWidth) * 100 / std::max(1, areaRect().width());
}

void PrintPreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  const PreviewGeometry g = previewGeometry(width(), height(), state_.page);
  const QRect sheet(g.sheetLeft, g.sheetTop, g.sheetWidth, g.sheetHeight);
  p.fillRect(sheet.translated(kShadow, kShadow), Qt::darkGray);
  p.fillRect(sheet, Qt::white);
  p.setPen(Qt::black);
  p.drawRect(sheet.adjusted(0, 0, -1, -1));
  paintRulers(p, g);
  const QRect area = areaRect();
  p.save();
  p.setClipRect(area);
  p.fillRect(area, Qt::white);
  if (state_.grid) {
    p.setPen(QColor(192, 192, 192));
    for (int q = 1; q <= 3; ++q) {
      const int x = area.left() + area.width() * q / 4, y = area.top() + area.height() * q / 4;
      p.drawLine(x, area.top(), x, area.bottom());
      p.drawLine(area.left(), y, area.right(), y);
    }
  }
  if (state_.infoLine) {
    DrawInfoLine(p, area, state_.info,
                 QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
  }
  if (state_.board && state_.elements) {
    const double k = 1.0 / unitsPerPixel();
    const double ky = area.height() / (std::nearbyint(state_.page.printableHeight) * 100);
    DrawPrintCopies(p, state_.layout, false, area.topLeft(), k, ky, size(),
                    PrintScene{*state_.board, *state_.elements, state_.scans}, state_.content);
  }
  p.restore();
  QPen red(Qt::red);
  red.setStyle(Qt::DotLine);
  p.setPen(red);
  p.setBrush(Qt::NoBrush);
  p.drawRect(area.adjusted(0, 0, -1, -1));
}

void PrintPreview::paintRulers(QPainter& p, const PreviewGeometry& g) {
  const QRect h(g.sheetLeft, g.sheetTop - kRulerGap, g.sheetWidth, kRulerGap);
  const QRect v(g.sheetLeft - kRulerGap, g.sheetTop, kRulerGap, g.sheetHeight);
  p.fillRect(h, Qt::white);
  p.fillRect(v, Qt::white);
  QFont font("Arial");
  font.setPixelSize(11);
  p.setFont(font);
  p.setPen(Qt::black);
  const int paperW = int(std::lround(state_.page.paperWidth));
  const int paperH = int(std::lround(state_.page.paperHeight));
  for (int mm = 10; mm < paperW; mm += 10) {
    const int x = g.sheetLeft + int(std::lround(mm * g.pixelsPerMm));
    const bool longTick = mm % 50 == 0;
    p.drawLine(x, h.bottom(), x, h.bottom() - (longTick ? kRulerGap : 4));
    if (longTick) p.drawText(x + 2, h.bottom() - 3, QString::number(mm));
  }
  for (int mm = 10; mm < paperH; mm += 10) {
    const int y = g.sheetTop + int(std::lround(mm * g.pixelsPerMm));
    const bool longTick = mm % 50 == 0;
    p.drawLine(v.right(), y, v.right() - (longTick ? kRulerGap : 4), y);
    if (longTick) {
      p.save();
      p.translate(v.right() - 3, y - 2);
      p.rotate(-90);
      p.drawText(0, 0, QString::number(mm));
      p.restore();
    }
  }
  if (pointer_.x() < 0) return;
  p.setPen(Qt::blue);
  if (pointer_.x() >= h.left() && pointer_.x() <= h.right())
    p.drawLine(pointer_.x(), h.top(), pointer_.x(), h.bottom());
  if (pointer_.y() >= v.top() && pointer_.y() <= v.bottom())
    p.drawLine(v.left(), pointer_.y(), v.right(), pointer_.y());
}

void PrintPreview::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) dragFrom_ = e->position().toPoint();
}

void PrintPreview::mouseMoveEvent(QMouseEvent* e) {
  const QPoint at = e->position().toPoint();
  pointer_ = at;
  if (dragFrom_ && (e->buttons() & Qt::LeftButton)) {
    state_.layout.drag(at.x() - dragFrom_->x(), at.y() - dragFrom_->y(), unitsPerPixel());
    dragFrom_ = at;
    emit layoutDragged();
  }
  update();
}

void PrintPreview::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) dragFrom_.reset();
}

}  // namespace trazello
