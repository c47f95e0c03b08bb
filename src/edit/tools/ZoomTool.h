#pragma once

#include "Tool.h"

namespace trazello {

// The zoom tool (also the photo view): a left click zooms in, a right click zooms out, a left
// drag zooms to the range framed. The viewport belongs to the window, so the tool only asks.
class ZoomTool : public Tool {
 public:
  ToolCode code() const override { return ToolCode::Zoom; }

  void press(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void move(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void release(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
};

}  // namespace trazello
