#include "MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "AutoSaveTimer.h"
#include "BoardMapWidget.h"
#include "DrcPanel.h"
#include "CommandTable.h"
#include "GridMenu.h"
#include "LayerPanel.h"
#include "MillingCommands.h"
#include "PropertiesPanel.h"
#include "RulerWidget.h"
#include "SizeBar.h"
#include "TUnitSpinEdit.h"
#include "ToolBar.h"
#include "UndoController.h"
#include "WindowToolHost.h"
#include "checks/Connections.h"
#include "model/Layer.h"
#include "view/GridCaptions.h"
#include "view/LayerControl.h"
#include "view/NumberFormat.h"

namespace trazello {

size_t groundPlaneMenuLayer(int activeLayer) {
  return activeLayer == layer::C1 || activeLayer == layer::S1 ? layer::C1 : layer::C2;
}

MainWindow::MainWindow(AppPaths paths, QWidget* parent)
    : QMainWindow(parent),
      paths_(std::move(paths)),
      lang_(languageFromByte(readLanguageByte(paths_.languageFile()))),
      schemes_(paths_.dataFolder) {
  ini_ = IniFile::load(paths_.settingsFile());
  settings_.readFrom(ini_, paths_.programFolder);
  recent_.setEntries(settings_.history);
  schemes_.load(settings_.colourScheme);
  // Board names are Windows-1252 in layout files: a Russian default name could not be saved.
  if (lang_ == Language::French) {
    doc_.setBoardNamePrefix("Carte ");
    doc_.newDocument();
  }

  TUnitSpinEdit::setDefaultUnitNames(tr3("UnitMm"), tr3("UnitMil"));
  area_ = new DrawingArea(doc_, schemes_, options_, this);
  area_->setScans(&scans_);
  setCentralWidget(buildViewport());

  buildMenus();
  connectCommands();
  buildSelectionMenus();
  buildLayerBar();
  buildStatusLine();
  applySettings();
  buildEditBars();
  buildSettingsWindows();
  buildMacroPanel();

  connect(tabs_, &QTabBar::currentChanged, this, [this](int i) {
    if (syncingTabs_ || i < 0) return;
    doc_.selectBoard(i);
    boardSwitched();
  });
  connect(area_, &DrawingArea::pointerMoved, this, &MainWindow::showCoordinates);
  connect(area_, &DrawingArea::viewChanged, this, &MainWindow::refreshView);
  connect(area_, &DrawingArea::originChanged, this, &MainWindow::refreshView);
  buildAreaMenu();
  connectShapeCommands();
  connectPrintCommands();
  connectMillingCommands();
  buildPropertiesPanel();
  buildPhotoView();
  area_->installEventFilter(this);
  area_->viewport()->installEventFilter(this);
  refreshBoardTabs();
  boardSwitched();
  updateTitle();
}

QString MainWindow::tr3(const char* component) const {
  return QString::fromStdString(caption(component, lang_));
}

void MainWindow::updateTitle() {
  QString title = "Trazello5.1ru";
  if (!doc_.fileName().empty()) title += " - [" + QString::fromStdString(doc_.fileName()) + "]";
  setWindowTitle(title);
}

QMenu* MainWindow::buildMenu(const QString& name) {
  const MenuDefinition* def = findMenu(name.toStdString());
  auto* menu = new QMenu(tr3(name.toUtf8().constData()), this);
  menu->setObjectName(name);
  menus_[name] = menu;
  for (const MenuCommand& c : def->entries) {
    const QString entry = c.name;
    if (entry.isEmpty()) {
      menu->addSeparator();
    } else if (findMenu(c.name)) {
      QMenu* sub = buildMenu(entry);
      menu->addMenu(sub);
    } else {
      QAction* a = menu->addAction(tr3(c.name));
      a->setObjectName(entry);
      a->setEnabled(false);  // until a handler is bound
      a->setStatusTip(tr3(c.name).remove('&'));
      if (c.ctrlKey) a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(c.ctrlKey)));
      actions_[entry] = a;
    }
  }
  return menu;
}

void MainWindow::buildMenus() {
  for (const char* top : {"Datei1", "Bearbeiten1", "Platine1", "Funktionen1", "Optionen1", "L1", "Info1"})
    menuBar()->addMenu(buildMenu(top));
  // The layer submenus: C1, S1, C2, S2 as active (radio) and visible (check) entries.
  auto* group = new QActionGroup(this);
  for (uint8_t l = layer::C1; l <= layer::S2; ++l) {
    const char* name = l == 1 ? "K1" : l == 2 ? "B1" : l == 3 ? "K2" : "B2";
    QAction* active = menus_["AktiverLayer1"]->addAction(tr3(name));
    active->setCheckable(true);
    group->addAction(active);
    connect(active, &QAction::triggered, this, [this, l] { setActiveLayer(l); });
    activeActions_[l] = active;
    actions_[QString("AktiverLayer1.") + name] = active;
    QAction* visible = menus_["SichtbareLayer1"]->addAction(tr3(name));
    visible->setCheckable(true);
    connect(visible, &QAction::triggered, this, [this, l] { toggleLayer(l); });
    visibleActions_[l] = visible;
    actions_[QString("SichtbareLayer1.") + name] = visible;
  }
  actions_["M_AutoMasse"]->setCheckable(true);
  for (const char* menu : {"Bearbeiten1", "Platine1", "Funktionen1", "Optionen1"})
    connect(menus_[menu], &QMenu::aboutToShow, this, &MainWindow::refreshCommands);
}

void MainWindow::buildLayerBar() {
  auto* bar = addToolBar("Layers");
  bar->setObjectName("LayerBar");
  layerPanel_ = new LayerPanel(lang_, bar);
  bar->addWidget(layerPanel_);
  connect(layerPanel_, &LayerPanel::visibilityClicked, this, [this](uint8_t l) { toggleLayer(l); });
  connect(layerPanel_, &LayerPanel::activeClicked, this, [this](uint8_t l) {
    SetActiveLayer(doc_.working(), doc_.elements(), l, LayerCommandSource::RadioButton);
    refreshLayerControls();
    area_->invalidate();
  });
  QToolButton* info = layerPanel_->infoButton();
  info->setToolTip(tr3("SB_LayerInfo"));
  info->setStatusTip(tr3("SB_LayerInfo"));
  // The button's action keeps the command reachable by name, like every other command.
  auto* infoAction = new QAction(tr3("SB_LayerInfo"), this);
  infoAction->setObjectName("SB_LayerInfo");
  connect(infoAction, &QAction::triggered, this, &MainWindow::showLayerInfo);
  connect(layerPanel_, &LayerPanel::infoClicked, infoAction, &QAction::trigger);
  actions_["SB_LayerInfo"] = infoAction;
}

void MainWindow::buildStatusLine() {
  xLabel_ = new QLabel(this);
  yLabel_ = new QLabel(this);
  xLabel_->setMinimumWidth(110);
  yLabel_->setMinimumWidth(110);
  unitButton_ = new QToolButton(this);
  connect(unitButton_, &QToolButton::clicked, this, &MainWindow::toggleUnit);
  gridButton_ = new QToolButton(this);
  gridButton_->setPopupMode(QToolButton::InstantPopup);
  gridMenu_ = new GridMenu(settings_, lang_, [this] { return doc_.working().grid; }, gridButton_);
  connect(gridMenu_, &GridMenu::gridChosen, this, &MainWindow::setGrid);
  connect(gridMenu_, &GridMenu::gridOptionsChanged, this, &MainWindow::applyGridOptions);
  gridButton_->setMenu(gridMenu_);
  xCaption_ = new QLabel(" X:", this);
  yCaption_ = new QLabel(" Y:", this);
  statusBar()->addWidget(xCaption_);
  statusBar()->addWidget(xLabel_);
  statusBar()->addWidget(yCaption_);
  statusBar()->addWidget(yLabel_);
  statusBar()->addWidget(unitButton_);
  statusBar()->addWidget(gridButton_);
  // Panel 2 holds the ground-plane clearance, which shows only while the plane is on.
  planePanel_ = new QWidget(this);
  planePanel_->setObjectName("StatusPanel2");
  auto* plane = new QHBoxLayout(planePanel_);
  plane->setContentsMargins(0, 0, 0, 0);
  planePanel_->setFixedWidth(43);
  statusBar()->addWidget(planePanel_);
  buildScanButtons();
  hintLabel_ = new QLabel(this);
  hintLabel_->setObjectName("L_Hilfetext");
  statusBar()->addWidget(hintLabel_, 1);
}

void MainWindow::applySettings() {
  if (!settings_.windowMax) setGeometry(settings_.windowX, settings_.windowY, settings_.windowW, settings_.windowH);
  // Without hints no tooltip shows anywhere; the status line still names what is under the
  // pointer. The filter stays, since the setting may change while the program runs.
  qApp->installEventFilter(this);
  applyDrawingOptions();
  unitButton_->setText(tr3(settings_.mil ? "UnitMil" : "UnitMm"));
  refreshHistoryMenu();
}

void MainWindow::applyDrawingOptions() {
  options_.showGrid = settings_.gridVisible;
  options_.gridMarks = settings_.gridMarks;
  options_.transparent = settings_.transparent;
  options_.whiteDrillHoles = settings_.whiteDrills;
  options_.darkerGroundPlane = settings_.darkGroundPlane;
  options_.showVirtualNodes = settings_.virtualNodes;
  area_->setCrosshairEnabled(settings_.crosshair);
  mapPanel_->setVisible(settings_.boardMap);
}

void MainWindow::buildEditBars() {
  undo_.setDepth(settings_.undo + 1);
  undoController_ = new UndoController(doc_, undo_, this);
  undoController_->addUndoAction(action("Undo"));
  undoController_->addRedoAction(action("Redo"));
  auto* editBar = addToolBar("Edit");
  editBar->setObjectName("EditBar");
  QAction* tbUndo = editBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr3("Undo"));
  tbUndo->setObjectName("TB_Undo");
  undoController_->addUndoAction(tbUndo);
  QAction* tbRedo = editBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr3("Redo"));
  tbRedo->setObjectName("TB_Redo");
  undoController_->addRedoAction(tbRedo);
  buildViewButtons(editBar);
  connect(undoController_, &UndoController::restored, this, [this] {
    tools_->boardChanged();
    area_->invalidate();
    refreshCommands();
  });
  // The selection commands get a row of their own: beside the others they would be cut off.
  addToolBarBreak();
  auto* selectionBar = addToolBar("Selection");
  selectionBar->setObjectName("SelectionBar");
  buildSelectionButtons(selectionBar);
  sizeBar_ = new SizeBar(doc_, undo_, settings_, lang_, this);
  auto* sizes = addToolBar("Sizes");
  sizes->setObjectName("SizeBar");
  sizes->addWidget(sizeBar_);
  sizeBar_->setMil(settings_.mil);
  TUnitSpinEdit* clearance = sizeBar_->field(SizeField::Clearance);
  sizeBar_->layout()->removeWidget(clearance);
  planePanel_->layout()->addWidget(clearance);
  connect(sizeBar_, &SizeBar::elementsChanged, this, [this] {
    area_->invalidate();
    refreshCommands();
  });
  buildTools();
  buildDrcPanel();
}

void MainWindow::bind(const QString& name, std::function<void()> run, std::function<bool()> enabled) {
  QAction* a = actions_.value(name);
  Q_ASSERT(a);
  enabledRules_[name] = std::move(enabled);
  if (run) connect(a, &QAction::triggered, this, std::move(run));
  a->setEnabled(!enabledRules_[name] || enabledRules_[name]());
}

void MainWindow::refreshCommands() {
  for (auto it = enabledRules_.cbegin(); it != enabledRules_.cend(); ++it) {
    if (it.value()) actions_[it.key()]->setEnabled(it.value()());
  }
  refreshEditState();
}

void MainWindow::refreshEditState() {
  if (!undoController_) return;
  undoController_->refresh();
  sizeBar_->setLayerState(layerState(doc_.working()));
  const int a = doc_.working().activeLayer;
  sizeBar_->refresh(a >= 1 && a <= 7 && doc_.working().groundPlane[static_cast<size_t>(a)]);
  refreshProperties();
}

void MainWindow::storeSettings() {
  if (sizeBar_) sizeBar_->storeTo(settings_);
  settings_.windowMax = isMaximized();
  const QRect g = normalGeometry();
  settings_.windowX = g.x();
  settings_.windowY = g.y();
  settings_.windowW = g.width();
  settings_.windowH = g.height();
  settings_.history = recent_.entries();
  settings_.colourScheme = schemes_.selected();
  settings_.autoSave = autoSave_->enabled();
  settings_.autoSaveTime = autoSave_->intervalMs();
  if (props_) settings_.propertiesPanel = props_->isVisible();
  storeMacroSettings();
  settings_.writeTo(ini_);
  if (drc_) drc_->writeSettings(ini_);
  ini_.save(paths_.settingsFile());  // a settings file that cannot be written is no reason to stop
}

void MainWindow::refreshBoardTabs() {
  syncingTabs_ = true;
  while (tabs_->count() > 0) tabs_->removeTab(0);
  for (const Board& b : doc_.boards()) tabs_->addTab(QString::fromStdString(b.name));
  tabs_->setCurrentIndex(doc_.currentIndex());
  syncingTabs_ = false;
}

void MainWindow::refreshHistoryMenu() {
  const auto captions = recent_.menuCaptions();
  for (int i = 0; i < 4; ++i) {
    QAction* a = actions_[QString("History%1").arg(i + 1)];
    const bool used = i < static_cast<int>(captions.size());
    a->setVisible(used);
    if (used) a->setText(QString::fromStdString(captions[static_cast<size_t>(i)]));
  }
}

void MainWindow::refreshLayerControls() {
  const BoardSettings& s = doc_.working();
  layerPanel_->refresh(s, schemes_.active());
  for (uint8_t l = layer::C1; l <= layer::S2; ++l) {
    visibleActions_[l]->setChecked(s.visible[l]);
    activeActions_[l]->setChecked(s.activeLayer == l);
  }
  refreshScanButtons();
  actions_["M_AutoMasse"]->setChecked(s.groundPlane[groundPlaneMenuLayer(s.activeLayer)] != 0);
  const int a = s.activeLayer;
  const bool planeOn = a >= 1 && a <= 7 && s.groundPlane[static_cast<size_t>(a)];
  if (sizeBar_) sizeBar_->showClearance(planeOn);
  planePanel_->setFixedWidth(planeOn ? 90 : 43);
  if (toolBar_) {
    // The switch of the active copper layer; the cutout button only while its plane is on.
    toolBar_->groundPlaneButton()->setEnabled(isCopperLayer(a));
    toolBar_->groundPlaneButton()->setChecked(planeOn);
    toolBar_->keepOutButton()->setVisible(planeOn);
    if (!planeOn) toolBar_->keepOutButton()->setChecked(false);
  }
  // The cutout and thermal boxes depend on the active layer's plane.
  refreshProperties();
}

void MainWindow::refreshGridCaption() {
  const LengthUnit unit = settings_.mil ? LengthUnit::Mil : LengthUnit::Millimetre;
  gridButton_->setText(QString::fromStdString(
      gridButtonCaption(doc_.working().grid, unit, unitNamesFor(static_cast<int>(lang_)))));
}

void MainWindow::boardSwitched() {
  if (tools_) tools_->boardChanged();
  if (drc_) drc_->boardChanged();
  reloadScans();
  area_->boardChanged();
  map_->invalidate();
  refreshLayerControls();
  refreshGridCaption();
  refreshCommands();
}

void MainWindow::documentReplaced() {
  if (milling_) milling_->deleteOutlines();  // they belong to the board that was replaced
  refreshBoardTabs();
  boardSwitched();
  refreshHistoryMenu();
  updateTitle();
}

void MainWindow::showCoordinates(Point world) {
  lastPointer_ = world;
  const BoardSettings& s = doc_.working();
  const double x = world.x - s.originX / 1000.0;
  const double y = s.originY / 1000.0 - world.y;
  const QString unit = " " + tr3(settings_.mil ? "UnitMil" : "UnitMm");
  auto text = [&](double v) {
    if (settings_.mil) return QString::number(std::lround(v / 2.54)) + unit;
    return QString::fromStdString(formatGeneral(v / 100, 4)) + unit;
  };
  xLabel_->setText(text(x));
  yLabel_->setText(text(y));
  refreshMarkers();
}

void MainWindow::toggleUnit() {
  settings_.mil = !settings_.mil;
  applyUnit();
}

void MainWindow::applyUnit() {
  if (sizeBar_) sizeBar_->setMil(settings_.mil);
  if (drc_) drc_->setMil(settings_.mil);
  if (props_) props_->setMil(settings_.mil);
  unitButton_->setText(tr3(settings_.mil ? "UnitMil" : "UnitMm"));
  refreshGridCaption();
  // The coordinates on show change their unit at once, not with the next pointer move.
  if (lastPointer_) showCoordinates(*lastPointer_);
  refreshView();
}

void MainWindow::setGrid(double step) {
  doc_.working().grid = step;
  refreshGridCaption();
  area_->invalidate();
}

void MainWindow::setActiveLayer(uint8_t layerCode) {
  SetActiveLayer(doc_.working(), doc_.elements(), layerCode, LayerCommandSource::Menu);
  refreshLayerControls();
  area_->invalidate();
}

void MainWindow::toggleLayer(uint8_t layerCode) {
  ToggleLayerVisible(doc_.working(), doc_.elements(), layerCode, LayerCommandSource::Menu);
  refreshLayerControls();
  area_->invalidate();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::ToolTip && !settings_.hints) return true;
  if (e->type() == QEvent::Leave && watched == area_->viewport()) {
    hRuler_->setMarker(std::nullopt);
    vRuler_->setMarker(std::nullopt);
  }
  if (e->type() == QEvent::KeyPress && (watched == area_ || watched == area_->viewport())) {
    if (handleKey(static_cast<QKeyEvent*>(e))) return true;
  }
  if (e->type() == QEvent::KeyRelease && (watched == area_ || watched == area_->viewport())) {
    auto* key = static_cast<QKeyEvent*>(e);
    if (!(key->modifiers() & Qt::AltModifier) && toolKey(key, false)) return true;
  }
  return QMainWindow::eventFilter(watched, e);
}

bool MainWindow::handleKey(QKeyEvent* e) {
  if (e->modifiers() & Qt::AltModifier) return false;
  const int key = e->key();
  if (key >= Qt::Key_F1 && key <= Qt::Key_F4) {
    setActiveLayer(static_cast<uint8_t>(key - Qt::Key_F1 + 1));
    return true;
  }
  if (key >= Qt::Key_F5 && key <= Qt::Key_F8) {
    toggleLayer(static_cast<uint8_t>(key - Qt::Key_F5 + 1));
    return true;
  }
  if (key == Qt::Key_0) {
    setOriginAtPointer(e->modifiers() & Qt::ControlModifier);
    return true;
  }
  if (key == Qt::Key_F12) {
    // Through-plating of the selected pads, when the selection allows it.
    if (QAction* plating = sizeBar_->platingAction(); plating->isEnabled()) plating->trigger();
    return true;
  }
  if (toolKey(e, true)) return true;
  if (e->modifiers() & Qt::ControlModifier) return false;  // menu shortcuts take these
  if (key == Qt::Key_Escape) {
    chooseTool(ToolChoice{});
    return true;
  }
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_1 && key <= Qt::Key_9)) {
    if (auto tool = toolOfHotkeyRow(settings_.toolForKey(static_cast<char>(key)))) {
      // A tool still to come has a disabled button, and its key does nothing either.
      const QAction* button = toolBar_->button(*tool);
      if (!button || button->isEnabled()) chooseTool(*tool);
      return true;
    }
  }
  return false;
}

void MainWindow::closeEvent(QCloseEvent* e) {
  if (!maySafelyDiscard()) {
    e->ignore();
    return;
  }
  storeSettings();
  e->accept();
}

}  // namespace trazello
