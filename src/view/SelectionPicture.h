#pragma once

#include <QImage>
#include <QPainter>

#include "ColourScheme.h"
#include "RenderOptions.h"
#include "model/BoardSettings.h"
#include "model/ElementList.h"

namespace trazello {

// The picture of the selected elements that a copy puts on the system clipboard: the selection
// alone, drawn as on screen but without its highlight, on the board colour.
class SelectionPicture {
 public:
  // `scale` is the size in pixels of one unit.
  SelectionPicture(const BoardSettings& board, const ElementList& elements, double scale);

  bool empty() const { return elements_.empty(); }
  // The picture's size in pixels.
  QSize size() const { return size_; }
  // Paints the picture with its top-left corner at the painter's origin: on an image, into an
  // SVG generator, on any paint device of size().
  void paint(QPainter& painter, const ColourScheme& scheme, const RenderOptions& options) const;
  QImage image(const ColourScheme& scheme, const RenderOptions& options) const;

 private:
  const BoardSettings& board_;
  ElementList elements_;  // copies of the selection, not selected
  double scale_;
  IRect box_{};
  QSize size_;
};

}  // namespace trazello
