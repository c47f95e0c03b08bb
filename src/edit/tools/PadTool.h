#pragma once

#include "Tool.h"

namespace trazello {

// The pad tool and the SMD pad tool: the pad with the current sizes follows the snapped pointer
// and every left click places one; the right click returns to the edit tool.
class PadTool : public Tool {
 public:
  explicit PadTool(ToolCode code) : code_(code) {}
  ToolCode code() const override { return code_; }

  void press(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void move(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;

 private:
  // The snapped position and whether it snapped onto an element.
  Point position(ToolContext& ctx, const ToolEvent& e, bool& snapped) const;
  TObjekt padAt(ToolContext& ctx, Point p) const;

  ToolCode code_;
};

}  // namespace trazello
