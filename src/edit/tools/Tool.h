#pragma once

#include "Outcome.h"
#include "ToolCode.h"
#include "ToolContext.h"
#include "ToolEvent.h"

namespace trazello {

// One tool of the tool bar as a state machine over pointer events in world units. A tool keeps
// no state of its own beyond the shared InteractionState, so switching tools is cheap and the
// dispatcher can reset it in one place.
class Tool {
 public:
  virtual ~Tool() = default;
  virtual ToolCode code() const = 0;

  // The tool's button was clicked (after the common steps of every tool choice).
  virtual void enter(ToolContext&, Outcome&) {}
  // Another tool is about to be chosen.
  virtual void leave(ToolContext&, Outcome&) {}

  virtual void press(ToolContext&, const ToolEvent&, Outcome&) {}
  virtual void move(ToolContext&, const ToolEvent&, Outcome&) {}
  virtual void release(ToolContext&, const ToolEvent&, Outcome&) {}
  virtual void doubleClick(ToolContext&, const ToolEvent&, Outcome&) {}
};

}  // namespace trazello
