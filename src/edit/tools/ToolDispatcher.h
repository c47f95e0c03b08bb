#pragma once

#include <array>
#include <memory>
#include <string>

#include "BoardIndex.h"
#include "InteractionState.h"
#include "Outcome.h"
#include "Tool.h"
#include "ToolCode.h"
#include "ToolEvent.h"
#include "ToolHost.h"
#include "edit/commands/NodeCommands.h"

namespace trazello {

// The one entry point of the drawing area: owns the interaction state and the tools, selects
// tools as their buttons do and hands every pointer and key event to the current tool. The
// window turns Qt events into ToolEvents, calls handle() and applies the Outcome.
class ToolDispatcher {
 public:
  explicit ToolDispatcher(ToolHost& host);
  ~ToolDispatcher();
  ToolDispatcher(const ToolDispatcher&) = delete;
  ToolDispatcher& operator=(const ToolDispatcher&) = delete;

  ToolChoice current() const { return current_; }
  // A tool button was clicked (or its hotkey pressed, or Escape for the edit tool).
  Outcome selectTool(ToolChoice choice);
  Outcome selectTool(ToolCode code) { return selectTool(ToolChoice{code, false}); }

  // A pointer or key event of the drawing area.
  Outcome handle(const ToolEvent& e);

  // A command of the node menu an Outcome asked for, on the element and node it named.
  Outcome nodeCommand(NodeCommand command, ElementId element, int node);

  // A track or zone is being drawn: undo and redo wait, Space cycles the bend mode.
  bool polylineInProgress() const;
  // The solder-mask view is on (the solder-mask tool, or zoom entered from it with Space).
  bool solderMaskView() const { return solderMaskView_; }
  int bendMode() const { return state_.bendMode; }
  const InteractionState& state() const { return state_; }
  // The current status hint in the host's language.
  std::string hint() const;

  // Another board became current or the element list was replaced (undo, redo, a file): drops
  // every interaction that refers to elements.
  void boardChanged();

 private:
  Tool& tool(ToolCode code);
  // Clears the interaction, keeping what survives tool changes.
  void resetInteraction();
  void deselectPads(ToolContext& ctx, Change& change);
  Outcome keyPress(const ToolEvent& e);
  Outcome keyRelease(const ToolEvent& e);
  void spaceKey(ToolContext& ctx, const ToolEvent& e, Outcome& out);
  void arrowKey(ToolContext& ctx, const ToolEvent& e, Outcome& out);
  void deleteKey(ToolContext& ctx, Outcome& out);
  // Carries out a tool switch the outcome asked for.
  Outcome finish(Outcome out);

  ToolHost& host_;
  InteractionState state_;
  BoardIndex index_;
  ToolChoice current_{};
  bool solderMaskView_ = false;
  std::array<std::unique_ptr<Tool>, 16> tools_;
};

}  // namespace trazello
