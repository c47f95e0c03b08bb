#include "BoardMapWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "DrawingArea.h"
#include "view/PaintView.h"
#include "view/ViewMapping.h"

namespace trazello {

namespace {
constexpr double kZoomStep = 1.4;
constexpr int kTop = 2;  // the bevel's distance from the top of the widget
}  // namespace

BoardMapWidget::BoardMapWidget(DrawingArea& area, const Document& doc, const SchemeStore& schemes,
                               const RenderOptions& options, QWidget* parent)
    : QWidget(parent), area_(area), doc_(doc), schemes_(schemes), options_(options) {
  setFixedWidth(kAreaWidth);
  setMinimumHeight(90);
}

void BoardMapWidget::invalidate() {
  picture_ = QImage();
  refresh();
}

void BoardMapWidget::refresh() {
  const BoardSettings& s = doc_.working();
  map_ = boardMapGeometry(s.width, s.height);
  view_ = boardMapViewRect(map_, area_.viewport()->width(), area_.viewport()->height(), s.zoom,
                           s.scrollX, s.scrollY);
  setMinimumHeight(map_.bevel.height + 2 * kTop);
  update();
}

QRect BoardMapWidget::viewRectOnWidget() const {
  return {map_.panel.x + view_.x, kTop + 1 + view_.y, view_.width, view_.height};
}

void BoardMapWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect panel(map_.panel.x, kTop + 1, map_.panel.width, map_.panel.height);
  if (picture_.size() != panel.size() && !panel.isEmpty()) {
    picture_ = QImage(panel.size(), QImage::Format_RGB32);
    QPainter pp(&picture_);
    const BoardSettings& s = doc_.working();
    ViewMapping mapping;
    mapping.zoom = 1.0 / map_.unitsPerPixel;
    mapping.roundedScale = false;
    mapping.boardWidth = s.width;
    Canvas canvas(pp, mapping, panel.size());
    RenderOptions plain = options_;
    plain.showGrid = false;
    plain.showVirtualNodes = false;
    RenderContext ctx{canvas, schemes_.active(), plain, layerState(s), &doc_.elements()};
    PaintView(ctx, ViewScene{s, doc_.elements()});
  }
  p.setPen(palette().dark().color());
  p.drawRect(QRect(map_.bevel.x, kTop, map_.bevel.width - 1, map_.bevel.height - 1));
  p.drawImage(panel.topLeft(), picture_);
  p.setClipRect(panel);
  p.setPen(QPen(Qt::white, 1));
  p.drawRect(viewRectOnWidget().adjusted(0, 0, -1, -1));
}

void BoardMapWidget::mousePressEvent(QMouseEvent* e) {
  pressed_ = e->button() == Qt::LeftButton && viewRectOnWidget().contains(e->position().toPoint());
  dragged_ = false;
  pressAt_ = e->position().toPoint();
  pressRectAt_ = QPoint(view_.x, view_.y);
}

void BoardMapWidget::mouseMoveEvent(QMouseEvent* e) {
  if (!pressed_ || !(e->buttons() & Qt::LeftButton)) return;
  const QPoint d = e->position().toPoint() - pressAt_;
  if (d.isNull() && !dragged_) return;
  dragged_ = true;
  const int left =
      std::clamp(pressRectAt_.x() + d.x(), 0, std::max(0, map_.panel.width - view_.width));
  const int top =
      std::clamp(pressRectAt_.y() + d.y(), 0, std::max(0, map_.panel.height - view_.height));
  const ScrollPosition to = scrollForBoardMap(map_, left, top, area_.zoom());
  area_.horizontalScrollBar()->setValue(to.x);
  area_.verticalScrollBar()->setValue(to.y);
  // The rectangle follows the pointer even where the scroll range rounds it elsewhere.
  view_.x = left;
  view_.y = top;
  update();
}

void BoardMapWidget::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && pressed_ && !dragged_) {
    area_.pushHistory();
    area_.zoomBy(kZoomStep);
  } else if (e->button() == Qt::RightButton) {
    area_.pushHistory();
    area_.zoomBy(1 / kZoomStep);
  }
  pressed_ = false;
  dragged_ = false;
}

}  // namespace trazello
