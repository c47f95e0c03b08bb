#include "FootprintPreview.h"

#include <QPainter>
#include <algorithm>

#include "model/ElementGeometry.h"
#include "view/Canvas.h"
#include "view/PaintView.h"
#include "view/RenderOptions.h"
#include "view/SchemeStore.h"
#include "view/ViewMapping.h"

namespace trazello {

namespace {

constexpr int kMargin = 10;
constexpr double kSmallestScale = 0.01;

}  // namespace

FootprintPreview::FootprintPreview(const SchemeStore& schemes, QWidget* parent)
    : QWidget(parent), schemes_(schemes) {
  setObjectName("PaintBox1");
  setMinimumSize(120, 100);
}

void FootprintPreview::setPattern(const ElementList* pattern) {
  pattern_ = pattern;
  update();
}

double FootprintPreview::scale() const {
  if (!pattern_ || pattern_->empty()) return kSmallestScale;
  const IRect box = normalized(boxOfEverything(*pattern_));
  const double w = std::max(1, box.right - box.left);
  const double h = std::max(1, box.bottom - box.top);
  return std::max(kSmallestScale, std::min((width() - kMargin) / w, (height() - kMargin) / h));
}

void FootprintPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!pattern_ || pattern_->empty()) return;
  const ColourScheme& scheme = schemes_.active();
  painter.fillRect(rect(), toQColor(scheme[SchemeSlot::Background]));
  const IRect box = normalized(boxOfEverything(*pattern_));
  ViewMapping mapping;
  mapping.zoom = scale();
  mapping.roundedScale = false;
  // The pattern's centre lands on the widget's centre.
  const double cx = (box.left + box.right) / 2.0;
  const double cy = (box.top + box.bottom) / 2.0;
  mapping.scrollX = int32_t(mapping.zoom * cx - width() / 2.0);
  mapping.scrollY = int32_t(-mapping.zoom * cy - height() / 2.0);
  Canvas canvas(painter, mapping, size());
  const RenderOptions options;
  RenderContext ctx{canvas, scheme, options, LayerState{}, pattern_};
  DrawMacroPreview(ctx, *pattern_, false);
}

}  // namespace trazello
