#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <functional>
#include <optional>
#include <vector>

class QMenu;
class QPainter;

#include "edit/tools/Preview.h"
#include "edit/tools/ToolEvent.h"
#include "model/Document.h"
#include "view/RenderOptions.h"
#include "view/ScannedCopy.h"
#include "view/ViewMapping.h"
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
  void setScans(const ScannedCopies* scans) { scans_ = scans; }

  // While suspended the drawing area and the rulers skip their paint events, so that a change
  // made in several steps is shown once; resuming repaints.
  void setPaintingSuspended(bool on);
  bool paintingSuspended() const { return suspended_; }

  // Scrolls one increment towards an edge when the pointer (viewport pixels) is within 8 pixels
  // of it and the board goes on beyond that edge. Returns whether it scrolled.
  bool autoscroll(QPoint viewportPixel);

  // Where the board lies in viewport pixels.
  QRectF boardPixels() const;
  // A world point in viewport pixels (not rounded).
  QPointF pixelOf(Point world) const;
  // The world point under a viewport pixel, optionally snapped to the grid at the user origin.
  Point worldAt(QPointF viewportPixel, bool snap = false) const;
  // Where the user origin lies in viewport pixels (the tentative one while it is dragged).
  QPointF originPixel() const;
  // Sets the origin to a world point rounded to whole grid steps (exact with `exact`), kept on
  // the board. Returns whether it changed.
  bool setOriginAt(Point world, bool exact);
  void resetOrigin();
  // The pointer position in viewport pixels when it is over the area.
  std::optional<QPoint> pointerPosition() const { return pointer_; }
  // The menu shown on a right click; its "Set to click-position" uses contextPosition().
  void setContextMenu(QMenu* menu) { contextMenu_ = menu; }
  QPoint contextPosition() const { return contextPos_; }
  // Opens the context menu at a viewport pixel (a right click the tool did not use).
  void openContextMenu(QPoint viewportPixel);
  // The viewport pixel of a world point.
  QPointF pixelAt(Point world) const;
  // How the board lands on the viewport now.
  ViewMapping currentMapping() const;

  // What the current tool draws over the board; kept until replaced. Changing it repaints the
  // overlay only, never the board.
  void setPreview(Preview preview);
  const Preview& preview() const { return preview_; }
  // The elements a paste placement preview shows.
  void setClipboard(const ElementList* clipboard) { clipboard_ = clipboard; }
  // Draws over the board after the preview (the design rule check's markers).
  void setOverlayPainter(std::function<void(QPainter&, const ViewMapping&)> paint) { overlay_ = std::move(paint); }
  // A further overlay, drawn before the one above (the milling outlines).
  void addOverlayPainter(std::function<void(QPainter&, const ViewMapping&)> paint) {
    moreOverlays_.push_back(std::move(paint));
  }
  // The area the autorouter searches, drawn at once as an inverted blue rectangle (units);
  // none removes it.
  void showSearchWindow(const std::optional<IRect>& box);
  // The origin marker can be dragged only with the edit tool.
  void setOriginDragEnabled(bool on) { originDrag_ = on; }

 signals:
  void pointerMoved(Point world);
  void viewChanged();
  void originChanged();
  // A pointer or key event for the tools, in unsnapped world units.
  void toolEvent(const trazello::ToolEvent& e);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;
  void wheelEvent(QWheelEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void leaveEvent(QEvent* e) override;

 private:
  void updateScrollBars();
  void storeScroll();
  IPoint clampedOrigin(Point world) const;
  void paintOriginMarker(QPainter& painter) const;
  void paintSearchWindow(QPainter& painter) const;

  Document& doc_;
  const SchemeStore& schemes_;
  const RenderOptions& options_;
  QImage cache_;
  bool cacheValid_ = false;
  bool adjusting_ = false;
  bool crosshairEnabled_ = true;
  std::optional<QPoint> crosshair_;
  int renders_ = 0;
  const ScannedCopies* scans_ = nullptr;
  bool suspended_ = false;
  std::optional<QPoint> pointer_;
  std::optional<IPoint> tentativeOrigin_;  // thousandths of a unit, while the marker is dragged
  QMenu* contextMenu_ = nullptr;
  QPoint contextPos_;
  Preview preview_;
  const ElementList* clipboard_ = nullptr;
  bool originDrag_ = true;
  std::function<void(QPainter&, const ViewMapping&)> overlay_;
  std::vector<std::function<void(QPainter&, const ViewMapping&)>> moreOverlays_;
  std::optional<IRect> searchWindow_;
};

}  // namespace trazello
