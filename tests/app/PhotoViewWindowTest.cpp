// The photo-view window: the board seen from either side, driven through the window's controls.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "WindowFixture.h"
#include "app/PhotoViewWindow.h"
#include "app/ToolBar.h"
#include "model/Layer.h"
#include "model/TObjekt.h"

namespace trazello {
namespace {

class PhotoView : public testing::WindowFixture {
 protected:
  // A C1 track near the left edge and a C2 track near the right edge of the 160 x 100 mm board,
  // the whole board in view at 0.04 pixels per unit.
  std::unique_ptr<MainWindow> boardWithTwoSides() {
    auto w = open();
    ElementList& list = w->document().elements();
    for (auto [l, x] : {std::pair{layer::C1, 1000.0f}, std::pair{layer::C2, 13000.0f}}) {
      TObjekt t = newTrack(200, l);
      t.Points = {{x, -2000}, {x + 2000, -2000}};
      list.append(t);
    }
    w->drawingArea()->setZoom(0.04);
    w->drawingArea()->horizontalScrollBar()->setValue(0);
    w->drawingArea()->verticalScrollBar()->setValue(0);
    return w;
  }
  // Clicks a check box or radio button on its indicator, as a user would.
  static void click(QAbstractButton* b) {
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
  }
  static QColor at(MainWindow& w, int x, int y) {
    return w.drawingArea()->viewport()->grab().toImage().pixelColor(x, y);
  }
};

// World x 2000 and x 14000 (the middles of the tracks) at y -2000, in pixels at zoom 0.04.
constexpr int kLeft = 80, kRight = 560, kRow = 80;
const QColor kUnderMask(0, 190, 0), kBoard(22, 117, 22), kC1(30, 30, 255);

TEST_F(PhotoView, ShowsTheSideChosenMirroredForSideTwoAndEndsWithTheWindow) {
  auto w = boardWithTwoSides();
  EXPECT_EQ(at(*w, kLeft, kRow), kC1);  // the normal view

  PhotoViewWindow* photo = w->photoViewWindow();
  w->toolBar()->button(ToolChoice{ToolCode::Zoom, true})->trigger();
  ASSERT_TRUE(photo->isVisible());
  EXPECT_EQ(photo->windowTitle(), "Photoview");
  EXPECT_EQ(at(*w, kLeft, kRow), kUnderMask);  // side 1: its copper under the solder mask
  EXPECT_EQ(at(*w, kRight, kRow), kBoard);     // side 2's copper is not seen

  click(photo->sideButton(2));
  EXPECT_EQ(photo->side(), 2);
  // Seen from side 2 the picture is mirrored: the C2 track shows at the left.
  EXPECT_EQ(at(*w, kLeft, kRow), kUnderMask);
  EXPECT_EQ(at(*w, kRight, kRow), kBoard);
  click(photo->xrayBox());
  EXPECT_EQ(at(*w, kRight, kRow), QColor(0, 100, 0));  // C1 through the board
  // The pointer reads the mirrored picture: the pixel of a point is that point again.
  const Point p{2000, -2000};
  const Point back = w->drawingArea()->worldAt(w->drawingArea()->pixelAt(p));
  EXPECT_NEAR(back.x, p.x, 30);
  EXPECT_NEAR(back.y, p.y, 30);

  QTest::keyClick(photo, Qt::Key_Escape);
  EXPECT_FALSE(photo->isVisible());
  EXPECT_EQ(w->currentTool().code, ToolCode::Edit);
  EXPECT_EQ(at(*w, kLeft, kRow), kC1);
}

TEST_F(PhotoView, TurningThePictureKeepsTheSameStretchInView) {
  auto w = boardWithTwoSides();
  DrawingArea* area = w->drawingArea();
  area->setZoom(0.5);
  QScrollBar* h = area->horizontalScrollBar();
  h->setValue(1000);
  const int mirrored = h->maximum() - 1000;
  PhotoViewWindow* photo = w->photoViewWindow();
  w->showPhotoView(true);
  EXPECT_EQ(h->value(), 1000);  // side 1 is not mirrored
  click(photo->sideButton(2));
  EXPECT_EQ(h->value(), mirrored);
  // Hiding the window turns the picture back, and showing it again with side 2 turns it over.
  w->showPhotoView(false);
  EXPECT_EQ(h->value(), 1000);
  w->showPhotoView(true);
  EXPECT_EQ(h->value(), mirrored);
  click(photo->sideButton(1));
  EXPECT_EQ(h->value(), 1000);
  // The other controls leave the scroll position alone.
  click(photo->silkscreenBox());
  EXPECT_EQ(h->value(), 1000);
}

TEST_F(PhotoView, ClosingTheWindowReturnsToTheEditTool) {
  auto w = open();
  w->drawingArea()->setFocus();
  QTest::keyClick(w->drawingArea(), Qt::Key_V);  // the photo-view hotkey
  ASSERT_EQ(w->currentTool(), (ToolChoice{ToolCode::Zoom, true}));
  ASSERT_TRUE(w->photoViewWindow()->isVisible());
  w->photoViewWindow()->close();
  EXPECT_EQ(w->currentTool().code, ToolCode::Edit);
  EXPECT_FALSE(w->photoViewWindow()->isVisible());
}

TEST(PhotoViewWindowAlone, CaptionsPerLanguageAndF1AsksForItsHelpPage) {
  PhotoViewWindow ru(Language::Russian);
  EXPECT_EQ(ru.sideButton(2)->text(), QString::fromUtf8("Сторона 2 = М2/К2 (зеркально)"));
  PhotoViewWindow en(Language::English);
  EXPECT_EQ(en.sideButton(1)->text(), "Side 1 = C1/S1");
  EXPECT_EQ(en.xrayBox()->text(), "X-Ray");
  EXPECT_TRUE(en.withSilkscreen());
  int asked = 0;
  QObject::connect(&en, &PhotoViewWindow::helpRequested, [&asked](int c) { asked = c; });
  QTest::keyClick(&en, Qt::Key_F1);
  EXPECT_EQ(asked, 19300);
}

}  // namespace
}  // namespace trazello
