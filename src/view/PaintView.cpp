#include "PaintView.h"

#include <array>
#include <cmath>
#include <vector>

#include "ClearancePainter.h"
#include "Decorations.h"
#include "ElementPainter.h"
#include "GridPainter.h"
#include "LayerColours.h"
#include "VisibleElements.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/Layer.h"

namespace trazello {

namespace {

bool wanted(const TObjekt& e, bool onlyMarked) {
  return !onlyMarked || e.Mark;
}

// The visible elements a layer draws, sorted out in one pass: per layer code its shapes, then
// the pads on it (plated pads on every copper layer), each in list order. Selected elements
// are drawn last, over all layers.
struct LayerLists {
  std::array<std::vector<uint32_t>, layer::kCount + 1> shapes, pads;
};

LayerLists sortedByLayer(const ElementList& elements, const VisibleElements& visible,
                         bool onlyMarked) {
  LayerLists lists;
  for (uint32_t i : visible) {
    const TObjekt& e = elements[i];
    if (e.Selected || !wanted(e, onlyMarked)) continue;
    if (e.Kind != ElementKind::Pad) {
      if (e.Layer >= 1 && e.Layer <= layer::kCount) lists.shapes[e.Layer].push_back(i);
      continue;
    }
    for (uint8_t code = 1; code <= layer::kCount; ++code)
      if (isOnLayer(e, code)) lists.pads[code].push_back(i);
  }
  return lists;
}

void drawLayer(RenderContext& ctx, const ElementList& elements, const VisibleElements& visible,
               const LayerLists& lists, uint8_t code) {
  const Canvas& c = ctx.canvas;
  for (const auto* list : {&lists.shapes[code], &lists.pads[code]}) {
    for (uint32_t i : *list) {
      const TObjekt& e = elements[i];
      if (isDrawn(e, ctx.layers) && c.meets(visible.index->box(i))) DrawElement(ctx, e);
    }
  }
}

bool hasHandles(const TObjekt& e) {
  return e.Selected && e.Groups.empty() &&
         (e.Kind == ElementKind::Track || e.Kind == ElementKind::Zone ||
          e.Kind == ElementKind::Circle);
}

}  // namespace

void FillBoard(RenderContext& ctx, const BoardSettings& board, ColorRef colour) {
  const float e = static_cast<float>(std::max(1, roundInt(2 / ctx.canvas.scale())));
  const RasterMode saved = ctx.canvas.rasterMode();
  ctx.canvas.setRasterMode(RasterMode::Copy);
  ctx.canvas.fillRect({0, 0}, {float(board.width) + e, -float(board.height) - e}, colour);
  ctx.canvas.setRasterMode(saved);
}

void DrawClearancePass(RenderContext& ctx, const ElementList& elements, int copperLayer) {
  const Canvas& c = ctx.canvas;
  // A thermal relief widens a pad's box; the candidates are found with the widest.
  const VisibleElements visible(c, elements, boxIndexOf(elements)->thermalReach());
  for (uint32_t i : visible) {
    const TObjekt& e = elements[i];
    if (isOnLayer(e, copperLayer) && c.meets(boundingBox(e, &ctx.layers)))
      DrawElementClearance(ctx, e);
  }
  for (uint32_t i : visible) {
    const TObjekt& e = elements[i];
    if (e.isPadLike() && e.Thermal() && isOnLayer(e, copperLayer) &&
        showsThermalRelief(e, ctx.layers) && c.meets(boundingBox(e, &ctx.layers)))
      DrawThermalSpokes(ctx, e);
  }
}

void DrawLayerStack(RenderContext& ctx, const ElementList& elements, bool onlyMarked) {
  const VisibleElements visible(ctx.canvas, elements);
  const LayerLists lists = sortedByLayer(elements, visible, onlyMarked);
  for (uint8_t code : layerOrder(ctx.layers.activeLayer))
    if (ctx.layers.visible[code]) drawLayer(ctx, elements, visible, lists, code);
  for (uint32_t i : visible) {
    const TObjekt& e = elements[i];
    if (e.Selected && wanted(e, onlyMarked) && isDrawn(e, ctx.layers) &&
        ctx.canvas.meets(visible.index->box(i)))
      DrawElement(ctx, e);
  }
  if (ctx.options.maskMode) return;
  DrawDrillHoles(ctx, elements);
  // Handles stick out of their element's box, and only selected elements have them.
  for (const TObjekt& e : elements)
    if (hasHandles(e) && wanted(e, onlyMarked) && isDrawn(e, ctx.layers)) DrawNodeHandles(ctx, e);
  if (!ctx.options.showConnections) return;
  ctx.canvas.setRasterMode(RasterMode::Copy);
  // The lines join the pads as ctx.elements has them; the index knows `elements`.
  if (ctx.elements != &elements) {
    for (const TObjekt& e : elements)
      if (wanted(e, onlyMarked)) DrawConnections(ctx, e);
    return;
  }
  for (uint32_t i : padsWithVisibleConnections(ctx.canvas, elements))
    if (wanted(elements[i], onlyMarked)) DrawConnections(ctx, elements[i]);
}

void PaintView(RenderContext& ctx, const ViewScene& scene) {
  ctx.canvas.setRasterMode(RasterMode::Copy);
  if (ctx.options.photoView) {
    DrawPhotoView(ctx, scene);
    return;
  }
  const int active = ctx.layers.activeLayer;
  const bool plane = isCopperLayer(active) && ctx.layers.groundPlane[static_cast<size_t>(active)];
  ColorRef fill = boardFillColour(ctx);
  if (ctx.options.maskMode) fill = plane ? kWhite : kBlack;
  ctx.groundFill = ctx.options.maskMode ? kWhite : fill;
  FillBoard(ctx, scene.board, fill);
  if (scene.scans && ctx.options.showTemplates) DrawScannedCopy(ctx, scene.board, *scene.scans);
  if (plane) DrawClearancePass(ctx, scene.elements, active);
  if (ctx.options.showGrid && !ctx.options.maskMode) DrawGrid(ctx, scene.board);
  ctx.canvas.setRasterMode(RasterMode::Copy);
  DrawLayerStack(ctx, scene.elements, false);
}

void DrawMacroPreview(RenderContext& ctx, const ElementList& elements, bool sideSwapped) {
  using namespace layer;
  std::array<uint8_t, 7> order{I1, I2, C2, C1, S2, S1, O};
  if (sideSwapped) order = {I1, I2, C1, C2, S1, S2, O};
  ctx.canvas.setRasterMode(RasterMode::Copy);
  for (uint8_t code : order) {
    for (const TObjekt& e : elements)
      if (e.Layer == code && e.Kind != ElementKind::Pad) DrawElement(ctx, e);
    for (const TObjekt& e : elements)
      if (e.Kind == ElementKind::Pad && isOnLayer(e, code)) DrawElement(ctx, e);
  }
  LayerState all = ctx.layers;
  all.visible = {0, 1, 1, 1, 1, 1, 1, 1};
  std::swap(ctx.layers, all);
  DrawDrillHoles(ctx, elements);
  std::swap(ctx.layers, all);
}

}  // namespace trazello
