#pragma once

#include "Tool.h"

namespace trazello {

// Paste placement (entered by paste and duplicate): the clipboard follows the pointer, its
// centre on the grid, and a left click copies it into the board, selected and with group
// numbers of its own; then the edit tool comes back.
class PasteTool : public Tool {
 public:
  ToolCode code() const override { return ToolCode::PastePlacement; }

  void press(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void move(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;

 private:
  void takeStart(ToolContext& ctx);
  Point offsetFor(ToolContext& ctx, const ToolEvent& e);
};

}  // namespace trazello
