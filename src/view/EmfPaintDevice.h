#pragma once

#include <QPaintDevice>
#include <memory>
#include <vector>

#include "output/EmfWriter.h"

namespace trazello {

class EmfPaintEngine;

// A paint device that records what a painter draws as an enhanced metafile. The painter draws
// in pixels of a surface at `pixelsPerUnit` (the zoom the picture is meant for, which decides
// zoom-dependent sizes such as one-pixel lines); the file keeps every coordinate in layout units.
// Pens, brushes, raster modes, polygons, ellipses, paths with their curves and images are kept
// as such.
class EmfPaintDevice : public QPaintDevice {
 public:
  EmfPaintDevice(QSize pixels, double pixelsPerUnit);
  ~EmfPaintDevice() override;

  QPaintEngine* paintEngine() const override;
  // The file; complete once the painter has ended.
  std::vector<uint8_t> bytes() const;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  QSize size_;
  double pixelsPerUnit_;
  std::unique_ptr<EmfPaintEngine> engine_;
};

}  // namespace trazello
