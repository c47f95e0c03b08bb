// The autoroute tool in the real window: hover a rubberband, click to route, click the track to
// unroute, undo, and the settings window that comes and goes with the tool.
#include <QLabel>
#include <QMouseEvent>

#include "WindowFixture.h"
#include "app/AutoRouterWindow.h"
#include "app/DrawingArea.h"
#include "app/TUnitSpinEdit.h"

namespace trazello::testing {
namespace {

class AutorouteWindow : public WindowFixture {
 protected:
  void send(MainWindow& w, QEvent::Type type, Point world, Qt::MouseButton button,
            Qt::MouseButtons held) {
    QWidget* vp = w.drawingArea()->viewport();
    const QPointF at = w.drawingArea()->pixelAt(world).toPoint();
    QMouseEvent e(type, at, vp->mapToGlobal(at), button, held, {});
    QApplication::sendEvent(vp, &e);
  }
  void hover(MainWindow& w, Point world) {
    send(w, QEvent::MouseMove, world, Qt::NoButton, Qt::NoButton);
  }
  void click(MainWindow& w, Point world) {
    hover(w, world);
    send(w, QEvent::MouseButtonPress, world, Qt::LeftButton, Qt::LeftButton);
    send(w, QEvent::MouseButtonRelease, world, Qt::LeftButton, Qt::NoButton);
  }
  void key(MainWindow& w, Qt::Key k) {
    w.drawingArea()->setFocus();
    QTest::keyClick(w.drawingArea(), k);
  }
  QString status(MainWindow& w) {
    return w.autoRouterWindow()->findChild<QLabel*>("P_AutoInfo")->text();
  }
};

TEST_F(AutorouteWindow, HoverClickRoutesAndClickOnTheTrackUnroutes) {
  auto w = open();
  Document& doc = w->document();
  doc.working().grid = 100;
  key(*w, Qt::Key_P);
  click(*w, {1000, -1000});
  click(*w, {4000, -1000});
  key(*w, Qt::Key_C);
  click(*w, {1000, -1000});
  click(*w, {4000, -1000});
  ASSERT_EQ(doc.elements()[0].Links.size(), 1u);

  key(*w, Qt::Key_A);
  EXPECT_EQ(w->currentTool().code, ToolCode::Autoroute);
  AutoRouterWindow* router = w->autoRouterWindow();
  ASSERT_TRUE(router->isVisible());
  EXPECT_EQ(status(*w), " Ready");
  EXPECT_DOUBLE_EQ(router->widthEdit()->value(), 0.4);
  EXPECT_DOUBLE_EQ(router->clearanceEdit()->value(), 0.2);

  // Pointing at the rubberband highlights its two pads.
  hover(*w, {2500, -1000});
  EXPECT_TRUE(doc.elements()[0].Selected);
  EXPECT_TRUE(doc.elements()[1].Selected);
  click(*w, {2500, -1000});
  ASSERT_EQ(doc.elements().size(), 3u);
  const TObjekt& track = doc.elements()[2];
  EXPECT_EQ(track.Kind, ElementKind::Track);
  EXPECT_EQ(track.Routed, 1);
  EXPECT_EQ(track.Width, 40);
  EXPECT_EQ(track.Layer, doc.working().activeLayer);
  EXPECT_TRUE(doc.elements()[0].Links.empty());
  EXPECT_TRUE(doc.elements()[1].Links.empty());
  EXPECT_EQ(status(*w), " Successful");
  EXPECT_TRUE(doc.modified());

  // One undo step per route.
  w->action("Undo")->trigger();
  ASSERT_EQ(doc.elements().size(), 2u);
  EXPECT_EQ(doc.elements()[0].Links.size(), 1u);
  click(*w, {2500, -1000});
  ASSERT_EQ(doc.elements().size(), 3u);

  // The track under the pointer is highlighted; a click turns it back into the rubberband.
  const Point onTrack = midpoint(doc.elements()[2].Points[1], doc.elements()[2].Points[2]);
  hover(*w, onTrack);
  EXPECT_TRUE(doc.elements()[2].Selected);
  EXPECT_FALSE(doc.elements()[0].Selected);
  click(*w, onTrack);
  ASSERT_EQ(doc.elements().size(), 2u);
  EXPECT_EQ(doc.elements()[0].Links, std::vector<ElementId>{doc.elements()[1].Id});
  EXPECT_EQ(doc.elements()[1].Links, std::vector<ElementId>{doc.elements()[0].Id});
  EXPECT_EQ(status(*w), " Autoroute resolved");

  // Escape in the settings window ends the tool.
  QTest::keyClick(router, Qt::Key_Escape);
  EXPECT_FALSE(router->isVisible());
  EXPECT_EQ(w->currentTool().code, ToolCode::Edit);
}

TEST_F(AutorouteWindow, WidthAndClearanceOfTheWindowMakeTheTrack) {
  auto w = open();
  Document& doc = w->document();
  doc.elements().append(newPad({1000, -1000}, doc.working().activeLayer, 1, 80, 40));
  doc.elements().append(newPad({4000, -2000}, doc.working().activeLayer, 1, 80, 40));
  doc.elements().edit(0).Links = {doc.elements()[1].Id};
  doc.elements().edit(1).Links = {doc.elements()[0].Id};
  key(*w, Qt::Key_A);
  w->autoRouterWindow()->widthEdit()->setValue(1.0);
  w->autoRouterWindow()->clearanceEdit()->setValue(0.5);
  click(*w, {2500, -1500});
  ASSERT_EQ(doc.elements().size(), 3u);
  EXPECT_EQ(doc.elements()[2].Width, 100);
  // Another tool hides the window.
  key(*w, Qt::Key_L);
  EXPECT_FALSE(w->autoRouterWindow()->isVisible());
}

}  // namespace
}  // namespace trazello::testing
