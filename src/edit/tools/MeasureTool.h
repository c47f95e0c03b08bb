#pragma once

#include <array>
#include <string>

#include "Tool.h"

namespace trazello {

// The measure tool: press at the start, drag, and the line with the measure box shows the
// distance; the release erases both.
class MeasureTool : public Tool {
 public:
  ToolCode code() const override { return ToolCode::Measure; }

  void press(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void move(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void release(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;

  // The box's values for the line from s to p: dX, dY (y growing downward), distance and the
  // angle to the horizontal (0 to 90), each with its unit.
  // Russian windows (language 0) write the units in their own words, the others "mm" and "mil".
  static std::array<std::string, 4> values(Point s, Point p, bool millimetres, int language = 0);
};

}  // namespace trazello
