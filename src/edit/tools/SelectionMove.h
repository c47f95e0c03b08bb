#pragma once

#include "Outcome.h"
#include "ToolContext.h"

namespace trazello {

// The edit tool's moving of the selection: the offset follows the pointer in whole grid steps
// (exactly with Ctrl), snaps with Shift, and stops where the selection would leave the board.
// Pointer moves cost the size of the selection, not of the board; the release moves the
// elements with one undo step.
class SelectionMove {
 public:
  static void start(ToolContext& ctx, Point from);
  static void move(ToolContext& ctx, const ToolEvent& e, Outcome& out);
  static void release(ToolContext& ctx, Outcome& out);

  // `offset` limited so that `box` moved by it stays on a board of width w and height h (a
  // selection already outside may move back but not further out).
  static Point clampToBoard(Point offset, const IRect& box, int32_t w, int32_t h);

 private:
  // False (and the move dropped) when the list changed since the press.
  static bool stillValid(ToolContext& ctx);
};

}  // namespace trazello
