#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <array>
#include <cstdint>

#include "ColourScheme.h"
#include "ScannedCopy.h"
#include "model/BoardSettings.h"
#include "model/ElementList.h"
#include "output/PrintLayout.h"

namespace trazello {

// What a print shows of the board: the layers and their colours, the marks around the board,
// the solder masks with their enlargements and the drill plan.
struct PrintContent {
  std::array<bool, 8> layers{false, true, true, true, true, true, true, true};  // by layer code
  std::array<ColorRef, 8> colours{0,          0,          255,        0,
                                  255,        8421376,    8388736,    65280};
  bool mirrored = false;
  bool negative = false;
  bool crosses = false;
  bool frame = false;
  bool templates = false;
  bool mask1 = false, mask2 = false, drillPlan = false;
  ColorRef mask1Colour = 0, mask2Colour = 0, drillPlanColour = 0;
  bool maskPads = true, maskSmdPads = true, maskOthers = true;
  int32_t padGrowth = 30;    // solder-mask enlargement of pads, units
  int32_t smdGrowth = 10;    // of SMD pads
  int32_t otherGrowth = 1;   // of every other element
  int32_t drillTextHeight = 100;
  bool mil = false;  // drill diameters of the plan in mil
};

// The board a print is made of.
struct PrintScene {
  const BoardSettings& board;
  const ElementList& elements;
  const ScannedCopies* scans = nullptr;
};

// The colour the board is filled with before the layers: the colour of the first printed
// copper layer (C1, C2, I1, I2) whose ground plane differs from the negative setting; else of
// the first printed copper layer; black when no copper layer is printed.
ColorRef printFillColour(const PrintScene& scene, const PrintContent& content);

// The sheet content of one copy: board fill, templates, corner crosses, frame, the layers,
// their drill holes, the solder masks and the drill plan. `worldToPixels` maps layout units to
// the painter's device pixels; `surface` is the device size (for skipping what lies outside).
void DrawPrintCopy(QPainter& painter, const QTransform& worldToPixels, QSize surface,
                   const PrintScene& scene, const PrintContent& content);

// Every copy of a layout on a page whose printable area starts at `areaTopLeft` (device
// pixels) and has `pixelsPerUnitX/Y` device pixels per hundredth of a millimetre.
void DrawPrintCopies(QPainter& painter, const PrintLayout& layout, bool calibrated,
                     QPointF areaTopLeft, double pixelsPerUnitX, double pixelsPerUnitY,
                     QSize surface, const PrintScene& scene, const PrintContent& content);

// The transform of one copy: layout units to device pixels.
QTransform printCopyTransform(const PaperMap& map, QPointF areaTopLeft, double pixelsPerUnitX,
                              double pixelsPerUnitY);

// The information line at the bottom of `area` (device pixels): a framed strip 1/60 of the
// area high with the layout's name at the left and the date and time at the right.
void DrawInfoLine(QPainter& painter, const QRect& area, const QString& info,
                  const QString& dateTime);

// The text of a drill diameter in the plan: millimetres with two decimals, or mil with one,
// with `decimalPoint` as separator; at most 10 characters.
QString drillPlanText(int32_t drillRadius, bool mil, QChar decimalPoint);

// The board at 300 dpi as the sheet content draws it (the first copy), on white.
QImage printClipboardPicture(const PrintScene& scene, const PrintContent& content);

}  // namespace trazello
