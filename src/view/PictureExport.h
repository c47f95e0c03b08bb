#pragma once

#include <QByteArray>
#include <QImage>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ColourScheme.h"
#include "RenderOptions.h"
#include "ScannedCopy.h"
#include "model/BoardSettings.h"
#include "model/ElementList.h"
#include "model/Message.h"
#include "output/JpegFile.h"
#include "output/TExportDlg.h"

namespace trazello {

// What a picture of a board is drawn from: the board, its elements, the loaded scans, the
// colours and the switches the screen draws with. Pictures never show the grid, nor the
// selection's highlight and handles: selected elements are drawn as if they were not.
struct PictureSource {
  const BoardSettings& board;
  const ElementList& elements;
  const ScannedCopies* scans = nullptr;
  const ColourScheme& scheme;
  RenderOptions options;
};

// The whole board as the drawing area shows it, in pixelsAt(width, dpi) x pixelsAt(height, dpi)
// pixels; the photo view from side 2 is mirrored as on screen.
QImage rasterPicture(const PictureSource& source, int dpi);

// Encodes and writes a raster picture: a bitmap in colour or black and white (the board's
// empty colour white, all else black), a GIF, or a JPEG at the best quality the encoder
// manages. A message when it failed; the file is then left as it was.
using JpegEncode = std::function<std::optional<std::vector<uint8_t>>(const PixelView&, int quality, int dpi)>;
std::optional<Message> writeRasterPicture(const QImage& picture, RasterKind kind, bool monochrome,
                                          int dpi, ColorRef paper, const std::string& path,
                                          const JpegEncode& jpeg = encodeJpeg);

// The vector picture at `zoom` pixels per unit: the whole board (background, ground-plane
// clearances, scan, the layers), or only the selected elements on no background. Always the
// normal view, never the photo view.
std::vector<uint8_t> boardMetafile(const PictureSource& source, double zoom, bool selectionOnly);
QByteArray boardSvg(const PictureSource& source, double zoom, bool selectionOnly);

// Writes bytes through the atomic writer; a message naming the file when it failed.
std::optional<Message> writePictureFile(const std::string& path, const void* data, size_t size);

// The image's pixels as the writers read them (the image must be 32-bit RGB).
PixelView pixelsOf(const QImage& image);

}  // namespace trazello
