#pragma once

#include <QString>
#include <functional>
#include <string_view>

class QWidget;

namespace trazello {

// What a save dialog is asked: the folder it starts in (empty for the current one), the name it
// proposes, the filter as the program writes it ("Name (*.x)|*.x") and the extension added when
// the user types none. It prompts before overwriting and only accepts existing folders.
struct SaveFileRequest {
  QString folder;
  QString fileName;
  QString filter;
  QString defaultSuffix;
};

// Asks for a file to write; an empty name when the user cancelled. Windows that export hold
// one, so that tests can answer without a modal dialog.
using SaveFileChooser = std::function<QString(QWidget* parent, const SaveFileRequest& request)>;

// The standard save dialog.
QString chooseSaveFile(QWidget* parent, const SaveFileRequest& request);

// "Name (*.x)|*.x|Other (*.y)|*.y" as the name filters of a file dialog.
QStringList nameFilters(std::string_view filter);

// `folder` when it exists, else empty, so that the dialog starts where it likes.
QString existingFolder(const std::string& folder);

}  // namespace trazello
