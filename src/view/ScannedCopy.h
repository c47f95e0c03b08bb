#pragma once

#include <QImage>
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "RenderContext.h"
#include "model/BoardSettings.h"
#include "model/Result.h"

namespace trazello {

// The bitmaps of the two sides (index 0 side 1, index 1 side 2) shown beneath the elements.
using ScannedCopies = std::array<QImage, 2>;

struct LoadedScan {
  QImage image;
  int dpi = 0;  // from the file header; 0 when the file has none
};

inline constexpr int kMinScanDpi = 20;
inline constexpr int kMaxScanDpi = 2400;
inline constexpr int32_t kMinScanOffset = -3000;  // tenths of a millimetre
inline constexpr int32_t kMaxScanOffset = 3000;

// Loads a BMP file; the message names the file when it is missing or not a readable bitmap.
Result<LoadedScan> loadScannedCopy(const std::string& path);
// The same for the bytes of a file named `path`.
Result<LoadedScan> decodeScannedCopy(std::span<const uint8_t> bytes, const std::string& path);

// The horizontal resolution in dots per inch stored in a BMP header, 0 when there is none.
int bmpResolution(std::span<const uint8_t> fileStart);

// The side whose scan is shown for an active layer: 0 for C1 and S1, 1 for C2 and S2, -1 else.
int scanSide(int activeLayer);

// The world rectangle a scan of w x h pixels at `dpi` covers, moved by the offsets in tenths of
// a millimetre (a positive y offset moves it down). The resolution is kept within 20 to 2400 and
// the offsets within -3000 to 3000.
IRect scanRect(int w, int h, int dpi, int32_t offsetX, int32_t offsetY);

// Draws the scan of the active side stretched into its rectangle: a two-colour bitmap in the
// side's colour on the scheme background, any other in its own colours.
// The colours a two-colour scan is drawn with: its dark pixels in `ink`, its light ones in
// `paper`, in the order of the image's own palette.
QList<QRgb> scanColourTable(const QList<QRgb>& palette, QRgb ink, QRgb paper);

// A one-bit picture, or one of two palette entries: drawn in a layer colour on a background.
bool isTwoColourScan(const QImage& img);

void DrawScannedCopy(RenderContext& ctx, const BoardSettings& board, const ScannedCopies& scans);

}  // namespace trazello
