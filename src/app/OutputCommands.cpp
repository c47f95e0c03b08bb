#include "OutputCommands.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include "DrillDialog.h"
#include "DrillListDialog.h"
#include "GerberDialog.h"
#include "MessageBoxes.h"
#include "model/LegacyTextConversion.h"
#include "output/OutputFiles.h"

namespace trazello {

namespace {

TLochDlg storedDrillChoices(const IniFile& ini) {
  TLochDlg dlg;
  dlg.readSettings([&ini](std::string_view section, std::string_view key) -> std::optional<bool> {
    const std::string s(section), k(key);
    if (!ini.value(s, k)) return std::nullopt;
    return ini.readBool(s, k, false);
  });
  return dlg;
}

// The hourglass while a file is made: the work runs inside the click that started it.
class WaitCursor {
 public:
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

OutputCommands::OutputCommands(Context context, QObject* parent)
    : QObject(parent), c_(std::move(context)) {
  gerber_ = new GerberDialog(c_.language, c_.window);
  drill_ = new DrillDialog(storedDrillChoices(*c_.ini), c_.language, c_.window);
  connect(gerber_, &GerberDialog::helpRequested, this, &OutputCommands::helpRequested);
  connect(drill_, &DrillDialog::helpRequested, this, &OutputCommands::helpRequested);
}

void OutputCommands::offerLegacyTextConversion() {
  size_t count = 0;
  for (const TObjekt& e : c_.doc->elements()) count += e.Kind == ElementKind::LegacyText;
  if (count == 0) return;
  const Message question{
      MessageKind::Question, MessageId::LegacyTextQuestion, {std::to_string(count)}};
  if (showMessage(c_.window, question, c_.language) != QMessageBox::Yes) return;
  if (c_.recordUndo) c_.recordUndo();
  LegacyTextConversion settings;
  settings.strokeLayer = static_cast<uint8_t>(c_.doc->working().activeLayer);
  convertLegacyTexts(c_.doc->elements(), settings);
  c_.doc->setModified();
  if (c_.changed) c_.changed();
  showMessage(c_.window, {MessageKind::Information, MessageId::TextsConverted, {}}, c_.language);
}

void OutputCommands::exportGerber() {
  offerLegacyTextConversion();
  gerber_->prepare(c_.doc->elements(), c_.schemes->active(), c_.settings->mil);
  const int language = static_cast<int>(c_.language);
  while (gerber_->exec() == QDialog::Accepted) {
    const TGerberDlg& choice = gerber_->state();
    const QString path = choose_(c_.window, {existingFolder(c_.settings->gerberFolder),
                                             QString::fromUtf8(choice.fileName(language)),
                                             QString::fromUtf8(TGerberDlg::saveFilter()),
                                             QString::fromUtf8(TGerberDlg::defaultExtension())});
    if (path.isEmpty()) continue;
    Message m = [&] {
      WaitCursor busy;
      return saveGerberFile(c_.doc->elements(), c_.doc->working(),
                            choice.options(c_.settings->camOrigin, language),
                            QFile::encodeName(path).toStdString());
    }();
    m.caption = outputMessageCaption(m, language);
    showMessage(c_.window, m, c_.language);
    if (m.kind != MessageKind::Error) rememberFolder(path);
  }
}

void OutputCommands::exportDrills() {
  if (drill_->exec() != QDialog::Accepted) return;
  storeExcellonSettings();
  const TLochDlg& choice = drill_->state();
  const QString path =
      choose_(c_.window, {existingFolder(c_.settings->gerberFolder), QString(),
                          QString::fromUtf8(TLochDlg::saveFilter(static_cast<int>(c_.language))),
                          QString::fromUtf8(TLochDlg::defaultExtension())});
  if (path.isEmpty()) return;
  std::optional<Message> failed;
  {
    WaitCursor busy;
    failed =
        saveDrillFile(c_.doc->elements(), c_.doc->working(), choice.options(c_.settings->camOrigin),
                      QFile::encodeName(path).toStdString());
  }
  // A drill file that could not be written is reported rather than passed over in silence.
  if (failed) {
    showMessage(c_.window, *failed, c_.language);
    return;
  }
  rememberFolder(path);
}

void OutputCommands::listDrillings() {
  DrillListDialog list(c_.doc->elements(), c_.settings->mil, c_.language, c_.window);
  list.exec();
}

void OutputCommands::storeExcellonSettings() {
  // Into the file now, touching nothing else in it, and into the copy written at exit.
  IniFile onDisk = IniFile::load(c_.settingsFile);
  for (const SettingsKey& k : drill_->state().settingsToWrite()) {
    const std::string section(k.section), key(k.key);
    c_.ini->writeBool(section, key, k.value);
    onDisk.writeBool(section, key, k.value);
  }
  onDisk.save(c_.settingsFile);  // a settings file that cannot be written is no reason to stop
}

void OutputCommands::rememberFolder(const QString& file) {
  c_.settings->gerberFolder = QFileInfo(file).absolutePath().toStdString() + "/";
}

}  // namespace trazello
