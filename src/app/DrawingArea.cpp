#include "DrawingArea.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

#include "model/ElementGeometry.h"
#include "view/PaintView.h"
#include "view/PreviewPainter.h"
#include "view/ViewMapping.h"

namespace trazello {

namespace {
constexpr double kZoomStep = 1.4;
constexpr int kAutoscrollMargin = 8;
constexpr double kMarkerRadius = 6;
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

Point DrawingArea::worldAt(QPointF p, bool snap) const {
  const BoardSettings& s = doc_.working();
  Point world = ScreenToWorld(QPointF(p.x() + s.scrollX, p.y() + s.scrollY), s.zoom, false, s.grid,
                              {s.originX, s.originY});
  // Seen from side 2 the picture is mirrored about the board's middle.
  if (currentMapping().mirrored) world.x = float(s.width) - world.x;
  return snap ? SnapToGrid(world, s.grid, {s.originX, s.originY}) : world;
}

void DrawingArea::setPaintingSuspended(bool on) {
  suspended_ = on;
  if (!on) viewport()->update();
  emit viewChanged();
}

bool DrawingArea::autoscroll(QPoint at) {
  bool scrolled = false;
  auto step = [&](QScrollBar* bar, int pos, int length) {
    if (pos >= length - kAutoscrollMargin && bar->value() < bar->maximum()) {
      bar->setValue(bar->value() + bar->singleStep());
      scrolled = true;
    } else if (pos < kAutoscrollMargin && bar->value() > 0) {
      bar->setValue(bar->value() - bar->singleStep());
      scrolled = true;
    }
  };
  step(horizontalScrollBar(), at.x(), viewport()->width());
  step(verticalScrollBar(), at.y(), viewport()->height());
  // Setting the pointer where it is makes the platform send a new move event, so that a tool
  // holding a button keeps scrolling without the user moving the mouse.
  if (scrolled) QCursor::setPos(QCursor::pos());
  return scrolled;
}

QPointF DrawingArea::originPixel() const {
  const BoardSettings& s = doc_.working();
  const IPoint o = tentativeOrigin_.value_or(IPoint{s.originX, s.originY});
  return {o.x / 1000.0 * s.zoom - s.scrollX, -o.y / 1000.0 * s.zoom - s.scrollY};
}

IPoint DrawingArea::clampedOrigin(Point world) const {
  // Kept on the board: an origin outside it could not be seen, dragged or clicked again.
  const BoardSettings& s = doc_.working();
  const double x = std::clamp(double(world.x), 0.0, double(s.width));
  const double y = std::clamp(double(world.y), -double(s.height), 0.0);
  return {static_cast<int32_t>(std::lround(x * 1000)), static_cast<int32_t>(std::lround(y * 1000))};
}

bool DrawingArea::setOriginAt(Point world, bool exact) {
  BoardSettings& s = doc_.working();
  if (!exact && s.grid > 0) {
    world.x = static_cast<float>(std::round(world.x / s.grid) * s.grid);
    world.y = static_cast<float>(std::round(world.y / s.grid) * s.grid);
  }
  const IPoint o = clampedOrigin(world);
  if (o.x == s.originX && o.y == s.originY) return false;
  s.originX = o.x;
  s.originY = o.y;
  doc_.setModified();
  invalidate();  // the grid is anchored at the origin
  emit originChanged();
  return true;
}

void DrawingArea::resetOrigin() {
  BoardSettings& s = doc_.working();
  if (s.originX != 0 || s.originY != 0) doc_.setModified();
  s.originX = 0;
  s.originY = 0;
  invalidate();
  emit originChanged();
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
  suspended_ = true;
  setZoom(std::min(std::abs((width() - 20) / w), std::abs((height() - 20) / h)));
  centreOn({static_cast<float>((box.left + box.right) / 2.0), static_cast<float>((box.top + box.bottom) / 2.0)});
  invalidate();
  setPaintingSuspended(false);
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
  emit viewChanged();
}

void DrawingArea::scrollContentsBy(int, int) {
  if (adjusting_) return;
  storeScroll();
  invalidate();
  emit viewChanged();
}

void DrawingArea::paintEvent(QPaintEvent*) {
  if (suspended_) return;
  const QSize size = viewport()->size();
  if (!cacheValid_ || cache_.size() != size) {
    cache_ = QImage(size, QImage::Format_RGB32);
    cache_.fill(Qt::darkGray);
    QPainter p(&cache_);
    const BoardSettings& s = doc_.working();
    const ViewMapping mapping = currentMapping();
    Canvas canvas(p, mapping, size);
    RenderContext ctx{canvas, schemes_.active(), options_, layerState(s), &doc_.elements()};
    PaintView(ctx, ViewScene{s, doc_.elements(), scans_});
    cacheValid_ = true;
    ++renders_;
  }
  QPainter painter(viewport());
  painter.drawImage(0, 0, cache_);
  if (!preview_.empty() || overlay_ || !moreOverlays_.empty()) {
    const BoardSettings& s = doc_.working();
    const ViewMapping mapping = currentMapping();
    for (const auto& paint : moreOverlays_) paint(painter, mapping);
    if (overlay_) overlay_(painter, mapping);
    PaintPreview(painter, mapping, size,
                 PreviewScene{doc_.elements(), clipboard_, schemes_.active(), options_, layerState(s)}, preview_);
  }
  if (searchWindow_) paintSearchWindow(painter);
  // The crosshair belongs to the board: it stays within it and is not drawn beside it.
  const QRect board = boardPixels().toRect().intersected(viewport()->rect());
  if (crosshairEnabled_ && crosshair_ && board.contains(*crosshair_)) {
    painter.setPen(QColor(255, 255, 0));
    painter.drawLine(board.left(), crosshair_->y(), board.right(), crosshair_->y());
    painter.drawLine(crosshair_->x(), board.top(), crosshair_->x(), board.bottom());
  }
  paintOriginMarker(painter);
}

void DrawingArea::showSearchWindow(const std::optional<IRect>& box) {
  searchWindow_ = box;
  // The router holds the event loop while it searches, so the window is painted right away.
  viewport()->repaint();
}

void DrawingArea::paintSearchWindow(QPainter& painter) const {
  const ViewMapping m = currentMapping();
  const QRectF r = QRectF(m.toPixels({float(searchWindow_->left), float(searchWindow_->top)}),
                          m.toPixels({float(searchWindow_->right), float(searchWindow_->bottom)}))
                       .normalized();
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.fillRect(r, QColor(0, 0, 255));
  painter.restore();
}

void DrawingArea::paintOriginMarker(QPainter& painter) const {
  if (options_.photoView) return;
  const QPointF o = originPixel();
  const double r = kMarkerRadius;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::white, 1.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(o, r, r);
  painter.drawLine(QPointF(o.x() - r - 3, o.y()), QPointF(o.x() + r + 3, o.y()));
  painter.drawLine(QPointF(o.x(), o.y() - r - 3), QPointF(o.x(), o.y() + r + 3));
}

namespace {

Modifiers modifiersOf(Qt::KeyboardModifiers m) {
  return {bool(m & Qt::ShiftModifier), bool(m & Qt::ControlModifier), bool(m & Qt::AltModifier)};
}

MouseButton buttonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return MouseButton::None;
  }
}

uint8_t heldOf(Qt::MouseButtons b) {
  return uint8_t((b & Qt::LeftButton ? uint8_t(MouseButton::Left) : 0) |
                 (b & Qt::RightButton ? uint8_t(MouseButton::Right) : 0) |
                 (b & Qt::MiddleButton ? uint8_t(MouseButton::Middle) : 0));
}

}  // namespace

void DrawingArea::setPreview(Preview preview) {
  if (preview.empty() && preview_.empty()) return;
  preview_ = std::move(preview);
  viewport()->update();  // the overlay only: the cached board stays
}

void DrawingArea::openContextMenu(QPoint viewportPixel) {
  contextPos_ = viewportPixel;
  if (contextMenu_) contextMenu_->exec(viewport()->mapToGlobal(viewportPixel));
}

QPointF DrawingArea::pixelAt(Point world) const {
  return currentMapping().toPixels(world);
}

ViewMapping DrawingArea::currentMapping() const {
  const BoardSettings& s = doc_.working();
  ViewMapping mapping;
  mapping.zoom = s.zoom;
  mapping.scrollX = s.scrollX;
  mapping.scrollY = s.scrollY;
  mapping.boardWidth = s.width;
  mapping.mirrored = options_.photoView && options_.photoSide == 2;
  return mapping;
}

void DrawingArea::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  ToolEvent t = ToolEvent::doubleClick(worldAt(e->position()), modifiersOf(e->modifiers()));
  emit toolEvent(t);
}

void DrawingArea::mousePressEvent(QMouseEvent* e) {
  const QPointF d = e->position() - originPixel();
  if (e->button() == Qt::LeftButton && !options_.photoView && originDrag_ &&
      std::hypot(d.x(), d.y()) <= kMarkerRadius + 2) {
    const BoardSettings& s = doc_.working();
    tentativeOrigin_ = IPoint{s.originX, s.originY};
    viewport()->setCursor(Qt::BlankCursor);
    e->accept();
    return;
  }
  const MouseButton b = buttonOf(e->button());
  if (b == MouseButton::None) return;
  ToolEvent t = ToolEvent::press(worldAt(e->position()), b, modifiersOf(e->modifiers()));
  t.held = heldOf(e->buttons());
  emit toolEvent(t);
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* e) {
  if (tentativeOrigin_ && e->button() == Qt::LeftButton) {
    const IPoint o = *tentativeOrigin_;
    tentativeOrigin_.reset();
    viewport()->unsetCursor();
    BoardSettings& s = doc_.working();
    if (o.x != s.originX || o.y != s.originY) {
      s.originX = o.x;
      s.originY = o.y;
      doc_.setModified();
    }
    invalidate();
    emit originChanged();
    return;
  }
  const MouseButton b = buttonOf(e->button());
  if (b == MouseButton::None) return;
  ToolEvent t = ToolEvent::release(worldAt(e->position()), b, modifiersOf(e->modifiers()));
  t.held = heldOf(e->buttons());
  emit toolEvent(t);
}

void DrawingArea::contextMenuEvent(QContextMenuEvent* e) {
  // A right click goes to the tools, which open the menu when they do not use it; the menu key
  // opens it at once.
  if (e->reason() == QContextMenuEvent::Mouse) return;
  openContextMenu(e->pos());
}

QRectF DrawingArea::boardPixels() const {
  const BoardSettings& s = doc_.working();
  return {double(-s.scrollX), double(-s.scrollY), std::round(s.width * s.zoom + 1),
          std::round(s.height * s.zoom + 1)};
}

QPointF DrawingArea::pixelOf(Point world) const {
  const BoardSettings& s = doc_.working();
  return {world.x * s.zoom - s.scrollX, -world.y * s.zoom - s.scrollY};
}

void DrawingArea::wheelEvent(QWheelEvent* e) {
  const int delta = e->angleDelta().y();
  e->accept();
  if (delta == 0 || !boardPixels().contains(e->position())) return;
  const BoardSettings& s = doc_.working();
  // The point under the pointer, kept on the board; the pointer follows it so that the spot
  // the user looked at stays under the pointer.
  Point p = worldAt(e->position());
  p.x = std::clamp(p.x, 0.0f, static_cast<float>(s.width));
  p.y = std::clamp(p.y, -static_cast<float>(s.height), 0.0f);
  if (delta < 0) {
    if (s.zoom <= 0.0105) return;
    setZoom(s.zoom / kZoomStep);
  } else {
    if (s.zoom >= maxZoomFor(s.width, s.height)) return;
    zoomBy(kZoomStep, p);
  }
  QCursor::setPos(viewport()->mapToGlobal(pixelOf(p).toPoint()));
}

void DrawingArea::mouseMoveEvent(QMouseEvent* e) {
  const QPoint at = e->position().toPoint();
  pointer_ = at;
  if (tentativeOrigin_) {
    autoscroll(at);
    const Point world = worldAt(e->position(), !(e->modifiers() & Qt::ControlModifier));
    tentativeOrigin_ = clampedOrigin(world);
    viewport()->update();
    emit originChanged();
    emit pointerMoved(world);
    return;
  }
  if (e->buttons() & Qt::LeftButton) autoscroll(at);
  if (crosshairEnabled_) {
    crosshair_ = at;
    viewport()->update();  // the overlay only: the cached board stays
  }
  const Point world = worldAt(e->position());
  emit pointerMoved(world);
  emit toolEvent(ToolEvent::move(world, heldOf(e->buttons()), modifiersOf(e->modifiers())));
}

void DrawingArea::leaveEvent(QEvent* e) {
  crosshair_.reset();
  pointer_.reset();
  viewport()->update();
  QAbstractScrollArea::leaveEvent(e);
}

}  // namespace trazello
