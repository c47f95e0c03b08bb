// The view entries of the top toolbar: transparent drawing, zoom, repaint, scanned copy,
// remove connections.
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "BoardMapWidget.h"
#include "MainWindow.h"

// Resources of a static library are registered by hand, at global scope.
static void registerToolIcons() {
  Q_INIT_RESOURCE(icons);
}

namespace trazello {

namespace {
QIcon toolIcon(const char* file) {
  registerToolIcons();
  return QIcon(QString(":/icons/%1.svg").arg(file));
}
}  // namespace

QAction* MainWindow::addToolbarEntry(QToolBar* bar, const char* name, const char* icon) {
  QAction* a = bar->addAction(toolIcon(icon), tr3(name).remove('&'));
  a->setObjectName(name);
  a->setToolTip(a->text());
  a->setStatusTip(a->text());
  actions_[name] = a;
  return a;
}

void MainWindow::buildViewButtons(QToolBar* bar) {
  bar->addSeparator();
  QAction* transparent = addToolbarEntry(bar, "TB_Transparent", "transparent");
  transparent->setCheckable(true);
  transparent->setChecked(settings_.transparent);
  connect(transparent, &QAction::toggled, this, [this](bool on) {
    settings_.transparent = on;
    options_.transparent = on;
    area_->invalidate();
    map_->invalidate();
  });

  auto* zoomMenu = new QMenu(this);
  zoomMenu->setObjectName("Zoom_Popup");
  // The drop-down names its entries after the main menu's commands, whose captions they share.
  const std::pair<const char*, const char*> zooms[] = {{"Zoomalles1", "ZoomPlatine1"},
                                                       {"ZoomalleObjekte1", "ZoomObjekte1"},
                                                       {"ZoomaufMarkierung1", "ZoomMarkierung1"},
                                                       {"Zoomvorher2", "Zoomvorher1"}};
  for (const auto& [name, command] : zooms) {
    QAction* entry = zoomMenu->addAction(tr3(command).remove('&'));
    entry->setObjectName(name);
    actions_[name] = entry;
    connect(entry, &QAction::triggered, actions_[command], &QAction::trigger);
  }
  auto* zoom = new QToolButton(bar);
  zoom->setObjectName("TB_Zoom");
  zoom->setIcon(toolIcon("zoom"));
  zoom->setToolTip(tr3("TB_Zoom"));
  zoom->setStatusTip(tr3("TB_Zoom"));
  zoom->setMenu(zoomMenu);
  zoom->setPopupMode(QToolButton::InstantPopup);
  bar->addWidget(zoom);

  connect(addToolbarEntry(bar, "TB_Neuzeichnen", "repaint"), &QAction::triggered,
          actions_["Neuzeichnen1"], &QAction::trigger);
  connect(addToolbarEntry(bar, "TB_Vorlage", "scanned-copy"), &QAction::triggered,
          actions_["Vorlage1"], &QAction::trigger);
  QAction* removeConnections = actions_["Luftlinienentfernen1"];
  QAction* clearButton = addToolbarEntry(bar, "TB_ClearConnections", "remove-connections");
  connect(clearButton, &QAction::triggered, removeConnections, &QAction::trigger);
  // The button follows its command's enabled state.
  clearButton->setEnabled(removeConnections->isEnabled());
  connect(removeConnections, &QAction::enabledChanged, clearButton, &QAction::setEnabled);
}

}  // namespace trazello
