// The generators: footprint wizard and tiled copies (the special-shape tool opens its window
// through the tool host).
#include <QAction>
#include <QMenu>

#include "ContextHelp.h"
#include "FootprintWizardDialog.h"
#include "MainWindow.h"
#include "TileDialog.h"
#include "edit/FootprintWizard.h"
#include "edit/commands/SelectionCommands.h"
#include "edit/commands/TileCommands.h"

namespace trazello {

void MainWindow::connectShapeCommands() {
  wizard_ = new FootprintWizardDialog(lang_, schemes_, this);
  connect(wizard_, &FootprintWizardDialog::helpRequested, this,
          [this] { openContextHelp(paths_, kHelpIndex); });
  tileDialog_ = new TileDialog(lang_, this);
  bind("BauteilAssistent1", [this] { openFootprintWizard(); });
  bind(
      "Kacheln2", [this] { tileCopies(); },
      [this] { return commandAvailability(doc_).anySelected; });
  // The drawing area's menu offers the command beside the other copy commands.
  areaMenu_->insertAction(actions_["Lschen1"], actions_["Kacheln2"]);
}

void MainWindow::openFootprintWizard() {
  if (currentTool().code != ToolCode::Edit) chooseTool(ToolChoice{});
  wizard_->setMil(settings_.mil);
  auto pattern = wizard_->ask(uint8_t(doc_.working().activeLayer));
  if (!pattern) return;
  applyCommand(takeFootprint(doc_, std::move(*pattern)));
  chooseTool(ToolChoice{ToolCode::PastePlacement, false});
}

void MainWindow::tileCopies() {
  tileDialog_->setMil(settings_.mil);
  const auto values = tileDialog_->ask();
  if (!values) return;
  const Change c = tileSelection(doc_, undo_, *values);
  if (c.empty()) return;
  chooseTool(ToolChoice{});
  applyCommand(c);
}

}  // namespace trazello
