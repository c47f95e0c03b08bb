#include "SelectionPicture.h"

#include <cmath>
#include <vector>

#include "Canvas.h"
#include "PaintView.h"
#include "RenderContext.h"
#include "ViewMapping.h"
#include "model/ElementGeometry.h"
#include "model/LayerPredicates.h"

namespace trazello {

namespace {
constexpr int kMargin = 4;  // pixels around the elements, so that no line is cut off
}

SelectionPicture::SelectionPicture(const BoardSettings& board, const ElementList& elements,
                                   double scale)
    : board_(board), scale_(scale) {
  std::vector<size_t> selected;
  for (size_t i = 0; i < elements.size(); ++i) {
    if (elements[i].Selected) selected.push_back(i);
  }
  copyElements(elements, selected, elements_);
  for (size_t i = 0; i < elements_.size(); ++i) elements_.edit(i).Selected = 0;
  const LayerState layers = layerState(board);
  box_ = boxOfEverything(elements_, &layers);
  size_ = QSize(std::max(1, int(std::ceil((box_.right - box_.left) * scale_)) + 2 * kMargin),
                std::max(1, int(std::ceil((box_.bottom - box_.top) * scale_)) + 2 * kMargin));
}

void SelectionPicture::paint(QPainter& painter, const ColourScheme& scheme,
                             const RenderOptions& options) const {
  ViewMapping mapping;
  mapping.zoom = scale_;
  mapping.roundedScale = false;
  // The box's top-left corner (smallest x, largest y) lands kMargin pixels inside the picture.
  const QPointF corner = mapping.toPixels(Point{float(box_.left), float(box_.bottom)});
  mapping.scrollX = int32_t(std::floor(corner.x())) - kMargin;
  mapping.scrollY = int32_t(std::floor(corner.y())) - kMargin;
  painter.fillRect(QRect(QPoint(0, 0), size_), toQColor(scheme[SchemeSlot::Background]));
  Canvas canvas(painter, mapping, size_);
  RenderContext ctx{canvas, scheme, options, layerState(board_), &elements_};
  DrawLayerStack(ctx, elements_, false);
}

QImage SelectionPicture::image(const ColourScheme& scheme, const RenderOptions& options) const {
  QImage picture(size_, QImage::Format_RGB32);
  QPainter painter(&picture);
  paint(painter, scheme, options);
  return picture;
}

}  // namespace trazello
