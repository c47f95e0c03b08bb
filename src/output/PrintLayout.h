#pragma once

#include <cstdint>

#include "model/Point.h"

namespace trazello {

// Where a layout point lands on the printable area of a page: paper = a * layout + b, in
// hundredths of a millimetre from the printable area's top-left corner, y downward.
struct PaperMap {
  double ax = 1, bx = 0;
  double ay = -1, by = 0;
  double x(double layoutX) const { return ax * layoutX + bx; }
  double y(double layoutY) const { return ay * layoutY + by; }
};

// What the printer says of its page, in millimetres: the sheet, the printable area and where
// the printable area begins on the sheet.
struct PageMetrics {
  double paperWidth = 210, paperHeight = 297;
  double printableWidth = 200, printableHeight = 287;
  double marginLeft = 5, marginTop = 5;
};

// The placement of the current board on the printed page: scale, the layout point at the
// printable area's top-left corner, copies side by side and down, mirror and the printer's
// calibration. The preview, the printout, the clipboard picture and the command-line tool all
// place the layout through it, so they agree to the hundredth of a millimetre.
class PrintLayout {
 public:
  static constexpr int kMinScalePosition = 2;
  static constexpr int kMaxScalePosition = 100;
  static constexpr int kDefaultScalePosition = 20;
  static constexpr double kMinCalibration = 0.8;
  static constexpr double kMaxCalibration = 1.2;
  static constexpr int kMaxCopies = 20;
  static constexpr int32_t kMaxSpacing = 5000;  // 50 mm

  int32_t boardWidth = 16000;
  int32_t boardHeight = 10000;
  // Layout units per hundredth of a millimetre of paper: 1 prints at true scale.
  double inverseScale = 1;
  // The layout point shown at the top-left corner of the printable area (before mirroring):
  // by default the board's top-left corner lies 1 mm right of and 1 mm below it.
  int32_t offsetX = -100;
  int32_t offsetY = 100;
  int copiesX = 1;
  int copiesY = 1;
  int32_t spacing = 0;
  bool mirrored = false;
  double calibrationX = 1;
  double calibrationY = 1;

  // The map of copy (column, row), both counted from 0. Copies run to the right and downward,
  // W + spacing apart across and H + spacing down. With `calibrated` the printer's correction
  // factors stretch the paper positions (the printout); without, they do not (the preview).
  PaperMap copyMap(int column, int row, bool calibrated) const;

  // The free scale of the scroll bar (2 to 100): s = 20 / position. The offsets follow the
  // scale so that the layout keeps its place on the paper. Positions outside are clamped.
  void setScalePosition(int position);
  // True scale; the offsets follow as above.
  void setOneToOne();
  // The percentage the scale label shows for a scroll-bar position: position x 5.
  static int scalePercent(int position) { return position * 5; }

  // A drag of the preview by (dx, dy) pixels; `unitsPerPixel` is hundredths of a millimetre
  // of paper per preview pixel. The layout follows the pointer.
  void drag(int dx, int dy, double unitsPerPixel);

  // Centres `printed` (a normalised box in layout units: top is its smallest y) with all its
  // copies on a printable area of the given size in whole millimetres.
  void centre(const IRect& printed, int printableWidthMm, int printableHeightMm);

  // The extent of the printed copies in hundredths of a millimetre of paper (uncalibrated):
  // left, top, right and bottom of the boards of all copies.
  struct Extent {
    double left, top, right, bottom;
  };
  Extent boardsOnPaper() const;

 private:
  void rescaleOffsets(double newInverseScale);
};

// The print preview's pixel geometry: the sheet as large as fits into the panel less 20
// pixels on each side, centred; the printable area inside it at the printer's margins.
struct PreviewGeometry {
  int sheetLeft = 0, sheetTop = 0, sheetWidth = 0, sheetHeight = 0;
  int areaLeft = 0, areaTop = 0, areaWidth = 0, areaHeight = 0;  // in panel pixels
  double pixelsPerMm = 0;
};
PreviewGeometry previewGeometry(int panelWidth, int panelHeight, const PageMetrics& page);

}  // namespace trazello
