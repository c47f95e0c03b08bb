#include "Canvas.h"

#include <algorithm>
#include <cmath>

#include "model/Geometry.h"

namespace trazello {

namespace {
QPointF rounded(Point p) {
  return QPointF(std::nearbyint(p.x), std::nearbyint(p.y));
}

QRectF squareAround(Point c, double r) {
  const double l = std::nearbyint(c.x - r), t = std::nearbyint(c.y - r);
  return QRectF(l, t, std::nearbyint(c.x + r) - l, std::nearbyint(c.y + r) - t);
}

// Lines are written directly only into 32-bit pictures whose pixels take an opaque colour as it
// is, and whose pixels are the painter's (no device pixel ratio between them).
PixelTarget pictureOf(QPainter& painter) {
  QPaintDevice* device = painter.device();
  if (!device || device->devType() != QInternal::Image) return {};
  auto* image = static_cast<QImage*>(device);
  if ((image->format() != QImage::Format_RGB32 &&
       image->format() != QImage::Format_ARGB32_Premultiplied) ||
      image->devicePixelRatio() != 1.0)
    return {};
  // The buffer the painter writes into: bits() could detach a copy the painter never sees.
  return {reinterpret_cast<uint32_t*>(const_cast<uchar*>(image->constBits())),
          int(image->bytesPerLine() / 4), image->width(), image->height()};
}

int sweepOf(int startDeg, int endDeg) {
  int h = (endDeg - startDeg) % 360;
  if (h <= 0) h += 360;
  return h;
}
}  // namespace

QColor toQColor(ColorRef c) {
  return QColor(redOf(c), greenOf(c), blueOf(c));
}

Canvas::Canvas(QPainter& painter, const ViewMapping& mapping, QSize surface)
    : painter_(painter), mapping_(mapping), scale_(mapping.scale()) {
  if (scale_ <= 0) scale_ = 0.001;
  clip_ = mapping_.visibleWorld(surface.width(), surface.height());
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setTransform(mapping_.transform());
  applyMode();
  picture_ = pictureOf(painter_);
}

Canvas::Canvas(QPainter& painter, const ViewMapping& mapping, QSize surface, int firstRow,
               int endRow)
    : Canvas(painter, mapping, surface) {
  const QRect rows(0, firstRow, surface.width(), endRow - firstRow);
  painter_.resetTransform();
  painter_.setClipRect(rows);
  painter_.setTransform(mapping_.transform());
  clip_ = mapping_.visibleWorld(QRectF(rows));
  picture_.firstRow = firstRow;
  picture_.endRow = endRow;
  band_ = true;
}

Canvas::Canvas(QPainter& painter, const QTransform& worldToPixels, QSize surface)
    : painter_(painter),
      scale_(std::min(std::abs(worldToPixels.m11()), std::abs(worldToPixels.m22()))) {
  if (scale_ <= 0) scale_ = 0.001;
  const QRectF r =
      worldToPixels.inverted().mapRect(QRectF(0, 0, surface.width(), surface.height()));
  clip_ = {static_cast<int32_t>(std::floor(r.left())), static_cast<int32_t>(std::floor(r.top())),
           static_cast<int32_t>(std::ceil(r.right())), static_cast<int32_t>(std::ceil(r.bottom()))};
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setTransform(worldToPixels);
  applyMode();
  picture_ = pictureOf(painter_);
}

bool Canvas::meets(const IRect& box) const {
  return box.left <= clip_.right && box.right >= clip_.left && box.top <= clip_.bottom &&
         box.bottom >= clip_.top;
}

void Canvas::setRasterMode(RasterMode m) {
  mode_ = m;
  applyMode();
}

void Canvas::applyMode() {
  switch (mode_) {
    case RasterMode::Copy:
      painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
      break;
    case RasterMode::Xor:
      painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
      break;
    case RasterMode::NotXor:
      painter_.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
      break;
    case RasterMode::Merge:
      painter_.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
      break;
    case RasterMode::MaskNotPen:
      painter_.setCompositionMode(QPainter::RasterOp_NotSourceAndDestination);
      break;
  }
}

void Canvas::setPen(ColorRef c, double width) {
  const double px = width * scale_;
  if (px < 1.0) {
    setPixelPen(c, 1);
    return;
  }
  QPen pen(toQColor(c), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter_.setPen(pen);
  penPixels_ = px;
}

void Canvas::setPixelPen(ColorRef c, int pixels) {
  QPen pen(toQColor(c), pixels <= 1 ? 0 : pixels, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  pen.setCosmetic(true);
  painter_.setPen(pen);
  penPixels_ = pixels <= 1 ? 0 : pixels;
}

void Canvas::setNoPen() {
  painter_.setPen(Qt::NoPen);
  penPixels_ = 0;
}

void Canvas::setBrush(ColorRef c) {
  painter_.setBrush(toQColor(c));
}
void Canvas::setClearBrush() {
  painter_.setBrush(Qt::NoBrush);
}

// A stroke between equal points is a round dot as wide as the pen (the dots of i, j, colons and
// decimal points); the painter would draw nothing for a line of no length.
void Canvas::line(Point a, Point b) {
  const QPointF from = rounded(a), to = rounded(b);
  if (from == to)
    painter_.drawPoint(from);
  else if (!directLine(from, to))
    painter_.drawLine(from, to);
}

bool Canvas::directLine(const QPointF& from, const QPointF& to) {
  if (!picture_.pixels || painter_.compositionMode() != QPainter::CompositionMode_SourceOver ||
      (painter_.hasClipping() && !band_) || painter_.opacity() != 1.0 ||
      painter_.testRenderHint(QPainter::Antialiasing))
    return false;
  const QPen& pen = painter_.pen();
  if (pen.widthF() != 0 || pen.style() != Qt::SolidLine || pen.capStyle() == Qt::FlatCap ||
      pen.brush().style() != Qt::SolidPattern || pen.color().alpha() != 255)
    return false;
  const QTransform toPixels = painter_.combinedTransform();
  const QPointF a = toPixels.map(from), b = toPixels.map(to);
  drawPixelLine(picture_, a.x(), a.y(), b.x(), b.y(), pen.color().rgba());
  return true;
}

void Canvas::polyline(std::span<const Point> points) {
  if (points.size() < 2) return;
  buffer_.clear();
  for (const Point& p : points) buffer_.push_back(rounded(p));
  const bool dot = std::all_of(buffer_.begin(), buffer_.end(),
                               [&](const QPointF& p) { return p == buffer_.front(); });
  if (dot)
    painter_.drawPoint(buffer_.front());
  else
    painter_.drawPolyline(buffer_.data(), static_cast<int>(buffer_.size()));
}

void Canvas::polygon(std::span<const Point> points) {
  if (points.size() < 2) return;
  buffer_.clear();
  for (const Point& p : points) buffer_.push_back(rounded(p));
  painter_.drawPolygon(buffer_.data(), static_cast<int>(buffer_.size()), Qt::WindingFill);
}

void Canvas::ellipse(Point centre, double radius) {
  painter_.drawEllipse(squareAround(centre, radius));
}

void Canvas::discInset(Point centre, double radius, int insetPixels) {
  QRectF box = painter_.transform().mapRect(squareAround(centre, radius));
  box = QRectF(std::round(box.left()), std::round(box.top()), std::round(box.width()),
               std::round(box.height()))
            .adjusted(insetPixels, insetPixels, -insetPixels, -insetPixels);
  if (box.width() <= 0 || box.height() <= 0) return;
  const QTransform saved = painter_.transform();
  painter_.resetTransform();
  // Qt's outline covers one pixel more than the box; GDI's stays inside it.
  painter_.drawEllipse(box.adjusted(0, 0, -1, -1));
  painter_.setTransform(saved);
}

// Qt measures angles with y pointing down; the world's y points up, hence the negated angles.
void Canvas::arc(Point centre, double radius, int startDeg, int endDeg) {
  const int h = sweepOf(startDeg, endDeg);
  if (h == 360) {
    const QBrush saved = painter_.brush();
    painter_.setBrush(Qt::NoBrush);
    ellipse(centre, radius);
    painter_.setBrush(saved);
    return;
  }
  painter_.drawArc(squareAround(centre, radius), -startDeg * 16, -h * 16);
}

void Canvas::chord(Point centre, double radius, int startDeg, int endDeg) {
  const int h = sweepOf(startDeg, endDeg);
  if (h == 360) {
    ellipse(centre, radius);
    return;
  }
  painter_.drawChord(squareAround(centre, radius), -startDeg * 16, -h * 16);
}

void Canvas::fillRect(Point a, Point b, ColorRef c) {
  const QPointF p = rounded(a), q = rounded(b);
  painter_.fillRect(QRectF(p, q).normalized(), toQColor(c));
}

}  // namespace trazello
