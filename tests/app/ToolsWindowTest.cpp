// Drawing in the real window: tools chosen by their hotkeys, pointer clicks and drags, undo,
// save and reopen.
#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>

#include "WindowFixture.h"
#include "app/DrawingArea.h"
#include "app/SizeBar.h"
#include "app/ToolBar.h"
#include "files/LayoutIo.h"
#include "model/Layer.h"

namespace trazello::testing {
namespace {

class ToolsWindow : public WindowFixture {
 protected:
  QPoint pixel(MainWindow& w, Point world) { return w.drawingArea()->pixelAt(world).toPoint(); }

  void send(MainWindow& w, QEvent::Type type, Point world, Qt::MouseButton button,
            Qt::MouseButtons held, Qt::KeyboardModifiers mods = {}) {
    QWidget* vp = w.drawingArea()->viewport();
    const QPointF at = pixel(w, world);
    QMouseEvent e(type, at, vp->mapToGlobal(at), button, held, mods);
    QApplication::sendEvent(vp, &e);
  }
  void click(MainWindow& w, Point world, Qt::MouseButton button = Qt::LeftButton) {
    send(w, QEvent::MouseMove, world, Qt::NoButton, Qt::NoButton);
    send(w, QEvent::MouseButtonPress, world, button, button);
    send(w, QEvent::MouseButtonRelease, world, button, Qt::NoButton);
  }
  // A left drag in a few steps, as a hand makes it.
  void drag(MainWindow& w, Point from, Point to) {
    send(w, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
    send(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= 4; ++i) {
      const Point p{from.x + (to.x - from.x) * i / 4, from.y + (to.y - from.y) * i / 4};
      send(w, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
    }
    send(w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
  }
  void key(MainWindow& w, Qt::Key k, Qt::KeyboardModifiers mods = {}) {
    w.drawingArea()->setFocus();
    QTest::keyClick(w.drawingArea(), k, mods);
  }
};

TEST_F(ToolsWindow, DrawTrackAndPadMoveUndoSaveAndReopen) {
  auto w = open();
  Document& doc = w->document();
  doc.working().grid = 100;  // 1 mm
  ASSERT_TRUE(doc.elements().empty());

  key(*w, Qt::Key_L);
  EXPECT_EQ(w->currentTool().code, ToolCode::Track);
  EXPECT_TRUE(w->toolBar()->button(w->currentTool())->isChecked());
  // Off-grid clicks land on the grid; bend mode 0 goes straight first, then 45°.
  click(*w, {1010, -990});
  send(*w, QEvent::MouseMove, {2500, -1500}, Qt::NoButton, Qt::NoButton);
  EXPECT_FALSE(w->drawingArea()->preview().lines.empty());
  click(*w, {2990, -2010});
  click(*w, {2990, -2010}, Qt::RightButton);
  ASSERT_EQ(doc.elements().size(), 1u);
  const std::vector<Point> track{{1000, -1000}, {2000, -1000}, {3000, -2000}};
  EXPECT_EQ(doc.elements()[0].Points, track);

  key(*w, Qt::Key_P);
  EXPECT_EQ(w->currentTool().code, ToolCode::Pad);
  w->findChild<SizeBar*>()->platingAction()->setChecked(true);
  click(*w, {3000, -2000});
  ASSERT_EQ(doc.elements().size(), 2u);
  EXPECT_EQ(doc.elements()[1].Kind, ElementKind::Pad);
  EXPECT_TRUE(doc.elements()[1].Plated);

  key(*w, Qt::Key_Escape);
  EXPECT_EQ(w->currentTool().code, ToolCode::Edit);
  drag(*w, {500, -500}, {4000, -3000});
  EXPECT_TRUE(doc.elements()[0].Selected && doc.elements()[1].Selected);

  // Dragging the track (away from its corner handles) moves both by whole grid steps.
  const size_t stepsBefore = doc.currentBoard().undoList.size();
  drag(*w, {1300, -1000}, {2310, -2020});
  EXPECT_EQ(doc.currentBoard().undoList.size(), stepsBefore + 1);
  EXPECT_EQ(doc.elements()[0].Points[0], (Point{2000, -2000}));
  EXPECT_EQ(doc.elements()[1].X, 4000);
  EXPECT_EQ(doc.elements()[1].Y, -3000);

  w->action("Undo")->trigger();
  EXPECT_EQ(doc.elements()[0].Points, track);
  EXPECT_EQ(doc.elements()[1].X, 3000);

  const std::string path = dir_.path().toStdString() + "/drawn.trz";
  doc.setFileName(path);
  ASSERT_TRUE(w->save());
  w->action("Neu1")->trigger();
  ASSERT_TRUE(doc.elements().empty());
  ASSERT_TRUE(w->openFile(QString::fromStdString(path), false));
  ASSERT_EQ(doc.elements().size(), 2u);
  EXPECT_EQ(doc.elements()[0].Kind, ElementKind::Track);
  EXPECT_EQ(doc.elements()[0].Points, track);
  EXPECT_EQ(doc.elements()[0].Layer, doc.working().activeLayer);
  EXPECT_EQ(doc.elements()[1].Kind, ElementKind::Pad);
  EXPECT_EQ(doc.elements()[1].X, 3000);
  EXPECT_EQ(doc.elements()[1].Y, -2000);
  EXPECT_TRUE(doc.elements()[1].Plated);
}

TEST_F(ToolsWindow, ConnectTwoPadsByTheirHotkeyToolAndTestTheNet) {
  auto w = open();
  Document& doc = w->document();
  doc.working().grid = 100;
  key(*w, Qt::Key_P);
  click(*w, {1000, -1000});
  click(*w, {3000, -1000});
  ASSERT_EQ(doc.elements().size(), 2u);
  EXPECT_FALSE(w->action("Luftlinienentfernen1")->isEnabled());

  key(*w, Qt::Key_C);
  EXPECT_EQ(w->currentTool().code, ToolCode::Connection);
  click(*w, {1000, -1000});
  send(*w, QEvent::MouseMove, {2000, -1500}, Qt::NoButton, Qt::NoButton);
  EXPECT_TRUE(w->drawingArea()->preview().connectionRubber);
  click(*w, {3000, -1000});
  EXPECT_EQ(doc.elements()[0].Links, std::vector<ElementId>{doc.elements()[1].Id});
  EXPECT_TRUE(w->action("Luftlinienentfernen1")->isEnabled());  // the command follows the board

  // The connection test shows only the pad clicked: a rubberband is no copper.
  key(*w, Qt::Key_X);
  EXPECT_EQ(w->currentTool().code, ToolCode::ConnectionTest);
  click(*w, {1000, -1000});
  EXPECT_TRUE(doc.elements()[0].Selected);
  EXPECT_FALSE(doc.elements()[1].Selected);
}

TEST_F(ToolsWindow, ConnectRouteByHandRemoveRealisedAndUndo) {
  auto w = open();
  Document& doc = w->document();
  doc.working().grid = 100;
  key(*w, Qt::Key_F3);  // C2, where the pads' copper is
  key(*w, Qt::Key_P);
  click(*w, {1000, -1000});
  click(*w, {3000, -1000});
  key(*w, Qt::Key_C);
  click(*w, {1000, -1000});
  click(*w, {3000, -1000});
  ASSERT_EQ(doc.elements()[0].Links.size(), 1u);

  key(*w, Qt::Key_L);
  click(*w, {1000, -1000});
  click(*w, {3000, -1000});
  click(*w, {3000, -1000}, Qt::RightButton);
  ASSERT_EQ(doc.elements().size(), 3u);

  answerNextBox(QMessageBox::Ok);
  w->action("Luftlinienentfernen1")->trigger();
  EXPECT_EQ(lastBox_,
            "1 connections (rubberbands) removed.\n0 connections (rubberbands) remaining.");
  EXPECT_TRUE(doc.elements()[0].Links.empty());
  EXPECT_FALSE(w->action("Luftlinienentfernen1")->isEnabled());
  w->action("Undo")->trigger();
  EXPECT_EQ(doc.elements()[0].Links, std::vector<ElementId>{doc.elements()[1].Id});
  EXPECT_TRUE(w->action("Luftlinienentfernen1")->isEnabled());
}

TEST_F(ToolsWindow, GroundPlaneButtonAndCutoutButton) {
  auto w = open();
  BoardSettings& s = w->document().working();
  key(*w, Qt::Key_F1);  // C1 active
  QAction* plane = w->toolBar()->groundPlaneButton();
  QAction* cutout = w->toolBar()->keepOutButton();
  ASSERT_TRUE(plane->isEnabled());
  EXPECT_FALSE(cutout->isVisible());
  plane->trigger();
  EXPECT_EQ(s.groundPlane[layer::C1], 1);
  EXPECT_TRUE(w->document().modified());
  EXPECT_TRUE(cutout->isVisible());

  // The cutout button draws zones, and zones drawn with it are cutouts on copper.
  cutout->trigger();
  EXPECT_EQ(w->currentTool().code, ToolCode::Zone);
  EXPECT_TRUE(cutout->isChecked());
  s.grid = 100;
  click(*w, {1000, -1000});
  click(*w, {2000, -1000});
  click(*w, {2000, -2000});
  click(*w, {2000, -2000}, Qt::RightButton);
  ASSERT_EQ(w->document().elements().size(), 1u);
  EXPECT_TRUE(w->document().elements()[0].KeepOut);
  key(*w, Qt::Key_L);  // another tool releases it
  EXPECT_FALSE(cutout->isChecked());

  key(*w, Qt::Key_F2);  // S1: no plane of its own
  EXPECT_FALSE(plane->isEnabled());
  key(*w, Qt::Key_F1);
  EXPECT_TRUE(plane->isChecked());
  plane->trigger();
  EXPECT_EQ(s.groundPlane[layer::C1], 0);
  EXPECT_FALSE(cutout->isVisible());
}

TEST_F(ToolsWindow, ARightClickOnAnElementOffersTheSelectionCommands) {
  auto w = open();
  w->document().working().grid = 100;
  key(*w, Qt::Key_P);
  click(*w, {1000, -1000});
  key(*w, Qt::Key_Escape);
  QMenu* menu = w->findChild<QMenu*>("AreaPopup");
  ASSERT_TRUE(menu);
  bool copyEnabled = false;
  QTimer::singleShot(0, [&] {
    copyEnabled = w->action("Kopieren1")->isEnabled();
    menu->close();
  });
  click(*w, {1000, -1000}, Qt::RightButton);  // selects the pad and opens the menu
  EXPECT_TRUE(w->document().elements()[0].Selected);
  EXPECT_TRUE(menu->actions().contains(w->action("Kopieren1")));
  EXPECT_TRUE(copyEnabled);
  w->action("Duplizieren1")->trigger();
  EXPECT_EQ(w->currentTool().code, ToolCode::PastePlacement);
  click(*w, {3000, -1000});
  EXPECT_EQ(w->document().elements().size(), 2u);
}

TEST_F(ToolsWindow, PointerMovesWhileDrawingDoNotRenderTheBoard) {
  auto w = open();
  key(*w, Qt::Key_L);
  click(*w, {1000, -1000});
  QTest::qWait(20);
  const int renders = w->drawingArea()->renderCount();
  for (int i = 0; i < 10; ++i) {
    send(*w, QEvent::MouseMove, {float(1500 + 100 * i), -1500}, Qt::NoButton, Qt::NoButton);
    QApplication::processEvents();
  }
  EXPECT_EQ(w->drawingArea()->renderCount(), renders);
  EXPECT_FALSE(w->drawingArea()->preview().lines.empty());
}

}  // namespace
}  // namespace trazello::testing
