#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "ToolCode.h"
#include "model/ElementId.h"
#include "model/Point.h"

namespace trazello {

// The pointer interaction in progress, shared by all tools and owned by the dispatcher. Bend
// mode survives tool changes; everything else is reset when a tool is chosen.
struct InteractionState {
  bool drawing = false;  // an element, a frame, a measurement or a zoom range is in progress
  Point start{};         // S
  Point current{};       // P
  Point bend{};          // B
  int bendMode = 0;      // 0 to 4

  // Moving the selection: the pointer at the press, the committed offset of the last preview,
  // the selection's box at the press and what is moved.
  bool moving = false;
  bool ignoreFirstMove = false;
  Point moveFrom{};
  Point offset{};
  IRect selectionBox{};
  std::vector<size_t> moved;       // indices of the selected elements
  std::vector<Point> movedPoints;  // their snap points, for the move snap

  // Dragging a node handle of a track, zone or circle.
  bool nodeDrag = false;
  ElementId nodeElement;
  int node = -1;                 // vertex index, kVirtualNode + segment, or circle end 0/1
  bool nodePending = false;      // no real movement yet
  bool nodeInserted = false;     // a virtual midpoint became a real vertex
  bool nodeStepRecorded = false; // the undo step of this drag was taken
  Point nodeOrigin{};            // where the node (or the segment midpoint) was at the press
  int startAngle = 0;            // circle ends at the press
  int endAngle = 0;

  // The element the edit tool's pointer is over (for the name tip), the solder-mask tool's
  // highlighted element.
  std::optional<size_t> hovered;
  std::optional<size_t> maskHover;

  // Snap state of the last move.
  bool elementSnapped = false;
  std::vector<Point> snapMarkers;

  bool ignoreNextPress = false;  // set by a double click

  // Space held: the tool to return to.
  bool spaceHeld = false;
  std::optional<ToolChoice> spaceReturn;

  // The text being placed by the text tool (index of the unplaced element) and its number.
  std::optional<size_t> pendingText;
  int textNumber = 1;
};

}  // namespace trazello
