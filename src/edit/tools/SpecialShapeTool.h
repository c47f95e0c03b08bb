#pragma once

#include "Tool.h"

namespace trazello {

// The special-shape tool: the polygon and spiral window gives a polygon or a spiral, which follows
// the snapped pointer and is added at every left click; the tool stays until a right click.
// Cancel in the window returns to the edit tool.
class SpecialShapeTool : public Tool {
 public:
  ToolCode code() const override { return ToolCode::SpecialShape; }

  void enter(ToolContext& ctx, Outcome& out) override;
  void press(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void move(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
};

}  // namespace trazello
