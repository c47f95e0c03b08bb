#include "EmfPaintDevice.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <optional>

namespace trazello {

namespace {

IPoint whole(QPointF p) {
  return {static_cast<int32_t>(std::lround(p.x())), static_cast<int32_t>(std::lround(p.y()))};
}

uint32_t rgbOf(const QColor& c) {
  return static_cast<uint32_t>(c.rgb()) & 0xFFFFFFu;
}

EmfWriter::RasterOp ropOf(QPainter::CompositionMode mode) {
  switch (mode) {
    case QPainter::RasterOp_SourceXorDestination: return EmfWriter::XorPen;
    case QPainter::RasterOp_NotSourceXorDestination: return EmfWriter::NotXorPen;
    case QPainter::RasterOp_SourceOrDestination: return EmfWriter::MergePen;
    case QPainter::RasterOp_NotSourceAndDestination: return EmfWriter::MaskNotPen;
    default: return EmfWriter::CopyPen;
  }
}

// A pen or brush as the file has it: what distinguishes one from the next.
struct PenKey {
  bool none = true;
  uint32_t rgb = 0;
  int32_t width = 0;
  friend bool operator==(const PenKey&, const PenKey&) = default;
};
struct BrushKey {
  bool none = true;
  uint32_t rgb = 0;
  friend bool operator==(const BrushKey&, const BrushKey&) = default;
};

}  // namespace

// Turns each drawing call into records: the painter's transform maps to surface pixels, and
// pixels divided by the zoom are the file's units.
class EmfPaintEngine : public QPaintEngine {
 public:
  explicit EmfPaintEngine(double pixelsPerUnit)
      : QPaintEngine(AllFeatures), unitsPerPixel_(1.0 / pixelsPerUnit) {}

  const EmfWriter& writer() const { return writer_; }

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return User; }

  void updateState(const QPaintEngineState& state) override {
    const DirtyFlags f = state.state();
    if (f & DirtyTransform) transform_ = state.transform();
    if (f & DirtyPen) pen_ = state.pen();
    if (f & DirtyBrush) brush_ = state.brush();
    if (f & DirtyCompositionMode) {
      const EmfWriter::RasterOp op = ropOf(state.compositionMode());
      if (op != rop_) writer_.setRasterOp(rop_ = op);
    }
  }

  using QPaintEngine::drawEllipse;
  using QPaintEngine::drawLines;
  using QPaintEngine::drawPoints;
  using QPaintEngine::drawPolygon;
  using QPaintEngine::drawRects;

  void drawPath(const QPainterPath& path) override {
    if (!use(true, true)) return;
    writer_.setWindingFill(path.fillRule() == Qt::WindingFill);
    writePath(transform_.map(path));
    writer_.usePath(pathUse());
  }

  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    const std::vector<IPoint> p = mapped(points, count);
    if (mode == PolylineMode) {
      if (use(true, false)) writer_.polyline(p);
      return;
    }
    if (!use(true, true)) return;
    writer_.setWindingFill(mode != OddEvenMode);
    writer_.polygon(p);
  }

  void drawLines(const QLineF* lines, int count) override {
    if (!use(true, false)) return;
    for (int i = 0; i < count; ++i) {
      const QPointF ends[] = {lines[i].p1(), lines[i].p2()};
      writer_.polyline(mapped(ends, 2));
    }
  }

  void drawRects(const QRectF* rects, int count) override {
    for (int i = 0; i < count; ++i) drawPolygon(QPolygonF(rects[i]).constData(), 4, WindingMode);
  }

  void drawEllipse(const QRectF& r) override {
    if (transform_.type() > QTransform::TxScale) {
      QPainterPath path;
      path.addEllipse(r);
      drawPath(path);
      return;
    }
    if (!use(true, true)) return;
    const QRectF box = transform_.mapRect(r);
    const IPoint a = unitsOf(box.topLeft()), b = unitsOf(box.bottomRight());
    writer_.ellipse({a.x, a.y, b.x, b.y});
  }

  // A point is a dot as wide as the pen, round like its ends.
  void drawPoints(const QPointF* points, int count) override {
    if (pen_.style() == Qt::NoPen) return;
    const double across = std::max(1.0, penPixels()) * unitsPerPixel_;
    const QPen savedPen = pen_;
    const QBrush savedBrush = brush_;
    brush_ = QBrush(pen_.color());
    pen_ = QPen(Qt::NoPen);
    if (use(true, true)) {
      for (int i = 0; i < count; ++i) {
        const IPoint c = unitsOf(transform_.map(points[i]));
        const auto r = static_cast<int32_t>(std::lround(across / 2));
        writer_.ellipse({c.x - r, c.y - r, c.x + r, c.y + r});
      }
    }
    pen_ = savedPen;
    brush_ = savedBrush;
  }

  void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override {
    drawImage(r, pm.toImage(), sr, Qt::AutoColor);
  }

  void drawImage(const QRectF& r, const QImage& image, const QRectF& sr,
                 Qt::ImageConversionFlags) override {
    const QImage part = image.copy(sr.toAlignedRect()).convertToFormat(QImage::Format_RGB32);
    if (part.isNull()) return;
    std::vector<uint32_t> pixels;
    pixels.reserve(size_t(part.width()) * size_t(part.height()));
    for (int y = 0; y < part.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(part.constScanLine(y));
      for (int x = 0; x < part.width(); ++x) pixels.push_back(line[x] & 0xFFFFFFu);
    }
    const QRectF box = transform_.mapRect(r);
    const IPoint a = unitsOf(box.topLeft()), b = unitsOf(box.bottomRight());
    writer_.image({a.x, a.y, b.x, b.y}, part.width(), part.height(), pixels);
  }

 private:
  IPoint unitsOf(QPointF pixel) const { return whole(pixel * unitsPerPixel_); }

  std::vector<IPoint> mapped(const QPointF* points, int count) const {
    std::vector<IPoint> out;
    out.reserve(size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i) out.push_back(unitsOf(transform_.map(points[i])));
    return out;
  }

  // The pen's width on the surface, in pixels; 0 for a one-pixel pen.
  double penPixels() const {
    if (pen_.isCosmetic()) return pen_.widthF();
    return pen_.widthF() * std::sqrt(std::abs(transform_.determinant()));
  }

  // Selects the pen and brush the next shape is drawn with (a null one where the shape takes
  // none); false when the shape would show nothing.
  bool use(bool withPen, bool withBrush) {
    PenKey pen;
    if (withPen && pen_.style() != Qt::NoPen) {
      pen.none = false;
      pen.rgb = rgbOf(pen_.color());
      const double px = penPixels();
      pen.width = px <= 1.0 ? 0 : static_cast<int32_t>(std::lround(px * unitsPerPixel_));
    }
    BrushKey brush;
    if (withBrush && brush_.style() != Qt::NoBrush) {
      brush.none = false;
      brush.rgb = rgbOf(brush_.color());
    }
    if (pen.none && brush.none) return false;
    if (!selectedPen_ || !(*selectedPen_ == pen)) {
      const std::optional<uint32_t> old = penHandle_;
      penHandle_.reset();
      if (pen.none) {
        writer_.select(EmfWriter::kNullPen);
      } else {
        penHandle_ = writer_.createPen(pen.rgb, pen.width);
        writer_.select(*penHandle_);
      }
      if (old) writer_.deleteObject(*old);
      selectedPen_ = pen;
    }
    if (!selectedBrush_ || !(*selectedBrush_ == brush)) {
      const std::optional<uint32_t> old = brushHandle_;
      brushHandle_.reset();
      if (brush.none) {
        writer_.select(EmfWriter::kNullBrush);
      } else {
        brushHandle_ = writer_.createBrush(brush.rgb);
        writer_.select(*brushHandle_);
      }
      if (old) writer_.deleteObject(*old);
      selectedBrush_ = brush;
    }
    return true;
  }

  EmfWriter::PathUse pathUse() const {
    if (selectedPen_->none) return EmfWriter::PathUse::Fill;
    if (selectedBrush_->none) return EmfWriter::PathUse::Stroke;
    return EmfWriter::PathUse::FillAndStroke;
  }

  // Figures in order; runs of straight segments and of curves each become one record.
  void writePath(const QPainterPath& path) {
    writer_.beginPath();
    std::vector<IPoint> run;
    bool curves = false;
    IPoint start{};
    auto flush = [&] {
      if (run.empty()) return;
      if (curves)
        writer_.bezierTo(run);
      else
        writer_.lineTo(run);
      run.clear();
    };
    for (int i = 0; i < path.elementCount(); ++i) {
      const QPainterPath::Element& e = path.elementAt(i);
      const IPoint p = unitsOf(QPointF(e.x, e.y));
      if (e.isMoveTo()) {
        flush();
        writer_.moveTo(start = p);
        continue;
      }
      const bool curve = e.isCurveTo() || e.type == QPainterPath::CurveToDataElement;
      if (curve != curves) flush();
      curves = curve;
      run.push_back(p);
      const bool figureEnds = i + 1 == path.elementCount() || path.elementAt(i + 1).isMoveTo();
      if (figureEnds && p == start) {
        flush();
        writer_.closeFigure();
      }
    }
    flush();
    writer_.endPath();
  }

  double unitsPerPixel_;
  EmfWriter writer_;
  QTransform transform_;
  QPen pen_;
  QBrush brush_;
  EmfWriter::RasterOp rop_ = EmfWriter::CopyPen;
  std::optional<PenKey> selectedPen_;
  std::optional<BrushKey> selectedBrush_;
  std::optional<uint32_t> penHandle_, brushHandle_;
};

EmfPaintDevice::EmfPaintDevice(QSize pixels, double pixelsPerUnit)
    : size_(pixels),
      pixelsPerUnit_(pixelsPerUnit > 0 ? pixelsPerUnit : 1),
      engine_(std::make_unique<EmfPaintEngine>(pixelsPerUnit_)) {}

EmfPaintDevice::~EmfPaintDevice() = default;

QPaintEngine* EmfPaintDevice::paintEngine() const { return engine_.get(); }

std::vector<uint8_t> EmfPaintDevice::bytes() const { return engine_->writer().finish(); }

int EmfPaintDevice::metric(PaintDeviceMetric metric) const {
  const double dpi = pixelsPerUnit_ * 2540;
  switch (metric) {
    case PdmWidth: return size_.width();
    case PdmHeight: return size_.height();
    case PdmWidthMM: return static_cast<int>(std::lround(size_.width() / pixelsPerUnit_ / 100));
    case PdmHeightMM: return static_cast<int>(std::lround(size_.height() / pixelsPerUnit_ / 100));
    case PdmNumColors: return 1 << 24;
    case PdmDepth: return 24;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return std::max(1, static_cast<int>(std::lround(dpi)));
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    default: return QPaintDevice::metric(metric);
  }
}

}  // namespace trazello
