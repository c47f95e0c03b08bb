#pragma once

#include "Outcome.h"
#include "ToolContext.h"

namespace trazello {

// The edit tool's dragging of a node handle: a vertex or segment midpoint of a track or zone
// (grid steps, alignment with the neighbours and element snap with Shift), or an arc end of a
// circle (15° steps, 1° with Ctrl). The preview shows the result while dragging; the release
// changes the element once, with one undo step, and only when the node ends elsewhere, so a
// midpoint released where it started leaves the element as it was.
class NodeDrag {
 public:
  static void start(ToolContext& ctx, size_t index, int handle);
  static void move(ToolContext& ctx, const ToolEvent& e, Outcome& out);
  static void release(ToolContext& ctx, Outcome& out);

  // The arc angle (whole degrees, 0 to 359) from centre c to p, in 15° steps unless `exact`.
  static int arcAngle(Point c, Point p, bool exact);

 private:
  static void moveVertex(ToolContext& ctx, const TObjekt& e, size_t index, const ToolEvent& ev,
                         Outcome& out);
  static void moveArcEnd(ToolContext& ctx, const TObjekt& e, const ToolEvent& ev, Outcome& out);
  // The neighbours of the dragged node: for a midpoint the segment's ends.
  static std::pair<std::optional<Point>, std::optional<Point>> neighbours(const TObjekt& e,
                                                                          int handle);
};

}  // namespace trazello
