#include "MacroPreview.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "model/ElementGeometry.h"
#include "view/Canvas.h"
#include "view/PaintView.h"

namespace trazello {

MacroPreview::MacroPreview(const ElementList& buffer, const SchemeStore& schemes,
                           const RenderOptions& options, QWidget* parent)
    : QWidget(parent), buffer_(buffer), schemes_(schemes), options_(options) {
  setObjectName("PB_MakroPaint");
  setMinimumSize(120, 100);
}

void MacroPreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const ColourScheme& scheme = schemes_.active();
  p.fillRect(rect(), toQColor(scheme[SchemeSlot::Background]));
  if (buffer_.empty()) return;
  const IRect box = boxOfEverything(buffer_);
  const double bw = std::max(1, box.right - box.left);
  const double bh = std::max(1, box.bottom - box.top);
  const double scale =
      std::max(0.01, std::min(std::abs((width() - 10) / bw), std::abs((height() - 10) / bh)));
  ViewMapping mapping;
  mapping.zoom = scale;
  mapping.roundedScale = false;
  // The middle of the box lands on the middle of the widget.
  const double cx = (box.left + box.right) / 2.0;
  const double cy = (box.top + box.bottom) / 2.0;
  mapping.scrollX = static_cast<int32_t>(std::lround(cx * scale - width() / 2.0));
  mapping.scrollY = static_cast<int32_t>(std::lround(-cy * scale - height() / 2.0));
  Canvas canvas(p, mapping, size());
  RenderOptions plain = options_;
  plain.showGrid = false;
  plain.showVirtualNodes = false;
  LayerState layers;
  layers.visible = {0, 1, 1, 1, 1, 1, 1, 1};
  RenderContext ctx{canvas, scheme, plain, layers, &buffer_};
  DrawMacroPreview(ctx, buffer_, sideSwapped_);
}

void MacroPreview::mousePressEvent(QMouseEvent* e) {
  pressAt_ = e->position().toPoint();
}

void MacroPreview::mouseMoveEvent(QMouseEvent* e) {
  if (!(e->buttons() & Qt::LeftButton)) return;
  if ((e->position().toPoint() - pressAt_).manhattanLength() < QApplication::startDragDistance())
    return;
  emit dragStarted();
}

}  // namespace trazello
