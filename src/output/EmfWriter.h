#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/Point.h"

namespace trazello {

// Writes an enhanced metafile record by record into memory. Coordinates are whole layout units
// (0.01 mm) with y growing downward, one device pixel each: the reference device has 2540 dots
// per inch, so the frame gives the picture its true size and no player has to scale pen widths
// (which several do not). Objects are the file's handle table: pens and brushes made here, or
// the stock null pen and null brush.
class EmfWriter {
 public:
  EmfWriter();

  enum RasterOp : uint32_t {
    MaskNotPen = 3,
    XorPen = 7,
    NotXorPen = 10,
    CopyPen = 13,
    MergePen = 15,
  };
  static constexpr uint32_t kNullBrush = 0x80000005u;
  static constexpr uint32_t kNullPen = 0x80000008u;

  // A solid pen `width` units wide (0: one device pixel), round ends and joins.
  uint32_t createPen(uint32_t rgb, int32_t width);
  uint32_t createBrush(uint32_t rgb);
  void select(uint32_t object);
  void deleteObject(uint32_t object);
  void setRasterOp(RasterOp op);
  void setWindingFill(bool winding);

  void polygon(std::span<const IPoint> points);
  void polyline(std::span<const IPoint> points);
  // Several outlines filled as one shape with the current fill rule.
  void polyPolygon(std::span<const std::vector<IPoint>> outlines);
  void ellipse(const IRect& box);

  // A path: figures of straight and cubic Bézier segments, then filled, stroked or both.
  void beginPath();
  void moveTo(IPoint p);
  void lineTo(std::span<const IPoint> points);
  void bezierTo(std::span<const IPoint> points);  // three points per segment
  void closeFigure();
  void endPath();
  enum class PathUse { Fill, Stroke, FillAndStroke };
  void usePath(PathUse use);

  // A picture stretched onto `target`: `pixels` are 0xRRGGBB, rows from the top.
  void image(const IRect& target, int width, int height, std::span<const uint32_t> pixels);

  // The complete file: header, the records so far, the end record.
  std::vector<uint8_t> finish() const;

 private:
  void record(uint32_t type, std::span<const uint32_t> params);
  void include(IPoint p, int32_t grow = 0);
  void includeAll(std::span<const IPoint> points);
  std::vector<uint32_t> boundsWords(std::span<const IPoint> points) const;
  uint32_t newHandle();

  std::vector<uint8_t> records_;
  uint32_t count_ = 0;
  std::vector<bool> handles_{true};  // index 0 is the metafile itself
  std::vector<int32_t> penHalves_{0};  // per handle: half a pen's width, -1 for a brush
  int32_t penHalf_ = 0;  // half the current pen's width, for the bounds
  bool drawn_ = false;
  IRect bounds_{};
  std::vector<IPoint> pathPoints_;
};

}  // namespace trazello
