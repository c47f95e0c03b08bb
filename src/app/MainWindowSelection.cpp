// The selection commands the Edit and Functions menus do not hold: the rotation angle, the align
// menu, naming, the selection buttons of the tool bar and the picture a copy puts on the system
// clipboard.
#include <QActionGroup>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QSvgGenerator>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "MainWindow.h"
#include "view/PictureExport.h"
#include "WertEingabeDlg.h"
#include "edit/commands/SelectionCommands.h"
#include "edit/commands/TransformCommands.h"
#include "files/TextEncoding.h"
#include "view/NumberFormat.h"
#include "view/SelectionPicture.h"

namespace trazello {

namespace {
// Pixels per unit of the clipboard picture: 20 pixels a millimetre.
constexpr double kPictureScale = 0.2;
// The fixed angles of the angle menu, in tenths of a degree.
constexpr int kFixedAngles[] = {900, 450, 150, 50};

QString userAngleCaption(int tenths) {
  return QString::fromStdString(formatGeneral(tenths / 10.0, 15)) + QString::fromUtf8("° ...");
}
}  // namespace

void MainWindow::buildSelectionMenus() {
  valueDlg_ = new WertEingabeDlg(lang_, this);

  rotationMenu_ = new QMenu(this);
  rotationMenu_->setObjectName("WinkelPopup");
  auto* angles = new QActionGroup(rotationMenu_);
  for (int tenths : kFixedAngles) {
    QAction* a = rotationMenu_->addAction(QString::number(tenths / 10) + QString::fromUtf8("°"));
    a->setObjectName(QString("WinkelPopup.%1").arg(tenths / 10));
    a->setData(tenths);
    a->setCheckable(true);
    angles->addAction(a);
    connect(a, &QAction::triggered, this, [this, tenths] { settings_.rotationStep = tenths; });
  }
  QAction* user = rotationMenu_->addAction(userAngleCaption(settings_.userRotation));
  user->setObjectName("WinkelPopup.User");
  user->setCheckable(true);
  angles->addAction(user);
  connect(user, &QAction::triggered, this, &MainWindow::askRotationAngle);
  connect(rotationMenu_, &QMenu::aboutToShow, this, [this, user] {
    user->setText(userAngleCaption(settings_.userRotation));
    bool fixed = false;
    for (QAction* a : rotationMenu_->actions()) {
      if (a == user) continue;
      a->setChecked(a->data().toInt() == settings_.rotationStep);
      fixed = fixed || a->isChecked();
    }
    user->setChecked(!fixed);
  });

  alignMenu_ = new QMenu(tr3("Ausrichten1"), this);
  alignMenu_->setObjectName("AusrichtenPopup");
  const char* alignments[] = {"Obenausrichten1",
                              "Untenausrichten1",
                              "Linksausrichten1",
                              "Rechtsausrichten1",
                              "HorizontalMittigausrichten1",
                              "VertikalMittigausrichten1"};
  auto canAlign = [this] { return commandAvailability(doc_).canGroup; };
  for (int tag = 1; tag <= 6; ++tag) {
    const char* name = alignments[tag - 1];
    QAction* a = alignMenu_->addAction(tr3(name));
    a->setObjectName(name);
    actions_[name] = a;
    bind(
        name, [this, tag] { applyCommand(alignSelection(doc_, undo_, Alignment(tag))); }, canAlign);
  }
  actions_["Ausrichten1"] = alignMenu_->menuAction();
  enabledRules_["Ausrichten1"] = canAlign;
  connect(alignMenu_, &QMenu::aboutToShow, this, &MainWindow::refreshCommands);
}

void MainWindow::askRotationAngle() {
  valueDlg_->setLimits(-360, 360);
  const QString preset = QString::fromStdString(formatGeneral(settings_.userRotation / 10.0, 15));
  if (!valueDlg_->ask(tr3("WinkelEingabe"), preset)) return;
  const int tenths = int(std::nearbyint(valueDlg_->number() * 10));
  settings_.userRotation = tenths;
  settings_.rotationStep = tenths;
}

void MainWindow::nameSelectedElements() {
  valueDlg_->setLimits(0, 0);
  const std::string name = firstSelectedName(doc_.elements());
  if (!valueDlg_->ask(tr3("NamensEingabe"), QString::fromStdString(cp1252ToUtf8(name)))) return;
  applyCommand(nameSelection(doc_, utf8ToCp1252(valueDlg_->text().toStdString())));
}

void MainWindow::buildSelectionButtons(QToolBar* bar) {
  // Each button triggers its menu command and follows that command's enabled state.
  auto follow = [this](QAction* button, const char* command) {
    QAction* c = actions_[command];
    connect(button, &QAction::triggered, c, &QAction::trigger);
    button->setEnabled(c->isEnabled());
    connect(c, &QAction::enabledChanged, button, &QAction::setEnabled);
  };
  const std::pair<const char*, const char*> buttons[] = {
      {"TB_Copy", "Kopieren1"},
      {"TB_Cut", "Ausschneiden1"},
      {"TB_Paste", "Einfgen1"},
      {"TB_Duplizieren", "Duplizieren1"},
      {"TB_Delete", "Lschen1"},
      {"TB_Rotieren", "Rotieren1"},
      {"TB_HSpiegeln", "Horizontalspiegeln2"},
      {"TB_VSpiegeln", "Vertikalspiegeln2"},
      {"TB_Gruppieren", "Gruppieren1"},
      {"TB_GruppeAufloesen", "Gruppierungaufheben1"},
      {"TB_AmRasterAusrichten", "amRasterausrichten1"}};
  const char* icons[] = {"copy",
                         "cut",
                         "paste",
                         "duplicate",
                         "delete",
                         "rotate",
                         "mirror-horizontal",
                         "mirror-vertical",
                         "group",
                         "ungroup",
                         "grid-align"};
  for (size_t i = 0; i < std::size(buttons); ++i) {
    follow(addToolbarEntry(bar, buttons[i].first, icons[i]), buttons[i].second);
  }
  // The rotate button's arrow opens the angle menu.
  if (auto* rotate = qobject_cast<QToolButton*>(bar->widgetForAction(actions_["TB_Rotieren"]))) {
    rotate->setMenu(rotationMenu_);
    rotate->setPopupMode(QToolButton::MenuButtonPopup);
  }
  QAction* align = addToolbarEntry(bar, "TB_Ausrichten", "align");
  if (auto* b = qobject_cast<QToolButton*>(bar->widgetForAction(align))) {
    b->setMenu(alignMenu_);
    b->setPopupMode(QToolButton::InstantPopup);
  }
  enabledRules_["TB_Ausrichten"] = [this] { return commandAvailability(doc_).canGroup; };
}

void MainWindow::copySelectionToClipboards() {
  if (copySelection(doc_) == 0) return;
  // The system clipboard gets a picture of the selection, as a vector and as a bitmap.
  const SelectionPicture picture(doc_.working(), doc_.elements(), kPictureScale);
  RenderOptions plain = options_;
  plain.photoView = false;
  auto* data = new QMimeData;
  QByteArray svg;
  QBuffer buffer(&svg);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(picture.size());
  generator.setViewBox(QRect(QPoint(0, 0), picture.size()));
  generator.setTitle("Trazello");
  {
    QPainter painter(&generator);
    picture.paint(painter, schemes_.active(), plain);
  }
  data->setData("image/svg+xml", svg);
  const std::vector<uint8_t> emf = boardMetafile(pictureSource(), doc_.working().zoom, true);
  data->setData("image/emf", QByteArray(reinterpret_cast<const char*>(emf.data()),
                                        static_cast<qsizetype>(emf.size())));
  data->setImageData(picture.image(schemes_.active(), plain));
  QApplication::clipboard()->setMimeData(data);
}

}  // namespace trazello
