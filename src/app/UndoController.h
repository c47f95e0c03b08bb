#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "edit/UndoHistory.h"

class QAction;

namespace trazello {

// Connects the Undo and Redo commands (menu items and tool bar buttons) to the document's
// board histories and keeps them enabled exactly when there is something to take back or
// repeat.
class UndoController : public QObject {
  Q_OBJECT

 public:
  UndoController(Document& doc, UndoHistory& history, QObject* parent = nullptr);

  // Any number of actions per command: the menu item and the tool bar button.
  void addUndoAction(QAction* action);
  void addRedoAction(QAction* action);
  // Tells whether a track or zone is half drawn; undo and redo wait for it to be finished.
  void setPolylineInProgress(std::function<bool()> busy) { busy_ = std::move(busy); }

  UndoHistory& history() { return history_; }
  // Before a command changes the current board's elements.
  bool recordStep();
  bool undo();
  bool redo();
  // Enables the actions from the current board's lists; call after every command and after
  // switching boards.
  void refresh();

 signals:
  // The elements were exchanged: end any pending tool state and repaint.
  void restored();

 private:
  Document& doc_;
  UndoHistory& history_;
  std::vector<QAction*> undoActions_, redoActions_;
  std::function<bool()> busy_;
};

}  // namespace trazello
