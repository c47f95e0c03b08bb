// The commands of the Edit and Functions menus that act on the selection.
#include <QAction>
#include <QMenu>

#include "BoardMapWidget.h"
#include "DrcPanel.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "SizeBar.h"
#include "edit/commands/SelectionCommands.h"
#include "edit/commands/TransformCommands.h"
#include "files/TextEncoding.h"
#include "model/Layer.h"

namespace trazello {

namespace {
constexpr const char* kLayerCaptions[] = {"", "C1", "S1", "C2", "S2", "I1", "I2", "O"};
}

void MainWindow::connectEditCommands() {
  auto available = [this] { return commandAvailability(doc_); };
  auto selected = [available] { return available().anySelected; };
  auto run = [this](auto command) { return [this, command] { applyCommand(command()); }; };
  bind("Allesmarkieren1", run([this] { return selectAll(doc_); }),
       [available] { return available().hasElements; });
  bind(
      "Kopieren1",
      [this] {
        copySelectionToClipboards();
        refreshCommands();
      },
      selected);
  bind(
      "Ausschneiden1",
      [this] {
        copySelectionToClipboards();
        applyCommand(deleteSelection(doc_, undo_));
      },
      selected);
  bind(
      "Einfgen1",
      [this] {
        applyCommand(deselectAll(doc_));
        chooseTool(ToolChoice{ToolCode::PastePlacement, false});
      },
      [available] { return available().canPaste; });
  bind(
      "Duplizieren1",
      [this] {
        copySelectionToClipboards();
        if (doc_.clipboard().empty()) return;
        applyCommand(deselectAll(doc_));
        chooseTool(ToolChoice{ToolCode::PastePlacement, false});
      },
      selected);
  bind("Lschen1", run([this] { return deleteSelection(doc_, undo_); }), selected);
  bind("Rotieren1",
       run([this] { return rotateSelection(doc_, undo_, settings_.rotationStep / 10.0); }),
       selected);
  bind("Horizontalspiegeln2", run([this] { return mirrorSelection(doc_, undo_, true); }), selected);
  bind("Vertikalspiegeln2", run([this] { return mirrorSelection(doc_, undo_, false); }), selected);
  bind("Gruppieren1", run([this] { return buildGroup(doc_, undo_); }),
       [available] { return available().canGroup; });
  bind("Gruppierungaufheben1", run([this] { return splitGroup(doc_, undo_); }),
       [available] { return available().canSplitGroup; });
  bind("Layerwechseln1", run([this] { return changeBoardSide(doc_, undo_); }), selected);
  bind("amRasterausrichten1", run([this] { return adjustSelectionToGrid(doc_, undo_); }), selected);
  bind("LscheElementeausserhalb1", run([this] { return deleteOutsideBoard(doc_, undo_); }),
       [available] { return available().hasElements; });
  bind("LS_Reset", [this] {
    Message question{MessageKind::Question, MessageId::ResetSolderMaskQuestion, {}};
    if (showMessage(this, question, lang_) != QMessageBox::Ok) return;
    applyCommand(resetSolderMask(doc_));
    showMessage(this, Message{MessageKind::Information, MessageId::SolderMaskReset, {}}, lang_);
  });

  // Commands bound elsewhere whose availability follows the board.
  for (const char* board : {"Platinelschen1", "Platinenachrechts1", "Platinenachlinks1",
                            "Platineeinsnachrechts1", "Platineeinsnachlinks1"})
    bind(board, {}, [available] { return available().severalBoards; });

  // Naming and selecting by name, offered by the context menu.
  for (const char* name : {"Benennen1", "MarkiereNamen1"}) {
    auto* a = new QAction(tr3(name), this);
    a->setObjectName(name);
    actions_[name] = a;
  }
  bind("Benennen1", [this] { nameSelectedElements(); }, selected);
  bind("MarkiereNamen1", run([this] { return selectByName(doc_, contextName_); }),
       [this] { return !contextName_.empty(); });

  QMenu* layers = menus_["SetzeaufLayer1"];
  for (uint8_t l = layer::C1; l <= layer::O; ++l) {
    QAction* a = layers->addAction(kLayerCaptions[l]);
    a->setObjectName(QString("SetzeaufLayer1.") + kLayerCaptions[l]);
    actions_[a->objectName()] = a;
    connect(a, &QAction::triggered, this,
            [this, l] { applyCommand(setSelectionLayer(doc_, undo_, l)); });
  }
  // The inner layers only while the board uses them.
  // The context menu's "Set to layer" holds the same entries.
  QMenu* contextLayers = new QMenu(tr3("AufLayer1"), this);
  contextLayers->setObjectName("AufLayer1");
  contextLayers->addActions(layers->actions());
  for (QMenu* m : {layers, contextLayers}) {
    connect(m, &QMenu::aboutToShow, this, [this] {
      for (const char* inner : {"SetzeaufLayer1.I1", "SetzeaufLayer1.I2"})
        actions_[inner]->setEnabled(doc_.working().multilayer != 0);
    });
  }
  actions_["SetzeaufLayer1"] = layers->menuAction();
  enabledRules_["SetzeaufLayer1"] = selected;
  menus_["AufLayer1"] = contextLayers;
  actions_["AufLayer1"] = contextLayers->menuAction();
  enabledRules_["AufLayer1"] = selected;
}

void MainWindow::refreshContextEntries() {
  const ElementList& list = doc_.elements();
  contextName_.clear();
  if (auto pressed = list.indexOf(contextElement_)) contextName_ = list[*pressed].Name;
  if (contextName_.empty()) contextName_ = firstSelectedName(list);
  QAction* select = actions_["MarkiereNamen1"];
  select->setText(tr3("MarkiereNamen1") + QString::fromStdString(cp1252ToUtf8(contextName_)));
  refreshCommands();
}

void MainWindow::buildDrcPanel() {
  drc_ = new DrcPanel(doc_, *area_, schemes_, int(lang_), this);
  drc_->readSettings(ini_);
  drc_->setMil(settings_.mil);
  addDockWidget(Qt::RightDockWidgetArea, drc_);
  drc_->hide();
  area_->setOverlayPainter([this](QPainter& p, const ViewMapping& m) { drc_->paintMarkers(p, m); });
  QAction* show = actions_["DRCCheck1"];
  show->setCheckable(true);
  bind("DRCCheck1", [this] { drc_->setVisible(!drc_->isVisible()); });
  connect(drc_, &QDockWidget::visibilityChanged, this, [this, show](bool on) {
    show->setChecked(on);
    area_->viewport()->update();
  });
}

void MainWindow::applyCommand(const Change& c) {
  if (c.empty()) return;
  if (c.elements || c.selection || c.all || c.hasArea) area_->invalidate();
  if (c.elements) map_->invalidate();
  if (c.selection && sizeBar_) sizeBar_->showSelectionSizes(true);
  refreshCommands();
  if (c.message) showMessage(this, *c.message, lang_);
}

}  // namespace trazello
