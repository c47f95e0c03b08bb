#pragma once

#include <optional>
#include <string>
#include <vector>

#include "edit/Change.h"
#include "edit/UndoHistory.h"
#include "model/Document.h"

namespace trazello {

// The fields of the properties panel, each the value of one element (or board) property as the
// panel shows it: lengths in millimetres, positions relative to the user origin with y growing
// downward, angles in whole degrees, flags as 0 or 1.
enum class Property {
  CentreX,  // pad, SMD pad, circle
  CentreY,
  PadOuter,  // diameters
  PadDrill,
  SmdSizeX,      // first edge
  SmdSizeY,      // second edge
  Thermal,       // pad, SMD pad
  SpokeWidth,    // percent, 50 to 300
  SpokeButtons,  // bit k-1 for button k, clockwise from up as seen on the board
  Width,         // track, zone outline, circle ring
  Hatched,       // zone
  HatchAsOutline,
  HatchPitch,
  Text,  // text: Windows-1252 bytes
  TextHeight,
  TextThickness,  // 0 thin, 1 normal, 2 bold
  TextWidth,      // 0 narrow, 1 normal, 2 wide
  MirrorH,
  MirrorV,
  Angle,
  Diameter,  // circle: of the ring's centre line
  StartAngle,
  StopAngle,
  Filled,
  KeepOut,  // track, zone, text, circle
  BoardWidth,
  BoardHeight,
  BoardName,  // Windows-1252 bytes
  Multilayer,
};

struct PropertyValue {
  double number = 0;
  std::string text;
};

// One edit of a panel field: the undo step is recorded before its first change, and an edit
// that lasts from entering a field to leaving it (a number typed digit by digit) stays one step.
struct PropertyEdit {
  bool recorded = false;
};

// Options of the settings that an edit follows.
struct PropertyOptions {
  bool limitTextHeight = false;  // texts stay readable: thin ones at least 2.5 mm, ...
};

// What the panel shows for `e` in field `p`.
PropertyValue propertyOf(const TObjekt& e, Property p, const BoardSettings& s);
PropertyValue boardPropertyOf(const Document& doc, Property p);

// Sets one property of the element `id` of the current board: nothing when the value is the
// one it has; otherwise one undo step per edit, the element changed and its old and new areas
// in the change. Pads keep a drill no larger than the outer diameter (the outer one is raised),
// thermal pads a clearance of at least 0.2 mm, texts their strokes in step with the string.
Change applyProperty(Document& doc, const UndoHistory& undo, PropertyEdit& edit, ElementId id,
                     Property p, const PropertyValue& v, const PropertyOptions& options = {});

// Sets one board property (size, name, inner layers). Not undoable, as board settings are not
// part of the history; marks the document modified. A size outside the allowed range is refused
// with the message.
Change applyBoardProperty(Document& doc, Property p, const PropertyValue& v);

// The keep-out box of tracks, zones, texts and circles and the thermal box of pads and SMD pads
// are offered only while the element lies on a copper layer, the ground plane of the active
// layer is on and the element is shown on the active layer.
bool groundPlaneBoxesEnabled(const TObjekt& e, const BoardSettings& s);

// The sum of a track's segment lengths in units; `rubber` continues it from its last vertex
// while it is being drawn.
double trackLength(const TObjekt& track, const std::vector<Point>& rubber = {});
// The current a track carries, in ampere, for a width and copper thickness in millimetres and
// a permitted temperature rise in kelvin.
double currentCapacity(double widthMm, double thicknessMm, double riseKelvin);
// The drawn width of a pad's or SMD pad's thermal spokes, in millimetres (hundredths).
double spokeWidthMm(const TObjekt& pad);

// How many elements of each kind are selected.
struct SelectionCounts {
  int pads = 0, smdPads = 0, tracks = 0, zones = 0, texts = 0, circles = 0;
  int total = 0;
};
SelectionCounts countSelection(const ElementList& list);
// The one selected element, when exactly one is selected.
std::optional<size_t> singleSelected(const ElementList& list);

}  // namespace trazello
