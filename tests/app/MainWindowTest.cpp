// The editor window driven as a user would, on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <fstream>

#include "WindowFixture.h"
#include "app/MainWindow.h"
#include "files/LayoutIo.h"
#include "model/Layer.h"
#include "model/TObjekt.h"

namespace trazello {
namespace {

class Window : public testing::WindowFixture {
 protected:
  std::string demo() const { return std::string(TRAZELLO_SOURCE_DIR) + "/examples/demo.trz"; }
};

TEST_F(Window, StartsWithDefaultsAndOpensTheDemo) {
  auto w = open();
  EXPECT_EQ(w->windowTitle(), "Trazello5.1ru");
  EXPECT_EQ(w->settings().hotkeys, "ZLPSRFNTCAXMVO");
  EXPECT_EQ(w->document().boards().size(), 1u);
  ASSERT_TRUE(w->openFile(QString::fromStdString(demo()), false));
  EXPECT_EQ(w->windowTitle(), QString("Trazello5.1ru - [%1]").arg(QString::fromStdString(demo())));
  EXPECT_EQ(w->document().currentBoard().name, "Demo");
  EXPECT_FALSE(w->document().modified());
  EXPECT_TRUE(w->action("History1")->isVisible());
  EXPECT_EQ(w->action("History1")->text(), "&1 demo.trz");
}

TEST_F(Window, TheLanguageFileChoosesCaptionsAndBoardNames) {
  std::ofstream(paths_.languageFile()) << "[Sprache]\nSprache=2\n";
  auto w = open();
  EXPECT_EQ(w->document().currentBoard().name, "Carte 1");
  EXPECT_EQ(w->action("Speichern1")->text(), "&Enregistrer");
  std::ofstream(paths_.languageFile()) << "[Sprache]\nSprache=0\n";
  auto ru = open();
  EXPECT_EQ(ru->action("Speichern1")->text(), QString::fromUtf8("&Сохранить"));
  EXPECT_EQ(ru->document().currentBoard().name, "Board 1");
}

TEST_F(Window, SwitchingBoardsRestoresTheirViews) {
  auto w = open();
  ASSERT_TRUE(w->openFile(QString::fromStdString(demo()), false));
  DrawingArea* area = w->drawingArea();
  area->setZoom(1.0);
  area->horizontalScrollBar()->setValue(300);
  w->action("AktiverLayer1.K1")->trigger();
  const BoardSettings before = w->document().working();

  answerNextBox(QMessageBox::Ok);
  w->action("NeuePlatine1")->trigger();
  EXPECT_EQ(lastBox_, "A new Board named \"Board 2\" was added.");
  auto* tabs = w->findChild<QTabBar*>();
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->currentIndex(), 1);
  EXPECT_DOUBLE_EQ(w->document().working().zoom, 0.1);

  tabs->setCurrentIndex(0);
  EXPECT_DOUBLE_EQ(w->document().working().zoom, 1.0);
  EXPECT_EQ(w->document().working().scrollX, before.scrollX);
  EXPECT_EQ(w->document().working().grid, before.grid);
  EXPECT_EQ(area->horizontalScrollBar()->value(), before.scrollX);
}

TEST_F(Window, WheelZoomAndZoomPrevious) {
  auto w = open();
  DrawingArea* area = w->drawingArea();
  const double start = w->document().working().zoom;
  const QPoint middle = area->viewport()->rect().center();
  QWheelEvent in(middle, area->viewport()->mapToGlobal(middle), {}, {0, 120}, Qt::NoButton,
                 Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(area->viewport(), &in);
  EXPECT_DOUBLE_EQ(w->document().working().zoom, std::round(start * 1.4 * 1000) / 1000);
  QWheelEvent out(middle, area->viewport()->mapToGlobal(middle), {}, {0, -120}, Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(area->viewport(), &out);
  QApplication::sendEvent(area->viewport(), &out);
  EXPECT_LT(w->document().working().zoom, start);

  area->pushHistory();
  const double remembered = w->document().working().zoom;
  area->setZoom(2.0);
  w->action("Zoomvorher1")->trigger();
  EXPECT_DOUBLE_EQ(w->document().working().zoom, remembered);
  w->action("Zoomvorher1")->trigger();  // nothing left: nothing happens
  EXPECT_DOUBLE_EQ(w->document().working().zoom, remembered);

  // Zooming out stops at the smallest zoom (the wheel turned over the board, now small).
  area->setZoom(0.011);
  const QPoint onBoard(20, 20);
  QWheelEvent outOnBoard(onBoard, area->viewport()->mapToGlobal(onBoard), {}, {0, -120},
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(area->viewport(), &outOnBoard);
  EXPECT_DOUBLE_EQ(w->document().working().zoom, 0.01);
  QApplication::sendEvent(area->viewport(), &outOnBoard);
  EXPECT_DOUBLE_EQ(w->document().working().zoom, 0.01);
}

struct UnitCase {
  int language;
  const char* mm;
  const char* mil;
};

TEST_F(Window, GridUnitAndCoordinateCaptionsInTheWindowsLanguage) {
  // The Russian window writes its own unit words; the English and French ones the Latin words.
  const UnitCase cases[] = {{0, "мм", "мил"}, {1, "mm", "mil"}, {2, "mm", "mil"}};
  for (const UnitCase& c : cases) {
    SCOPED_TRACE(c.language);
    std::ofstream(paths_.languageFile()) << "[Sprache]\nSprache=" << c.language << "\n";
    auto w = open();
    const QString mm = QString::fromUtf8(c.mm), mil = QString::fromUtf8(c.mil);
    QToolButton* unit = nullptr;
    QToolButton* grid = nullptr;
    for (auto* b : w->statusBar()->findChildren<QToolButton*>()) {
      if (b->menu())
        grid = b;
      else
        unit = b;
    }
    ASSERT_TRUE(unit && grid);
    DrawingArea* area = w->drawingArea();
    area->setZoom(0.5);
    area->horizontalScrollBar()->setValue(0);
    area->verticalScrollBar()->setValue(0);
    QMouseEvent move(QEvent::MouseMove, QPointF(100, 50),
                     area->viewport()->mapToGlobal(QPointF(100, 50)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(area->viewport(), &move);  // 2 mm right, 1 mm down
    EXPECT_EQ(unit->text(), mm);
    EXPECT_EQ(grid->text(), "  1.27 " + mm);
    EXPECT_EQ(w->coordinateText(), QString("2 %1 1 %1").arg(mm));
    unit->click();
    EXPECT_EQ(unit->text(), mil);
    EXPECT_EQ(grid->text(), "     50 " + mil);
    EXPECT_EQ(w->coordinateText(), QString("79 %1 39 %1").arg(mil));  // without moving
    grid->menu()->aboutToShow();
    const auto entries = grid->menu()->actions();
    ASSERT_GE(entries.size(), 7);
    EXPECT_EQ(entries[0]->text(), "3.125 " + mil + " (1/320 \")");
    entries[0]->trigger();  // 1/320 inch
    EXPECT_EQ(grid->text(), "  3.125 " + mil);
    // Back to millimetres: the coordinates on show follow at once.
    unit->click();
    EXPECT_EQ(w->coordinateText(), QString("2 %1 1 %1").arg(mm));
    EXPECT_DOUBLE_EQ(w->document().working().grid, 7.9375);
  }
}

TEST_F(Window, HotkeysReachToolsOnlyFromTheDrawingArea) {
  auto w = open();
  auto* field = new QLineEdit(w.get());
  w->statusBar()->addWidget(field);
  field->show();
  field->setFocus();
  QTest::keyClick(field, Qt::Key_L);
  EXPECT_EQ(w->currentTool().code, ToolCode::Edit);
  EXPECT_EQ(field->text(), "l");

  w->drawingArea()->setFocus();
  QTest::keyClick(w->drawingArea(), Qt::Key_L);
  EXPECT_EQ(w->currentTool().code, ToolCode::Track);
  QTest::keyClick(w->drawingArea(), Qt::Key_Escape);
  EXPECT_EQ(w->currentTool().code, ToolCode::Edit);
  QTest::keyClick(w->drawingArea(), Qt::Key_F1);
  EXPECT_EQ(w->document().working().activeLayer, layer::C1);
  QTest::keyClick(w->drawingArea(), Qt::Key_F6);
  EXPECT_EQ(w->document().working().visible[layer::S1], 0);
}

TEST_F(Window, DigitHotkeysChooseTools) {
  // The measure tool on "7" instead of "M".
  std::ofstream(paths_.settingsFile()) << "[Optionen]\nHotkeys=ZLPSRFNTCAX7VO\n";
  auto w = open();
  w->drawingArea()->setFocus();
  QTest::keyClick(w->drawingArea(), Qt::Key_7);
  EXPECT_EQ(w->currentTool().code, ToolCode::Measure);
  QTest::keyClick(w->drawingArea(), Qt::Key_Escape);
  EXPECT_EQ(w->currentTool().code, ToolCode::Edit);
}

TEST_F(Window, ClosingAsksOnlyWhenSomethingWouldBeLost) {
  {
    auto w = open();
    EXPECT_TRUE(w->close());  // nothing changed: no question
  }
  EXPECT_TRUE(std::filesystem::exists(paths_.settingsFile()));

  auto w = open();
  TObjekt t = newTrack(20, layer::C1);
  t.Points = {{10, -10}, {500, -10}};
  w->document().elements().append(t);
  w->document().setModified();
  answerNextBox(QMessageBox::Cancel);
  EXPECT_FALSE(w->close());
  EXPECT_EQ(lastBox_, "Save changes?");
  answerNextBox(QMessageBox::No);
  EXPECT_TRUE(w->close());
}

TEST_F(Window, RemovingConnectionsCanBeUndoneAndRedone) {
  auto w = open();
  ElementList& list = w->document().elements();
  const ElementId a = list.append(newPad({100, -100}, layer::C1, padshape::Round, 50, 20)).Id;
  const ElementId b = list.append(newPad({600, -100}, layer::C1, padshape::Round, 50, 20)).Id;
  list.edit(0).Links = {b};
  list.edit(1).Links = {a};
  TObjekt t = newTrack(25, layer::C1);
  t.Points = {{100, -100}, {600, -100}};
  list.append(t);
  EXPECT_FALSE(w->action("Undo")->isEnabled());

  emit w->findChild<QMenu*>("Funktionen1")->aboutToShow();  // the menu opens
  ASSERT_TRUE(w->action("Luftlinienentfernen1")->isEnabled());
  answerNextBox(QMessageBox::Ok);
  w->action("Luftlinienentfernen1")->trigger();
  EXPECT_EQ(lastBox_, "1 connections (rubberbands) removed.\n0 connections (rubberbands) remaining.");
  EXPECT_TRUE(w->document().elements()[0].Links.empty());
  ASSERT_TRUE(w->action("Undo")->isEnabled());
  EXPECT_FALSE(w->action("Redo")->isEnabled());

  w->action("Undo")->trigger();
  EXPECT_EQ(w->document().elements()[0].Links, std::vector<ElementId>{b});
  EXPECT_EQ(w->document().elements()[1].Links, std::vector<ElementId>{a});
  EXPECT_TRUE(w->action("Redo")->isEnabled());
  w->action("Redo")->trigger();
  EXPECT_TRUE(w->document().elements()[1].Links.empty());
}

TEST_F(Window, PointerMovesDoNotRepaintTheBoard) {
  auto w = open();
  DrawingArea* area = w->drawingArea();
  QTest::qWait(50);  // let the window settle: layout and resizes repaint the board
  area->viewport()->repaint();
  const int before = area->renderCount();
  for (int x = 10; x < 200; x += 20) {
    QTest::mouseMove(area->viewport(), QPoint(x, 50));
    area->viewport()->repaint();
  }
  EXPECT_EQ(area->renderCount(), before);  // the crosshair is an overlay
  area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->value() + 40);
  area->viewport()->repaint();
  EXPECT_GT(area->renderCount(), before);
}

TEST_F(Window, SettingsWrittenAtExitAreReadAtStart) {
  {
    auto w = open();
    QToolButton* unit = nullptr;
    for (auto* b : w->statusBar()->findChildren<QToolButton*>()) {
      if (!b->menu()) unit = b;
    }
    unit->click();
    EXPECT_TRUE(w->close());
  }
  auto w = open();
  EXPECT_TRUE(w->settings().mil);
}

}  // namespace
}  // namespace trazello
