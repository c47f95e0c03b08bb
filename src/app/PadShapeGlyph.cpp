#include "PadShapeGlyph.h"

#include <QPainter>
#include <QPainterPath>

#include "model/TObjekt.h"

namespace trazello {

namespace {

QPainterPath octagon(const QRectF& r) {
  const double cut = 0.29 * std::min(r.width(), r.height());
  QPainterPath p;
  p.moveTo(r.left() + cut, r.top());
  p.lineTo(r.right() - cut, r.top());
  p.lineTo(r.right(), r.top() + cut);
  p.lineTo(r.right(), r.bottom() - cut);
  p.lineTo(r.right() - cut, r.bottom());
  p.lineTo(r.left() + cut, r.bottom());
  p.lineTo(r.left(), r.bottom() - cut);
  p.lineTo(r.left(), r.top() + cut);
  p.closeSubpath();
  return p;
}

QPainterPath outline(int shape, double s) {
  const double m = s * 0.08;  // margin
  const double full = s - 2 * m, half = full / 2;
  const bool horizontal = shape >= padshape::OblongH && shape <= padshape::RectH;
  const bool vertical = shape >= padshape::OblongV && shape <= padshape::RectV;
  const double w = vertical ? half + 2 : full, h = horizontal ? half + 2 : full;
  const QRectF r((s - w) / 2, (s - h) / 2, w, h);
  QPainterPath p;
  switch (shape) {
    case padshape::Round:
      p.addEllipse(r);
      break;
    case padshape::OblongH:
    case padshape::OblongV: {
      const double radius = std::min(w, h) / 2;
      p.addRoundedRect(r, radius, radius);
      break;
    }
    case padshape::Octagon:
    case padshape::OctagonH:
    case padshape::OctagonV:
      p = octagon(r);
      break;
    default:
      p.addRect(r);
      break;
  }
  return p;
}

}  // namespace

QImage padShapeGlyph(int shape, bool plated, int size) {
  QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor copper = plated ? QColor(18, 127, 150) : QColor(190, 110, 40);
  p.setPen(QPen(copper.darker(160), 1));
  p.setBrush(copper);
  p.drawPath(outline(shape, size));
  const QPointF centre(size / 2.0, size / 2.0);
  const double drill = size * 0.13;
  p.setPen(plated ? QPen(QColor(255, 0, 0), 1.5) : QPen(Qt::NoPen));
  p.setBrush(Qt::white);
  p.drawEllipse(centre, drill, drill);
  return img;
}

}  // namespace trazello
