#pragma once

#include <QWidget>

#include "model/ElementList.h"

namespace trazello {

class SchemeStore;

// The footprint wizard's picture of its pattern (`Panel1`): the pattern fitted into the widget
// less a 10-pixel margin, centred, y up, on the active scheme's background, drawn by the element
// renderer.
class FootprintPreview : public QWidget {
  Q_OBJECT

 public:
  FootprintPreview(const SchemeStore& schemes, QWidget* parent = nullptr);
  void setPattern(const ElementList* pattern);
  // Pixels per unit of the last picture; 0.01 at least.
  double scale() const;
  QSize sizeHint() const override { return {260, 200}; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  const SchemeStore& schemes_;
  const ElementList* pattern_ = nullptr;
};

}  // namespace trazello
