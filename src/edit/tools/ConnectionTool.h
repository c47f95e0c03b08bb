#pragma once

#include "Tool.h"

namespace trazello {

// The connect tool: the copper pad under the pointer is highlighted; a click on a pad starts a
// connection, a click on another pad adds the connection between the two, or removes it when
// it exists. A dotted rubber line runs from the first pad to the pointer meanwhile; a right click
// drops the first pad, or without one returns to the edit tool.
class ConnectionTool : public Tool {
 public:
  ToolCode code() const override { return ToolCode::Connection; }

  void press(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void move(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;

 private:
  std::optional<size_t> padAt(ToolContext& ctx, Point p) const;
  void show(ToolContext& ctx, Point pointer, std::optional<size_t> hovered, Outcome& out) const;
};

// The connection test: a click on copper shows its whole net as the selection, until the next
// click or another tool.
class ConnectionTestTool : public Tool {
 public:
  ToolCode code() const override { return ToolCode::ConnectionTest; }

  void press(ToolContext& ctx, const ToolEvent& e, Outcome& out) override;
  void leave(ToolContext& ctx, Outcome& out) override;
};

}  // namespace trazello
