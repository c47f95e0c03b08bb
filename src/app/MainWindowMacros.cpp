// The macro library panel and saving a selection as a macro.
#include <QFileInfo>
#include <QToolBar>

#include "MacroLibraryPanel.h"
#include "MainWindow.h"
#include "TOptionsDlg.h"

namespace trazello {

void MainWindow::buildMacroPanel() {
  macros_ = new MacroLibraryPanel(doc_, undo_, *area_, schemes_, options_, lang_, this);
  macros_->setStatusSink([this](const QString& s) {
    hintLabel_->setText(s);
    hintLabel_->repaint();
  });
  macros_->setLoadOptions([this] {
    const BoardSettings& s = doc_.working();
    MacroLoadOptions o;
    o.autoMirror = settings_.autoMirror;
    o.activeLayer = s.activeLayer;
    o.grid = s.grid;
    o.originMilli = {s.originX, s.originY};
    o.legacy.strokeLayer = static_cast<uint8_t>(s.activeLayer);
    return o;
  });
  addDockWidget(Qt::LeftDockWidgetArea, macros_);
  macros_->setFolder(settings_.macroFolder);
  // The macro chosen when the program last closed is chosen again.
  if (!settings_.macroSubFolder.empty())
    macros_->chooseByName(QFileInfo(QString::fromStdString(settings_.macroSubFolder)).fileName());
  macros_->setVisible(settings_.macroPanel);

  QAction* show = actions_["Makrofenster1"];
  show->setCheckable(true);
  show->setChecked(settings_.macroPanel);
  bind("Makrofenster1", [this] { macros_->setVisible(!macros_->isVisible()); });
  connect(macros_, &QDockWidget::visibilityChanged, show, &QAction::setChecked);
  // The tool bar button does what the menu entry does and shows the same state.
  QAction* button = addToolbarEntry(findChild<QToolBar*>("EditBar"), "SB_Makrofenster", "macros");
  button->setCheckable(true);
  button->setChecked(settings_.macroPanel);
  connect(button, &QAction::triggered, this,
          [this] { macros_->setVisible(!macros_->isVisible()); });
  connect(macros_, &QDockWidget::visibilityChanged, button, &QAction::setChecked);
  bind("Makrospeichern1", [this] { macros_->saveAsMacro(); });
  connect(macros_, &MacroLibraryPanel::macroPlaced, this, [this](const Change& c) {
    tools_->boardChanged();
    applyCommand(c);
  });
  connect(optionsDlg_, &TOptionsDlg::applied, this, [this](bool, bool macroFolderChanged) {
    if (macroFolderChanged) macros_->setFolder(settings_.macroFolder);
  });
}

void MainWindow::storeMacroSettings() {
  if (!macros_) return;
  settings_.macroPanel = macros_->isVisible();
  settings_.macroSubFolder = macros_->chosenPath();
}

}  // namespace trazello
