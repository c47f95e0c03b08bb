#pragma once

#include "Tool.h"

namespace trazello {

// The track tool and the zone tool: a polyline drawn click by click with a bend before each new
// point in the current bend mode; the right click finishes it (a zone is closed), a zone also
// closes when its first point is clicked again. The element being drawn lives in the board from
// the first click, which records the one undo step of the whole drawing.
class PolylineTool : public Tool {
 public:
  explicit PolylineTool(ToolCode code) : code_(code) {}
  ToolCode code() const override { return code_; }

  void leave(ToolContext& ctx, Outcome& out) override;
  void press(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void move(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;

  // The bend point B between S and P for a bend mode.
  static Point bendPoint(Point s, Point p, int mode);

  // Space while drawing: the next bend mode, the preview redrawn at the last pointer.
  void cycleBendMode(ToolContext& ctx, Outcome& out);
  // Delete while drawing: drops the last point when at least two are left.
  void dropLastPoint(ToolContext& ctx, Outcome& out);

 private:
  bool isZone() const { return code_ == ToolCode::Zone; }
  void begin(ToolContext& ctx, Point p, Outcome& out);
  void addPoints(ToolContext& ctx, Outcome& out);
  void finish(ToolContext& ctx, Outcome& out);
  Point pointerPoint(ToolContext& ctx, const ToolEvent& e, size_t self);
  void showRubber(ToolContext& ctx, Outcome& out);
  std::optional<size_t> drawnIndex(ToolContext& ctx) const;

  ToolCode code_;
};

}  // namespace trazello
