#pragma once

#include "RenderContext.h"
#include "ScannedCopy.h"
#include "model/BoardSettings.h"
#include "model/ElementList.h"

namespace trazello {

// What the screen shows of one board: its settings (size, layers, grid, origin, scans), its
// elements and the loaded scans, if any.
struct ViewScene {
  const BoardSettings& board;
  const ElementList& elements;
  const ScannedCopies* scans = nullptr;
};

// The complete picture of the drawing area: background or ground plane, scan, clearances and
// spokes, grid, the layers in the order of the active layer, the selection on top, drill holes,
// handles and connections; or the photo view. ctx.layers must be the board's layer state.
void PaintView(RenderContext& ctx, const ViewScene& scene);

// The layers in drawing order, the selection on top, drill holes, handles and connections. With
// onlyMarked, only elements whose Mark is set are drawn.
void DrawLayerStack(RenderContext& ctx, const ElementList& elements, bool onlyMarked);

// The macro library's preview: every layer, pads after the other elements of each layer, then
// the drill holes; the other side on top when sideSwapped.
void DrawMacroPreview(RenderContext& ctx, const ElementList& elements, bool sideSwapped);

// The photo view: the board as manufactured, seen from side 1 or (mirrored by the mapping) 2.
void DrawPhotoView(RenderContext& ctx, const ViewScene& scene);

// The background of the board and the ground-plane colour that goes with it.
void FillBoard(RenderContext& ctx, const BoardSettings& board, ColorRef colour);

// The clearances and thermal spokes of every element on `copperLayer`.
void DrawClearancePass(RenderContext& ctx, const ElementList& elements, int copperLayer);

}  // namespace trazello
