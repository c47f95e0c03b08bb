#pragma once

#include <QImage>
#include <QWidget>

#include "view/BoardMap.h"

namespace trazello {

class DrawingArea;
class Document;
class SchemeStore;
struct RenderOptions;

// The board in miniature with the rectangle of the part the drawing area shows. Dragging the
// rectangle scrolls the view; a click on it zooms in and a right click zooms out, both
// remembered in the zoom history.
class BoardMapWidget : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kAreaWidth = 93;

  BoardMapWidget(DrawingArea& area, const Document& doc, const SchemeStore& schemes,
                 const RenderOptions& options, QWidget* parent = nullptr);

  const BoardMapGeometry& geometry() const { return map_; }
  PixelRect viewRect() const { return view_; }
  // After a scroll, zoom or resize of the drawing area.
  void refresh();
  // The board changed: the miniature is drawn again.
  void invalidate();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  QRect viewRectOnWidget() const;

  DrawingArea& area_;
  const Document& doc_;
  const SchemeStore& schemes_;
  const RenderOptions& options_;
  BoardMapGeometry map_;
  PixelRect view_;
  QImage picture_;
  bool pressed_ = false;
  bool dragged_ = false;
  QPoint pressAt_;
  QPoint pressRectAt_;
};

}  // namespace trazello
