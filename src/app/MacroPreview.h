#pragma once

#include <QWidget>
#include <functional>

#include "model/ElementList.h"
#include "view/RenderOptions.h"
#include "view/SchemeStore.h"

namespace trazello {

// The library panel's picture of the macro buffer (`PB_MakroPaint`): the elements fitted into
// the widget with a margin of 5 pixels, on the board background colour. A drag started on it
// places the macro.
class MacroPreview : public QWidget {
  Q_OBJECT

 public:
  MacroPreview(const ElementList& buffer, const SchemeStore& schemes, const RenderOptions& options,
               QWidget* parent = nullptr);
  // Whether the buffer shows its other side on top (the opposite-side button is down).
  void setSideSwapped(bool on) { sideSwapped_ = on; }

 signals:
  // The pointer left the press point far enough with the left button held.
  void dragStarted();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;

 private:
  const ElementList& buffer_;
  const SchemeStore& schemes_;
  const RenderOptions& options_;
  bool sideSwapped_ = false;
  QPoint pressAt_;
};

}  // namespace trazello
