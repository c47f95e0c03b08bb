// The properties panel in the window: shown and hidden by its button and menu entries, filled
// after every change and its edits applied like every other command.
#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "BoardMapWidget.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "PropertiesPanel.h"
#include "SizeBar.h"
#include "TOptionsDlg.h"

namespace trazello {

void MainWindow::buildPropertiesPanel() {
  props_ = new PropertiesPanel(doc_, undo_, lang_, this);
  props_->setPadMenus(sizeBar_->shapeMenu(), sizeBar_->padMenu(), sizeBar_->smdMenu(),
                      sizeBar_->platingAction());
  props_->setMil(settings_.mil);
  addDockWidget(Qt::RightDockWidgetArea, props_);
  // Shown or not before the window itself shows: the panel's own flag, not its visibility, counts.
  props_->setHidden(!settings_.propertiesPanel);
  connect(props_, &PropertiesPanel::edited, this, [this](const Change& c) {
    if (c.settings) {
      // The board's size, name or inner layers: tabs, layer panel and view follow.
      refreshBoardTabs();
      boardSwitched();
    } else {
      area_->invalidate();
      map_->invalidate();
      sizeBar_->showSelectionSizes(true);
      refreshCommands();
    }
    if (c.message) showMessage(this, *c.message, lang_);
  });
  // Positions are shown from the origin.
  connect(area_, &DrawingArea::originChanged, this, &MainWindow::refreshProperties);
  connect(props_, &PropertiesPanel::capacitySettingsRequested, this,
          [this] { optionsDlg_->showOn(TOptionsDlg::Capacity); });

  // The tool bar button and the two menu entries show and hide the panel and follow it.
  QAction* button =
      addToolbarEntry(findChild<QToolBar*>("EditBar"), "TB_Eigenschaften", "properties");
  QAction* contextEntry = new QAction(tr3("Eigenschaften1"), this);
  contextEntry->setObjectName("Eigenschaften1");
  actions_["Eigenschaften1"] = contextEntry;
  areaMenu_->addAction(contextEntry);
  for (QAction* a : {button, contextEntry, actions_["Eigenschaften2"]}) {
    a->setCheckable(true);
    a->setChecked(!props_->isHidden());
    connect(a, &QAction::triggered, this, [this] { showPropertiesPanel(props_->isHidden()); });
    connect(props_, &QDockWidget::visibilityChanged, a,
            [this, a] { a->setChecked(!props_->isHidden()); });
  }
  bind("Eigenschaften2", {});
  refreshProperties();
}

void MainWindow::showPropertiesPanel(bool on) {
  props_->setVisible(on);
  if (!on) return;
  refreshProperties();
  props_->flash();
}

void MainWindow::refreshProperties() {
  if (!props_ || props_->isHidden()) return;
  props_->setOptions(PropertyOptions{settings_.limitTextHeight});
  props_->setCapacitySettings(settings_.imaxCu, settings_.imaxDt);
  if (!tools_ || !tools_->polylineInProgress()) {
    props_->refresh();
    return;
  }
  // The track or zone being drawn counts as selected; its length runs to the pointer.
  const InteractionState& s = tools_->state();
  props_->refresh(PropertiesPanel::Drawing{s.drawn, {s.bend, s.current}});
}

void MainWindow::boardProperties() {
  // Every element is deselected, so the panel shows the board.
  bool deselected = false;
  for (size_t i = 0; i < doc_.elements().size(); ++i) {
    if (!doc_.elements()[i].Selected) continue;
    doc_.elements().edit(i).Selected = 0;
    deselected = true;
  }
  if (deselected) {
    area_->invalidate();
    refreshCommands();
  }
  showPropertiesPanel(true);
}

}  // namespace trazello
