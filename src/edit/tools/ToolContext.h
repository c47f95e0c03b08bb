#pragma once

#include <optional>

#include "BoardIndex.h"
#include "HitTest.h"
#include "InteractionState.h"
#include "PointerSnap.h"
#include "ToolEvent.h"
#include "ToolHost.h"
#include "edit/Change.h"

namespace trazello {

// What a tool works with during one event: the host, the interaction state and the board's
// index, with the snapping and hit-test helpers every tool shares.
class ToolContext {
 public:
  ToolContext(ToolHost& host, InteractionState& state, BoardIndex& index);

  ToolHost& host() { return host_; }
  InteractionState& state() { return state_; }
  Document& doc() { return host_.document(); }
  ElementList& list() { return host_.document().elements(); }
  const LayerState& layers() const { return layers_; }
  double zoom() const { return host_.zoom(); }
  ToolOptions options() const { return options_; }

  // The index, brought up to date with the current list.
  BoardIndex& index();
  HitTest hitTest();
  PointerSnap snap();

  // The pointer snapped to the grid unless Ctrl is held.
  Point gridPoint(const ToolEvent& e);
  // An offset rounded to whole grid steps per axis unless `exact`.
  Point gridOffset(Point offset, bool exact);

  // Records the undo step of a change that is about to happen.
  void recordStep();
  // Appends an element to the board, keeping the index current; returns its index.
  size_t append(TObjekt e);
  // Changes the element at i through `f`, keeping the index current.
  template <typename F>
  void editElement(size_t i, F&& f) {
    index();
    const uint64_t before = list().revision();
    f(list().edit(i));
    const size_t changed[] = {i};
    index_.update(list(), changed, before);
  }

  // Selects or deselects an element and, unless `single`, the rest of its outermost group.
  // Returns the repaint box of what changed.
  void setSelected(size_t index, bool on, bool single, Change& change);
  // Selects all of `indices` and, unless `single`, the rest of their outermost groups, in one
  // pass over the board however many there are.
  void selectAll(const std::vector<size_t>& indices, bool single, Change& change);
  // Deselects every element; true when any was selected.
  bool deselectAll(Change& change);

 private:
  ToolHost& host_;
  InteractionState& state_;
  BoardIndex& index_;
  LayerState layers_;
  ToolOptions options_;
};

}  // namespace trazello
