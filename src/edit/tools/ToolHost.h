#pragma once

#include <optional>
#include <string>

#include "edit/PolygonSpiral.h"
#include "edit/SizeFields.h"
#include "edit/UndoHistory.h"
#include "model/Document.h"
#include "model/LayerPredicates.h"
#include "model/Point.h"

namespace trazello {

// The values of the text window: for the text tool and for editing a Text by double click.
struct TextWindowValues {
  std::string text;       // Windows-1252 bytes, at most 50 characters
  double heightMm = 5.0;  // 0.1 to 50
  int thickness = 1;      // 0 thin, 1 normal, 2 bold
  int widthCode = 1;      // 0 narrow, 1 normal, 2 wide
  bool mirrorH = false;
  bool mirrorV = false;
  int angle = 0;           // 0 to 359
  bool addNumber = false;  // "Add number"
  int startNumber = 1;     // "Start at:", up to 9999
};

// The values of the window for texts of old files.
struct LegacyTextValues {
  std::string text;       // Windows-1252 bytes, at most 15 characters
  double heightMm = 1.0;  // 1 to 99.9
  int angle = 0;          // 0, 90, 180 or 270
};

// The autorouter's track width and clearance in units, as its window holds them.
struct RouteSizes {
  int32_t width = 40;
  int32_t clearance = 20;
};

// Program-wide switches the tools read.
struct ToolOptions {
  bool autoMirror = false;         // settings key AutoSpiegeln
  bool limitTextHeight = false;    // settings key SchrifthoeheBegrenzen
  bool keepOutButtonDown = false;  // SB_Sperrflaeche: new zones are keep-out zones
  bool showVirtualNodes = true;    // segment midpoints of selected tracks and zones are handles
  bool millimetres = true;         // the length unit (else mil)
  int language = 1;                // 0 Russian, 1 English, 2 French
};

// What a tool may ask of the window: the document and its undo history, the current sizes, the
// scale, program options and modal answers. No toolkit types cross it, so tests drive the tools
// through a fake host. The grid, origin, active layer and visibility are read from the working
// settings of the document.
class ToolHost {
 public:
  virtual ~ToolHost() = default;

  virtual Document& document() = 0;
  virtual UndoHistory& undoHistory() = 0;
  virtual SizeFields& sizeFields() = 0;
  // Pixels per unit of the drawing area; hit tolerances and marker sizes are a few pixels.
  virtual double zoom() const = 0;
  virtual ToolOptions options() const = 0;

  // The text window, shown modally with `initial`; none on Cancel.
  virtual std::optional<TextWindowValues> askText(const TextWindowValues& initial) = 0;
  // The window for texts of old files; none on Cancel.
  virtual std::optional<LegacyTextValues> askLegacyText(const LegacyTextValues& initial) = 0;
  // The polygon and spiral window, shown modally with the values it kept; none on Cancel.
  virtual std::optional<PolygonSpiralValues> askPolygonSpiral() { return std::nullopt; }
  // Logical pixels per inch of the screen, which old texts' font heights refer to.
  virtual double screenPixelsPerInch() const { return 96; }
  // The extent (width, height) in units of `text` in bold "Arial" of font height `fontHeight`
  // (negative: character height), as old texts measure it.
  virtual Point legacyTextExtent(const std::string& text, int32_t fontHeight) const = 0;

  // The autorouter's sizes; a route in progress shows its status (UTF-8) and the area it
  // searches now (units; none: nothing shown) before it goes on.
  virtual RouteSizes routeSizes() const { return {}; }
  virtual void routeProgress(const std::string& /*status*/,
                             const std::optional<IRect>& /*searched*/) {}

  // Derived from the document.
  double grid();
  IPoint originMilli();
  LayerState layers();
  uint8_t activeLayer();
};

}  // namespace trazello
