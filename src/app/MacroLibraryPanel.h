#pragma once

#include <QDockWidget>
#include <functional>
#include <optional>
#include <string>

#include "Captions.h"
#include "SaveFileChooser.h"
#include "edit/Change.h"
#include "edit/UndoHistory.h"
#include "files/MacroBuffer.h"
#include "files/MacroLibrary.h"
#include "model/Document.h"

class QLineEdit;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace trazello {

class DrawingArea;
class MacroPreview;
class SchemeStore;
struct RenderOptions;

// The macro library panel: the folder tree (`TV_Makros`), the preview of the chosen macro, its
// two comment lines and the buttons that turn it over, put it on the other side, plate its pads,
// save the board's selection as a macro and delete the chosen file. It owns the macro buffer's
// state (the elements live in the document) and places the buffer when it is dropped on the
// drawing area.
class MacroLibraryPanel : public QDockWidget {
  Q_OBJECT

 public:
  MacroLibraryPanel(Document& doc, const UndoHistory& undo, DrawingArea& area,
                    const SchemeStore& schemes, const RenderOptions& options, Language language,
                    QWidget* parent = nullptr);

  // The library folder; the tree is read again from it.
  void setFolder(const std::string& folder);
  const std::string& folder() const { return folder_; }
  // Clears the tree and reads the library folder, showing the progress through `status`.
  void rescan();
  // Chooses the first node (in tree order) whose text equals `name` without regard to case,
  // which loads it when it is a macro. Returns whether one was found.
  bool chooseByName(const QString& name);
  // The full path of the chosen node; empty when none is chosen.
  std::string chosenPath() const;

  void setStatusSink(std::function<void(const QString&)> status) { status_ = std::move(status); }
  // What loading needs of the window (active layer, AutoSpiegeln, grid).
  void setLoadOptions(std::function<MacroLoadOptions()> options) {
    loadOptions_ = std::move(options);
  }
  void setSaveFileChooser(SaveFileChooser chooser) { chooseFile_ = std::move(chooser); }

  // Save as macro (`SB_MakroSave`, `Makrospeichern1`): the questions, the save dialog, writing,
  // reading the tree again and choosing the new file.
  void saveAsMacro();
  // Delete macro (`SB_MakroDelete`), after the question.
  void deleteChosen();

  MacroBuffer& buffer() { return buffer_; }
  QTreeWidget* tree() const { return tree_; }
  MacroPreview* preview() const { return preview_; }
  QLineEdit* commentEdit(int line) const { return comments_[line]; }
  QToolButton* mirrorButton() const { return mirror_; }
  QToolButton* sideButton() const { return side_; }
  QToolButton* platingButton() const { return plating_; }

 signals:
  // The buffer was dropped on the board and placed there.
  void macroPlaced(const trazello::Change& change);

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  QToolButton* addButton(const char* name, bool checkable);
  void fillItems(QTreeWidgetItem* parent, const std::vector<MacroNode>& nodes);
  void chosen();
  void showBuffer();
  void startDrag();
  bool dropEvent(QEvent* e);
  QString chosenFolder() const;
  QString text(const char* component) const;

  Document& doc_;
  const UndoHistory& undo_;
  DrawingArea& area_;
  Language language_;
  MacroBuffer buffer_;
  std::string folder_;
  QTreeWidget* tree_ = nullptr;
  MacroPreview* preview_ = nullptr;
  QLineEdit* comments_[2] = {nullptr, nullptr};
  QToolButton* mirror_ = nullptr;
  QToolButton* side_ = nullptr;
  QToolButton* plating_ = nullptr;
  QToolButton* save_ = nullptr;
  QToolButton* delete_ = nullptr;
  QWidget* buttonRow_ = nullptr;
  const QObject* areaViewport_ = nullptr;
  std::function<void(const QString&)> status_;
  std::function<MacroLoadOptions()> loadOptions_;
  SaveFileChooser chooseFile_ = chooseSaveFile;
  QPoint treePressAt_;
  bool filling_ = false;
};

}  // namespace trazello
