// The selection commands in the real window: tool bar buttons, the angle menu with its value
// window, the context menu's naming entries, and which commands a selection enables.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include "ModalScript.h"
#include "WindowFixture.h"
#include "app/WertEingabeDlg.h"
#include "model/Layer.h"

namespace trazello::testing {
namespace {

class SelectionWindow : public WindowFixture {
 protected:
  void send(MainWindow& w, QEvent::Type type, Point world, Qt::MouseButton button,
            Qt::MouseButtons held, Qt::KeyboardModifiers mods = {}) {
    QWidget* vp = w.drawingArea()->viewport();
    const QPointF at = w.drawingArea()->pixelAt(world).toPoint();
    QMouseEvent e(type, at, vp->mapToGlobal(at), button, held, mods);
    QApplication::sendEvent(vp, &e);
  }
  void click(MainWindow& w, Point world, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers mods = {}) {
    send(w, QEvent::MouseMove, world, Qt::NoButton, Qt::NoButton, mods);
    send(w, QEvent::MouseButtonPress, world, button, button, mods);
    send(w, QEvent::MouseButtonRelease, world, button, Qt::NoButton, mods);
  }
  void key(MainWindow& w, Qt::Key k) {
    w.drawingArea()->setFocus();
    QTest::keyClick(w.drawingArea(), k);
  }
  // Pads drawn with the pad tool at `points`; the edit tool is chosen again afterwards.
  void drawPads(MainWindow& w, std::initializer_list<Point> points) {
    w.document().working().grid = 100;
    key(w, Qt::Key_P);
    for (Point p : points) click(w, p);
    key(w, Qt::Key_Escape);
    click(w, {6000, -3000});  // empty space: nothing selected
  }
  static QToolButton* button(MainWindow& w, const char* name) {
    QToolBar* bar = w.findChild<QToolBar*>("SelectionBar");
    return qobject_cast<QToolButton*>(bar->widgetForAction(w.action(name)));
  }
  static size_t selectedCount(MainWindow& w) {
    size_t n = 0;
    for (const TObjekt& e : w.document().elements()) n += e.Selected ? 1 : 0;
    return n;
  }
};

TEST_F(SelectionWindow, EveryButtonHasItsOwnIconAndATooltip) {
  auto w = open();
  const std::pair<const char*, const char*> entries[] = {
      {"TB_Copy", "Copy"},
      {"TB_Cut", "Cut"},
      {"TB_Paste", "Paste"},
      {"TB_Duplizieren", "Duplicate"},
      {"TB_Delete", "Delete"},
      {"TB_Rotieren", "Rotate"},
      {"TB_HSpiegeln", "Mirror horizontal"},
      {"TB_VSpiegeln", "Mirror vertical"},
      {"TB_Gruppieren", "Build group"},
      {"TB_GruppeAufloesen", "Split group"},
      {"TB_AmRasterAusrichten", "Adjust to grid"},
      {"TB_Ausrichten", "Align"}};
  std::vector<QImage> pictures;
  for (const auto& [name, tip] : entries) {
    QToolButton* b = button(*w, name);
    ASSERT_TRUE(b) << name;
    EXPECT_TRUE(b->isVisible()) << name;
    EXPECT_EQ(b->toolTip(), tip);
    const QImage picture = b->icon().pixmap(24, 24).toImage();
    ASSERT_FALSE(picture.isNull()) << name << ": the SVG icon did not load";
    int drawn = 0;
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 24; ++x) drawn += qAlpha(picture.pixel(x, y)) > 0;
    EXPECT_GT(drawn, 40) << name;
    for (const QImage& other : pictures) EXPECT_NE(picture, other) << name;
    pictures.push_back(picture);
  }
  EXPECT_EQ(button(*w, "TB_Ausrichten")->menu(), w->alignMenu());
}

TEST_F(SelectionWindow, CopyPutsAPictureOnTheClipboardAndPasteFollowsThePointer) {
  auto w = open();
  drawPads(*w, {{1000, -1000}, {2000, -1000}});
  ASSERT_EQ(w->document().elements().size(), 2u);
  w->action("Allesmarkieren1")->trigger();
  QApplication::clipboard()->clear();
  QTest::mouseClick(button(*w, "TB_Copy"), Qt::LeftButton);
  ASSERT_EQ(w->document().clipboard().size(), 2u);
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_TRUE(data);
  EXPECT_TRUE(data->data("image/svg+xml").contains("<svg"));
  const QImage picture = qvariant_cast<QImage>(data->imageData());
  ASSERT_FALSE(picture.isNull());
  // Two pads side by side: wider than high, and drawn in more than the background colour.
  EXPECT_GT(picture.width(), picture.height());
  const QRgb background = picture.pixel(0, 0);
  int drawn = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) drawn += picture.pixel(x, y) != background;
  EXPECT_GT(drawn, 100);

  QTest::mouseClick(button(*w, "TB_Paste"), Qt::LeftButton);
  EXPECT_EQ(w->currentTool().code, ToolCode::PastePlacement);
  EXPECT_EQ(selectedCount(*w), 0u);
  send(*w, QEvent::MouseMove, {1500, -1000}, Qt::NoButton, Qt::NoButton);  // the centre
  click(*w, {1500, -3000});
  const ElementList& list = w->document().elements();
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(w->currentTool().code, ToolCode::Edit);
  EXPECT_FLOAT_EQ(list[2].X, 1000);
  EXPECT_FLOAT_EQ(list[2].Y, -3000);
  EXPECT_FLOAT_EQ(list[3].X, 2000);
  EXPECT_TRUE(list[2].Selected && list[3].Selected);
  EXPECT_FALSE(list[0].Selected || list[1].Selected);
  ASSERT_FALSE(list[2].Groups.empty());
  EXPECT_EQ(list[2].Groups, list[3].Groups);
  w->action("Undo")->trigger();
  EXPECT_EQ(w->document().elements().size(), 2u);
}

TEST_F(SelectionWindow, RotateByATypedAngleThroughTheValueWindow) {
  auto w = open();
  drawPads(*w, {{1000, -3000}, {3000, -3000}});
  w->action("Allesmarkieren1")->trigger();
  QMenu* angles = w->rotationMenu();
  ASSERT_TRUE(angles);
  ASSERT_EQ(button(*w, "TB_Rotieren")->menu(), angles);
  QAction* user = angles->findChild<QAction*>("WinkelPopup.User");
  ASSERT_TRUE(user);

  // Out of range first: a message, the window stays; then a comma is taken as the point.
  QString refusal, preset;
  ModalScript script;
  script
      .at<WertEingabeDlg>([&](WertEingabeDlg* d) {
        auto* edit = d->findChild<QLineEdit*>("Edit1");
        preset = edit->selectedText();
        edit->setText("400");
        d->findChild<QPushButton*>("OKBtn")->click();
      })
      .at<QMessageBox>([&](QMessageBox* box) {
        refusal = box->text();
        box->button(QMessageBox::Ok)->click();
      })
      .at<WertEingabeDlg>([&](WertEingabeDlg* d) {
        d->findChild<QLineEdit*>("Edit1")->setText("90,0");
        d->findChild<QPushButton*>("OKBtn")->click();
      });
  script.start();
  user->trigger();
  EXPECT_TRUE(script.finished());
  EXPECT_EQ(preset, "22.5");  // the user angle the settings start with
  EXPECT_EQ(refusal, "The value must be -360 ... 360 .");
  EXPECT_EQ(w->settings().rotationStep, 900);
  EXPECT_EQ(w->settings().userRotation, 900);

  QTest::mouseClick(button(*w, "TB_Rotieren"), Qt::LeftButton);
  const ElementList& list = w->document().elements();
  EXPECT_FLOAT_EQ(list[0].X, 2000);
  EXPECT_FLOAT_EQ(list[0].Y, -2000);  // the left pad went up
  EXPECT_FLOAT_EQ(list[1].X, 2000);
  EXPECT_FLOAT_EQ(list[1].Y, -4000);

  // The open menu checks the item of the angle in use: 90 is a fixed one.
  emit angles->aboutToShow();
  EXPECT_TRUE(angles->findChild<QAction*>("WinkelPopup.90")->isChecked());
  EXPECT_FALSE(user->isChecked());
  EXPECT_EQ(user->text(), QString::fromUtf8("90° ..."));
}

TEST_F(SelectionWindow, CommandsFollowTheSelection) {
  auto w = open();
  drawPads(*w, {{1000, -1000}, {3000, -1000}});
  struct Row {
    const char* command;
    bool none, one, two;
  } rows[] = {
      {"Kopieren1", false, true, true},
      {"TB_Copy", false, true, true},
      {"Ausschneiden1", false, true, true},
      {"Lschen1", false, true, true},
      {"TB_Rotieren", false, true, true},
      {"Horizontalspiegeln2", false, true, true},
      {"Layerwechseln1", false, true, true},
      {"Benennen1", false, true, true},
      {"AufLayer1", false, true, true},
      {"Gruppieren1", false, false, true},
      {"TB_Gruppieren", false, false, true},
      {"TB_Ausrichten", false, false, true},
      {"Linksausrichten1", false, false, true},
      {"Gruppierungaufheben1", false, false, false},
      {"Allesmarkieren1", true, true, true},
      {"Einfgen1", false, false, false},
      {"Platinelschen1", false, false, false},
  };
  auto check = [&](int column, const char* when) {
    for (const Row& r : rows) {
      QAction* a = w->action(r.command);
      ASSERT_TRUE(a) << r.command;
      const bool expected = column == 0 ? r.none : column == 1 ? r.one : r.two;
      EXPECT_EQ(a->isEnabled(), expected) << r.command << " with " << when;
    }
  };
  check(0, "nothing selected");
  click(*w, {1000, -1000});
  ASSERT_EQ(selectedCount(*w), 1u);
  check(1, "one pad selected");
  click(*w, {3000, -1000}, Qt::LeftButton, Qt::ShiftModifier);
  ASSERT_EQ(selectedCount(*w), 2u);
  check(2, "two pads selected");
  // Once grouped, the pair is one group: grouping and aligning are off, splitting is on.
  w->action("Gruppieren1")->trigger();
  EXPECT_FALSE(w->action("TB_Gruppieren")->isEnabled());
  EXPECT_FALSE(w->action("TB_Ausrichten")->isEnabled());
  EXPECT_TRUE(w->action("TB_GruppeAufloesen")->isEnabled());
}

TEST_F(SelectionWindow, ContextMenuNamesElementsAndSelectsByName) {
  auto w = open();
  drawPads(*w, {{1000, -1000}, {3000, -1000}, {5000, -1000}});
  click(*w, {1000, -1000});
  click(*w, {5000, -1000}, Qt::LeftButton, Qt::ShiftModifier);
  ModalScript script;
  QString title;
  script.at<WertEingabeDlg>([&](WertEingabeDlg* d) {
    title = d->windowTitle();
    d->findChild<QLineEdit*>("Edit1")->setText("  R1 ");
    d->findChild<QPushButton*>("OKBtn")->click();
  });
  script.start();
  w->action("Benennen1")->trigger();
  EXPECT_TRUE(script.finished());
  EXPECT_EQ(title, "Name:");
  const ElementList& list = w->document().elements();
  EXPECT_EQ(list[0].Name, "R1");
  EXPECT_EQ(list[1].Name, "");
  EXPECT_EQ(list[2].Name, "R1");

  // A right click on a named pad offers "Select: R1", which selects both named pads.
  click(*w, {6000, -3000});
  QMenu* menu = w->areaMenu();
  QString offered;
  bool enabled = false;
  QTimer::singleShot(0, [&] {
    offered = w->action("MarkiereNamen1")->text();
    enabled = w->action("MarkiereNamen1")->isEnabled();
    menu->close();
  });
  click(*w, {5000, -1000}, Qt::RightButton);
  EXPECT_EQ(offered, "Select: R1");
  EXPECT_TRUE(enabled);
  EXPECT_TRUE(menu->actions().contains(w->action("Benennen1")));
  w->action("MarkiereNamen1")->trigger();
  EXPECT_TRUE(list[0].Selected && list[2].Selected);
  EXPECT_FALSE(list[1].Selected);
}

}  // namespace
}  // namespace trazello::testing
