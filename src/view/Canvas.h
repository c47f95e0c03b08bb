#pragma once

#include <QPainter>
#include <span>
#include <vector>

#include "ColourScheme.h"
#include "PixelLine.h"
#include "ViewMapping.h"
#include "model/Point.h"

namespace trazello {

// How a pen combines with what is already drawn.
enum class RasterMode { Copy, Xor, NotXor, Merge, MaskNotPen };

// A drawing surface with the pen-and-brush state the element drawing is written against: pens
// with a width in world units and a raster mode, solid or clear brushes, and world coordinates
// that are rounded to whole units before they are drawn. Knows the world rectangle it shows so
// that element loops can skip what lies outside.
class Canvas {
 public:
  // `surface` is the size in pixels of what the painter paints on; the mapping places the board.
  Canvas(QPainter& painter, const ViewMapping& mapping, QSize surface);
  // A canvas drawing only the given rows of the surface: it clips the painter to them (and
  // owns that clip) and shows the world those rows show.
  Canvas(QPainter& painter, const ViewMapping& mapping, QSize surface, int firstRow, int endRow);
  // A canvas with any world-to-pixel map (printing: mirrored, stretched by the printer's
  // calibration, several copies); mapping() then describes nothing.
  Canvas(QPainter& painter, const QTransform& worldToPixels, QSize surface);

  QPainter& painter() { return painter_; }
  const ViewMapping& mapping() const { return mapping_; }
  double scale() const { return scale_; }
  // World units per pixel.
  double pixel() const { return 1.0 / scale_; }
  const IRect& clip() const { return clip_; }
  bool meets(const IRect& box) const;

  void setRasterMode(RasterMode m);
  RasterMode rasterMode() const { return mode_; }

  // A round-ended pen `width` units wide; 0, or narrower than one pixel, gives a one-pixel pen.
  void setPen(ColorRef c, double width);
  void setPixelPen(ColorRef c, int pixels = 1);
  void setNoPen();
  // Width of the current pen in pixels (0 for one-pixel pens).
  double penPixels() const { return penPixels_; }
  void setBrush(ColorRef c);
  void setClearBrush();

  void line(Point a, Point b);
  void polyline(std::span<const Point> points);
  void polygon(std::span<const Point> points);
  void ellipse(Point centre, double radius);
  // A filled disc whose pixel box is shrunk by `insetPixels` on every side.
  void discInset(Point centre, double radius, int insetPixels);
  // The counter-clockwise arc from `startDeg` to `endDeg`; equal angles give the full circle.
  void arc(Point centre, double radius, int startDeg, int endDeg);
  // The chord (arc closed by its secant, filled); equal angles give the full disc.
  void chord(Point centre, double radius, int startDeg, int endDeg);
  // Fills the world rectangle between two corners in one colour, no outline.
  void fillRect(Point a, Point b, ColorRef c);

 private:
  void applyMode();
  // Writes a one-pixel line straight into the picture when the painter would draw exactly
  // those pixels (see drawPixelLine); false when the painter must draw it.
  bool directLine(const QPointF& from, const QPointF& to);

  QPainter& painter_;
  ViewMapping mapping_;
  double scale_;
  IRect clip_;
  RasterMode mode_ = RasterMode::Copy;
  double penPixels_ = 0;
  PixelTarget picture_;  // the painted picture when lines can be written into it directly
  bool band_ = false;    // the painter's clip is this canvas's band
  std::vector<QPointF> buffer_;  // reused: element loops draw many short polylines
};

QColor toQColor(ColorRef c);

}  // namespace trazello
