#include "BoardPicture.h"

#include <cmath>

#include "Canvas.h"
#include "PaintView.h"
#include "RenderContext.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/Layer.h"

namespace trazello {

namespace {
QSize pictureSize(const BoardSettings& board, double scale) {
  return {std::max(1, roundInt(board.width * scale + 1)),
          std::max(1, roundInt(board.height * scale + 1))};
}
}  // namespace

void renderView(QImage& target, const BoardSettings& board, const ElementList& elements,
                const ColourScheme& scheme, const RenderOptions& options,
                const ViewMapping& mapping, const ScannedCopies* scans) {
  target.fill(toQColor(scheme[SchemeSlot::Background]));
  QPainter painter(&target);
  Canvas canvas(painter, mapping, target.size());
  RenderContext ctx{canvas, scheme, options, layerState(board), &elements};
  PaintView(ctx, ViewScene{board, elements, scans});
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
