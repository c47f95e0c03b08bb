// The Gerber import: chosen files, each onto a chosen layer of the current board, drill files
// drilling the imported pads, as one undo step; a file that cannot be read whole is refused and
// nothing is imported.
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>

#include "GerberImportDialog.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "UndoController.h"
#include "import/ExcellonReader.h"
#include "import/GerberSetImport.h"

namespace trazello {

void MainWindow::connectImportCommands() {
  bind("GerberImport1", [this] { importGerber(); });
  // The old hidden button of the same import stays, out of sight.
  auto* hidden = new QPushButton(this);
  hidden->setObjectName("Button2");
  hidden->hide();
  connect(hidden, &QPushButton::clicked, this, [this] { importGerber(); });
}

void MainWindow::importGerber() {
  const QStringList paths = QFileDialog::getOpenFileNames(
      this, tr3("GerberImportDialog"), QString::fromStdString(settings_.layoutFolder), "*.*");
  if (paths.isEmpty()) return;
  // The files are read first, so that the dialog can say which of them are drill files.
  std::vector<GerberLayerFile> files;
  std::vector<bool> drill;
  for (const QString& path : paths) {
    QFile f(path);
    const QString name = QFileInfo(path).fileName();
    if (!f.open(QIODevice::ReadOnly)) {
      showMessage(this,
                  {MessageKind::Error,
                   MessageId::GerberFileRefused,
                   {name.toStdString(), f.errorString().toStdString()}},
                  lang_);
      return;
    }
    const QByteArray bytes = f.readAll();
    files.push_back({name.toStdString(), bytes.toStdString()});
    drill.push_back(looksLikeExcellon(files.back().text));
  }
  GerberImportDialog dialog(paths, drill, lang_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const std::vector<uint8_t> layers = dialog.layers();
  for (size_t i = 0; i < files.size(); ++i) files[i].layer = layers[i];
  GerberSetImport result = importGerberSet(files, doc_.working().height);
  if (!result.ok()) {
    const MessageId id =
        result.refusedDrillFile ? MessageId::DrillFileRefused : MessageId::GerberFileRefused;
    showMessage(this, {MessageKind::Error, id, {result.refusedFile, result.error}}, lang_);
    return;
  }
  if (!result.elements.empty()) {
    undoController_->recordStep();
    ElementList& board = doc_.elements();
    for (TObjekt& e : result.elements) board.append(std::move(e));
    doc_.setModified();
    Change change;
    change.elements = true;
    change.all = true;
    applyCommand(change);
  }
  if (!result.warnings.empty()) {
    std::string names, lines;
    for (const GerberLayerFile& f : files) names += (names.empty() ? "" : ", ") + f.name;
    for (const std::string& w : result.warnings) lines += w + "\n";
    showMessage(this, {MessageKind::Warning, MessageId::GerberFileWarnings, {names, lines}}, lang_);
  }
}

}  // namespace trazello
