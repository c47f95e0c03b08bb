#include "TOptionsDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "MessageBoxes.h"
#include "OptionsHotkeyPage.h"
#include "view/SchemeStore.h"

namespace trazello {

namespace {

struct CheckDef {
  const char* name;
  bool AppSettings::*setting;
};

// The check boxes of the general page in the order OK applies them; the board map and the
// hints come last, as the window has always applied them after the drawing options.
constexpr std::array<CheckDef, 10> kChecks = {{
    {"CB_VirtuelleKnoten", &AppSettings::virtualNodes},
    {"CB_Fadenkreuz", &AppSettings::crosshair},
    {"CB_AutoSpiegeln", &AppSettings::autoMirror},
    {"CB_SchrifthoeheBegrenzen", &AppSettings::limitTextHeight},
    {"CB_StrgZumFangen", &AppSettings::ctrlToCatch},
    {"CB_HPGLSonderFaktor", &AppSettings::hpglSpecialFactor},
    {"CB_AutoMasseDunkel", &AppSettings::darkGroundPlane},
    {"CB_CAM_Nullpunkt", &AppSettings::camOrigin},
    {"CB_Zoomfenster", &AppSettings::boardMap},
    {"CB_Hint", &AppSettings::hints},
}};

constexpr std::array<const char*, 5> kFolderNames = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"};
constexpr std::array<std::string AppSettings::*, 5> kFolders = {
    &AppSettings::layoutFolder, &AppSettings::gerberFolder, &AppSettings::bitmapFolder,
    &AppSettings::templateFolder, &AppSettings::pltFolder};

}  // namespace

TOptionsDlg::TOptionsDlg(AppSettings& settings, SchemeStore& schemes, const AppPaths& paths,
                         Language language, QWidget* parent)
    : QDialog(parent), settings_(settings), paths_(paths), language_(language) {
  setObjectName("OptionsDlg");
  setWindowTitle(text("TOptionsDlg"));
  browser_ = [this](const QString& caption, const QString& start) {
    return QFileDialog::getExistingDirectory(this, caption, start);
  };
  tabs_ = new QTreeWidget(this);
  tabs_->setObjectName("TV_Tabs");
  tabs_->setHeaderHidden(true);
  tabs_->setRootIsDecorated(false);
  tabs_->setFixedWidth(160);
  pages_ = new QStackedWidget(this);
  pages_->setObjectName("PageControl1");
  header_ = new QLabel(this);
  header_->setObjectName("Panel1");
  QFont bold = header_->font();
  bold.setBold(true);
  header_->setFont(bold);

  colourPage_ = new OptionsColourPage(schemes, paths.dataFolder + "COLORS.DAT", language, this);
  hotkeyPage_ = new OptionsHotkeyPage(language, this);
  addPage("Options.General", buildGeneralPage());
  addPage("Options.Colours", colourPage_);
  addPage("Options.Folders", buildFoldersPage());
  addPage("Options.Library", buildLibraryPage());
  addPage("Options.Undo", buildUndoPage());
  addPage("Options.Capacity", buildCapacityPage());
  addPage("Options.Hotkeys", hotkeyPage_);
  connect(colourPage_, &OptionsColourPage::coloursShown, this, &TOptionsDlg::coloursShown);
  connect(tabs_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item) showPage(tabs_->indexOfTopLevelItem(item));
  });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* right = new QVBoxLayout;
  right->addWidget(header_);
  right->addWidget(pages_, 1);
  auto* body = new QHBoxLayout;
  body->addWidget(tabs_);
  body->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(buttons);
}

QString TOptionsDlg::text(const char* component) const {
  return QString::fromStdString(caption(component, language_));
}

void TOptionsDlg::addPage(const char* captionName, QWidget* page) {
  new QTreeWidgetItem(tabs_, {text(captionName)});
  pages_->addWidget(page);
}

QWidget* TOptionsDlg::buildGeneralPage() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  unit_ = new QComboBox(page);
  unit_->setObjectName("CB_Einheit");
  unit_->addItems({text("UnitMm"), text("UnitMil")});
  form->addRow(text("CB_Einheit"), unit_);
  drills_ = new QComboBox(page);
  drills_->setObjectName("CB_Bohrung");
  drills_->addItems({text("CB_Bohrung.0"), text("CB_Bohrung.1")});
  form->addRow(text("CB_Bohrung"), drills_);
  for (size_t i = 0; i < kChecks.size(); ++i) {
    checks_[i] = new QCheckBox(text(kChecks[i].name), page);
    checks_[i]->setObjectName(kChecks[i].name);
    form->addRow(checks_[i]);
  }
  return page;
}

QWidget* TOptionsDlg::buildFoldersPage() {
  auto* page = new QWidget(this);
  auto* grid = new QGridLayout(page);
  for (size_t i = 0; i < kFolderNames.size(); ++i) {
    const int row = static_cast<int>(i) * 2;
    grid->addWidget(new QLabel(text(kFolderNames[i]), page), row, 0, 1, 2);
    folders_[i] = new QLineEdit(page);
    folders_[i]->setObjectName(kFolderNames[i]);
    auto* browse = new QPushButton("...", page);
    browse->setObjectName(QString("SpeedButton%1").arg(i + 1));
    grid->addWidget(folders_[i], row + 1, 0);
    grid->addWidget(browse, row + 1, 1);
    connect(browse, &QPushButton::clicked, this, [this, i] { browseFolder(static_cast<int>(i)); });
  }
  grid->setRowStretch(static_cast<int>(kFolderNames.size()) * 2, 1);
  return page;
}

QWidget* TOptionsDlg::buildLibraryPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel(text("L_MakroDir"), page));
  macroFolder_ = new QLabel(page);
  macroFolder_->setObjectName("L_MakroDir");
  macroFolder_->setWordWrap(true);
  layout->addWidget(macroFolder_);
  auto* change = new QPushButton(text("Button1"), page);
  change->setObjectName("Button1");
  auto* reset = new QPushButton(text("Button4"), page);
  reset->setObjectName("Button4");
  auto* row = new QHBoxLayout;
  row->addWidget(change);
  row->addWidget(reset);
  row->addStretch(1);
  layout->addLayout(row);
  layout->addStretch(1);
  connect(change, &QPushButton::clicked, this, [this] {
    const QString chosen = browser_(text("L_MakroDir"), macroFolder_->text());
    if (!chosen.isEmpty()) macroFolder_->setText(chosen);
  });
  connect(reset, &QPushButton::clicked, this, [this] {
    macroFolder_->setText(QString::fromStdString(paths_.macroLibrary()));
  });
  return page;
}

QWidget* TOptionsDlg::buildUndoPage() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  undo_ = new QSpinBox(page);
  undo_->setObjectName("SE_Undo");
  undo_->setRange(1, 50);
  form->addRow(text("SE_Undo"), undo_);
  return page;
}

QWidget* TOptionsDlg::buildCapacityPage() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  copper_ = new QSpinBox(page);
  copper_->setObjectName("SE_CUWidth");
  heating_ = new QSpinBox(page);
  heating_->setObjectName("SE_DeltaTemp");
  for (QSpinBox* b : {copper_, heating_}) b->setRange(1, 299);
  form->addRow(text("SE_CUWidth"), copper_);
  form->addRow(text("SE_DeltaTemp"), heating_);
  return page;
}

void TOptionsDlg::showPage(int page) {
  pages_->setCurrentIndex(page);
  header_->setText(tabs_->topLevelItem(page)->text(0));
}

int TOptionsDlg::currentPage() const {
  return pages_->currentIndex();
}

void TOptionsDlg::showOn(int page) {
  fill();
  tabs_->setCurrentItem(tabs_->topLevelItem(page));
  showPage(page);
  open();
}

void TOptionsDlg::fill() {
  unit_->setCurrentIndex(settings_.mil ? 1 : 0);
  drills_->setCurrentIndex(settings_.whiteDrills ? 1 : 0);
  for (size_t i = 0; i < kChecks.size(); ++i) checks_[i]->setChecked(settings_.*kChecks[i].setting);
  undo_->setValue(settings_.undo + 1);
  for (size_t i = 0; i < kFolders.size(); ++i)
    folders_[i]->setText(QString::fromStdString(settings_.*kFolders[i]));
  macroFolder_->setText(QString::fromStdString(settings_.macroFolder));
  colourPage_->open();
  copper_->setValue(settings_.imaxCu);
  heating_->setValue(settings_.imaxDt);
  hotkeyPage_->fill(settings_.hotkeys);
}

void TOptionsDlg::apply() {
  const bool mil = unit_->currentIndex() == 1;
  const bool unitChanged = mil != settings_.mil;
  settings_.mil = mil;
  settings_.whiteDrills = drills_->currentIndex() == 1;
  for (size_t i = 0; i < kChecks.size(); ++i)
    settings_.*kChecks[i].setting = checks_[i]->isChecked();
  settings_.undo = undo_->value() - 1;
  for (size_t i = 0; i < kFolders.size(); ++i)
    settings_.*kFolders[i] = folders_[i]->text().toStdString();
  const std::string macro = macroFolder_->text().toStdString();
  const bool macroChanged = macro != settings_.macroFolder;
  settings_.macroFolder = macro;
  if (auto failed = colourPage_->accept()) showMessage(this, *failed, language_);
  settings_.imaxCu = copper_->value();
  settings_.imaxDt = heating_->value();
  settings_.hotkeys = hotkeyPage_->applyTo(settings_.hotkeys);
  emit applied(unitChanged, macroChanged);
}

void TOptionsDlg::done(int result) {
  if (result == QDialog::Accepted) {
    apply();
  } else {
    colourPage_->cancel();
    emit coloursShown();
  }
  QDialog::done(result);
}

void TOptionsDlg::browseFolder(int index) {
  const size_t i = static_cast<size_t>(index);
  QString chosen = browser_(text("BrowseFolder") + text(kFolderNames[i]), folders_[i]->text());
  if (chosen.isEmpty()) return;
  // The file dialogs keep their folders with a closing slash.
  if (!chosen.endsWith('/')) chosen += '/';
  folders_[i]->setText(chosen);
}

}  // namespace trazello
