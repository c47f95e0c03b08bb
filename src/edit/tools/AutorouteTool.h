#pragma once

#include "Tool.h"

namespace trazello {

// The autoroute tool: the rubberband under the pointer is highlighted by selecting its two
// pads, or else an autorouted track under it by selecting the track; a click routes the
// highlighted connection or turns the highlighted track back into its connection. Each route
// or unroute is one undo step; a right click returns to the edit tool.
class AutorouteTool : public Tool {
 public:
  ToolCode code() const override { return ToolCode::Autoroute; }

  void enter(ToolContext& ctx, Outcome& out) override;
  void leave(ToolContext& ctx, Outcome& out) override;
  void press(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void move(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;

 private:
  void route(ToolContext& ctx, Outcome& out) const;
  void unroute(ToolContext& ctx, Outcome& out) const;
};

}  // namespace trazello
