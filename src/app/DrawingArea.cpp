#include "DrawingArea.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

#include "model/ElementGeometry.h"
#include "view/PaintView.h"
#include "view/ViewMapping.h"

namespace trazello {

namespace {
constexpr double kZoomStep = 1.4;
}

DrawingArea::DrawingArea(Document& doc, const SchemeStore& schemes, const RenderOptions& options,
                         QWidget* parent)
    : QAbstractScrollArea(parent), doc_(doc), schemes_(schemes), options_(options) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void DrawingArea::updateScrollBars() {
  const BoardSettings& s = doc_.working();
  const int w = static_cast<int>(std::lround(s.width * s.zoom + 1));
  const int h = static_cast<int>(std::lround(s.height * s.zoom + 1));
  adjusting_ = true;
  horizontalScrollBar()->setRange(0, std::max(0, w - viewport()->width()));
  verticalScrollBar()->setRange(0, std::max(0, h - viewport()->height()));
  horizontalScrollBar()->setPageStep(viewport()->width());
  verticalScrollBar()->setPageStep(viewport()->height());
  horizontalScrollBar()->setSingleStep(std::max(1, viewport()->width() / 16));
  verticalScrollBar()->setSingleStep(std::max(1, viewport()->height() / 16));
  horizontalScrollBar()->setValue(s.scrollX);
  verticalScrollBar()->setValue(s.scrollY);
  adjusting_ = false;
  storeScroll();
}

void DrawingArea::storeScroll() {
  doc_.working().scrollX = horizontalScrollBar()->value();
  doc_.working().scrollY = verticalScrollBar()->value();
}

void DrawingArea::boardChanged() {
  doc_.working().zoom = clampZoom(doc_.working().zoom, doc_.working().width, doc_.working().height);
  updateScrollBars();
  invalidate();
  emit viewChanged();
}

void DrawingArea::invalidate() {
  cacheValid_ = false;
  viewport()->update();
}

Point DrawingArea::worldAt(QPointF p) const {
  const BoardSettings& s = doc_.working();
  return ScreenToWorld(QPointF(p.x() + s.scrollX, p.y() + s.scrollY), s.zoom, false, s.grid,
                       {s.originX, s.originY});
}

Point DrawingArea::viewCentre() const {
  return worldAt(QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0));
}

void DrawingArea::centreOn(Point world) {
  const BoardSettings& s = doc_.working();
  horizontalScrollBar()->setValue(static_cast<int>(std::lround(world.x * s.zoom - viewport()->width() / 2.0)));
  verticalScrollBar()->setValue(static_cast<int>(std::lround(-world.y * s.zoom - viewport()->height() / 2.0)));
  storeScroll();
}

void DrawingArea::setZoom(double z) {
  const Point centre = viewCentre();
  BoardSettings& s = doc_.working();
  s.zoom = clampZoom(z, s.width, s.height);
  updateScrollBars();
  centreOn(centre);
  invalidate();
  emit viewChanged();
}

void DrawingArea::pushHistory() {
  const BoardSettings& s = doc_.working();
  doc_.currentBoard().viewHistory.push_back({s.zoom, s.scrollX, s.scrollY});
}

void DrawingArea::zoomBy(double factor, std::optional<Point> centre) {
  setZoom(zoom() * factor);
  if (centre) {
    centreOn(*centre);
    invalidate();
    emit viewChanged();
  }
}

void DrawingArea::zoomBoard() {
  pushHistory();
  const BoardSettings& s = doc_.working();
  setZoom(boardZoom(width(), height(), s.width, s.height));
}

void DrawingArea::zoomToBox(const IRect& box) {
  const double w = double(box.right) - box.left, h = double(box.bottom) - box.top;
  if (w < 50 || h < 50) return;
  pushHistory();
  setZoom(std::min(std::abs((width() - 20) / w), std::abs((height() - 20) / h)));
  centreOn({static_cast<float>((box.left + box.right) / 2.0), static_cast<float>((box.top + box.bottom) / 2.0)});
  invalidate();
  emit viewChanged();
}

void DrawingArea::zoomPrevious() {
  auto& history = doc_.currentBoard().viewHistory;
  if (history.empty()) return;
  const ViewPosition p = history.back();
  history.pop_back();
  BoardSettings& s = doc_.working();
  s.zoom = clampZoom(p.zoom, s.width, s.height);
  s.scrollX = p.scrollX;
  s.scrollY = p.scrollY;
  updateScrollBars();
  invalidate();
  emit viewChanged();
}

void DrawingArea::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  updateScrollBars();
  invalidate();
}

void DrawingArea::scrollContentsBy(int, int) {
  if (adjusting_) return;
  storeScroll();
  invalidate();
  emit viewChanged();
}

void DrawingArea::paintEvent(QPaintEvent*) {
  const QSize size = viewport()->size();
  if (!cacheValid_ || cache_.size() != size) {
    cache_ = QImage(size, QImage::Format_RGB32);
    cache_.fill(Qt::darkGray);
    QPainter p(&cache_);
    const BoardSettings& s = doc_.working();
    ViewMapping mapping;
    mapping.zoom = s.zoom;
    mapping.scrollX = s.scrollX;
    mapping.scrollY = s.scrollY;
    mapping.boardWidth = s.width;
    Canvas canvas(p, mapping, size);
    RenderContext ctx{canvas, schemes_.active(), options_, layerState(s), &doc_.elements()};
    PaintView(ctx, ViewScene{s, doc_.elements()});
    cacheValid_ = true;
    ++renders_;
  }
  QPainter painter(viewport());
  painter.drawImage(0, 0, cache_);
  if (crosshairEnabled_ && crosshair_) {
    painter.setPen(QColor(255, 255, 0));
    painter.drawLine(0, crosshair_->y(), size.width(), crosshair_->y());
    painter.drawLine(crosshair_->x(), 0, crosshair_->x(), size.height());
  }
}

void DrawingArea::wheelEvent(QWheelEvent* e) {
  const int delta = e->angleDelta().y();
  if (delta == 0) return;
  const BoardSettings& s = doc_.working();
  if (delta < 0) {
    if (s.zoom > 0.0105) setZoom(s.zoom / kZoomStep);
  } else if (s.zoom < maxZoomFor(s.width, s.height)) {
    // The point under the pointer, kept on the board, becomes the middle of the view.
    Point p = worldAt(e->position());
    p.x = std::clamp(p.x, 0.0f, static_cast<float>(s.width));
    p.y = std::clamp(p.y, -static_cast<float>(s.height), 0.0f);
    zoomBy(kZoomStep, p);
  }
  e->accept();
}

void DrawingArea::mouseMoveEvent(QMouseEvent* e) {
  const QPoint at = e->position().toPoint();
  if (crosshairEnabled_) {
    crosshair_ = at;
    viewport()->update();  // the overlay only: the cached board stays
  }
  emit pointerMoved(worldAt(e->position()));
}

void DrawingArea::leaveEvent(QEvent* e) {
  crosshair_.reset();
  viewport()->update();
  QAbstractScrollArea::leaveEvent(e);
}

}  // namespace trazello
