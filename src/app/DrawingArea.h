#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <optional>

#include "model/Document.h"
#include "view/RenderOptions.h"
#include "view/SchemeStore.h"

namespace trazello {

// The board at the current zoom as a virtual canvas: only the visible part is ever painted, so
// the board may be far larger than any widget. The picture is cached and repainted only when
// the board or the view changes; the crosshair is an overlay over the cached picture.
class DrawingArea : public QAbstractScrollArea {
  Q_OBJECT

 public:
  DrawingArea(Document& doc, const SchemeStore& schemes, const RenderOptions& options,
              QWidget* parent = nullptr);

  double zoom() const { return doc_.working().zoom; }
  // Keeps the world point at the middle of the view in the middle.
  void setZoom(double z);
  // Zooms by a factor, centring on `world` when given.
  void zoomBy(double factor, std::optional<Point> centre = std::nullopt);
  void zoomBoard();
  void zoomToBox(const IRect& box);
  void zoomPrevious();
  void pushHistory();
  // The world point shown at the middle of the view.
  Point viewCentre() const;
  void centreOn(Point world);
  // After a board switch or a loaded file: scroll bars from the working settings.
  void boardChanged();
  // Drops the cached picture: the board changed.
  void invalidate();
  void setCrosshairEnabled(bool on) { crosshairEnabled_ = on; }
  // Number of times the board was rendered (the cache at work).
  int renderCount() const { return renders_; }

 signals:
  void pointerMoved(Point world);
  void viewChanged();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;
  void wheelEvent(QWheelEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent* e) override;

 private:
  void updateScrollBars();
  void storeScroll();
  Point worldAt(QPointF viewportPixel) const;

  Document& doc_;
  const SchemeStore& schemes_;
  const RenderOptions& options_;
  QImage cache_;
  bool cacheValid_ = false;
  bool adjusting_ = false;
  bool crosshairEnabled_ = true;
  std::optional<QPoint> crosshair_;
  int renders_ = 0;
};

}  // namespace trazello
