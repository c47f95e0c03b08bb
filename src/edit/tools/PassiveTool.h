#pragma once

#include "Tool.h"

namespace trazello {

// A tool whose clicks belong to another part of the program (autoroute): the window hands its
// left clicks there; here a right click returns to the edit tool.
class PassiveTool : public Tool {
 public:
  explicit PassiveTool(ToolCode code) : code_(code) {}
  ToolCode code() const override { return code_; }

  void press(ToolContext&, const ToolEvent& e, Outcome& out) override {
    if (e.button == MouseButton::Right) out.nextTool = ToolChoice{ToolCode::Edit, false};
  }

 private:
  ToolCode code_;
};

}  // namespace trazello
