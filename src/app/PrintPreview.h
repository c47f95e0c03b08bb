#pragma once

#include <QWidget>
#include <optional>

#include "view/PrintPainter.h"

namespace trazello {

// What the print window shows and prints: the page, the placement of the layout on it, what
// is printed and the board it is printed from (set on every opening).
struct PrintState {
  PageMetrics page;
  PrintLayout layout;
  PrintContent content;
  bool grid = true;
  bool infoLine = true;
  QString info;  // the layout's file name and the board's name
  const BoardSettings* board = nullptr;
  const ElementList* elements = nullptr;
  const ScannedCopies* scans = nullptr;
};

// The page preview of the print window: the sheet with its shadow, the printable area outlined
// in red with the layout on it, the quarter grid and the information line, and a millimetre
// ruler above and left of the sheet with markers that follow the pointer. Dragging with the
// left button moves the layout on the page.
class PrintPreview : public QWidget {
  Q_OBJECT

 public:
  PrintPreview(PrintState& state, QWidget* parent = nullptr);

  // The printable area in widget pixels, and hundredths of a millimetre of paper per pixel.
  QRect areaRect() const;
  double unitsPerPixel() const;

 signals:
  void layoutDragged();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void paintRulers(QPainter& p, const PreviewGeometry& g);

  PrintState& state_;
  std::optional<QPoint> dragFrom_;
  QPoint pointer_{-1, -1};
};

}  // namespace trazello
