#include "RulerWidget.h"

#include <QPainter>
#include <cmath>

#include "DrawingArea.h"
#include "view/Ruler.h"

namespace trazello {

namespace {
constexpr int kFirstLabelX = 23;
constexpr int kLabelGap = 4;
}  // namespace

RulerWidget::RulerWidget(Qt::Orientation orientation, const DrawingArea& area, QWidget* parent)
    : QWidget(parent), orientation_(orientation), area_(area) {
  if (orientation_ == Qt::Horizontal)
    setFixedHeight(kThickness);
  else
    setFixedWidth(kThickness);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void RulerWidget::setUnit(LengthUnit unit) {
  unit_ = unit;
  update();
}

void RulerWidget::setMarker(std::optional<int> viewportPixel) {
  if (marker_ == viewportPixel) return;
  marker_ = viewportPixel;
  update();
}

int RulerWidget::viewportOffset() const {
  const QPoint there = area_.viewport()->mapToGlobal(QPoint(0, 0));
  const QPoint here = mapToGlobal(QPoint(0, 0));
  return orientation_ == Qt::Horizontal ? there.x() - here.x() : there.y() - here.y();
}

std::vector<RulerMark> RulerWidget::marks() const {
  const bool vertical = orientation_ == Qt::Vertical;
  const double zoom = area_.zoom();
  const int offset = viewportOffset();
  const int length = vertical ? height() : width();
  const QPointF origin = area_.originPixel();
  // Pixel of the origin along this ruler, in ruler coordinates; ticks count from there.
  const double zeroAt = (vertical ? origin.y() : origin.x()) + offset;
  const double tickPixels = rulerTickSpacing(unit_) * zoom;
  const int t = rulerLabelInterval(rulerPixelsPerReference(zoom, unit_));
  const auto first = static_cast<int64_t>(std::floor(-zeroAt / tickPixels));
  const auto last = static_cast<int64_t>(std::ceil((length - zeroAt) / tickPixels));
  std::vector<RulerMark> out;
  for (int64_t g = first; g <= last; ++g) {
    const RulerTick tick = rulerTick(g, t, vertical);
    if (tick.length == 0) continue;
    RulerMark m;
    m.position = static_cast<int>(std::lround(zeroAt + double(g) * tickPixels));
    m.length = tick.length;
    const bool room = vertical ? m.position >= 0 : m.position >= kFirstLabelX;
    if (tick.label && room) m.label = QString::fromStdString(rulerLabel(g, unit_));
    out.push_back(m);
  }
  return out;
}

void RulerWidget::paintEvent(QPaintEvent*) {
  if (area_.paintingSuspended()) return;
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  QFont font("Arial");
  font.setPixelSize(13);
  p.setFont(font);
  p.setPen(Qt::black);
  const bool vertical = orientation_ == Qt::Vertical;
  if (!vertical) p.fillRect(0, 0, kThickness, height(), palette().window());
  for (const RulerMark& m : marks()) {
    if (vertical) {
      p.drawLine(width() - m.length, m.position, width() - 1, m.position);
      if (m.label.isEmpty()) continue;
      p.save();
      p.translate(p.fontMetrics().ascent(), m.position - kLabelGap);
      p.rotate(-90);
      p.drawText(0, 0, m.label);
      p.restore();
    } else {
      if (m.position < kThickness) continue;  // the corner stays free
      p.drawLine(m.position, height() - m.length, m.position, height() - 1);
      if (!m.label.isEmpty()) p.drawText(m.position + kLabelGap, p.fontMetrics().ascent(), m.label);
    }
  }
  if (marker_) {
    const int at = *marker_ + viewportOffset();
    p.setPen(QPen(Qt::red, 1));
    if (vertical)
      p.drawLine(0, at, width(), at);
    else if (at >= kThickness)
      p.drawLine(at, 0, at, height());
  }
}

}  // namespace trazello
