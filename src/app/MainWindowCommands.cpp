// The commands of the File, Board and Options menus.
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QUrl>
#include <cmath>

#include "BoardMapWidget.h"
#include "ContextHelp.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "SizeBar.h"
#include "OutputCommands.h"
#include "TOptionsDlg.h"
#include "UndoController.h"
#include "checks/Connections.h"
#include "checks/CopperShapes.h"
#include "files/AtomicFile.h"
#include "files/LayoutIo.h"
#include "files/TextEncoding.h"
#include "model/ElementGeometry.h"

namespace trazello {

namespace {
std::string local(const QString& s) { return utf8ToCp1252(s.toStdString()); }

// The box of the selected elements' copper: a pad's box is its copper's, but a track's or a
// circle's copper reaches half its width beyond the points the element box holds.
IRect copperBoxOfSelection(const ElementList& elements) {
  IRect box;
  for (const TObjekt& e : elements) {
    if (!e.Selected) continue;
    for (const Path& ring : elementRegion(e)) {
      if (ring.empty()) continue;
      const CBox b = boxOf(ring);
      const IRect r{static_cast<int32_t>(std::floor(double(b.left) / kShapeScale)),
                    static_cast<int32_t>(std::floor(double(b.bottom) / kShapeScale)),
                    static_cast<int32_t>(std::ceil(double(b.right) / kShapeScale)),
                    static_cast<int32_t>(std::ceil(double(b.top) / kShapeScale))};
      box = unite(box, r);
    }
  }
  return box;
}
QString shown(const std::string& s) { return QString::fromStdString(cp1252ToUtf8(s)); }
}  // namespace

void MainWindow::connectCommands() {
  auto on = [this](const char* name, std::function<void()> f) { bind(name, std::move(f)); };
  on("Neu1", [this] { newDocument(); });
  on("ffnen1", [this] { openDocument(); });
  on("Speichern1", [this] { save(); });
  on("Speichernals1", [this] { saveAs(); });
  on("Beenden1", [this] { close(); });
  for (int i = 0; i < 4; ++i) {
    bind(QString("History%1").arg(i + 1), [this, i] {
      const auto& entries = recent_.entries();
      if (i >= static_cast<int>(entries.size())) return;
      const QString path = QString::fromStdString(entries[static_cast<size_t>(i)]);
      if (!QFileInfo::exists(path)) {
        Message m{MessageKind::Error, MessageId::FileNotFound, {}};
        m.caption = "Open";
        showMessage(this, m, lang_);
        return;
      }
      if (maySafelyDiscard()) openFile(path, false);
    });
  }
  on("NeuePlatine1", [this] { newBoard(); });
  on("Platinengrsse1", [this] { boardProperties(); });
  on("Platinekopieren1", [this] { copyBoard(); });
  on("Platinelschen1", [this] { deleteBoard(); });
  on("Platinenachrechts1", [this] { moveBoard(3); });
  on("Platinenachlinks1", [this] { moveBoard(0); });
  on("Platineeinsnachrechts1", [this] { moveBoard(2); });
  on("Platineeinsnachlinks1", [this] { moveBoard(1); });
  on("Platinennachladen1", [this] { importBoards(); });
  bind("Luftlinienentfernen1", [this] { removeConnections(); }, [this] { return hasConnections(doc_.elements()); });
  on("M_AutoMasse", [this] { toggleGroundPlane(); });
  on("ZoomPlatine1", [this] { area_->zoomBoard(); });
  on("ZoomObjekte1", [this] { area_->zoomToBox(boxOfEverything(doc_.elements())); });
  on("ZoomMarkierung1", [this] { area_->zoomToBox(copperBoxOfSelection(doc_.elements())); });
  on("Zoomvorher1", [this] { area_->zoomPrevious(); });
  on("Neuzeichnen1", [this] {
    area_->invalidate();
    map_->invalidate();
  });
  on("Vorlage1", [this] { showScannedCopy(); });
  on("Projektinfo1", [this] { projectInfo(); });
  on("Index1", [this] { openHelp(); });
  connectEditCommands();
  connectImportCommands();
  outputs_ = new OutputCommands({this, &doc_, &settings_, &ini_, paths_.settingsFile(), &schemes_,
                                 lang_, [this] { undoController_->recordStep(); },
                                 [this] {
                                   refreshCommands();
                                   area_->invalidate();
                                 }},
                                this);
  connect(outputs_, &OutputCommands::helpRequested, this,
          [this](int c) { openContextHelp(paths_, c); });
  on("GerberFormat1", [this] { outputs_->exportGerber(); });
  on("BohrDatenExcellon1", [this] { outputs_->exportDrills(); });
  on("BohrungenAuflisten1", [this] { outputs_->listDrillings(); });
  on("Grundeinstellungen1", [this] { optionsDlg_->showOn(TOptionsDlg::General); });
  on("Arbeitsverzeichnisse1", [this] { optionsDlg_->showOn(TOptionsDlg::Folders); });
  on("Autospeichern1", [this] { showAutoSave(); });
  connectExportCommands();
}

bool MainWindow::maySafelyDiscard() {
  const auto question = doc_.saveQuestion();
  if (!question) return true;
  switch (showMessage(this, *question, lang_, true)) {
    case QMessageBox::Yes: return save();
    case QMessageBox::No: return true;
    default: return false;
  }
}

void MainWindow::newDocument() {
  if (!maySafelyDiscard()) return;
  doc_.newDocument();
  documentReplaced();
}

bool MainWindow::openFile(const QString& path, bool importing) {
  Result<OpenOutcome> opened = openLayout(doc_, path.toStdString(), importing, &recent_);
  if (!opened) {
    showMessage(this, opened.error(), lang_);
    return false;
  }
  if (!importing) settings_.layoutFolder = QFileInfo(path).absolutePath().toStdString() + "/";
  documentReplaced();
  for (const Message& w : opened->warnings) showMessage(this, w, lang_);
  if (opened->legacyTextQuestion &&
      showMessage(this, *opened->legacyTextQuestion, lang_) == QMessageBox::Yes) {
    showMessage(this, convertLegacyTextsOfDocument(doc_, sizeBar_->sizes().current().clearance),
                lang_);
    area_->invalidate();
  }
  return true;
}

void MainWindow::openDocument() {
  const QString path = QFileDialog::getOpenFileName(
      this, {}, QString::fromStdString(settings_.layoutFolder), tr3("LayoutFilter"));
  if (path.isEmpty()) return;
  if (auto refused = checkLayoutFile(path.toStdString())) {
    showMessage(this, *refused, lang_);
    return;
  }
  if (maySafelyDiscard()) openFile(path, false);
}

void MainWindow::importBoards() {
  const QString path = QFileDialog::getOpenFileName(
      this, {}, QString::fromStdString(settings_.layoutFolder), tr3("LayoutFilter"));
  if (!path.isEmpty()) openFile(path, true);
}

void MainWindow::openFromCommandLine(const QString& path) {
  if (path.isEmpty() || !QFileInfo::exists(path)) return;
  if (checkLayoutFile(path.toStdString())) return;
  if (maySafelyDiscard()) openFile(path, false);
}

bool MainWindow::save() {
  if (doc_.fileName().empty()) return saveAs();
  return saveTo(doc_.fileName());
}

bool MainWindow::saveTo(const std::string& path) {
  const bool readOnly = isReadOnlyFile(path);
  if (readOnly) {
    const Message question{MessageKind::Question, MessageId::ReplaceReadOnlyQuestion, {path}};
    if (showMessage(this, question, lang_) != QMessageBox::Yes) return false;
  }
  if (auto failed = saveLayout(doc_, path, false, &recent_, readOnly)) {
    showMessage(this, *failed, lang_);
    return false;
  }
  documentReplaced();
  return true;
}

bool MainWindow::saveAs() {
  QString path = QFileDialog::getSaveFileName(
      this, {}, QString::fromStdString(settings_.layoutFolder), tr3("LayoutFilter"));
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += ".trz";
  if (!saveTo(path.toStdString())) return false;
  settings_.layoutFolder = QFileInfo(path).absolutePath().toStdString() + "/";
  return true;
}

void MainWindow::newBoard() {
  showMessage(this, doc_.newBoardCommand(), lang_);
  refreshBoardTabs();
  boardSwitched();
}

void MainWindow::copyBoard() {
  doc_.copyCurrentBoard();
  refreshBoardTabs();
  boardSwitched();
}

void MainWindow::deleteBoard() {
  const Message question = doc_.deleteBoardQuestion();
  if (question.kind != MessageKind::Question) {
    showMessage(this, question, lang_);
    return;
  }
  if (showMessage(this, question, lang_) != QMessageBox::Ok) return;
  doc_.deleteCurrentBoard();
  refreshBoardTabs();
  boardSwitched();
}

void MainWindow::moveBoard(int how) {
  const bool moved = how == 0   ? doc_.moveBoardFirst()
                     : how == 1 ? doc_.moveBoardLeft()
                     : how == 2 ? doc_.moveBoardRight()
                                : doc_.moveBoardLast();
  if (moved) refreshBoardTabs();
}

void MainWindow::projectInfo() {
  QDialog dialog(this);
  dialog.setWindowTitle(tr3("ProjectInfoTitle"));
  auto* form = new QFormLayout(&dialog);
  const ProjectInfo& p = doc_.projectInfo();
  auto* title = new QLineEdit(shown(p.title), &dialog);
  auto* author = new QLineEdit(shown(p.author), &dialog);
  auto* company = new QLineEdit(shown(p.company), &dialog);
  for (QLineEdit* e : {title, author, company}) e->setMaxLength(100);
  auto* comment = new QPlainTextEdit(shown(p.comment), &dialog);
  form->addRow(tr3("ProjectTitle"), title);
  form->addRow(tr3("ProjectAuthor"), author);
  form->addRow(tr3("ProjectCompany"), company);
  form->addRow(tr3("ProjectComment"), comment);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return;
  std::string text = local(comment->toPlainText());
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  doc_.setProjectInfo({local(title->text()), local(author->text()), local(company->text()),
                       crlf.substr(0, 1900)});
}

void MainWindow::removeConnections() {
  if (!hasConnections(doc_.elements())) return;
  undoController_->recordStep();
  const RemovedConnections r = removeRealisedConnections(doc_);
  refreshCommands();
  area_->invalidate();
  showMessage(this, r.message, lang_);
}

void MainWindow::toggleGroundPlane() {
  BoardSettings& s = doc_.working();
  const size_t l = groundPlaneMenuLayer(s.activeLayer);
  s.groundPlane[l] = !s.groundPlane[l];
  doc_.setModified();
  refreshLayerControls();
  area_->invalidate();
}

void MainWindow::openHelp() { openContextHelp(paths_, kHelpIndex); }

}  // namespace trazello
