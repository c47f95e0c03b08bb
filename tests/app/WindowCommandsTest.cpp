// Window commands whose effects a user sees at once: wheel zoom, the crosshair, saving, the
// board dialog, hints, the ground-plane switch, zoom to selection, Qt's own texts.
#include <gtest/gtest.h>

#include <QCursor>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolTip>
#include <fstream>

#include "WindowFixture.h"
#include "app/LayerPanel.h"
#include "app/QtTranslations.h"
#include "app/TUnitSpinEdit.h"
#include "files/LayoutIo.h"
#include "model/Layer.h"
#include "model/TObjekt.h"

namespace trazello {
namespace {

class WindowCommands : public testing::WindowFixture {
 protected:
  static void wheel(DrawingArea* area, QPoint at, int delta) {
    QWheelEvent e(at, area->viewport()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area->viewport(), &e);
  }
  static void moveTo(DrawingArea* area, QPoint at) {
    QMouseEvent e(QEvent::MouseMove, QPointF(at), area->viewport()->mapToGlobal(QPointF(at)),
                  Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area->viewport(), &e);
  }
  static QColor pixel(DrawingArea* area, int x, int y) {
    return area->viewport()->grab().toImage().pixelColor(x, y);
  }
};

TEST_F(WindowCommands, WheelZoomKeepsThePointerOnThePointItWasOver) {
  auto w = open();
  DrawingArea* area = w->drawingArea();
  area->setZoom(0.5);
  area->horizontalScrollBar()->setValue(1000);
  area->verticalScrollBar()->setValue(800);
  // The wheel turns where the pointer is; the pointer follows the point, so turning on keeps
  // zooming about the same spot.
  QPoint at(200, 150);
  const Point p = area->worldAt(QPointF(at));
  for (int delta : {120, 120, -120, -120, -120}) {
    SCOPED_TRACE(delta);
    const Point centre = area->viewCentre();
    const double before = area->zoom();
    wheel(area, at, delta);
    EXPECT_NE(area->zoom(), before);
    const QPoint pointer = area->viewport()->mapFromGlobal(QCursor::pos());
    const Point under = area->worldAt(QPointF(pointer));
    at = pointer;
    EXPECT_NEAR(under.x, p.x, 1 / area->zoom() + 0.5);
    EXPECT_NEAR(under.y, p.y, 1 / area->zoom() + 0.5);
    if (delta > 0) {
      // Zooming in brings the point to the middle of the view.
      EXPECT_NEAR(area->viewCentre().x, p.x, 1 / area->zoom() + 0.5);
      EXPECT_NEAR(area->viewCentre().y, p.y, 1 / area->zoom() + 0.5);
    } else {
      // Zooming out keeps the middle where it was.
      EXPECT_NEAR(area->viewCentre().x, centre.x, 1 / area->zoom() + 0.5);
      EXPECT_NEAR(area->viewCentre().y, centre.y, 1 / area->zoom() + 0.5);
    }
  }
  // Beside the board the wheel does nothing.
  area->setZoom(0.04);  // 641 x 401 pixels
  area->horizontalScrollBar()->setValue(0);
  area->verticalScrollBar()->setValue(0);
  ASSERT_GT(area->viewport()->width(), 700);
  wheel(area, QPoint(700, 100), 120);
  EXPECT_DOUBLE_EQ(area->zoom(), 0.04);
}

TEST_F(WindowCommands, CrosshairStaysOnTheBoard) {
  auto w = open();
  DrawingArea* area = w->drawingArea();
  area->setZoom(0.04);  // the board ends at pixel 640 by 400
  area->horizontalScrollBar()->setValue(0);
  area->verticalScrollBar()->setValue(0);
  ASSERT_GT(area->viewport()->width(), 700);
  ASSERT_GT(area->viewport()->height(), 450);
  const QColor yellow(255, 255, 0);
  moveTo(area, QPoint(100, 100));
  EXPECT_EQ(pixel(area, 300, 100), yellow);
  EXPECT_EQ(pixel(area, 100, 300), yellow);
  EXPECT_NE(pixel(area, 700, 100), yellow);  // beside the board
  EXPECT_NE(pixel(area, 100, 450), yellow);  // below it
  moveTo(area, QPoint(700, 100));            // the pointer beside the board: no crosshair at all
  EXPECT_NE(pixel(area, 300, 100), yellow);
  EXPECT_NE(pixel(area, 700, 300), yellow);
}

TEST_F(WindowCommands, AFailedSaveIsAnErrorThatSaysWhy) {
  auto w = open();
  w->document().setFileName(dir_.filePath("missing/board.trz").toStdString());
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString text;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      icon = box->icon();
      text = box->text();
      box->accept();
    }
  });
  EXPECT_FALSE(w->save());
  EXPECT_EQ(icon, QMessageBox::Critical);
  const QString start =
      QString("The file \"%1\" can not be written:\n").arg(dir_.filePath("missing/board.trz"));
  EXPECT_TRUE(text.startsWith(start)) << text.toStdString();
  EXPECT_GT(text.size(), start.size() + 2) << "the reason is missing";
}

TEST_F(WindowCommands, SavingOverAReadOnlyFileAsksFirst) {
  const QString path = dir_.filePath("ro.trz");
  auto w = open();
  w->document().setFileName(path.toStdString());
  ASSERT_TRUE(w->save());
  QFile::setPermissions(path, QFileDevice::ReadOwner);
  const qint64 before = QFileInfo(path).size();
  for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
    w->document().elements().append(newPad({1000, -1000}, layer::C1, padshape::Round, 50, 20));
    w->document().setModified();
    QString question;
    QTimer::singleShot(0, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        question = box->text();
        box->button(answer)->click();
      }
    });
    EXPECT_EQ(w->save(), answer == QMessageBox::Yes);
    EXPECT_EQ(question, QString("The file \"%1\" is read-only.\nReplace it all the same?").arg(path));
  }
  Document reread;
  ASSERT_TRUE(openLayout(reread, path.toStdString(), false, nullptr).ok());
  EXPECT_EQ(reread.elements().size(), 2u);
  EXPECT_GT(QFileInfo(path).size(), before);
  EXPECT_FALSE(w->document().modified());
}

TEST_F(WindowCommands, HintsShowOnlyWhenTheSettingsSaySo) {
  for (bool hints : {true, false}) {
    SCOPED_TRACE(hints);
    std::ofstream(paths_.settingsFile()) << "[Optionen]\nKurzhilfe=" << int(hints) << "\n";
    auto w = open();
    QToolTip::hideText();
    QWidget* button =
        w->findChild<QToolBar*>("EditBar")->widgetForAction(w->action("TB_Neuzeichnen"));
    ASSERT_TRUE(button);
    QHelpEvent e(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(button, &e);
    EXPECT_EQ(QToolTip::isVisible(), hints);
    EXPECT_EQ(QToolTip::text(), hints ? QString("Repaint") : QString());
    QToolTip::hideText();
  }
}

struct PlaneCase {
  uint8_t active;
  uint8_t planeOn;  // the layer whose ground plane is switched on
  bool checked;
};

TEST_F(WindowCommands, GroundPlaneMenuShowsTheSwitchOfTheCopperLayerItToggles) {
  // Side 1 (C1, S1) shows C1's switch; every other layer C2's.
  const PlaneCase cases[] = {{layer::S1, layer::C1, true},  {layer::S1, layer::S1, false},
                             {layer::C1, layer::C1, true},  {layer::S2, layer::C2, true},
                             {layer::S2, layer::S2, false}, {layer::O, layer::C2, true},
                             {layer::O, layer::O, false},   {layer::C2, layer::C1, false}};
  auto w = open();
  for (const PlaneCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << int(c.active) << " " << int(c.planeOn));
    w->document().working().groundPlane.fill(0);
    w->document().working().groundPlane[c.planeOn] = 1;
    w->layerPanel()->activeButton(c.active)->click();
    w->layerPanel()->activeButton(c.active == layer::C2 ? layer::C1 : layer::C2)->click();
    w->layerPanel()->activeButton(c.active)->click();
    ASSERT_EQ(w->document().working().activeLayer, c.active);
    EXPECT_EQ(w->action("M_AutoMasse")->isChecked(), c.checked);
  }
  // The menu entry toggles the switch it shows.
  w->layerPanel()->activeButton(layer::S1)->click();
  w->document().working().groundPlane.fill(0);
  w->action("M_AutoMasse")->trigger();
  EXPECT_EQ(w->document().working().groundPlane[layer::C1], 1);
  EXPECT_TRUE(w->action("M_AutoMasse")->isChecked());
}

TEST_F(WindowCommands, ClearanceFieldShowsOnlyWithTheGroundPlaneOn) {
  auto w = open();  // C2 active, no ground plane
  auto* clearance = w->findChild<TUnitSpinEdit*>("SE_FreistanzOffset");
  ASSERT_TRUE(clearance);
  EXPECT_TRUE(clearance->isHidden());
  w->action("M_AutoMasse")->trigger();
  EXPECT_FALSE(clearance->isHidden());
  w->action("M_AutoMasse")->trigger();
  EXPECT_TRUE(clearance->isHidden());
}

TEST_F(WindowCommands, ZoomToSelectionTakesTheCopperOfATrack) {
  auto w = open();
  // A straight 20 mm wide track: its points span no height, its copper 20 mm.
  TObjekt t = newTrack(2000, layer::C2);
  t.Points = {{1000, -5000}, {9000, -5000}};
  t.Selected = 1;
  w->document().elements().append(t);
  DrawingArea* area = w->drawingArea();
  area->setZoom(0.3);
  w->action("ZoomMarkierung1")->trigger();
  // The copper runs from 0 to 10000 across and -6000 to -4000 down.
  const double expected = std::min((area->width() - 20) / 10000.0, (area->height() - 20) / 2000.0);
  EXPECT_NEAR(area->zoom(), std::round(expected * 1000) / 1000, 0.0015);
  EXPECT_NEAR(area->viewCentre().x, 5000, 5 / area->zoom());
  EXPECT_NEAR(area->viewCentre().y, -5000, 5 / area->zoom());
}

TEST(QtTexts, StandardButtonsSpeakTheWindowsLanguage) {
  const struct {
    Language language;
    bool installed;
    const char* cancel;
  } cases[] = {{Language::Russian, true, "Отмена"},
               {Language::French, true, "Annuler"},
               {Language::English, false, "Cancel"}};
  for (const auto& c : cases) {
    QObject owner;  // the translator goes with it
    EXPECT_EQ(installQtTranslations(c.language, &owner), c.installed);
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove('&'),
              QString::fromUtf8(c.cancel));
  }
}

}  // namespace
}  // namespace trazello
