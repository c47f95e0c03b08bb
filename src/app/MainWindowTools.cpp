// The tool bar, the tools' events and what the window shows of their outcomes.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <cmath>

#include "AutoRouterWindow.h"
#include "ContextHelp.h"
#include "DrcPanel.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "PhotoViewWindow.h"
#include "PropertiesPanel.h"
#include "SizeBar.h"
#include "ToolBar.h"
#include "UndoController.h"
#include "WindowToolHost.h"
#include "edit/commands/NodeCommands.h"
#include "model/Layer.h"
#include "view/NumberFormat.h"

namespace trazello {

namespace {
constexpr double kToolZoomStep = 1.4;
}

MainWindow::~MainWindow() {
  // Docked and floating windows hide while the window is taken apart; they must not call back.
  if (drc_) drc_->disconnect(this);
  if (photo_) photo_->disconnect(this);
  if (autoRouter_) autoRouter_->disconnect(this);
  if (props_) props_->disconnect();
}

void MainWindow::buildTools() {
  toolHost_ =
      std::make_unique<WindowToolHost>(doc_, undo_, *sizeBar_, *area_, settings_, int(lang_), this);
  toolHost_->setHelp([this] { openContextHelp(paths_, kHelpIndex); });
  tools_ = std::make_unique<ToolDispatcher>(*toolHost_);
  undoController_->setPolylineInProgress([this] { return tools_->polylineInProgress(); });
  toolBar_ = new ToolBar(settings_.hotkeys, int(lang_), this);
  toolBar_->setWindowTitle(tr3("ToolBar"));
  addToolBar(Qt::LeftToolBarArea, toolBar_);
  connect(toolBar_, &ToolBar::toolChosen, this, &MainWindow::chooseTool);
  connect(toolBar_, &ToolBar::keepOutToggled, this, [this](bool down) {
    toolHost_->setKeepOut(down);
    // The cutout button draws zones: it chooses the zone tool and stays down with it.
    if (down && tools_->current().code != ToolCode::Zone)
      chooseTool(ToolChoice{ToolCode::Zone, false});
  });
  connect(toolBar_, &ToolBar::groundPlaneToggled, this, [this](bool on) {
    BoardSettings& s = doc_.working();
    if (!isCopperLayer(s.activeLayer)) return;
    s.groundPlane[s.activeLayer] = on ? 1 : 0;
    doc_.setModified();
    toolBar_->keepOutButton()->setChecked(false);
    refreshLayerControls();
    area_->invalidate();
  });
  area_->setClipboard(&doc_.clipboard());
  connect(area_, &DrawingArea::toolEvent, this, &MainWindow::handleToolEvent);

  nodeMenu_ = new QMenu(this);
  nodeMenu_->setObjectName("KnotenPopup");
  const std::pair<const char*, NodeCommand> entries[] = {
      {"NeuerKnoten1", NodeCommand::Add},
      {"Knotenentfernen1", NodeCommand::Remove},
      {"Trennen1", NodeCommand::Split},
      {"AmRasterausrichten2", NodeCommand::AlignToGrid},
      {"AlleKnotenamRasterausrichten1", NodeCommand::AlignAllToGrid},
  };
  for (const auto& [name, command] : entries) {
    QAction* a = nodeMenu_->addAction(tr3(name));
    a->setObjectName(name);
    actions_[name] = a;
    connect(a, &QAction::triggered, this, [this, c = command] {
      applyOutcome(tools_->nodeCommand(c, nodeElement_, nodeIndex_));
    });
  }
  buildAutoRouter();
  applyOutcome(tools_->selectTool(ToolChoice{}));
}

void MainWindow::buildAutoRouter() {
  autoRouter_ = new AutoRouterWindow(lang_, this);
  toolHost_->setRouteWindow([this] { return autoRouter_->sizes(); },
                            [this](const std::string& status, const std::optional<IRect>& box) {
                              if (!status.empty()) autoRouter_->showStatus(status);
                              area_->showSearchWindow(box);
                            });
  // Closing the window ends the autoroute tool.
  connect(autoRouter_, &AutoRouterWindow::closedByUser, this, [this] {
    if (tools_->current().code == ToolCode::Autoroute) chooseTool(ToolChoice{});
  });
  connect(autoRouter_, &AutoRouterWindow::helpRequested, this,
          [this](int c) { openContextHelp(paths_, c); });
}

void MainWindow::showAutoRouter(bool on) {
  if (on) {
    autoRouter_->setMil(settings_.mil);
    autoRouter_->adjustSize();
    autoRouter_->move(geometry().center() - autoRouter_->rect().center());
  }
  autoRouter_->setVisible(on);
}

ToolChoice MainWindow::currentTool() const {
  return tools_ ? tools_->current() : ToolChoice{};
}

void MainWindow::chooseTool(ToolChoice tool) {
  applyOutcome(tools_->selectTool(tool));
}

void MainWindow::handleToolEvent(const ToolEvent& e) {
  applyOutcome(tools_->handle(e));
  // The length of a track being drawn follows the pointer.
  if (tools_->polylineInProgress()) refreshProperties();
  // While a track or zone is drawn the view follows the pointer to the edges.
  if (e.type == ToolEventType::Move && !e.leftHeld() && tools_->polylineInProgress()) {
    if (auto at = area_->pointerPosition()) area_->autoscroll(*at);
  }
}

bool MainWindow::toolKey(QKeyEvent* e, bool pressed) {
  ToolKey key = ToolKey::None;
  switch (e->key()) {
    case Qt::Key_Space:
      key = ToolKey::Space;
      break;
    case Qt::Key_Delete:
      key = ToolKey::Delete;
      break;
    case Qt::Key_Left:
      key = ToolKey::Left;
      break;
    case Qt::Key_Up:
      key = ToolKey::Up;
      break;
    case Qt::Key_Right:
      key = ToolKey::Right;
      break;
    case Qt::Key_Down:
      key = ToolKey::Down;
      break;
    default:
      return false;
  }
  if (e->isAutoRepeat() && key == ToolKey::Space) return true;  // Space is held, not repeated
  Point at{};
  if (auto p = area_->pointerPosition()) at = area_->worldAt(*p);
  const Modifiers mods{bool(e->modifiers() & Qt::ShiftModifier),
                       bool(e->modifiers() & Qt::ControlModifier),
                       bool(e->modifiers() & Qt::AltModifier)};
  const uint8_t held = uint8_t(QApplication::mouseButtons() & Qt::LeftButton ? 1 : 0);
  ToolEvent t =
      pressed ? ToolEvent::keyPress(key, at, mods, held) : ToolEvent::keyRelease(key, at, mods);
  t.autoRepeat = e->isAutoRepeat();
  Outcome o = tools_->handle(t);
  const bool handled = o.handled;
  applyOutcome(std::move(o));
  return handled;
}

void MainWindow::showToolDisplay(const Outcome::Display& d) {
  const bool angles = d.kind == Outcome::Display::Kind::Angles;
  xCaption_->setText(angles ? " Start:" : " dX:");
  yCaption_->setText(angles ? " Stop:" : " dY:");
  auto text = [&](double v) {
    if (angles) return QString::number(std::lround(v)) + QString::fromUtf8(" °");
    if (settings_.mil) return QString::number(std::lround(v / 2.54)) + QString::fromUtf8(" мил");
    return QString::fromStdString(formatGeneral(v / 100, 4)) + QString::fromUtf8(" мм");
  };
  xLabel_->setText(text(d.first));
  yLabel_->setText(text(d.second));
  setCoordinatePanelAlert(true);
}

void MainWindow::setCoordinatePanelAlert(bool on) {
  // A move or an arc end in progress turns the coordinate panel red with white text.
  const QString style = on ? "background: rgb(255,0,0); color: white;" : QString();
  for (QLabel* l : {xCaption_, yCaption_, xLabel_, yLabel_}) {
    l->setAutoFillBackground(on);
    l->setStyleSheet(style);
  }
}

void MainWindow::applyOutcome(Outcome o) {
  const Change& c = o.change;
  if (c.elements || c.selection || c.all || c.hasArea) area_->invalidate();
  if (o.solderMaskViewChanged || options_.solderMaskView != tools_->solderMaskView()) {
    options_.solderMaskView = tools_->solderMaskView();
    area_->invalidate();
  }
  // The photo-view tool shows its window, which switches the photo view on; every other tool
  // hides it.
  const bool photo = tools_->current().photoView;
  if (photo_ && photo_->isVisible() != photo) showPhotoView(photo);
  const bool routing = tools_->current().code == ToolCode::Autoroute;
  // Highlighted connections turn magenta while a track is drawn or routed.
  const bool routingTool = routing || tools_->current().code == ToolCode::Track;
  if (options_.routingToolActive != routingTool) {
    options_.routingToolActive = routingTool;
    area_->invalidate();
  }
  if (autoRouter_ && autoRouter_->isVisible() != routing) showAutoRouter(routing);
  if (o.routeStatus && autoRouter_) autoRouter_->showStatus(*o.routeStatus);
  area_->setOriginDragEnabled(tools_->current().code == ToolCode::Edit);
  // Any other tool releases the cutout button.
  if (tools_->current().code != ToolCode::Zone) toolBar_->keepOutButton()->setChecked(false);
  toolBar_->showTool(tools_->current());
  area_->setPreview(std::move(o.preview));
  if (o.hint) {
    QString hint = QString::fromStdString(*o.hint);
    hint = hint.mid(hint.indexOf('|') + 1).replace('\r', ' ');
    hintLabel_->setText(hint);
  }
  if (o.display) {
    showToolDisplay(*o.display);
  } else if (xCaption_->text() != " X:") {
    xCaption_->setText(" X:");
    yCaption_->setText(" Y:");
    setCoordinatePanelAlert(false);
  }
  if (o.pointer) area_->viewport()->setCursor(toolCursor(*o.pointer));
  if (o.showSelectionSizes && sizeBar_) sizeBar_->showSelectionSizes(true);
  if (!c.empty() || o.showSelectionSizes) refreshCommands();
  if (c.message) showMessage(this, *c.message, lang_);

  switch (o.zoom) {
    case Outcome::Zoom::None:
      break;
    case Outcome::Zoom::In:
      area_->zoomBy(kToolZoomStep, o.at);
      break;
    case Outcome::Zoom::Out:
      area_->zoomBy(1 / kToolZoomStep);
      break;
    case Outcome::Zoom::Frame:
      area_->zoomToBox(
          IRect{int32_t(std::min(o.at.x, o.frameTo.x)), int32_t(std::max(o.at.y, o.frameTo.y)),
                int32_t(std::max(o.at.x, o.frameTo.x)), int32_t(std::min(o.at.y, o.frameTo.y))});
      break;
  }
  const QPoint menuAt = area_->pixelAt(o.at).toPoint();
  if (o.menu == Outcome::Menu::Context) {
    contextElement_ = o.element;
    area_->openContextMenu(menuAt);
    contextElement_ = {};
  } else if (o.menu == Outcome::Menu::Node) {
    actions_["Knotenentfernen1"]->setEnabled(o.removeNodeEnabled);
    actions_["Trennen1"]->setEnabled(o.splitEnabled);
    nodeElement_ = o.element;
    nodeIndex_ = o.node;
    nodeMenu_->exec(area_->viewport()->mapToGlobal(menuAt));
  }
}

}  // namespace trazello
