#include "ScannedCopy.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

#include "files/AtomicFile.h"
#include "model/Geometry.h"
#include "model/Layer.h"

namespace trazello {

namespace {

uint32_t le32(std::span<const uint8_t> b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}

}  // namespace

int bmpResolution(std::span<const uint8_t> b) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return 0;
  if (le32(b, 14) < 40) return 0;
  const auto ppm = static_cast<int32_t>(le32(b, 38));
  if (ppm <= 0) return 0;
  return roundInt(Real(ppm) * 2.54L / 100);
}

namespace {

// Header sizes and compressions that bitmap writers use; anything else is damage that Qt's
// reader would still try to make sense of, at length.
bool unknownHeader(std::span<const uint8_t> b) {
  if (b.size() < 18 || b[0] != 'B' || b[1] != 'M') return false;
  const uint32_t infoSize = le32(b, 14);
  constexpr uint32_t kSizes[] = {12, 16, 40, 52, 56, 64, 108, 124};
  if (std::find(std::begin(kSizes), std::end(kSizes), infoSize) == std::end(kSizes)) return true;
  return infoSize >= 40 && b.size() >= 34 && le32(b, 30) > 6;
}

// An uncompressed bitmap shorter than the rows its header promises is damaged; decoding it would
// still allocate the whole picture, hundreds of megabytes for a few bytes of file. The last row
// may lack its padding.
bool shorterThanItsRows(std::span<const uint8_t> b) {
  if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return false;
  const uint32_t offset = le32(b, 10), infoSize = le32(b, 14);
  int64_t width = 0, height = 0, bits = 0;
  if (infoSize == 12) {
    width = b[18] | (b[19] << 8);
    height = b[20] | (b[21] << 8);
    bits = b[24] | (b[25] << 8);
  } else if (infoSize >= 40 && b.size() >= 34) {
    const uint32_t compression = le32(b, 30);
    if (compression != 0 && compression != 3) return false;  // run lengths: any length
    width = static_cast<int32_t>(le32(b, 18));
    height = std::abs(int64_t(static_cast<int32_t>(le32(b, 22))));
    bits = b[28] | (b[29] << 8);
  }
  if (width <= 0 || height <= 0 || bits <= 0 || bits > 32) return false;
  const int64_t row = (width * bits + 31) / 32 * 4;
  // The rows before the last must fit in what is left; divided, as the product may overflow.
  const int64_t left = int64_t(b.size()) - offset - (width * bits + 7) / 8;
  return left < 0 || (height > 1 && row > left / (height - 1));
}

// An A4 page scanned at 1200 dpi in colour needs about 560 MB as a picture; Qt refuses anything
// above 128 MB unless told otherwise.
constexpr int kScanAllocationLimitMb = 1024;

}  // namespace

Result<LoadedScan> decodeScannedCopy(std::span<const uint8_t> bytes, const std::string& path) {
  LoadedScan scan;
  if (bytes.size() > static_cast<size_t>(std::numeric_limits<int>::max()))
    return Message{
        MessageKind::Error, MessageId::ScannedCopyNotLoaded, {path, "the file is too large"}};
  if (unknownHeader(bytes))
    return Message{MessageKind::Error,
                   MessageId::ScannedCopyNotLoaded,
                   {path, "the bitmap header is damaged"}};
  if (shorterThanItsRows(bytes))
    return Message{MessageKind::Error,
                   MessageId::ScannedCopyNotLoaded,
                   {path, "the file is shorter than the picture its header describes"}};
  QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                            static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader::setAllocationLimit(kScanAllocationLimitMb);
  QImageReader reader(&buffer, "BMP");
  scan.image = reader.read();
  if (scan.image.isNull()) {
    return Message{MessageKind::Error,
                   MessageId::ScannedCopyNotLoaded,
                   {path, reader.errorString().toStdString()}};
  }
  scan.dpi = bmpResolution(bytes);
  return scan;
}

Result<LoadedScan> loadScannedCopy(const std::string& path) {
  std::string why;
  const auto bytes = readWholeFile(path, &why);
  if (!bytes) return Message{MessageKind::Error, MessageId::ScannedCopyNotLoaded, {path, why}};
  return decodeScannedCopy(*bytes, path);
}

int scanSide(int activeLayer) {
  if (activeLayer == layer::C1 || activeLayer == layer::S1) return 0;
  if (activeLayer == layer::C2 || activeLayer == layer::S2) return 1;
  return -1;
}

IRect scanRect(int w, int h, int dpi, int32_t offsetX, int32_t offsetY) {
  const Real d = std::clamp(dpi, kMinScanDpi, kMaxScanDpi);
  // A one-row picture may be millions of pixels wide; a kilometre is far beyond any board and
  // leaves room for the offset below.
  constexpr Real kLongest = 100'000'000;
  const int32_t right = roundInt(std::min(w / d * 25.4L * 100, kLongest));
  const int32_t down = roundInt(std::min(h / d * 25.4L * 100, kLongest));
  // Offsets come from layout files, which may hold anything; the window allows -3000 to 3000.
  const int32_t dx = std::clamp(offsetX, kMinScanOffset, kMaxScanOffset) * 10;
  const int32_t dy = -std::clamp(offsetY, kMinScanOffset, kMaxScanOffset) * 10;
  return {dx, -down + dy, right + dx, dy};
}

bool isTwoColourScan(const QImage& img) {
  return img.format() == QImage::Format_Mono || img.format() == QImage::Format_MonoLSB ||
         (img.format() == QImage::Format_Indexed8 && img.colorCount() == 2);
}

QList<QRgb> scanColourTable(const QList<QRgb>& palette, QRgb ink, QRgb paper) {
  // Image readers may reorder a one-bit palette, so the index says nothing about which pixels
  // are the drawing: the dark entry is ink, the light one paper. Two entries equally light
  // fall back on the order of the file (0 ink, 1 paper).
  if (palette.size() != 2 || qGray(palette[0]) == qGray(palette[1])) return {ink, paper};
  return qGray(palette[0]) < qGray(palette[1]) ? QList<QRgb>{ink, paper} : QList<QRgb>{paper, ink};
}

void DrawScannedCopy(RenderContext& ctx, const BoardSettings& board, const ScannedCopies& scans) {
  const int side = scanSide(ctx.layers.activeLayer);
  if (ctx.options.photoView || side < 0 || !board.templateShown[static_cast<size_t>(side)]) return;
  const size_t i = static_cast<size_t>(side);
  QImage image = scans[i];
  if (image.isNull()) return;
  if (isTwoColourScan(image)) {
    const auto colour = static_cast<ColorRef>(board.templateColour[i]) & 0x00FFFFFFu;
    image.setColorTable(scanColourTable(image.colorTable(), toQColor(colour).rgb(),
                                        toQColor(ctx.scheme[SchemeSlot::Background]).rgb()));
  }
  const IRect r = scanRect(image.width(), image.height(), board.templateDpi[i],
                           board.templateOffsetX[i], board.templateOffsetY[i]);
  QPainter& p = ctx.canvas.painter();
  const QTransform saved = p.transform();
  const QRectF target = saved.mapRect(QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom)));
  p.resetTransform();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.drawImage(target, image);
  p.setTransform(saved);
  ctx.canvas.setRasterMode(ctx.canvas.rasterMode());
}

}  // namespace trazello
