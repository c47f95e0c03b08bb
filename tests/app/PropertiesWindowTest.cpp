// The properties panel in the real window: select on the board, edit in the panel, undo and redo,
// show and hide it.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>
#include <optional>

#include "WindowFixture.h"
#include "app/DrawingArea.h"
#include "app/IniFile.h"
#include "app/LayerPanel.h"
#include "app/PropertiesPanel.h"
#include "app/ScannedCopyDialog.h"
#include "app/TUnitSpinEdit.h"
#include "app/ToolBar.h"
#include "files/LayoutIo.h"
#include "model/Layer.h"

namespace trazello::testing {
namespace {

class PropertiesWindow : public WindowFixture {
 protected:
  void send(MainWindow& w, QEvent::Type type, Point world, Qt::MouseButton button,
            Qt::MouseButtons held) {
    QWidget* vp = w.drawingArea()->viewport();
    const QPointF at = w.drawingArea()->pixelAt(world);
    QMouseEvent e(type, at, vp->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(vp, &e);
  }
  // A press and release of the left button, moving from `from` to `to` in between.
  void click(MainWindow& w, Point from, std::optional<Point> to = std::nullopt) {
    send(w, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
    send(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    if (to) {
      send(w, QEvent::MouseMove, midpoint(from, *to), Qt::NoButton, Qt::LeftButton);
      send(w, QEvent::MouseMove, *to, Qt::NoButton, Qt::LeftButton);
    }
    send(w, QEvent::MouseButtonRelease, to.value_or(from), Qt::LeftButton, Qt::NoButton);
  }
  // Types into a length field of the panel as a user does: into the field, everything replaced,
  // then out of it.
  void type(MainWindow& w, const char* field, const char* typed) {
    auto* f = w.propertiesPanel()->findChild<TUnitSpinEdit*>(field);
    ASSERT_TRUE(f) << field;
    f->field()->setFocus();
    f->field()->selectAll();
    QTest::keyClicks(f->field(), typed);
    w.drawingArea()->setFocus();
  }
  void showPanel(MainWindow& w) {
    if (!w.propertiesPanel()->isVisible()) w.action("Eigenschaften2")->trigger();
    ASSERT_TRUE(w.propertiesPanel()->isVisible());
  }
  size_t steps(MainWindow& w) { return w.document().currentBoard().undoList.size(); }
};

TEST_F(PropertiesWindow, WidthTypedInThePanelIsOneStepThatUndoAndRedoTakeBackAndRepeat) {
  auto w = open();
  showPanel(*w);
  TObjekt track = newTrack(40, layer::C2);
  appendPoint(track, {1000, -1000});
  appendPoint(track, {5000, -1000});
  w->document().elements().append(track);
  EXPECT_EQ(w->propertiesPanel()->page(), PropertiesPanel::BoardPage);

  click(*w, {3000, -1000});
  ASSERT_TRUE(w->document().elements()[0].Selected);
  EXPECT_EQ(w->propertiesPanel()->page(), PropertiesPanel::TrackPage);
  EXPECT_EQ(w->propertiesPanel()->title(), "Track");
  auto* length = w->propertiesPanel()->findChild<QLabel*>("L_Laenge");
  EXPECT_EQ(length->text(), "40 mm");
  EXPECT_EQ(w->propertiesPanel()->findChild<QLabel*>("L_KnotenAnz")->text(), "2");

  type(*w, "SE_Breite1", "1.25");
  EXPECT_EQ(w->document().elements()[0].Width, 125);
  EXPECT_EQ(steps(*w), 1u);
  EXPECT_TRUE(w->document().modified());
  // The capacity follows the width: 0.7 × 5.25 × √(0.035 × 1.25 × 1.285 × 20) = 3.897.
  EXPECT_EQ(w->propertiesPanel()->findChild<QLabel*>("L_IMax")->text(), "3.9 A");

  w->action("Undo")->trigger();
  EXPECT_EQ(w->document().elements()[0].Width, 40);
  w->action("Redo")->trigger();
  EXPECT_EQ(w->document().elements()[0].Width, 125);
}

TEST_F(PropertiesWindow, TwoSelectedElementsAreCountedByKind) {
  auto w = open();
  showPanel(*w);
  w->document().elements().append(newPad({1000, -1000}, layer::C2, padshape::Round, 90, 30));
  TObjekt track = newTrack(40, layer::C2);
  appendPoint(track, {2000, -2000});
  appendPoint(track, {4000, -2000});
  w->document().elements().append(track);
  click(*w, {500, -500}, Point{5000, -3000});  // a frame around both
  EXPECT_EQ(w->propertiesPanel()->page(), PropertiesPanel::SelectionPage);
  EXPECT_EQ(w->propertiesPanel()->title(), "Selection");
  const QString memo =
      w->propertiesPanel()->findChild<QPlainTextEdit*>("Memo_Auswahl")->toPlainText();
  EXPECT_EQ(memo, "1\tPads\n1\tTracks\n" + QString(40, '-') + "\n2\tElements");
}

TEST_F(PropertiesWindow, MenuEntriesAndButtonShowAndHideThePanelAndTheSettingKeepsIt) {
  {
    auto w = open();
    PropertiesPanel* panel = w->propertiesPanel();
    EXPECT_FALSE(panel->isVisible());  // off unless the settings say otherwise
    QAction* menu = w->action("Eigenschaften2");
    QAction* button = w->action("TB_Eigenschaften");
    QAction* context = w->action("Eigenschaften1");
    menu->trigger();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(menu->isChecked() && button->isChecked() && context->isChecked());
    button->trigger();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(menu->isChecked() || button->isChecked() || context->isChecked());
    context->trigger();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(w->close());
  }
  EXPECT_EQ(IniFile::load(paths_.settingsFile()).value("Optionen", "Eigenschaften"), "1");
  auto w = open();
  EXPECT_TRUE(w->propertiesPanel()->isVisible());
}

TEST_F(PropertiesWindow, ThermalBoxOnlyWithTheActiveLayersGroundPlane) {
  auto w = open();
  showPanel(*w);
  w->document().elements().append(newPad({2000, -2000}, layer::C2, padshape::Round, 90, 30));
  w->document().elements().edit(0).Clearance = 10;
  click(*w, {2000, -2000});
  ASSERT_EQ(w->propertiesPanel()->page(), PropertiesPanel::PadPage);
  auto* thermal = w->propertiesPanel()->findChild<QCheckBox*>("CB_ThermalPad");
  auto* spokes = w->propertiesPanel()->findChild<QWidget*>("Panel_TH");
  EXPECT_FALSE(thermal->isEnabled());
  w->toolBar()->groundPlaneButton()->trigger();  // the plane of C2, the active layer
  EXPECT_TRUE(thermal->isEnabled());
  EXPECT_FALSE(spokes->isVisible());
  thermal->click();
  EXPECT_EQ(w->document().elements()[0].Thermal(), 1);
  EXPECT_EQ(w->document().elements()[0].Clearance, 40);
  EXPECT_TRUE(spokes->isVisible());
  EXPECT_EQ(steps(*w), 1u);
  // Each spoke button is a step of its own.
  w->propertiesPanel()->findChild<QToolButton*>("SB_TH2")->click();
  EXPECT_EQ(w->document().elements()[0].Spokes, 0x57);
  EXPECT_EQ(steps(*w), 2u);
}

TEST_F(PropertiesWindow, BoardPageKeepsALargeBoardFromAnOlderFile) {
  const std::string path = dir_.filePath("large.trz").toStdString();
  {
    Document d;
    d.working().width = 60000;  // 600 mm, more than a new board may have
    d.working().height = 30000;
    d.elements().append(newPad({55000, -1000}, layer::C1, padshape::Round, 50, 20));
    ASSERT_FALSE(saveLayout(d, path));
  }
  auto w = open();
  ASSERT_TRUE(w->openFile(QString::fromStdString(path), false));
  w->document().elements().edit(0).Selected = 1;
  // The board command deselects everything and shows the board.
  w->action("Platinengrsse1")->trigger();
  PropertiesPanel* panel = w->propertiesPanel();
  ASSERT_TRUE(panel->isVisible());
  EXPECT_EQ(panel->page(), PropertiesPanel::BoardPage);
  EXPECT_FALSE(w->document().elements()[0].Selected);
  EXPECT_DOUBLE_EQ(panel->findChild<TUnitSpinEdit*>("SE_BoardX")->value(), 600);
  auto* name = panel->findChild<QLineEdit*>("E_Board");
  name->setFocus();
  name->selectAll();
  QTest::keyClicks(name, "Renamed");
  w->drawingArea()->setFocus();
  EXPECT_EQ(w->document().currentBoard().name, "Renamed");
  EXPECT_EQ(w->document().working().width, 60000);
  ASSERT_TRUE(w->save());
  Document reread;
  ASSERT_TRUE(openLayout(reread, path, false, nullptr).ok());
  EXPECT_EQ(reread.currentBoard().name, "Renamed");
  EXPECT_EQ(reread.working().width, 60000);
  EXPECT_EQ(reread.elements().size(), 1u);  // the pad beyond 500 mm is still there
}

TEST_F(PropertiesWindow, BoardSizeTypedInThePanelResizesTheBoardWithoutAStep) {
  auto w = open();
  showPanel(*w);
  ASSERT_EQ(w->propertiesPanel()->page(), PropertiesPanel::BoardPage);
  EXPECT_EQ(w->propertiesPanel()->title(), "Board");
  type(*w, "SE_BoardY", "80");
  EXPECT_EQ(w->document().working().height, 8000);
  EXPECT_EQ(steps(*w), 0u);
  EXPECT_TRUE(w->document().modified());
  auto* multilayer = w->propertiesPanel()->findChild<QCheckBox*>("CB_InnerLayer");
  multilayer->click();
  EXPECT_EQ(w->document().working().multilayer, 1);
  EXPECT_FALSE(w->layerPanel()->activeButton(layer::I1)->isHidden());
}

TEST_F(PropertiesWindow, StatusPanelsWidenForTheGroundPlaneAndShowWithAScan) {
  auto w = open();
  QWidget* plane = w->groundPlanePanel();
  QWidget* scan = w->scanPanel();
  w->action("AktiverLayer1.K1")->trigger();
  EXPECT_EQ(plane->width(), 43);
  w->toolBar()->groundPlaneButton()->trigger();
  EXPECT_EQ(plane->width(), 90);
  EXPECT_FALSE(w->findChild<TUnitSpinEdit*>("SE_FreistanzOffset")->isHidden());
  w->toolBar()->groundPlaneButton()->trigger();
  EXPECT_EQ(plane->width(), 43);

  EXPECT_TRUE(scan->isHidden());
  QImage image(40, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  ASSERT_TRUE(image.save(dir_.filePath("scan.bmp"), "BMP"));
  std::string folder;
  ScannedCopyDialog dialog(w->document().working(), w->scans(), folder, Language::English, w.get());
  ASSERT_TRUE(dialog.loadFile(0, dir_.filePath("scan.bmp")));
  w->action("AktiverLayer1.K2")->trigger();
  EXPECT_TRUE(scan->isHidden());  // side 2 has no image
  w->action("AktiverLayer1.K1")->trigger();
  EXPECT_FALSE(scan->isHidden());
  EXPECT_EQ(scan->width(), 58);
}

}  // namespace
}  // namespace trazello::testing
