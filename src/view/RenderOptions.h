#pragma once

#include <cstdint>
#include <optional>

#include "ColourScheme.h"

namespace trazello {

// The four colours of the photo view; the settings file may change them.
struct PhotoColours {
  ColorRef board = rgb(22, 117, 22);
  ColorRef copperUnderMask = rgb(0, 190, 0);
  ColorRef silk = rgb(220, 220, 220);
  ColorRef xray = rgb(0, 100, 0);
};

inline constexpr ColorRef kPhotoBareCopper = rgb(220, 170, 20);

// The switches that steer every drawing routine. Each belongs to the part of the program named
// in the comment; the renderer only reads them.
struct RenderOptions {
  bool transparent = false;     // toolbar: combine copper and silk with what is drawn
  bool solderMaskView = false;  // solder-mask tool: openings are drawn white
  bool maskMode = false;        // layer masks: copper white, clearances black, no decoration
  std::optional<ColorRef> singleColour;  // printing: every element in one colour

  // Printing: pads grow by padGrowth, SMD pads by smdGrowth on every side, tracks, zone
  // outlines and circle rings by twice trackGrowth.
  int32_t padGrowth = 0;
  int32_t smdGrowth = 0;
  int32_t trackGrowth = 0;

  bool showVirtualNodes = false;    // settings: midpoint handles on tracks and zones
  bool whiteDrillHoles = false;     // settings: holes white instead of the background colour
  bool darkerGroundPlane = false;   // settings: the ground-plane fill darkened by 80
  bool connectionTestTool = false;  // no node handles while the connection test runs
  bool routingToolActive = false;   // track or autorouter tool: selected connections magenta
  bool showConnections = true;

  // Photo view.
  bool photoView = false;
  int photoSide = 1;  // 1 seen from side 1, 2 from side 2 (mirrored)
  bool photoXray = false;
  bool photoWithSilk = true;
  PhotoColours photoColours;

  // Grid (drawn by PaintView when shown).
  bool showGrid = false;
  int gridMarks = 0;  // 0, 2, 4, 5 or 10
  bool showTemplates = true;

  // Pictures: drawn in this many bands of rows at once, one thread each; 0 lets the size of
  // the picture and the number of processors decide. Every band count gives the same pixels.
  int bands = 0;
};

}  // namespace trazello
