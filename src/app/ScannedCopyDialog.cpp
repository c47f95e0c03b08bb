#include "ScannedCopyDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ContextHelp.h"
#include "MessageBoxes.h"
#include "files/TextEncoding.h"

namespace trazello {

namespace {
constexpr size_t kMaxFileName = 200;
QColor qcolor(int32_t c) {
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
QString shownName(const std::string& cp1252) {
  return QString::fromStdString(cp1252ToUtf8(cp1252));
}
}  // namespace

ScannedCopyDialog::ScannedCopyDialog(BoardSettings& board, ScannedCopies& scans,
                                     std::string& folder, Language language, QWidget* parent)
    : QDialog(parent), board_(board), scans_(scans), folder_(folder), language_(language) {
  setWindowTitle(QString::fromStdString(caption("Vorlage1", language)).remove('&').remove("..."));
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->addTab(buildPage(0), QString::fromStdString(caption("VorlageSeite1", language)));
  pages_->addTab(buildPage(1), QString::fromStdString(caption("VorlageSeite2", language)));
  layout->addWidget(pages_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::helpRequested, this,
          [this] { emit helpRequested(kHelpScannedCopy); });
  layout->addWidget(buttons);
  refreshPage(0);
  refreshPage(1);
}

QWidget* ScannedCopyDialog::buildPage(int side) {
  const size_t i = static_cast<size_t>(side);
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  Page& p = page_[i];
  auto text = [this](const char* c) { return QString::fromStdString(caption(c, language_)); };
  p.fileName = new QLabel(page);
  auto* load = new QPushButton(text("B_Suchen"), page);
  auto* remove = new QPushButton(text("B_Entfernen"), page);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(p.fileName, 1);
  fileRow->addWidget(load);
  fileRow->addWidget(remove);
  form->addRow(fileRow);
  p.shown = new QCheckBox(text("CB_Vorlage"), page);
  form->addRow(p.shown);
  p.dpi = new QSpinBox(page);
  p.dpi->setRange(kMinScanDpi, kMaxScanDpi);
  form->addRow("DPI:", p.dpi);
  p.offsetX = new QSpinBox(page);
  p.offsetY = new QSpinBox(page);
  for (QSpinBox* b : {p.offsetX, p.offsetY}) b->setRange(-3000, 3000);
  form->addRow(text("VorlageOffsetX"), p.offsetX);
  form->addRow(text("VorlageOffsetY"), p.offsetY);
  p.colour = new QPushButton(page);
  form->addRow(text("VorlageFarbe"), p.colour);

  auto changed = [this, side](auto apply) {
    return [this, side, apply](auto value) {
      if (filling_) return;
      apply(value);
      emit sideChanged(side);
    };
  };
  connect(p.dpi, &QSpinBox::valueChanged, this,
          changed([this, i](int v) { board_.templateDpi[i] = v; }));
  connect(p.offsetX, &QSpinBox::valueChanged, this,
          changed([this, i](int v) { board_.templateOffsetX[i] = v; }));
  connect(p.offsetY, &QSpinBox::valueChanged, this,
          changed([this, i](int v) { board_.templateOffsetY[i] = v; }));
  connect(p.shown, &QCheckBox::toggled, this,
          changed([this, i](bool on) { board_.templateShown[i] = on; }));
  connect(load, &QPushButton::clicked, this, [this, side] { chooseFile(side); });
  connect(remove, &QPushButton::clicked, this, [this, side] { removeFile(side); });
  connect(p.colour, &QPushButton::clicked, this, [this, side] { chooseColour(side); });
  return page;
}

void ScannedCopyDialog::refreshPage(int side) {
  const size_t i = static_cast<size_t>(side);
  Page& p = page_[i];
  filling_ = true;
  p.dpi->setValue(board_.templateDpi[i]);
  p.offsetX->setValue(board_.templateOffsetX[i]);
  p.offsetY->setValue(board_.templateOffsetY[i]);
  p.shown->setChecked(board_.templateShown[i]);
  p.shown->setEnabled(!board_.templateFile[i].empty());
  p.fileName->setText(QFileInfo(shownName(board_.templateFile[i])).fileName());
  p.colour->setStyleSheet(
      QString("background-color: %1").arg(qcolor(board_.templateColour[i]).name()));
  filling_ = false;
}

bool ScannedCopyDialog::loadFile(int side, const QString& path) {
  const size_t i = static_cast<size_t>(side);
  Result<LoadedScan> loaded = loadScannedCopy(path.toStdString());
  if (!loaded) {
    showMessage(this, loaded.error(), language_);
    return false;
  }
  scans_[i] = loaded->image;
  std::string name = utf8ToCp1252(path.toStdString());
  if (name.size() > kMaxFileName) name.resize(kMaxFileName);  // the board record holds no more
  board_.templateFile[i] = name;
  board_.templateDpi[i] = std::clamp(loaded->dpi, kMinScanDpi, kMaxScanDpi);
  board_.templateShown[i] = 1;
  folder_ = QFileInfo(path).absolutePath().toStdString() + "/";
  refreshPage(side);
  emit sideChanged(side);
  return true;
}

void ScannedCopyDialog::removeFile(int side) {
  const size_t i = static_cast<size_t>(side);
  board_.templateShown[i] = 0;
  board_.templateFile[i].clear();
  scans_[i] = QImage();
  refreshPage(side);
  emit sideChanged(side);
}

void ScannedCopyDialog::chooseFile(int side) {
  const QString path = QFileDialog::getOpenFileName(this, {}, QString::fromStdString(folder_),
                                                    "Bitmap (*.bmp *.BMP)");
  if (!path.isEmpty()) loadFile(side, path);
}

void ScannedCopyDialog::chooseColour(int side) {
  const size_t i = static_cast<size_t>(side);
  const QColor c = QColorDialog::getColor(qcolor(board_.templateColour[i]), this);
  if (!c.isValid()) return;
  board_.templateColour[i] = c.red() | (c.green() << 8) | (c.blue() << 16);
  refreshPage(side);
  emit sideChanged(side);
}

void ScannedCopyDialog::reloadAll(BoardSettings& board, ScannedCopies& scans,
                                  std::string& lastLoaded,
                                  const std::function<void(const Message&)>& report) {
  for (size_t i = 0; i < 2; ++i) {
    scans[i] = QImage();
    if (board.templateFile[i].empty()) continue;
    Result<LoadedScan> loaded = loadScannedCopy(cp1252ToUtf8(board.templateFile[i]));
    if (loaded) {
      scans[i] = loaded->image;
      lastLoaded = board.templateFile[i];
      continue;
    }
    report(loaded.error());
    board.templateFile[i] = lastLoaded;
    if (lastLoaded.empty()) {
      board.templateShown[i] = 0;
    } else if (auto again = loadScannedCopy(cp1252ToUtf8(lastLoaded))) {
      scans[i] = again->image;
    }
  }
}

}  // namespace trazello
