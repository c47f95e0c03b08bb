#pragma once

#include <QImage>
#include <cstdint>

#include "ColourScheme.h"
#include "RenderOptions.h"
#include "ScannedCopy.h"
#include "ViewMapping.h"
#include "model/BoardSettings.h"
#include "model/ElementList.h"

namespace trazello {

// The whole board as the drawing area shows it at `zoom` (pixels per unit): an image as large
// as the drawing area, round(size x zoom + 1) pixels. The photo view from side 2 is mirrored.
QImage renderBoard(const BoardSettings& board, const ElementList& elements,
                   const ColourScheme& scheme, const RenderOptions& options, double zoom,
                   const ScannedCopies* scans = nullptr);

// Paints the view of `mapping` into an existing RGB32 image (the drawing area scrolled to some
// position); the image's surroundings of the board keep the scheme background.
void renderView(QImage& target, const BoardSettings& board, const ElementList& elements,
                const ColourScheme& scheme, const RenderOptions& options,
                const ViewMapping& mapping, const ScannedCopies* scans = nullptr);

// One layer alone, as its manufacturing files describe it: every element on the layer (plated
// pads on every copper layer) in `foreground` on `background`; with the board's ground plane on
// for the layer, the free area filled and the clearances and thermal spokes cut out.
struct LayerPictureOptions {
  double dpi = 1000;
  ColorRef foreground = rgb(0, 0, 0);
  ColorRef background = rgb(255, 255, 255);
  bool groundPlane = true;  // follow the board's ground-plane switch of the layer
  bool drillHoles = false;  // punch the pads' holes in the background colour
};
QImage renderLayerPicture(const BoardSettings& board, const ElementList& elements,
                          uint8_t layerCode, const LayerPictureOptions& options);

}  // namespace trazello
