#include "PictureExport.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "BoardPicture.h"
#include "Canvas.h"
#include "EmfPaintDevice.h"
#include "PaintView.h"
#include "RenderContext.h"
#include "ViewMapping.h"
#include "files/AtomicFile.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "output/BmpFile.h"
#include "output/GifFile.h"

namespace trazello {

namespace {

// The elements as a picture draws them: nothing selected. With `markSelection`, the formerly
// selected elements carry the mark instead, for a picture of the selection alone.
ElementList unselected(const ElementList& elements, bool markSelection) {
  ElementList plain = elements;
  for (size_t i = 0; i < plain.size(); ++i) {
    const TObjekt& e = plain[i];
    if (!e.Selected && !(markSelection && e.Mark)) continue;
    TObjekt& changed = plain.edit(i);
    changed.Mark = markSelection && changed.Selected;
    changed.Selected = 0;
  }
  return plain;
}

RenderOptions pictureOptions(RenderOptions o) {
  o.showGrid = false;
  return o;
}

Message cannotWrite(const std::string& path) {
  return {MessageKind::Error, MessageId::FileCannotBeWritten, {path}};
}

// Paints the vector picture; `size` is what the painter's device measures in pixels.
struct VectorLayout {
  ViewMapping mapping;
  QSize size;
};

VectorLayout vectorLayout(const PictureSource& s, const ElementList& plain, double zoom,
                          bool selectionOnly) {
  VectorLayout l;
  l.mapping.zoom = zoom;
  l.mapping.roundedScale = false;
  l.mapping.boardWidth = s.board.width;
  IRect world{0, -s.board.height, s.board.width, 0};
  if (selectionOnly) {
    const LayerState layers = layerState(s.board);
    ElementList marked;
    std::vector<size_t> chosen;
    for (size_t i = 0; i < plain.size(); ++i)
      if (plain[i].Mark) chosen.push_back(i);
    copyElements(plain, chosen, marked);
    world = boxOfEverything(marked, &layers);
  }
  // The selection may lie beside the board: the surface starts at its top-left corner, a pixel
  // early so that no outline is cut.
  const int margin = selectionOnly ? 1 : 0;
  const QPointF corner = l.mapping.toPixels(Point{float(world.left), float(world.bottom)});
  l.mapping.scrollX = static_cast<int32_t>(std::floor(corner.x())) - margin;
  l.mapping.scrollY = static_cast<int32_t>(std::floor(corner.y())) - margin;
  auto across = [&](int32_t units) {
    return std::max(1, static_cast<int>(std::ceil(units * zoom)) + 1 + 2 * margin);
  };
  l.size = QSize(across(world.right - world.left), across(world.bottom - world.top));
  return l;
}

void paintVector(QPainter& painter, const PictureSource& s, const ElementList& plain,
                 const VectorLayout& layout, bool selectionOnly) {
  RenderOptions o = pictureOptions(s.options);
  o.photoView = false;
  Canvas canvas(painter, layout.mapping, layout.size);
  RenderContext ctx{canvas, s.scheme, o, layerState(s.board), &plain};
  if (selectionOnly)
    DrawLayerStack(ctx, plain, true);
  else
    PaintView(ctx, ViewScene{s.board, plain, s.scans});
}

}  // namespace

PixelView pixelsOf(const QImage& image) {
  return {image.width(), image.height(), reinterpret_cast<const uint32_t*>(image.constBits()),
          static_cast<size_t>(image.bytesPerLine() / 4)};
}

QImage rasterPicture(const PictureSource& s, int dpi) {
  const int px = std::max(1, pixelsAt(s.board.width, dpi));
  const int py = std::max(1, pixelsAt(s.board.height, dpi));
  ViewMapping mapping;
  // Isotropic: the smaller of the two scales, so the whole board fits.
  mapping.zoom = std::min(double(px) / std::max(1, s.board.width),
                          double(py) / std::max(1, s.board.height));
  mapping.roundedScale = false;
  mapping.boardWidth = s.board.width;
  mapping.mirrored = s.options.photoView && s.options.photoSide == 2;
  QImage image(px, py, QImage::Format_RGB32);
  if (image.isNull()) return image;
  const ElementList plain = unselected(s.elements, false);
  renderView(image, s.board, plain, s.scheme, pictureOptions(s.options), mapping, s.scans);
  return image;
}

std::optional<Message> writePictureFile(const std::string& path, const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  if (writeFileAtomically(path, std::span(bytes, size))) return cannotWrite(path);
  return std::nullopt;
}

std::optional<Message> writeRasterPicture(const QImage& picture, RasterKind kind, bool monochrome,
                                          int dpi, ColorRef paper, const std::string& path,
                                          const JpegEncode& jpeg) {
  if (picture.isNull() || picture.format() != QImage::Format_RGB32) return cannotWrite(path);
  const PixelView pixels = pixelsOf(picture);
  std::vector<uint8_t> bytes;
  switch (kind) {
    case RasterKind::Bitmap: {
      const uint32_t paperRgb = toQColor(paper).rgb() & 0xFFFFFFu;
      bytes = monochrome ? encodeMonochromeBmp(pixels, paperRgb, dpi) : encodeColourBmp(pixels, dpi);
      break;
    }
    case RasterKind::Gif: {
      GifBytes gif = encodeGif(pixels);
      if (gif.bytes.empty()) return cannotWrite(path);
      bytes = std::move(gif.bytes);
      break;
    }
    case RasterKind::Jpeg: {
      auto encoded = encodeWithFallback([&](int quality) { return jpeg(pixels, quality, dpi); });
      if (!encoded) return Message{MessageKind::Error, MessageId::JpegNotCreated, {}};
      bytes = std::move(encoded->bytes);
      break;
    }
  }
  return writePictureFile(path, bytes.data(), bytes.size());
}

std::vector<uint8_t> boardMetafile(const PictureSource& s, double zoom, bool selectionOnly) {
  const ElementList plain = unselected(s.elements, selectionOnly);
  const VectorLayout layout = vectorLayout(s, plain, zoom, selectionOnly);
  EmfPaintDevice device(layout.size, zoom);
  {
    QPainter painter(&device);
    paintVector(painter, s, plain, layout, selectionOnly);
  }
  return device.bytes();
}

QByteArray boardSvg(const PictureSource& s, double zoom, bool selectionOnly) {
  const ElementList plain = unselected(s.elements, selectionOnly);
  const VectorLayout layout = vectorLayout(s, plain, zoom, selectionOnly);
  QByteArray svg;
  QBuffer buffer(&svg);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(layout.size);
  generator.setViewBox(QRect(QPoint(0, 0), layout.size));
  // At this resolution the picture's width and height in millimetres are the board's.
  generator.setResolution(std::max(1, static_cast<int>(std::lround(zoom * 2540))));
  generator.setTitle("Trazello");
  {
    QPainter painter(&generator);
    paintVector(painter, s, plain, layout, selectionOnly);
  }
  return svg;
}

}  // namespace trazello
