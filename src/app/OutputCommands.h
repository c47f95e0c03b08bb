#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "AppSettings.h"
#include "Captions.h"
#include "IniFile.h"
#include "SaveFileChooser.h"
#include "model/Document.h"
#include "view/SchemeStore.h"

class QWidget;

namespace trazello {

class DrillDialog;
class GerberDialog;

// The manufacturing commands of the editor: Gerber files one layer at a time, the Excellon
// drill file and the drill list. The two export windows are made once and keep their choices;
// the Gerber and drill files share the remembered output folder.
class OutputCommands : public QObject {
  Q_OBJECT

 public:
  // What the commands need of the main window, which outlives them.
  struct Context {
    QWidget* window = nullptr;
    Document* doc = nullptr;
    AppSettings* settings = nullptr;
    IniFile* ini = nullptr;  // the settings file as read at start, written at exit
    std::string settingsFile;
    const SchemeStore* schemes = nullptr;
    Language language = Language::English;
    std::function<void()> recordUndo;  // before old texts are converted
    std::function<void()> changed;     // after they were
  };

  OutputCommands(Context context, QObject* parent = nullptr);

  void exportGerber();  // one file per confirmed layer until the window is closed
  void exportDrills();
  void listDrillings();

  void setSaveFileChooser(SaveFileChooser chooser) { choose_ = std::move(chooser); }
  GerberDialog* gerberDialog() const { return gerber_; }
  DrillDialog* drillDialog() const { return drill_; }

 signals:
  void helpRequested(int context);

 private:
  void offerLegacyTextConversion();
  void storeExcellonSettings();
  void rememberFolder(const QString& file);

  Context c_;
  SaveFileChooser choose_ = chooseSaveFile;
  GerberDialog* gerber_ = nullptr;
  DrillDialog* drill_ = nullptr;
};

}  // namespace trazello
