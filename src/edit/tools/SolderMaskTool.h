#pragma once

#include "Tool.h"

namespace trazello {

// The solder-mask tool: the copper element of side 1 or 2 under the pointer is highlighted, and
// a left click adds it to the solder mask or takes it out.
class SolderMaskTool : public Tool {
 public:
  ToolCode code() const override { return ToolCode::SolderMask; }

  void press(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void move(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;

 private:
  std::optional<size_t> target(ToolContext& ctx, Point p) const;
};

}  // namespace trazello
