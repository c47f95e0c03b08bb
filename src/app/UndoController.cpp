#include "UndoController.h"

#include <QAction>

namespace trazello {

UndoController::UndoController(Document& doc, UndoHistory& history, QObject* parent)
    : QObject(parent), doc_(doc), history_(history) {}

void UndoController::addUndoAction(QAction* action) {
  undoActions_.push_back(action);
  connect(action, &QAction::triggered, this, [this] { undo(); });
  refresh();
}

void UndoController::addRedoAction(QAction* action) {
  redoActions_.push_back(action);
  connect(action, &QAction::triggered, this, [this] { redo(); });
  refresh();
}

bool UndoController::recordStep() {
  const bool recorded = history_.recordStep(doc_);
  refresh();
  return recorded;
}

bool UndoController::undo() {
  const bool done = UndoHistory::undo(doc_.currentBoard(), busy_ && busy_());
  if (done) emit restored();
  refresh();
  return done;
}

bool UndoController::redo() {
  const bool done = UndoHistory::redo(doc_.currentBoard(), busy_ && busy_());
  if (done) emit restored();
  refresh();
  return done;
}

void UndoController::refresh() {
  const Board& board = doc_.currentBoard();
  for (QAction* a : undoActions_) a->setEnabled(UndoHistory::canUndo(board));
  for (QAction* a : redoActions_) a->setEnabled(UndoHistory::canRedo(board));
}

}  // namespace trazello
