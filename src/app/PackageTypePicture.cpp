#include "PackageTypePicture.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace trazello {

namespace {

constexpr double kPad = 5;  // pad radius in pixels

void pad(QPainter& p, QPointF c) {
  p.drawEllipse(c, kPad, kPad);
}

// A dimension line from a to b with arrow heads and its name beside the middle.
void dimension(QPainter& p, QPointF a, QPointF b, const QString& name, QPointF labelShift) {
  p.drawLine(a, b);
  const QPointF d = b - a;
  const double len = std::hypot(d.x(), d.y());
  if (len < 1) return;
  const QPointF u = d / len;
  const QPointF n(-u.y(), u.x());
  for (auto [tip, dir] : {std::pair{a, u}, std::pair{b, -u}}) {
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip + dir * 6 + n * 3);
    head.lineTo(tip + dir * 6 - n * 3);
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
  }
  const QPointF mid = (a + b) / 2 + labelShift;
  p.drawText(QRectF(mid.x() - 10, mid.y() - 8, 20, 16), Qt::AlignCenter, name);
}

void ring(QPainter& p, QPointF centre, double r, int count) {
  for (int i = 0; i < count; ++i) {
    const double phi = 2 * std::numbers::pi * i / count;
    pad(p, centre + QPointF(r * std::cos(phi), -r * std::sin(phi)));
  }
}

}  // namespace

PackageTypePicture::PackageTypePicture(QWidget* parent) : QWidget(parent) {
  setObjectName("Panel1");
  setMinimumSize(sizeHint());
}

void PackageTypePicture::setType(PackageType type) {
  type_ = type;
  update();
}

void PackageTypePicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), palette().base());
  const QColor ink = palette().text().color();
  const QPointF c = QRectF(rect()).center();
  p.setPen(QPen(ink, 1.5));
  p.setBrush(Qt::NoBrush);
  switch (type_) {
    case PackageType::Sip:
      for (int i = 0; i < 4; ++i) pad(p, {c.x() + (i - 1.5) * 30, c.y()});
      dimension(p, {c.x() - 45, c.y() + 20}, {c.x() - 15, c.y() + 20}, "d", {0, 12});
      break;
    case PackageType::Dip:
      for (int i = 0; i < 4; ++i)
        for (double y : {c.y() - 25, c.y() + 25}) pad(p, {c.x() + (i - 1.5) * 30, y});
      dimension(p, {c.x() - 45, c.y() + 40}, {c.x() - 15, c.y() + 40}, "d", {0, 12});
      dimension(p, {c.x() + 65, c.y() - 25}, {c.x() + 65, c.y() + 25}, "Y", {12, 0});
      break;
    case PackageType::Quad:
      for (int i = 0; i < 3; ++i) {
        const double t = (i - 1) * 18;
        pad(p, {c.x() + t, c.y() - 40});
        pad(p, {c.x() + t, c.y() + 40});
        pad(p, {c.x() - 40, c.y() + t});
        pad(p, {c.x() + 40, c.y() + t});
      }
      dimension(p, {c.x() - 18, c.y() - 54}, {c.x(), c.y() - 54}, "d", {-18, 0});
      dimension(p, {c.x() - 40, c.y() + 55}, {c.x() + 40, c.y() + 55}, "X", {0, 11});
      dimension(p, {c.x() + 60, c.y() - 40}, {c.x() + 60, c.y() + 40}, "Y", {12, 0});
      break;
    case PackageType::Circle:
      ring(p, c, 42, 8);
      dimension(p, {c.x() - 42, c.y()}, {c.x() + 42, c.y()}, "d", {0, -10});
      break;
    case PackageType::DualCircle:
      ring(p, c, 28, 8);
      ring(p, c, 52, 8);
      dimension(p, {c.x() - 28, c.y()}, {c.x() + 28, c.y()}, "d", {0, -10});
      dimension(p, {c.x() + 28, c.y() + 10}, {c.x() + 52, c.y() + 10}, "Y", {0, 12});
      break;
  }
}

}  // namespace trazello
