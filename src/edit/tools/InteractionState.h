#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "ToolCode.h"
#include "ToolHost.h"
#include "model/ElementId.h"
#include "model/Point.h"
#include "model/TObjekt.h"

namespace trazello {

// The pointer interaction in progress, shared by all tools and owned by the dispatcher. The bend
// mode, the Space key's state and the text tool's window values survive tool changes; the rest
// is reset whenever a tool is chosen.
struct InteractionState {
  bool drawing = false;  // an element, a frame, a measurement or a zoom range is in progress
  Point start{};         // S
  Point current{};       // P
  Point bend{};          // B
  int bendMode = 0;      // 0 to 4
  ElementId drawn;       // the track or zone being drawn

  // Moving the selection: the pointer at the press, the committed offset of the last preview,
  // the selection's box at the press and what is moved.
  bool moving = false;
  bool ignoreFirstMove = false;
  Point moveFrom{};
  Point offset{};
  IRect selectionBox{};
  std::vector<size_t> moved;       // indices of the selected elements
  std::vector<Point> movedPoints;  // their snap points, for the move snap (taken on demand)
  bool movedPointsTaken = false;
  uint64_t movedRevision = 0;  // the list's revision the indices belong to

  // Dragging a node handle of a track, zone or circle. The document changes once, at the
  // release, and only when the node ends elsewhere.
  bool nodeDrag = false;
  ElementId nodeElement;
  int node = -1;             // vertex index, kVirtualNode + segment, or circle end 0/1
  bool nodePending = false;  // no real movement yet
  Point nodeOrigin{};        // where the node (or the segment midpoint) was at the press
  Point nodeAt{};            // where it is now
  int startAngle = 0;        // circle ends at the press, then as dragged
  int endAngle = 0;

  // Snap state of the last move.
  bool elementSnapped = false;
  std::vector<Point> snapMarkers;

  // Space held: the tool to return to.
  bool spaceHeld = false;
  std::optional<ToolChoice> spaceReturn;

  // The connect tool: the pad a connection is drawn from (drawing is set meanwhile).
  ElementId firstPad;
  // The autoroute tool: what the pointer highlights (0 nothing, 1 a rubberband, 2 a routed
  // track).
  int routeHover = 0;
  // Paste placement: the clipboard's snapped centre was taken.
  bool pasteStarted = false;

  // The text tool: the window's values, the next automatic number and the text that follows
  // the pointer until it is placed.
  TextWindowValues textValues;
  int textNumber = 1;
  std::optional<TObjekt> pendingText;

  // The special-shape tool: the shape the window gave, which follows the pointer.
  std::optional<PolygonSpiralValues> shape;
};

}  // namespace trazello
