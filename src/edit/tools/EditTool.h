#pragma once

#include "Tool.h"

namespace trazello {

// The edit (select) tool: click to select, Shift to toggle, drag to move the selection or a node
// handle, frame empty space to select, right click for the context or node menu, double click
// to edit a text. Hovering shows the node-handle pointer and the element's name.
class EditTool : public Tool {
 public:
  ToolCode code() const override { return ToolCode::Edit; }

  void press(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void move(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void release(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void doubleClick(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;

 private:
  void leftPress(ToolContext& ctx, const ToolEvent& e, Outcome& out);
  void rightPress(ToolContext& ctx, const ToolEvent& e, Outcome& out);
  void hover(ToolContext& ctx, const ToolEvent& e, Outcome& out);
  void selectFrame(ToolContext& ctx, const ToolEvent& e, Outcome& out);
  void editText(ToolContext& ctx, size_t index, Outcome& out);
  void editLegacyText(ToolContext& ctx, size_t index, Outcome& out);
  // The node handle of a selected, ungrouped, drawn track, zone or circle under p, or -1.
  static int handleAt(ToolContext& ctx, const TObjekt& e, Point p);
};

}  // namespace trazello
