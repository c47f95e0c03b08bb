#pragma once

#include "Tool.h"

namespace trazello {

// The circle tool: press at the centre, drag the radius, release to add a full ring whose centre
// line runs at the dragged radius with the current track width. Radii of 5 units or less add
// nothing.
class CircleTool : public Tool {
 public:
  ToolCode code() const override { return ToolCode::Circle; }

  void press(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void move(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void release(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;

  // The outer and inner radius of the ring for radius r and track width w.
  static std::pair<float, float> ringRadii(float r, int32_t w);
};

}  // namespace trazello
