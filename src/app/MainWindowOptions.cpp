// The general settings window and the periodic backup.
#include "AutoSaveTimer.h"
#include "BoardMapWidget.h"
#include "ContextHelp.h"
#include "MainWindow.h"
#include "TAutoSaveDlg.h"
#include "TOptionsDlg.h"
#include "ToolBar.h"

namespace trazello {

void MainWindow::buildSettingsWindows() {
  optionsDlg_ = new TOptionsDlg(settings_, schemes_, paths_, lang_, this);
  connect(optionsDlg_, &TOptionsDlg::applied, this, &MainWindow::optionsApplied);
  connect(optionsDlg_, &TOptionsDlg::coloursShown, this, [this] {
    area_->invalidate();
    map_->invalidate();
    refreshScanButtons();
  });
  autoSave_ = new AutoSaveTimer(doc_, hintLabel_, lang_, this);
  autoSave_->configure(settings_.autoSave, settings_.autoSaveTime);
}

void MainWindow::optionsApplied() {
  applyUnit();
  toolBar_->setHotkeys(settings_.hotkeys);
  applyDrawingOptions();
  undo_.setDepth(settings_.undo + 1);
  refreshCommands();
  area_->invalidate();
  map_->invalidate();
  refreshScanButtons();
  // Settings confirmed with OK outlive a crash of the program.
  storeSettings();
}

void MainWindow::showAutoSave() {
  auto* dialog = new TAutoSaveDlg(autoSave_->enabled(), autoSave_->intervalMs(), lang_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &TAutoSaveDlg::helpRequested, this,
          [this](int c) { openContextHelp(paths_, c); });
  connect(dialog, &QDialog::accepted, this,
          [this, dialog] { autoSave_->configure(dialog->enabled(), dialog->intervalMs()); });
  dialog->open();
}

}  // namespace trazello
