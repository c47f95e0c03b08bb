#pragma once

#include "Tool.h"

namespace trazello {

// The text tool: the text window gives a text, which follows the pointer until a left click
// places it; then the next text (with the next number, or from the window again) follows. The
// right click drops the unplaced text and returns to the edit tool.
class TextTool : public Tool {
 public:
  ToolCode code() const override { return ToolCode::Text; }

  void enter(ToolContext& ctx, Outcome& out) override;
  void leave(ToolContext& ctx, Outcome& out) override;
  void press(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void move(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;

  // The smallest height (mm) the height limit allows for a thickness: 2.5 thin, 1.5 normal,
  // 1 bold.
  static double minimumHeight(int thickness);
  // Sets a Text's string, sizes, mirror flags and angle from the window and regenerates its
  // strokes; `number`, when given, is appended to the string.
  static void applyValues(TObjekt& text, const TextWindowValues& v, std::optional<int> number,
                          bool limitHeight, uint8_t strokeLayer, int32_t clearance);
  // The window's values for an existing Text.
  static TextWindowValues valuesOf(const TObjekt& text);

 private:
  // Asks the window for the next text; false (and the edit tool comes back) on Cancel.
  bool askForText(ToolContext& ctx, Outcome& out);
  // Builds the text that follows the pointer; false with the warning when it has no strokes.
  bool prepare(ToolContext& ctx, Outcome& out);
};

}  // namespace trazello
