#include <cmath>

#include "ElementPainter.h"
#include "PaintView.h"
#include "VisibleElements.h"
#include "model/ElementGeometry.h"
#include "model/Layer.h"

namespace trazello {

namespace {

// One drawing step of the photo: the elements `pick` selects, every layer in `colour`.
template <typename Pick>
void photoStep(const RenderContext& base, const ElementList& elements, ColorRef colour, Pick pick) {
  ColourScheme scheme = base.scheme;
  for (int code = layer::C1; code <= layer::O; ++code) scheme.setLayerColour(code, colour);
  RenderContext ctx{base.canvas, scheme, base.options, base.layers, base.elements, base.groundFill};
  const VisibleElements visible(ctx.canvas, elements);
  for (uint32_t i : visible)
    if (pick(elements[i]) && ctx.canvas.meets(visible.index->box(i))) DrawElement(ctx, elements[i]);
}

void photoDrills(Canvas& c, const ElementList& elements) {
  c.setRasterMode(RasterMode::Copy);
  c.setPixelPen(kBlack);
  c.setBrush(kWhite);
  const VisibleElements visible(c, elements);
  for (uint32_t i : visible) {
    const TObjekt& e = elements[i];
    if (e.Kind == ElementKind::Pad && isCopperLayer(e.Layer) && e.SizeB > 0 &&
        c.meets(visible.index->box(i)))
      c.ellipse({e.X, e.Y}, e.SizeB);
  }
}

}  // namespace

void DrawPhotoView(RenderContext& ctx, const ViewScene& scene) {
  const RenderOptions& o = ctx.options;
  const PhotoColours& pc = o.photoColours;
  const bool sideTwo = o.photoSide == 2;
  const uint8_t copper = sideTwo ? layer::C2 : layer::C1;
  const uint8_t otherCopper = sideTwo ? layer::C1 : layer::C2;
  const uint8_t silk = sideTwo ? layer::S2 : layer::S1;
  const uint8_t otherSilk = sideTwo ? layer::S1 : layer::S2;
  const bool plane = ctx.layers.groundPlane[copper] != 0;
  ctx.groundFill = plane ? pc.copperUnderMask : pc.board;
  FillBoard(ctx, scene.board, ctx.groundFill);
  if (plane) {
    LayerState seen = ctx.layers;
    seen.activeLayer = copper;
    std::swap(ctx.layers, seen);
    DrawClearancePass(ctx, scene.elements, copper);
    std::swap(ctx.layers, seen);
  }
  const ElementList& list = scene.elements;
  if (o.photoXray)
    photoStep(ctx, list, pc.xray, [&](const TObjekt& e) {
      return !e.KeepOut && (e.Layer == otherCopper || e.Layer == layer::I1 ||
                            e.Layer == layer::I2 || (o.photoWithSilk && e.Layer == otherSilk));
    });
  photoStep(ctx, list, pc.copperUnderMask,
            [&](const TObjekt& e) { return !e.KeepOut && isOnLayer(e, copper) && !e.SolderMask; });
  photoStep(ctx, list, kPhotoBareCopper,
            [&](const TObjekt& e) { return !e.KeepOut && isOnLayer(e, copper) && e.SolderMask; });
  if (o.photoWithSilk)
    photoStep(ctx, list, pc.silk, [&](const TObjekt& e) { return e.Layer == silk; });
  photoStep(ctx, list, kBlack, [&](const TObjekt& e) { return e.Layer == layer::O; });
  photoDrills(ctx.canvas, list);
}

}  // namespace trazello
