#include "EmfWriter.h"

#include <algorithm>

namespace trazello {

namespace {

enum RecordType : uint32_t {
  Header = 1,
  Polygon = 3,
  Polyline = 4,
  PolyBezierTo = 5,
  PolylineTo = 6,
  PolyPolygon = 8,
  Eof = 14,
  SetBkMode = 18,
  SetPolyFillMode = 19,
  SetRop2 = 20,
  MoveTo = 27,
  SelectObject = 37,
  CreatePen = 38,
  CreateBrush = 39,
  DeleteObject = 40,
  Ellipse = 42,
  BeginPath = 59,
  EndPath = 60,
  CloseFigure = 61,
  FillPath = 62,
  StrokeAndFillPath = 63,
  StrokePath = 64,
  StretchDiBits = 81,
  ExtCreatePen = 95,
};

constexpr uint32_t kTransparent = 1;
constexpr uint32_t kSourceCopy = 0x00CC0020;
constexpr uint32_t kSignature = 0x464D4520;  // " EMF"
constexpr uint32_t kHeaderBytes = 108;
constexpr int32_t kReferenceMillimetres = 1000;

uint32_t word(int32_t v) { return static_cast<uint32_t>(v); }

// COLORREF order: red in the low byte.
uint32_t colorRef(uint32_t rgb) {
  return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

void put(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void pointWords(std::vector<uint32_t>& w, std::span<const IPoint> points) {
  for (const IPoint& p : points) {
    w.push_back(word(p.x));
    w.push_back(word(p.y));
  }
}

}  // namespace

EmfWriter::EmfWriter() {
  const uint32_t bk[] = {kTransparent};
  record(SetBkMode, bk);
  setWindingFill(true);
}

void EmfWriter::record(uint32_t type, std::span<const uint32_t> params) {
  put(records_, type);
  put(records_, static_cast<uint32_t>(8 + 4 * params.size()));
  for (uint32_t v : params) put(records_, v);
  ++count_;
}

uint32_t EmfWriter::newHandle() {
  for (size_t i = 1; i < handles_.size(); ++i)
    if (!handles_[i]) {
      handles_[i] = true;
      return static_cast<uint32_t>(i);
    }
  handles_.push_back(true);
  penHalves_.push_back(-1);
  return static_cast<uint32_t>(handles_.size() - 1);
}

// A pen of one device pixel is a plain cosmetic pen; a wider one is geometric, its width in
// units, with the round ends and joins spelled out, which players honour more widely.
uint32_t EmfWriter::createPen(uint32_t rgb, int32_t width) {
  const uint32_t h = newHandle();
  if (width <= 0) {
    const uint32_t params[] = {h, 0 /* solid */, 0, 0, colorRef(rgb)};
    record(CreatePen, params);
  } else {
    constexpr uint32_t kGeometricRoundSolid = 0x00010000;  // round ends and joins are 0
    const uint32_t params[] = {h, 0, 0, 0, 0, kGeometricRoundSolid, word(width),
                               0 /* solid brush */, colorRef(rgb), 0, 0};
    record(ExtCreatePen, params);
  }
  penHalves_[h] = std::max(0, width) / 2;
  return h;
}

uint32_t EmfWriter::createBrush(uint32_t rgb) {
  const uint32_t h = newHandle();
  const uint32_t params[] = {h, 0 /* solid */, colorRef(rgb), 0};
  record(CreateBrush, params);
  penHalves_[h] = -1;
  return h;
}

void EmfWriter::select(uint32_t object) {
  const uint32_t params[] = {object};
  record(SelectObject, params);
  if (object == kNullPen) penHalf_ = 0;
  if (object < penHalves_.size() && penHalves_[object] >= 0) penHalf_ = penHalves_[object];
}

void EmfWriter::deleteObject(uint32_t object) {
  const uint32_t params[] = {object};
  record(DeleteObject, params);
  if (object < handles_.size()) handles_[object] = false;
}

void EmfWriter::setRasterOp(RasterOp op) {
  const uint32_t params[] = {op};
  record(SetRop2, params);
}

void EmfWriter::setWindingFill(bool winding) {
  const uint32_t params[] = {winding ? 2u : 1u};
  record(SetPolyFillMode, params);
}

void EmfWriter::include(IPoint p, int32_t grow) {
  const IRect r{p.x - grow, p.y - grow, p.x + grow, p.y + grow};
  if (!drawn_) {
    bounds_ = r;
    drawn_ = true;
    return;
  }
  bounds_.left = std::min(bounds_.left, r.left);
  bounds_.top = std::min(bounds_.top, r.top);
  bounds_.right = std::max(bounds_.right, r.right);
  bounds_.bottom = std::max(bounds_.bottom, r.bottom);
}

void EmfWriter::includeAll(std::span<const IPoint> points) {
  for (const IPoint& p : points) include(p, penHalf_);
}

// A record's own bounds, in device pixels (here the units themselves).
std::vector<uint32_t> EmfWriter::boundsWords(std::span<const IPoint> points) const {
  if (points.empty()) return {0, 0, word(-1), word(-1)};
  int32_t l = points[0].x, t = points[0].y, r = l, b = t;
  for (const IPoint& p : points) {
    l = std::min(l, p.x);
    t = std::min(t, p.y);
    r = std::max(r, p.x);
    b = std::max(b, p.y);
  }
  return {word(l), word(t), word(r), word(b)};
}

void EmfWriter::polygon(std::span<const IPoint> points) {
  std::vector<uint32_t> w = boundsWords(points);
  w.push_back(static_cast<uint32_t>(points.size()));
  pointWords(w, points);
  record(Polygon, w);
  includeAll(points);
}

void EmfWriter::polyline(std::span<const IPoint> points) {
  std::vector<uint32_t> w = boundsWords(points);
  w.push_back(static_cast<uint32_t>(points.size()));
  pointWords(w, points);
  record(Polyline, w);
  includeAll(points);
}

void EmfWriter::polyPolygon(std::span<const std::vector<IPoint>> outlines) {
  std::vector<IPoint> all;
  for (const auto& o : outlines) all.insert(all.end(), o.begin(), o.end());
  std::vector<uint32_t> w = boundsWords(all);
  w.push_back(static_cast<uint32_t>(outlines.size()));
  w.push_back(static_cast<uint32_t>(all.size()));
  for (const auto& o : outlines) w.push_back(static_cast<uint32_t>(o.size()));
  pointWords(w, all);
  record(PolyPolygon, w);
  includeAll(all);
}

void EmfWriter::ellipse(const IRect& box) {
  const uint32_t params[] = {word(box.left), word(box.top), word(box.right), word(box.bottom)};
  record(Ellipse, params);
  include({box.left, box.top}, penHalf_);
  include({box.right, box.bottom}, penHalf_);
}

void EmfWriter::beginPath() {
  pathPoints_.clear();
  record(BeginPath, {});
}

void EmfWriter::moveTo(IPoint p) {
  const uint32_t params[] = {word(p.x), word(p.y)};
  record(MoveTo, params);
  pathPoints_.push_back(p);
}

void EmfWriter::lineTo(std::span<const IPoint> points) {
  std::vector<uint32_t> w = boundsWords(points);
  w.push_back(static_cast<uint32_t>(points.size()));
  pointWords(w, points);
  record(PolylineTo, w);
  pathPoints_.insert(pathPoints_.end(), points.begin(), points.end());
}

void EmfWriter::bezierTo(std::span<const IPoint> points) {
  std::vector<uint32_t> w = boundsWords(points);
  w.push_back(static_cast<uint32_t>(points.size()));
  pointWords(w, points);
  record(PolyBezierTo, w);
  pathPoints_.insert(pathPoints_.end(), points.begin(), points.end());
}

void EmfWriter::closeFigure() { record(CloseFigure, {}); }
void EmfWriter::endPath() { record(EndPath, {}); }

void EmfWriter::usePath(PathUse use) {
  const std::vector<uint32_t> w = boundsWords(pathPoints_);
  record(use == PathUse::Fill ? FillPath : use == PathUse::Stroke ? StrokePath : StrokeAndFillPath, w);
  const int32_t saved = penHalf_;
  if (use == PathUse::Fill) penHalf_ = 0;
  includeAll(pathPoints_);
  penHalf_ = saved;
  pathPoints_.clear();
}

void EmfWriter::image(const IRect& target, int width, int height,
                      std::span<const uint32_t> pixels) {
  if (width <= 0 || height <= 0 || pixels.size() < size_t(width) * size_t(height)) return;
  const uint32_t rowBytes = ((static_cast<uint32_t>(width) * 24 + 31) / 32) * 4;
  const uint32_t bitsBytes = rowBytes * static_cast<uint32_t>(height);
  constexpr uint32_t kFixed = 80, kInfo = 40;
  const IPoint corners[] = {{target.left, target.top}, {target.right, target.bottom}};
  std::vector<uint32_t> w = boundsWords(corners);
  const uint32_t fields[] = {word(target.left), word(target.top), 0, 0, word(width), word(height),
                             kFixed, kInfo, kFixed + kInfo, bitsBytes, 0, kSourceCopy,
                             word(target.right - target.left), word(target.bottom - target.top)};
  w.insert(w.end(), std::begin(fields), std::end(fields));
  // BITMAPINFOHEADER of a bottom-up 24-bit picture.
  const uint32_t info[] = {kInfo, word(width), word(height), 1 | (24u << 16), 0, bitsBytes, 0, 0, 0, 0};
  w.insert(w.end(), std::begin(info), std::end(info));
  std::vector<uint8_t> row(rowBytes, 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t c = pixels[size_t(y) * size_t(width) + size_t(x)];
      row[size_t(x) * 3] = static_cast<uint8_t>(c);
      row[size_t(x) * 3 + 1] = static_cast<uint8_t>(c >> 8);
      row[size_t(x) * 3 + 2] = static_cast<uint8_t>(c >> 16);
    }
    for (uint32_t i = 0; i < rowBytes; i += 4)
      w.push_back(uint32_t(row[i]) | uint32_t(row[i + 1]) << 8 | uint32_t(row[i + 2]) << 16 |
                  uint32_t(row[i + 3]) << 24);
  }
  record(StretchDiBits, w);
  include(corners[0]);
  include(corners[1]);
}

std::vector<uint8_t> EmfWriter::finish() const {
  const IRect frame = drawn_ ? bounds_ : IRect{};
  constexpr uint32_t kDevicePixels = kReferenceMillimetres * 100;
  const uint32_t total = kHeaderBytes + static_cast<uint32_t>(records_.size()) + 20;
  std::vector<uint8_t> out;
  out.reserve(total);
  const uint32_t header[] = {Header, kHeaderBytes,
                             word(frame.left), word(frame.top), word(frame.right), word(frame.bottom),
                             word(frame.left), word(frame.top), word(frame.right), word(frame.bottom),
                             kSignature, 0x10000, total, count_ + 2,
                             static_cast<uint32_t>(handles_.size()), 0, 0, 0,
                             kDevicePixels, kDevicePixels, kReferenceMillimetres, kReferenceMillimetres,
                             0, 0, 0, kReferenceMillimetres * 1000, kReferenceMillimetres * 1000};
  for (uint32_t v : header) put(out, v);
  out.insert(out.end(), records_.begin(), records_.end());
  for (uint32_t v : {uint32_t(Eof), 20u, 0u, 16u, 20u}) put(out, v);
  return out;
}

}  // namespace trazello
