// The viewport around the drawing area: rulers, board map, origin, scanned copies, hints.
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "BoardMapWidget.h"
#include "ContextHelp.h"
#include "LayerInfoDialog.h"
#include "LayerPanel.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "PhotoViewWindow.h"
#include "RulerWidget.h"
#include "ScannedCopyDialog.h"

namespace trazello {

QWidget* MainWindow::buildViewport() {
  auto* centre = new QWidget(this);
  auto* grid = new QGridLayout(centre);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  hRuler_ = new RulerWidget(Qt::Horizontal, *area_, centre);
  vRuler_ = new RulerWidget(Qt::Vertical, *area_, centre);
  tabs_ = new QTabBar(centre);
  tabs_->setShape(QTabBar::RoundedSouth);
  mapPanel_ = new QWidget(centre);
  auto* mapColumn = new QVBoxLayout(mapPanel_);
  mapColumn->setContentsMargins(0, 0, 0, 0);
  map_ = new BoardMapWidget(*area_, doc_, schemes_, options_, mapPanel_);
  mapColumn->addWidget(map_);
  mapColumn->addStretch(1);
  grid->addWidget(mapPanel_, 0, 0, 3, 1);
  grid->addWidget(hRuler_, 0, 1, 1, 2);
  grid->addWidget(vRuler_, 1, 1);
  grid->addWidget(area_, 1, 2);
  grid->addWidget(tabs_, 2, 1, 1, 2);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(2, 1);
  return centre;
}

void MainWindow::buildAreaMenu() {
  areaMenu_ = new QMenu(this);
  areaMenu_->setObjectName("AreaPopup");
  // The selection commands of the Edit and Functions menus, the same commands with the same
  // enabled rules.
  for (const char* name : {"Kopieren1", "Ausschneiden1", "Einfgen1", "Duplizieren1", "Lschen1", "",
                           "Rotieren1", "Horizontalspiegeln2", "Vertikalspiegeln2", "", "Gruppieren1",
                           "Gruppierungaufheben1", "Layerwechseln1", "AufLayer1",
                           "amRasterausrichten1", "AusrichtenPopup", "", "Benennen1",
                           "MarkiereNamen1", ""}) {
    if (*name == 0) {
      areaMenu_->addSeparator();
    } else if (QString(name) == "AufLayer1") {
      areaMenu_->addMenu(menus_[name]);
    } else if (QString(name) == "AusrichtenPopup") {
      areaMenu_->addMenu(alignMenu_);
    } else {
      areaMenu_->addAction(actions_[name]);
    }
  }
  connect(areaMenu_, &QMenu::aboutToShow, this, &MainWindow::refreshContextEntries);
  QMenu* origin = areaMenu_->addMenu(tr3("Nullpunktsetzen1"));
  origin->setObjectName("Nullpunktsetzen1");
  QAction* atClick = origin->addAction(tr3("SetzeaufKlickposition1"));
  actions_["SetzeaufKlickposition1"] = atClick;
  connect(atClick, &QAction::triggered, this, [this] {
    const bool exact = QApplication::keyboardModifiers() & Qt::ControlModifier;
    area_->setOriginAt(area_->worldAt(area_->contextPosition()), exact);
  });
  QAction* reset = origin->addAction(tr3("RcksetzenObenLinks1"));
  actions_["RcksetzenObenLinks1"] = reset;
  connect(reset, &QAction::triggered, this, [this] { area_->resetOrigin(); });
  area_->setContextMenu(areaMenu_);
}

void MainWindow::buildScanButtons() {
  hideScanButton_ = new QPushButton(QString::fromUtf8("\u25CC"), this);
  scanOnlyButton_ = new QPushButton(QString::fromUtf8("\u25A3"), this);
  hideScanButton_->setObjectName("SB_HideVorlage");
  scanOnlyButton_->setObjectName("SB_NurVorlage");
  // Status-line panel 3, 58 pixels wide while the buttons show.
  scanPanel_ = new QWidget(this);
  scanPanel_->setObjectName("StatusPanel3");
  scanPanel_->setFixedWidth(58);
  auto* row = new QHBoxLayout(scanPanel_);
  row->setContentsMargins(1, 0, 1, 0);
  row->setSpacing(2);
  for (QPushButton* b : {hideScanButton_, scanOnlyButton_}) {
    b->setFixedWidth(27);
    b->setToolTip(tr3(b->objectName().toUtf8().constData()));
    b->setStatusTip(b->toolTip());
    row->addWidget(b);
  }
  statusBar()->addWidget(scanPanel_);
  // Hide: both images are hidden while the button is down and their flags come back on release.
  // Flipping the flags instead would show a hidden image while "hide" is held.
  connect(hideScanButton_, &QPushButton::pressed, this, [this] {
    hiddenScans_ = doc_.working().templateShown;
    doc_.working().templateShown.fill(0);
    area_->invalidate();
  });
  connect(hideScanButton_, &QPushButton::released, this, [this] {
    if (!hiddenScans_) return;
    doc_.working().templateShown = *hiddenScans_;
    hiddenScans_.reset();
    area_->invalidate();
  });
  // Show only: the layers are hidden for one picture; the cached picture keeps showing it until
  // the button is released.
  connect(scanOnlyButton_, &QPushButton::pressed, this, [this] {
    auto& visible = doc_.working().visible;
    const auto kept = visible;
    visible.fill(0);
    area_->invalidate();
    area_->viewport()->repaint();
    visible = kept;
  });
  connect(scanOnlyButton_, &QPushButton::released, this, [this] { area_->invalidate(); });
}

void MainWindow::refreshScanButtons() {
  const BoardSettings& s = doc_.working();
  const int side = scanSide(s.activeLayer);
  const bool available = side >= 0 && !scans_[static_cast<size_t>(side)].isNull();
  hideScanButton_->setVisible(available);
  scanOnlyButton_->setVisible(available);
  scanPanel_->setVisible(available);
  if (!available) return;
  const ColorRef bg = schemes_.active()[SchemeSlot::Background];
  const int32_t fg = s.templateColour[static_cast<size_t>(side)];
  const QString style = QString("background-color: rgb(%1,%2,%3); color: rgb(%4,%5,%6)")
                            .arg(redOf(bg))
                            .arg(greenOf(bg))
                            .arg(blueOf(bg))
                            .arg(fg & 0xFF)
                            .arg((fg >> 8) & 0xFF)
                            .arg((fg >> 16) & 0xFF);
  hideScanButton_->setStyleSheet(style);
  scanOnlyButton_->setStyleSheet(style);
}

void MainWindow::reloadScans() {
  // Saving or re-showing the same board must not read the bitmaps again (nor repeat a message
  // about a missing one); another board or document with other files does.
  BoardSettings& s = doc_.working();
  if (s.templateFile == scanFiles_) return;
  ScannedCopyDialog::reloadAll(s, scans_, lastScan_,
                               [this](const Message& m) { showMessage(this, m, lang_); });
  scanFiles_ = s.templateFile;
}

void MainWindow::refreshView() {
  const LengthUnit unit = settings_.mil ? LengthUnit::Mil : LengthUnit::Millimetre;
  hRuler_->setUnit(unit);
  vRuler_->setUnit(unit);
  hRuler_->update();
  vRuler_->update();
  map_->refresh();
}

void MainWindow::refreshMarkers() {
  const auto at = area_->pointerPosition();
  hRuler_->setMarker(at ? std::optional<int>(at->x()) : std::nullopt);
  vRuler_->setMarker(at ? std::optional<int>(at->y()) : std::nullopt);
}

void MainWindow::setOriginAtPointer(bool exact) {
  const auto at = area_->pointerPosition();
  if (!at) return;
  area_->setOriginAt(area_->worldAt(QPointF(*at)), exact);
  showCoordinates(area_->worldAt(QPointF(*at)));
}

QString MainWindow::coordinateText() const {
  return xLabel_->text() + " " + yLabel_->text();
}

void MainWindow::applyGridOptions() {
  options_.showGrid = settings_.gridVisible;
  options_.gridMarks = settings_.gridMarks;
  area_->invalidate();
}

void MainWindow::showLayerInfo() {
  auto* dialog = new LayerInfoDialog(schemes_.active(), lang_, this);
  connect(dialog, &LayerInfoDialog::helpRequested, this,
          [this](int c) { openContextHelp(paths_, c); });
  dialog->exec();
}

void MainWindow::showScannedCopy() {
  BoardSettings& s = doc_.working();
  ScannedCopyDialog dialog(s, scans_, settings_.templateFolder, lang_, this);
  dialog.pages()->setCurrentIndex(s.activeLayer > 2 ? 1 : 0);
  connect(&dialog, &ScannedCopyDialog::sideChanged, this, [this](int side) {
    const BoardSettings& b = doc_.working();
    const size_t i = static_cast<size_t>(side);
    if (!scans_[i].isNull()) lastScan_ = b.templateFile[i];
    scanFiles_[i] = b.templateFile[i];
    if (side == scanSide(b.activeLayer)) area_->invalidate();
    refreshScanButtons();
  });
  connect(&dialog, &ScannedCopyDialog::helpRequested, this,
          [this](int c) { openContextHelp(paths_, c); });
  dialog.exec();
  doc_.setModified();
}

void MainWindow::buildPhotoView() {
  photo_ = new PhotoViewWindow(lang_, this);
  connect(photo_, &PhotoViewWindow::changed, this, &MainWindow::syncPhotoView);
  // Closing the window ends the photo view and hands the board back to the edit tool.
  connect(photo_, &PhotoViewWindow::closedByUser, this, [this] { chooseTool(ToolChoice{}); });
  connect(photo_, &PhotoViewWindow::helpRequested, this,
          [this](int c) { openContextHelp(paths_, c); });
}

void MainWindow::showPhotoView(bool on) {
  photo_->setVisible(on);
}

void MainWindow::syncPhotoView() {
  const bool on = photo_->isVisible();
  const bool mirrored = on && photo_->side() == 2;
  if (mirrored != photoMirrored_) {
    // The same stretch of the board stays in view when the picture turns over.
    QScrollBar* h = area_->horizontalScrollBar();
    h->setValue(h->maximum() - h->value());
    photoMirrored_ = mirrored;
  }
  options_.photoView = on;
  options_.photoSide = photo_->side();
  options_.photoWithSilk = photo_->withSilkscreen();
  options_.photoXray = photo_->xray();
  area_->invalidate();
  map_->refresh();
}

void MainWindow::colourSchemeChanged() {
  refreshLayerControls();
  area_->invalidate();
  map_->invalidate();
}

bool MainWindow::event(QEvent* e) {
  if (e->type() == QEvent::StatusTip) {
    hintLabel_->setText(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  return QMainWindow::event(e);
}

}  // namespace trazello
