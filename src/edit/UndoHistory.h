#pragma once

#include "model/Board.h"
#include "model/Document.h"

namespace trazello {

// Whole-list undo and redo for the boards of a document. Each board keeps its own two lists of
// snapshots (Board::undoList, Board::redoList), so switching boards switches histories. A
// snapshot is a copy of the element list that shares every unchanged element with the board
// (copy-on-write), so recording costs one pointer per element instead of a deep copy; ids are
// kept, which keeps links and routed-track pads valid in the restored list.
class UndoHistory {
 public:
  // `depth` is the number of steps the undo list may hold; values below 1 count as 1.
  explicit UndoHistory(int depth = 51) { setDepth(depth); }

  int depth() const { return depth_; }
  void setDepth(int depth) { depth_ = depth < 1 ? 1 : depth; }

  // While suppressed, recordStep() does nothing: commands that record once and then call
  // operations that would record again suppress those.
  bool suppressed() const { return suppressed_; }
  void setSuppressed(bool on) { suppressed_ = on; }

  // Called immediately before a command changes the current board's elements. Drops the oldest
  // step beyond the depth, empties the redo list and marks the document modified. Returns
  // whether a step was recorded.
  bool recordStep(Document& doc) const;

  // Both do nothing (and return false) when their list is empty or while a track or zone is
  // being drawn. They leave the modified flag alone. The restored zones lie on whole units
  // (halves to even), as after any copy of a zone.
  static bool undo(Board& board, bool polylineInProgress = false);
  static bool redo(Board& board, bool polylineInProgress = false);

  static bool canUndo(const Board& board) { return !board.undoList.empty(); }
  static bool canRedo(const Board& board) { return !board.redoList.empty(); }

  // A copy of `list` sharing its elements, with no element selected: only the selected ones
  // are detached.
  static ElementList snapshot(const ElementList& list);

 private:
  int depth_ = 51;
  bool suppressed_ = false;
};

// Suppresses recording for its lifetime and restores the previous state afterwards.
class UndoSuppressor {
 public:
  explicit UndoSuppressor(UndoHistory& history)
      : history_(history), previous_(history.suppressed()) {
    history_.setSuppressed(true);
  }
  ~UndoSuppressor() { history_.setSuppressed(previous_); }
  UndoSuppressor(const UndoSuppressor&) = delete;
  UndoSuppressor& operator=(const UndoSuppressor&) = delete;

 private:
  UndoHistory& history_;
  bool previous_;
};

}  // namespace trazello
