#include "BoardPicture.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Canvas.h"
#include "PaintView.h"
#include "RenderContext.h"
#include "checks/ElementBoxIndex.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/Layer.h"
#include "model/SideBySide.h"

namespace trazello {

namespace {
QSize pictureSize(const BoardSettings& board, double scale) {
  return {std::max(1, roundInt(board.width * scale + 1)),
          std::max(1, roundInt(board.height * scale + 1))};
}

// Below this many pixels a second thread costs more than it saves.
constexpr int64_t kPixelsPerBand = 2'000'000;

// Qt samples a stretched image from where the clip starts, so a scanned copy drawn in bands
// would not be the copy drawn whole: pictures showing one are drawn in one pass.
bool showsScan(const BoardSettings& board, const RenderOptions& options,
               const ScannedCopies* scans) {
  const int side = scanSide(board.activeLayer);
  return scans && options.showTemplates && !options.photoView && side >= 0 &&
         board.templateShown[size_t(side)] && !(*scans)[size_t(side)].isNull();
}

int bandsFor(const QImage& target, const RenderOptions& options) {
  if (options.bands > 0) return std::min(options.bands, std::max(1, target.height()));
  const int64_t pixels = int64_t(target.width()) * target.height();
  const int64_t worthwhile = std::max<int64_t>(1, pixels / kPixelsPerBand);
  return int(std::clamp<int64_t>(std::min<int64_t>(worthwhile, int64_t(processorCount())), 1, 4));
}
}  // namespace

void renderView(QImage& target, const BoardSettings& board, const ElementList& elements,
                const ColourScheme& scheme, const RenderOptions& options,
                const ViewMapping& mapping, const ScannedCopies* scans) {
  const QColor background = toQColor(scheme[SchemeSlot::Background]);
  const int bands = showsScan(board, options, scans) ? 1 : bandsFor(target, options);
  if (bands == 1) {
    target.fill(background);
    QPainter painter(&target);
    Canvas canvas(painter, mapping, target.size());
    RenderContext ctx{canvas, scheme, options, layerState(board), &elements};
    PaintView(ctx, ViewScene{board, elements, scans});
    return;
  }
  // The bands share the pixels, each clipped to its own rows; the element list's lazily made
  // lookups are made here, before the threads read them.
  uchar* pixels = target.bits();
  boxIndexOf(elements);
  if (!elements.empty()) elements.indexOf(elements[0].Id);
  auto drawBand = [&](int band) {
    const int first = int(int64_t(target.height()) * band / bands);
    const int end = int(int64_t(target.height()) * (band + 1) / bands);
    // Each band clears its own rows: a large picture's memory is first touched in parallel.
    QImage(pixels + size_t(first) * size_t(target.bytesPerLine()), target.width(), end - first,
           target.bytesPerLine(), target.format())
        .fill(background);
    QImage rows(pixels, target.width(), target.height(), target.bytesPerLine(), target.format());
    QPainter painter(&rows);
    Canvas canvas(painter, mapping, target.size(), first, end);
    RenderContext ctx{canvas, scheme, options, layerState(board), &elements};
    PaintView(ctx, ViewScene{board, elements, scans});
  };
  runSideBySide(size_t(bands), size_t(bands), [&](size_t band) { drawBand(int(band)); });
}

QImage renderBoard(const BoardSettings& board, const ElementList& elements,
                   const ColourScheme& scheme, const RenderOptions& options, double zoom,
                   const ScannedCopies* scans) {
  ViewMapping mapping;
  mapping.zoom = zoom;
  mapping.boardWidth = board.width;
  mapping.mirrored = options.photoView && options.photoSide == 2;
  QImage image(pictureSize(board, mapping.scale()), QImage::Format_RGB32);
  renderView(image, board, elements, scheme, options, mapping, scans);
  return image;
}

QImage renderLayerPicture(const BoardSettings& board, const ElementList& elements,
                          uint8_t layerCode, const LayerPictureOptions& options) {
  BoardSettings only = board;
  only.visible.fill(0);
  if (layerCode >= 1 && layerCode <= layer::kCount) only.visible[layerCode] = 1;
  only.activeLayer = layerCode;
  if (!options.groundPlane) only.groundPlane.fill(0);
  RenderOptions mask;
  mask.maskMode = true;
  mask.showConnections = false;
  mask.showTemplates = false;
  ViewMapping mapping;
  mapping.zoom = options.dpi / 2540.0;
  mapping.roundedScale = false;
  QImage image(pictureSize(board, mapping.scale()), QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QPainter painter(&image);
    Canvas canvas(painter, mapping, image.size());
    RenderContext ctx{canvas, defaultScheme(), mask, layerState(only), &elements};
    PaintView(ctx, ViewScene{only, elements, nullptr});
    if (options.drillHoles) {
      canvas.setNoPen();
      canvas.setBrush(kBlack);
      for (const TObjekt& e : elements)
        if (e.Kind == ElementKind::Pad && e.SizeB > 0 && isOnLayer(e, layerCode))
          canvas.ellipse({e.X, e.Y}, e.SizeB);
    }
  }
  const QRgb fg = toQColor(options.foreground).rgb(), bg = toQColor(options.background).rgb();
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) line[x] = (line[x] & 0xFFFFFF) ? fg : bg;
  }
  return image;
}

}  // namespace trazello
