// The parts of the window around the drawing area: rulers, board map, grid menu, origin,
// autoscroll, scanned copies, hints and help.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <fstream>

#include "app/BoardMapWidget.h"
#include "app/ContextHelp.h"
#include "app/GridMenu.h"
#include "app/MainWindow.h"
#include "app/RulerWidget.h"
#include "app/ScannedCopyDialog.h"
#include "WindowFixture.h"
#include "model/Layer.h"

namespace trazello {
namespace {

class Viewport : public testing::WindowFixture {
 protected:
  // A view of the default 160 x 100 mm board at `zoom`, scrolled to its top-left corner.
  static void viewAt(MainWindow& w, double zoom) {
    w.drawingArea()->setZoom(zoom);
    w.drawingArea()->horizontalScrollBar()->setValue(0);
    w.drawingArea()->verticalScrollBar()->setValue(0);
  }
  // The labels a ruler shows with their positions relative to the viewport's left or top edge.
  static std::vector<std::pair<int, QString>> labels(const RulerWidget& ruler, size_t count) {
    std::vector<std::pair<int, QString>> out;
    for (const RulerMark& m : ruler.marks()) {
      if (!m.label.isEmpty() && out.size() < count)
        out.emplace_back(m.position - ruler.viewportOffset(), m.label);
    }
    return out;
  }
  static void mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
                    Qt::MouseButtons held, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QMouseEvent e(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held, mods);
    QApplication::sendEvent(target, &e);
  }
  static QToolButton* unitButton(MainWindow& w) {
    for (auto* b : w.statusBar()->findChildren<QToolButton*>())
      if (!b->menu()) return b;
    return nullptr;
  }
  void pointAt(MainWindow& w, QPoint at) {
    QWidget* v = w.drawingArea()->viewport();
    mouse(v, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
  }
};

struct RulerCase {
  double zoom;
  bool mil;
  std::vector<std::pair<int, QString>> firstLabels;  // viewport pixel, text
};

TEST_F(Viewport, RulerLabelsFollowZoomAndUnit) {
  const RulerCase cases[] = {
      {0.5, false, {{0, "0"}, {50, "1"}, {100, "2"}}},       // a label every millimetre
      {0.1, false, {{0, "0"}, {100, "10"}, {200, "20"}}},    // every 10 mm below 50 px/mm
      {0.03, false, {{0, "0"}, {150, "50"}, {300, "100"}}},  // every 50 mm below 5 px/mm
      {0.5, true, {{0, "0"}, {127, "100"}, {254, "200"}}},   // every 100 mil
      {0.1, true, {{0, "0"}, {127, "500"}, {254, "1000"}}},
  };
  auto w = open();
  for (const RulerCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "zoom " << c.zoom << (c.mil ? " mil" : " mm"));
    if (w->settings().mil != c.mil) unitButton(*w)->click();
    viewAt(*w, c.zoom);
    ASSERT_EQ(w->settings().mil, c.mil);
    EXPECT_EQ(labels(*w->horizontalRuler(), 3), c.firstLabels);
    EXPECT_EQ(labels(*w->verticalRuler(), 3), c.firstLabels);
  }
}

TEST_F(Viewport, RulersCountFromTheOriginWithYGrowingDown) {
  auto w = open();
  viewAt(*w, 0.5);
  ASSERT_TRUE(w->drawingArea()->setOriginAt({1000, -500}, true));  // 10 mm right, 5 mm down
  using Labels = std::vector<std::pair<int, QString>>;
  // The corner of the horizontal ruler stays free of labels: the first one is 1 mm left of it.
  const auto h = labels(*w->horizontalRuler(), 12);
  ASSERT_GE(h.size(), 11u);
  EXPECT_EQ(h[10], std::make_pair(500, QString("0")));
  EXPECT_EQ(h[9], std::make_pair(450, QString("-1")));
  EXPECT_EQ(labels(*w->verticalRuler(), 2), (Labels{{0, "-5"}, {50, "-4"}}));

  // Ticks between labels: 8 pixels at the half, 4 at every tenth.
  std::map<int, int> lengthAt;
  for (const RulerMark& m : w->horizontalRuler()->marks())
    lengthAt[m.position - w->horizontalRuler()->viewportOffset()] = m.length;
  EXPECT_EQ(lengthAt[500], 14);
  EXPECT_EQ(lengthAt[525], 8);
  EXPECT_EQ(lengthAt[505], 4);
}

TEST_F(Viewport, BoardMapRectangleFollowsZoomAndDragScrollsTheView) {
  auto w = open();
  DrawingArea* area = w->drawingArea();
  BoardMapWidget* map = w->boardMap();
  viewAt(*w, 0.5);
  // 160 x 100 mm: 200 units per map pixel, an 80 x 50 map.
  EXPECT_EQ(map->geometry().panel.width, 80);
  EXPECT_EQ(map->geometry().panel.height, 50);
  const int vw = area->viewport()->width(), vh = area->viewport()->height();
  EXPECT_EQ(map->viewRect(),
            (PixelRect{0, 0, int(std::lround(vw / 0.5 / 200)), int(std::lround(vh / 0.5 / 200))}));

  area->setZoom(1.0);
  area->horizontalScrollBar()->setValue(0);
  area->verticalScrollBar()->setValue(0);
  const PixelRect before = map->viewRect();
  EXPECT_EQ(before.width, int(std::lround(vw / 1.0 / 200)));

  // Drag the rectangle 10 pixels right and 5 down: the view follows, the zoom stays.
  const size_t history = w->document().currentBoard().viewHistory.size();
  const QPoint inside(map->geometry().panel.x + 2, 4);
  mouse(map, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
  mouse(map, QEvent::MouseMove, inside + QPoint(10, 5), Qt::NoButton, Qt::LeftButton);
  mouse(map, QEvent::MouseButtonRelease, inside + QPoint(10, 5), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(area->horizontalScrollBar()->value(), 10 * 200);
  EXPECT_EQ(area->verticalScrollBar()->value(), 5 * 200);
  EXPECT_EQ(map->viewRect().x, 10);
  EXPECT_EQ(map->viewRect().y, 5);
  EXPECT_DOUBLE_EQ(area->zoom(), 1.0);
  EXPECT_EQ(w->document().currentBoard().viewHistory.size(), history);

  // A click on it zooms in by 1.4, a right click zooms out again; both can be undone.
  const QPoint centre(map->geometry().panel.x + map->viewRect().x + 1, 3 + map->viewRect().y + 1);
  QTest::mouseClick(map, Qt::LeftButton, {}, centre);
  EXPECT_DOUBLE_EQ(area->zoom(), 1.4);
  QTest::mouseClick(map, Qt::RightButton, {}, centre);
  EXPECT_DOUBLE_EQ(area->zoom(), 1.0);
  EXPECT_EQ(w->document().currentBoard().viewHistory.size(), history + 2);
  w->action("Zoomvorher1")->trigger();
  EXPECT_DOUBLE_EQ(area->zoom(), 1.4);
}

// Enters `mm` into the "New grid" window as soon as it opens.
void answerGridDialog(double mm) {
  QTimer::singleShot(0, [mm] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_TRUE(dialog);
    dialog->findChild<QDoubleSpinBox*>("SE_Raster")->setValue(mm);
    qobject_cast<QDialog*>(dialog)->accept();
  });
}

QAction* gridEntry(GridMenu* menu, const char* name) {
  emit menu->aboutToShow();
  return menu->findChild<QAction*>(name);
}

TEST_F(Viewport, UserGridStepsStayAscendingAndSurviveARestart) {
  {
    auto w = open();
    GridMenu* menu = w->gridMenu();
    EXPECT_FALSE(gridEntry(menu, "R_Entfernen")->isEnabled());  // 1.27 mm is a fixed step
    for (double mm : {1.0, 0.3, 2.5, 0.3}) {
      answerGridDialog(mm);
      gridEntry(menu, "R_Hinzufuegen")->trigger();
    }
    EXPECT_EQ(w->settings().gridSteps, (std::vector<int>{30, 100, 250}));
    EXPECT_DOUBLE_EQ(w->document().working().grid, 30);  // an existing step is selected again
    ASSERT_TRUE(gridEntry(menu, "R_Entfernen")->isEnabled());
    EXPECT_TRUE(menu->findChild<QAction*>("R_User30")->isChecked());
    menu->findChild<QAction*>("R_Entfernen")->trigger();
    EXPECT_EQ(w->settings().gridSteps, (std::vector<int>{100, 250}));
    EXPECT_TRUE(w->close());
  }
  auto w = open();
  EXPECT_EQ(w->settings().gridSteps, (std::vector<int>{100, 250}));
  emit w->gridMenu()->aboutToShow();
  QStringList order;
  for (QAction* a : w->gridMenu()->actions())
    if (a->objectName().startsWith("R_User")) order << a->objectName();
  EXPECT_EQ(order, (QStringList{"R_User100", "R_User250"}));
  gridEntry(w->gridMenu(), "R_User250")->trigger();
  EXPECT_DOUBLE_EQ(w->document().working().grid, 250);
}

TEST_F(Viewport, SubdivisionMarksAndGridVisibilityAreRemembered) {
  {
    auto w = open();
    gridEntry(w->gridMenu(), "RM_5")->trigger();
    gridEntry(w->gridMenu(), "Rastersichtbar1")->trigger();
    EXPECT_TRUE(w->close());
  }
  auto w = open();
  EXPECT_EQ(w->settings().gridMarks, 5);
  EXPECT_FALSE(w->settings().gridVisible);
  EXPECT_TRUE(gridEntry(w->gridMenu(), "RM_5")->isChecked());
}

TEST_F(Viewport, OriginSetAndResetChangeTheDisplayedCoordinates) {
  auto w = open();
  DrawingArea* area = w->drawingArea();
  viewAt(*w, 0.5);
  area->setFocus();
  const QPoint at(100, 50);  // world (200, -100): 2 mm right, 1 mm down
  pointAt(*w, at);
  EXPECT_EQ(w->coordinateText(), QString::fromUtf8("2 mm 1 mm"));

  // "0" sets the origin at the pointer, on the grid of 1.27 mm.
  QTest::keyClick(area, Qt::Key_0);
  EXPECT_EQ(w->document().working().originX, 254000);
  EXPECT_EQ(w->document().working().originY, -127000);
  EXPECT_EQ(w->coordinateText(), QString::fromUtf8("-0.54 mm -0.27 mm"));

  w->action("RcksetzenObenLinks1")->trigger();
  pointAt(*w, at);
  EXPECT_EQ(w->coordinateText(), QString::fromUtf8("2 mm 1 mm"));

  // A right click on empty space opens the context menu, which remembers where it opened;
  // "Set to click-position" uses that point.
  QTimer::singleShot(0, [] {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (qobject_cast<QMenu*>(top) && top->isVisible()) top->close();
  });
  QTest::mousePress(area->viewport(), Qt::RightButton, {}, QPoint(300, 150));
  QTest::mouseRelease(area->viewport(), Qt::RightButton, {}, QPoint(300, 150));
  EXPECT_EQ(area->contextPosition(), QPoint(300, 150));
  w->action("SetzeaufKlickposition1")->trigger();
  EXPECT_EQ(w->document().working().originX, 635000);   // 600 rounded to 5 x 127
  EXPECT_EQ(w->document().working().originY, -254000);  // -300 rounded to -2 x 127
  pointAt(*w, QPoint(0, 0));
  EXPECT_EQ(w->coordinateText(), QString::fromUtf8("-6.35 mm -2.54 mm"));

  // With Ctrl exactly at the pointer.
  pointAt(*w, at);
  QTest::keyClick(area, Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(w->document().working().originX, 200000);
  EXPECT_EQ(w->coordinateText(), QString::fromUtf8("0 mm 0 mm"));
}

TEST_F(Viewport, DraggingTheOriginMarkerSnapsUnlessCtrlIsHeld) {
  auto w = open();
  DrawingArea* area = w->drawingArea();
  QWidget* v = area->viewport();
  viewAt(*w, 0.5);
  const QPoint marker = area->originPixel().toPoint() + QPoint(1, 1);
  mouse(v, QEvent::MouseButtonPress, marker, Qt::LeftButton, Qt::LeftButton);
  mouse(v, QEvent::MouseMove, QPoint(300, 150), Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(w->document().working().originX, 0);  // tentative until released
  EXPECT_EQ(area->originPixel(), QPointF(317.5, 127));
  mouse(v, QEvent::MouseButtonRelease, QPoint(300, 150), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(w->document().working().originX, 635000);
  EXPECT_EQ(w->document().working().originY, -254000);

  mouse(v, QEvent::MouseButtonPress, area->originPixel().toPoint(), Qt::LeftButton, Qt::LeftButton);
  mouse(v, QEvent::MouseMove, QPoint(201, 99), Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
  mouse(v, QEvent::MouseButtonRelease, QPoint(201, 99), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(w->document().working().originX, 402000);
  EXPECT_EQ(w->document().working().originY, -198000);
  EXPECT_TRUE(w->document().modified());
}

TEST_F(Viewport, AutoscrollMovesOneIncrementNearAnEdge) {
  auto w = open();
  DrawingArea* area = w->drawingArea();
  viewAt(*w, 1.0);
  QScrollBar* h = area->horizontalScrollBar();
  QScrollBar* v = area->verticalScrollBar();
  const int vw = area->viewport()->width(), vh = area->viewport()->height();
  ASSERT_GT(h->singleStep(), 1);
  EXPECT_FALSE(area->autoscroll({vw / 2, vh / 2}));
  EXPECT_FALSE(area->autoscroll({2, 2}));  // already at the left and top
  EXPECT_TRUE(area->autoscroll({vw - 3, vh / 2}));
  EXPECT_EQ(h->value(), h->singleStep());
  EXPECT_EQ(v->value(), 0);
  EXPECT_TRUE(area->autoscroll({vw / 2, vh - 1}));
  EXPECT_EQ(v->value(), v->singleStep());
  EXPECT_TRUE(area->autoscroll({0, 7}));
  EXPECT_EQ(h->value(), 0);
  EXPECT_EQ(v->value(), 0);
  h->setValue(h->maximum());
  EXPECT_FALSE(area->autoscroll({vw - 1, vh / 2}));  // the board's right edge is in view
  // The board map and the ruler follow the scroll.
  EXPECT_EQ(w->boardMap()->viewRect().x, int(std::lround(h->value() / 1.0 / 200)));
}

TEST_F(Viewport, PaintingSuspensionHoldsBackTheBoardPicture) {
  auto w = open();
  DrawingArea* area = w->drawingArea();
  area->viewport()->repaint();
  const int renders = area->renderCount();
  area->setPaintingSuspended(true);
  area->invalidate();
  area->viewport()->repaint();
  EXPECT_EQ(area->renderCount(), renders);
  area->setPaintingSuspended(false);
  area->viewport()->repaint();
  EXPECT_EQ(area->renderCount(), renders + 1);
}

QString writeBmp(const QString& path, int w, int h, int dotsPerMetre) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  EXPECT_TRUE(image.save(path, "BMP"));
  return path;
}

TEST_F(Viewport, ScannedCopyLoadsShowsItsButtonsAndIsRemoved) {
  auto w = open();
  const QString bmp = writeBmp(dir_.filePath("scan.bmp"), 120, 60, 23622);  // 600 dpi
  BoardSettings& s = w->document().working();
  w->action("AktiverLayer1.K1")->trigger();
  EXPECT_TRUE(w->hideScanButton()->isHidden());

  std::string folder;
  ScannedCopyDialog dialog(s, w->scans(), folder, Language::English, w.get());
  ASSERT_TRUE(dialog.loadFile(0, bmp));
  EXPECT_EQ(s.templateDpi[0], 600);
  EXPECT_EQ(s.templateShown[0], 1);
  EXPECT_EQ(QString::fromStdString(s.templateFile[0]), bmp);
  EXPECT_EQ(folder, dir_.path().toStdString() + "/");
  w->action("AktiverLayer1.K1")->trigger();
  w->action("AktiverLayer1.K2")->trigger();  // side 2 has no image
  EXPECT_TRUE(w->hideScanButton()->isHidden());
  w->action("AktiverLayer1.K1")->trigger();
  EXPECT_FALSE(w->hideScanButton()->isHidden());
  EXPECT_FALSE(w->scanOnlyButton()->isHidden());

  // Held down, the hide button hides both images (a hidden one stays hidden); released, each
  // comes back as it was.
  ASSERT_EQ(s.templateShown[1], 0);
  QTest::mousePress(w->hideScanButton(), Qt::LeftButton);
  EXPECT_EQ(s.templateShown[0], 0);
  EXPECT_EQ(s.templateShown[1], 0);
  QTest::mouseRelease(w->hideScanButton(), Qt::LeftButton);
  EXPECT_EQ(s.templateShown[0], 1);
  EXPECT_EQ(s.templateShown[1], 0);
  // The show-only button leaves every layer's visibility as it was.
  const auto visible = s.visible;
  QTest::mousePress(w->scanOnlyButton(), Qt::LeftButton);
  QTest::mouseRelease(w->scanOnlyButton(), Qt::LeftButton);
  EXPECT_EQ(s.visible, visible);

  // A file that is not a bitmap leaves the loaded image in place.
  QFile bad(dir_.filePath("bad.bmp"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a bitmap");
  bad.close();
  QString shown;
  QTimer::singleShot(0, [&shown] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->text();
      box->accept();
    }
  });
  EXPECT_FALSE(dialog.loadFile(0, bad.fileName()));
  EXPECT_TRUE(shown.contains("bad.bmp"));
  EXPECT_EQ(QString::fromStdString(s.templateFile[0]), bmp);
  EXPECT_FALSE(w->scans()[0].isNull());

  dialog.removeFile(0);
  EXPECT_TRUE(s.templateFile[0].empty());
  EXPECT_EQ(s.templateShown[0], 0);
  EXPECT_TRUE(w->scans()[0].isNull());
}

TEST_F(Viewport, SwitchingBoardsReloadsTheirScannedCopies) {
  auto w = open();
  const QString bmp = writeBmp(dir_.filePath("scan.bmp"), 40, 20, 0);
  QString shown;
  auto answer = [&shown] {
    QTimer::singleShot(0, [&shown] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        shown = box->text();
        box->accept();
      }
    });
  };
  auto* tabs = w->findChild<QTabBar*>();
  w->document().working().templateFile[0] = dir_.filePath("gone.bmp").toStdString();
  w->document().working().templateShown[0] = 1;
  answer();
  w->action("NeuePlatine1")->trigger();  // "a new board was added"
  EXPECT_TRUE(w->scans()[0].isNull());

  // Back on the first board its missing file is reported and, with nothing loaded before, the
  // image is switched off.
  shown.clear();
  answer();
  tabs->setCurrentIndex(0);
  EXPECT_TRUE(shown.contains("gone.bmp"));
  EXPECT_EQ(w->document().working().templateShown[0], 0);
  EXPECT_TRUE(w->document().working().templateFile[0].empty());

  w->document().working().templateFile[0] = bmp.toStdString();
  tabs->setCurrentIndex(1);
  EXPECT_TRUE(w->scans()[0].isNull());
  tabs->setCurrentIndex(0);
  ASSERT_FALSE(w->scans()[0].isNull());
  EXPECT_EQ(w->scans()[0].width(), 40);
}

TEST_F(Viewport, MenuHintsReachTheStatusLine) {
  auto w = open();
  w->action("Neu1")->showStatusText(w.get());
  EXPECT_EQ(w->hintLabel()->text(), "New...");
  w->action("ZoomPlatine1")->showStatusText(w.get());
  EXPECT_EQ(w->hintLabel()->text(), "Zoom board");
}

TEST_F(Viewport, LayerInformationIsDrawnInTheSchemeColours) {
  auto w = open();
  QImage stack;
  QString title;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_TRUE(dialog);
    title = dialog->windowTitle();
    stack = dialog->findChild<QLabel*>("LayerStack")->pixmap().toImage();
    dialog->close();
  });
  w->action("SB_LayerInfo")->trigger();
  EXPECT_EQ(title, "Layer information");
  ASSERT_FALSE(stack.isNull());
  EXPECT_EQ(stack.pixelColor(1, 1), QColor(0, 0, 0));  // the default scheme's background
  bool hasC1 = false;
  for (int y = 0; y < stack.height(); ++y)
    hasC1 |= stack.pixelColor(stack.width() / 2, y) == QColor(30, 30, 255);
  EXPECT_TRUE(hasC1);
}

TEST_F(Viewport, ContextHelpOpensTheLocalPageAtItsNumber) {
  const QUrl url = contextHelpUrl(paths_, kHelpLayerInfo);
  EXPECT_TRUE(url.isLocalFile());
  EXPECT_EQ(url.toLocalFile(), QString::fromStdString(paths_.programFolder + "help/index.html"));
  EXPECT_EQ(url.fragment(), "5500");
  EXPECT_FALSE(contextHelpUrl(paths_, kHelpIndex).hasFragment());
  // Every context number has its anchor in the shipped page.
  QFile page(QString(TRAZELLO_SOURCE_DIR) + "/src/app/resources/help/index.html");
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(page.readAll());
  for (int n : {kHelpGrid, kHelpScannedCopy, kHelpLayerInfo})
    EXPECT_TRUE(html.contains(QString("id=\"%1\"").arg(n))) << n;
}

}  // namespace
}  // namespace trazello
