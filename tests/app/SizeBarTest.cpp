#include "app/SizeBar.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolButton>

#include "app/TUnitSpinEdit.h"
#include "model/Document.h"

namespace trazello {
namespace {

TObjekt selectedTrack(int32_t width) {
  TObjekt t = newTrack(width, 1);
  appendPoint(t, {0, 0});
  appendPoint(t, {500, 0});
  t.Selected = 1;
  return t;
}

QAction* findAction(QMenu* menu, const QString& name) {
  for (QAction* a : menu->actions()) {
    if (a->objectName() == name || a->text().trimmed() == name) return a;
  }
  return nullptr;
}

void focus(QWidget* w, QEvent::Type type) {
  QFocusEvent e(type);
  QApplication::sendEvent(w, &e);
}

class SizeBarTest : public ::testing::Test {
 protected:
  Document doc;
  UndoHistory undo;
  AppSettings settings;
};

TEST_F(SizeBarTest, EditingTheWidthWithThreeTracksSelectedIsOneStep) {
  for (int w : {40, 40, 60}) doc.elements().append(selectedTrack(w));
  SizeBar bar(doc, undo, settings, Language::English);
  int changes = 0;
  QObject::connect(&bar, &SizeBar::elementsChanged, [&] { ++changes; });
  QLineEdit* edit = bar.field(SizeField::TrackWidth)->field();
  focus(edit, QEvent::FocusIn);
  for (const char* typed : {"1", "1.", "1.2", "1.25"}) edit->setText(typed);
  focus(edit, QEvent::FocusOut);
  for (const TObjekt& e : doc.elements()) EXPECT_EQ(e.Width, 125);
  EXPECT_EQ(doc.currentBoard().undoList.size(), 1u);
  EXPECT_GT(changes, 0);
  EXPECT_EQ(edit->text(), "1.25");
}

TEST_F(SizeBarTest, SelectionSizesFillTheFieldsAndNothingSelectedBringsBackToolSizes) {
  doc.elements().append(selectedTrack(40));
  doc.elements().append(selectedTrack(40));
  settings.track = 80;
  SizeBar bar(doc, undo, settings, Language::English);
  QLineEdit* width = bar.field(SizeField::TrackWidth)->field();
  EXPECT_EQ(width->text(), "0.80");
  bar.showSelectionSizes(false);
  EXPECT_EQ(width->text(), "0.40");
  EXPECT_EQ(doc.currentBoard().undoList.size(), 0u);
  doc.elements().editAll([](TObjekt& e) { e.Selected = 0; });
  bar.refresh(false);
  EXPECT_EQ(width->text(), "0.80");
  EXPECT_EQ(bar.field(SizeField::TrackWidth)->editBkColor(), QColor(0, 0, 0));
}

TEST_F(SizeBarTest, ChoosingAPadEntryChangesBothSizesInOneStep) {
  TObjekt pad = newPad({0, 0}, 1, padshape::Round, 60, 20);
  pad.Selected = 1;
  doc.elements().append(pad);
  settings.padSizes = {SizeList::pairTag(200, 100)};
  SizeBar bar(doc, undo, settings, Language::English);
  emit bar.padMenu()->aboutToShow();
  QAction* entry = findAction(bar.padMenu(), "2.00 x 1.00   mm");
  ASSERT_NE(entry, nullptr);
  EXPECT_FALSE(entry->isChecked());
  EXPECT_TRUE(findAction(bar.padMenu(), "LA_Hinzufuegen")->isEnabled());
  EXPECT_FALSE(findAction(bar.padMenu(), "LA_Entfernen")->isEnabled());
  entry->trigger();
  EXPECT_FLOAT_EQ(doc.elements()[0].SizeA, 100);
  EXPECT_FLOAT_EQ(doc.elements()[0].SizeB, 50);
  EXPECT_EQ(doc.currentBoard().undoList.size(), 1u);
  EXPECT_DOUBLE_EQ(bar.sizes().remembered().padOuterRadius, 100);
  EXPECT_EQ(bar.field(SizeField::PadDrill)->field()->text(), "1.00");
}

TEST_F(SizeBarTest, ListsStayAscendingAndSurviveARestart) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string path = dir.filePath("TRAZEL50.INI").toStdString();
  {
    SizeBar bar(doc, undo, settings, Language::English);
    for (int width : {120, 40, 80}) {
      bar.sizes().current().trackWidth = width;
      emit bar.trackMenu()->aboutToShow();
      findAction(bar.trackMenu(), "L_Hinzufuegen")->trigger();
    }
    bar.sizes().current().smdWidth = 160;
    bar.sizes().current().smdHeight = 80;
    emit bar.smdMenu()->aboutToShow();
    findAction(bar.smdMenu(), "SMD_Hinzufuegen")->trigger();
    bar.sizes().current().trackWidth = 80;
    emit bar.trackMenu()->aboutToShow();
    EXPECT_FALSE(findAction(bar.trackMenu(), "L_Hinzufuegen")->isEnabled());
    bar.storeTo(settings);
    IniFile ini;
    settings.writeTo(ini);
    ASSERT_TRUE(ini.save(path));
  }
  AppSettings again;
  again.readFrom(IniFile::load(path), dir.path().toStdString());
  SizeBar bar(doc, undo, again, Language::English);
  EXPECT_EQ(bar.list(SizeList::Kind::Width).entries(), (std::vector<int>{40, 80, 120}));
  EXPECT_EQ(bar.list(SizeList::Kind::Pair, true).entries(),
            std::vector<int>{SizeList::pairTag(160, 80)});
  bar.setMil(true);
  emit bar.trackMenu()->aboutToShow();
  EXPECT_NE(findAction(bar.trackMenu(), "16 mil"), nullptr);
  EXPECT_EQ(bar.field(SizeField::TrackWidth)->field()->text(), "31.5");
}

TEST_F(SizeBarTest, PlatingIsOfferedOnlyForCopperPads) {
  TObjekt pad = newPad({0, 0}, 2, padshape::Round, 60, 20);
  pad.Selected = 1;
  doc.elements().append(pad);
  SizeBar bar(doc, undo, settings, Language::English);
  emit bar.shapeMenu()->aboutToShow();
  EXPECT_FALSE(bar.platingAction()->isEnabled());
  doc.elements().edit(0).Layer = 1;
  emit bar.shapeMenu()->aboutToShow();
  EXPECT_TRUE(bar.platingAction()->isEnabled());
  int shape = 0;
  QObject::connect(&bar, &SizeBar::padShapeChanged, [&](int s, bool) { shape = s; });
  findAction(bar.shapeMenu(), "Quadrat1")->trigger();
  EXPECT_EQ(shape, padshape::Square);
  EXPECT_EQ(doc.elements()[0].PadShape, padshape::Square);
}

TEST_F(SizeBarTest, PadShapeButtonShowsTheShapeAndThePlating) {
  SizeBar bar(doc, undo, settings, Language::English);
  auto picture = [&] { return bar.shapeButton()->icon().pixmap(24, 24).toImage(); };
  // Near the corner: outside a round pad, inside a square one.
  const QPoint corner(3, 3), middle(12, 4);
  const QColor copper(190, 110, 40), plated(18, 127, 150);
  const bool platedAtStart = bar.sizes().current().plated;
  ASSERT_FALSE(picture().isNull());
  EXPECT_EQ(qAlpha(picture().pixel(corner)), 0);
  EXPECT_EQ(picture().pixelColor(middle), platedAtStart ? plated : copper);
  findAction(bar.shapeMenu(), "Quadrat1")->trigger();
  EXPECT_EQ(picture().pixelColor(corner), platedAtStart ? plated : copper);
  bar.platingAction()->trigger();
  EXPECT_EQ(picture().pixelColor(corner), platedAtStart ? copper : plated);
  // A horizontal rectangle is wider than high: nothing near the top.
  findAction(bar.shapeMenu(), "Rechteckquer1")->trigger();
  EXPECT_EQ(qAlpha(picture().pixel(middle)), 0);
  EXPECT_EQ(picture().pixelColor(QPoint(3, 12)), platedAtStart ? copper : plated);
}

}  // namespace
}  // namespace trazello
