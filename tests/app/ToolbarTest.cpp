// The view entries of the top toolbar, used as a user would: pressed, or their drop-down opened.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "WindowFixture.h"
#include "app/ScannedCopyDialog.h"
#include "files/LayoutIo.h"
#include "model/Layer.h"
#include "model/TObjekt.h"

namespace trazello {
namespace {

class Toolbar : public testing::WindowFixture {
 protected:
  static QToolButton* button(MainWindow& w, const char* name) {
    QToolBar* bar = w.findChild<QToolBar*>("EditBar");
    if (QAction* a = w.action(name)) return qobject_cast<QToolButton*>(bar->widgetForAction(a));
    return bar->findChild<QToolButton*>(name);
  }
};

TEST_F(Toolbar, EveryEntryHasItsOwnIconAndATooltip) {
  auto w = open();
  const struct {
    const char* name;
    const char* tip;
  } entries[] = {{"TB_Transparent", "Transparent drawing"},
                 {"TB_Zoom", "Zoom"},
                 {"TB_Neuzeichnen", "Repaint"},
                 {"TB_Vorlage", "Scanned copy..."},
                 {"TB_ClearConnections", "Remove connections (rubberbands)"}};
  std::vector<QImage> pictures;
  for (const auto& e : entries) {
    QToolButton* b = button(*w, e.name);
    ASSERT_TRUE(b) << e.name;
    EXPECT_TRUE(b->isVisible()) << e.name;
    EXPECT_EQ(b->toolTip(), e.tip);
    const QImage picture = b->icon().pixmap(24, 24).toImage();
    ASSERT_FALSE(picture.isNull()) << e.name << ": the SVG icon did not load";
    int drawn = 0;
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 24; ++x) drawn += qAlpha(picture.pixel(x, y)) > 0;
    EXPECT_GT(drawn, 40) << e.name;
    for (const QImage& other : pictures) EXPECT_NE(picture, other) << e.name;
    pictures.push_back(picture);
  }
}

TEST_F(Toolbar, TransparentDrawingCombinesOverlappingCopperAndIsRemembered) {
  {
    auto w = open();
    ElementList& list = w->document().elements();
    for (uint8_t l : {layer::C1, layer::C2}) {
      TObjekt t = newTrack(400, l);
      t.Points = {{1000, -2000}, {3000, -2000}};
      list.append(t);
    }
    DrawingArea* area = w->drawingArea();
    area->setZoom(0.1);
    area->horizontalScrollBar()->setValue(0);
    area->verticalScrollBar()->setValue(0);
    auto pixel = [&] { return area->viewport()->grab().toImage().pixelColor(200, 200); };
    EXPECT_EQ(pixel(), QColor(0, 186, 0));  // C2 active: drawn over C1
    QTest::mouseClick(button(*w, "TB_Transparent"), Qt::LeftButton);
    EXPECT_TRUE(w->settings().transparent);
    EXPECT_EQ(pixel(), QColor(30, 190, 255));  // the bitwise or of both layer colours
    EXPECT_TRUE(w->close());
  }
  auto w = open();
  EXPECT_TRUE(w->settings().transparent);
  EXPECT_TRUE(w->action("TB_Transparent")->isChecked());
}

TEST_F(Toolbar, ZoomDropDownHoldsTheFourZoomCommands) {
  auto w = open();
  QMenu* popup = button(*w, "TB_Zoom")->menu();
  ASSERT_TRUE(popup);
  EXPECT_EQ(popup->objectName(), "Zoom_Popup");
  QStringList captions;
  for (QAction* a : popup->actions()) captions << a->text();
  EXPECT_EQ(captions,
            (QStringList{"Zoom board", "Zoom objects", "Zoom selection", "Zoom previous"}));
  DrawingArea* area = w->drawingArea();
  area->setZoom(2.0);
  w->action("Zoomalles1")->trigger();
  const double board = area->zoom();
  EXPECT_LT(board, 0.1);
  w->action("Zoomvorher2")->trigger();
  EXPECT_DOUBLE_EQ(area->zoom(), 2.0);
}

TEST_F(Toolbar, RemoveConnectionsIsEnabledOnlyWithRubberbands) {
  auto w = open();
  QToolButton* remove = button(*w, "TB_ClearConnections");
  EXPECT_FALSE(remove->isEnabled());
  EXPECT_FALSE(w->action("Luftlinienentfernen1")->isEnabled());
  const std::string path = dir_.filePath("linked.trz").toStdString();
  {
    Document d;
    ElementList& list = d.elements();
    const ElementId a = list.append(newPad({100, -100}, layer::C1, padshape::Round, 50, 20)).Id;
    const ElementId b = list.append(newPad({600, -100}, layer::C1, padshape::Round, 50, 20)).Id;
    list.edit(0).Links = {b};
    list.edit(1).Links = {a};
    TObjekt t = newTrack(25, layer::C1);  // the connection is realised by this track
    t.Points = {{100, -100}, {600, -100}};
    list.append(t);
    ASSERT_FALSE(saveLayout(d, path));
  }
  ASSERT_TRUE(w->openFile(QString::fromStdString(path), false));
  ASSERT_TRUE(remove->isEnabled());
  answerNextBox(QMessageBox::Ok);
  QTest::mouseClick(remove, Qt::LeftButton);
  EXPECT_TRUE(w->document().elements()[0].Links.empty());
  EXPECT_FALSE(remove->isEnabled());
  EXPECT_FALSE(w->action("Luftlinienentfernen1")->isEnabled());
}

TEST_F(Toolbar, ScannedCopyButtonOpensTheWindowOnThePageOfTheActiveSide) {
  auto w = open();  // C2 active: side 2, the second page
  int page = -1;
  QTimer::singleShot(0, [&page] {
    auto* dialog = qobject_cast<ScannedCopyDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    page = dialog->pages()->currentIndex();
    dialog->reject();
  });
  QTest::mouseClick(button(*w, "TB_Vorlage"), Qt::LeftButton);
  EXPECT_EQ(page, 1);
}

}  // namespace
}  // namespace trazello
