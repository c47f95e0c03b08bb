// The general settings window driven from the main window, on the offscreen platform.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>

#include "WindowFixture.h"
#include "app/BoardMapWidget.h"
#include "app/OptionsHotkeyPage.h"
#include "app/TOptionsDlg.h"
#include "app/ToolBar.h"
#include "model/Layer.h"

namespace trazello {
namespace {

class OptionsWindow : public testing::WindowFixture {
 protected:
  TOptionsDlg* openOptions(MainWindow& w, const char* command = "Grundeinstellungen1") {
    w.action(command)->trigger();
    TOptionsDlg* dlg = w.optionsDialog();
    EXPECT_TRUE(dlg->isVisible());
    return dlg;
  }
  template <typename T>
  static T* child(QWidget* dlg, const char* name) {
    T* c = dlg->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  // Chooses a page with a click on its node in the tree, as the user does.
  static void choosePage(TOptionsDlg* dlg, int page) {
    auto* tree = child<QTreeWidget>(dlg, "TV_Tabs");
    const QRect r = tree->visualItemRect(tree->topLevelItem(page));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, r.center());
  }
  static void press(TOptionsDlg* dlg, QDialogButtonBox::StandardButton b) {
    dlg->findChild<QDialogButtonBox*>()->button(b)->click();
  }
  IniFile settingsFile() const { return IniFile::load(paths_.settingsFile()); }
  // One undo step through the window: two linked pads whose connection is removed.
  void recordOneStep(MainWindow& w) {
    ElementList& list = w.document().elements();
    const ElementId a = list.append(newPad({100, -100}, layer::C1, padshape::Round, 50, 20)).Id;
    const ElementId b = list.append(newPad({600, -100}, layer::C1, padshape::Round, 50, 20)).Id;
    list.edit(list.size() - 2).Links = {b};
    list.edit(list.size() - 1).Links = {a};
    answerNextBox(QMessageBox::Ok);
    emit w.findChild<QMenu*>("Funktionen1")->aboutToShow();  // as opening the menu refreshes it
    w.action("Luftlinienentfernen1")->trigger();
  }
};

TEST_F(OptionsWindow, OkAppliesTheSettingsAndWritesTheFile) {
  auto w = open();
  TOptionsDlg* dlg = openOptions(*w);
  EXPECT_EQ(dlg->currentPage(), TOptionsDlg::General);
  EXPECT_EQ(child<QLabel>(dlg, "Panel1")->text(), "General");
  // Filled from the settings: defaults of a first start.
  EXPECT_EQ(child<QComboBox>(dlg, "CB_Einheit")->currentIndex(), 0);
  EXPECT_TRUE(child<QCheckBox>(dlg, "CB_Zoomfenster")->isChecked());
  // 51 snapshots by default, shown within the spin edit's 1 to 50.
  EXPECT_EQ(child<QSpinBox>(dlg, "SE_Undo")->value(), 50);

  child<QComboBox>(dlg, "CB_Einheit")->setCurrentIndex(1);
  child<QComboBox>(dlg, "CB_Bohrung")->setCurrentIndex(1);
  child<QCheckBox>(dlg, "CB_Zoomfenster")->click();
  child<QCheckBox>(dlg, "CB_Fadenkreuz")->click();
  child<QCheckBox>(dlg, "CB_CAM_Nullpunkt")->click();
  choosePage(dlg, TOptionsDlg::Capacity);
  EXPECT_EQ(dlg->currentPage(), TOptionsDlg::Capacity);
  EXPECT_EQ(child<QLabel>(dlg, "Panel1")->text(), "Current capacity");
  child<QSpinBox>(dlg, "SE_CUWidth")->setValue(70);
  child<QSpinBox>(dlg, "SE_DeltaTemp")->setValue(30);
  choosePage(dlg, TOptionsDlg::Folders);
  QString askedWith;
  dlg->setFolderBrowser([&](const QString& caption, const QString&) {
    askedWith = caption;
    return QString("/boards/gerber");
  });
  child<QPushButton>(dlg, "SpeedButton2")->click();
  EXPECT_EQ(askedWith, "Please select a default-directory for Gerber export");
  EXPECT_EQ(child<QLineEdit>(dlg, "Edit2")->text(), "/boards/gerber/");
  EXPECT_FALSE(w->settings().mil);  // nothing applied before OK
  EXPECT_FALSE(std::filesystem::exists(paths_.settingsFile()));

  press(dlg, QDialogButtonBox::Ok);
  EXPECT_FALSE(dlg->isVisible());
  const AppSettings& s = w->settings();
  EXPECT_TRUE(s.mil);
  EXPECT_TRUE(s.whiteDrills);
  EXPECT_FALSE(s.boardMap);
  EXPECT_FALSE(s.crosshair);
  EXPECT_TRUE(s.camOrigin);
  EXPECT_EQ(s.gerberFolder, "/boards/gerber/");
  // The window follows at once: the unit of the status line, the board map.
  int milButtons = 0;
  for (QToolButton* b : w->statusBar()->findChildren<QToolButton*>())
    milButtons += b->text() == "mil";
  EXPECT_EQ(milButtons, 1);
  EXPECT_FALSE(w->boardMap()->isVisibleTo(w.get()));

  const IniFile ini = settingsFile();
  EXPECT_EQ(ini.value("Optionen", "MIL"), "1");
  EXPECT_EQ(ini.value("Optionen", "BohrungenWeiss"), "1");
  EXPECT_EQ(ini.value("Optionen", "PlatinenZoom"), "0");
  EXPECT_EQ(ini.value("Optionen", "Fadenkreuz"), "0");
  EXPECT_EQ(ini.value("Optionen", "CAM_Nullpunkt"), "1");
  EXPECT_EQ(ini.value("Optionen", "Imax_CU"), "70");
  EXPECT_EQ(ini.value("Optionen", "Imax_DT"), "30");
  EXPECT_EQ(ini.value("Ordner", "Gerber"), "/boards/gerber/");
}

TEST_F(OptionsWindow, UndoDepthShowsOneMoreThanStoredAndWorksFromTheNextStep) {
  std::ofstream(paths_.settingsFile()) << "[Optionen]\r\nUndo=49\r\n";
  auto w = open();
  for (int i = 0; i < 3; ++i) recordOneStep(*w);
  ASSERT_EQ(w->document().currentBoard().undoList.size(), 3u);

  TOptionsDlg* dlg = openOptions(*w);
  choosePage(dlg, TOptionsDlg::Undo);
  auto* depth = child<QSpinBox>(dlg, "SE_Undo");
  EXPECT_EQ(depth->value(), 50);
  press(dlg, QDialogButtonBox::Ok);
  EXPECT_EQ(settingsFile().value("Optionen", "Undo"), "49");  // unchanged by OK

  openOptions(*w);
  depth->setValue(2);
  press(dlg, QDialogButtonBox::Ok);
  EXPECT_EQ(w->settings().undo, 1);
  EXPECT_EQ(settingsFile().value("Optionen", "Undo"), "1");
  EXPECT_EQ(w->document().currentBoard().undoList.size(), 3u);  // nothing recorded yet
  recordOneStep(*w);
  EXPECT_EQ(w->document().currentBoard().undoList.size(), 2u);
}

TEST_F(OptionsWindow, CancelLeavesEverySettingAndColourAsItWas) {
  auto w = open();
  const std::string before = [&] {
    IniFile f;
    w->settings().writeTo(f);
    return f.text();
  }();
  const ColourScheme activeBefore = w->schemes().active();
  TOptionsDlg* dlg = openOptions(*w);
  child<QComboBox>(dlg, "CB_Einheit")->setCurrentIndex(1);
  child<QCheckBox>(dlg, "CB_Hint")->click();
  child<QLineEdit>(dlg, "Edit1")->setText("/elsewhere/");

  choosePage(dlg, TOptionsDlg::Colours);
  auto* schemes = child<QComboBox>(dlg, "CB_Farben");
  auto* c1 = child<QPushButton>(dlg, "K1");
  EXPECT_FALSE(c1->isEnabled());  // the default scheme cannot be edited
  schemes->setCurrentIndex(2);
  ASSERT_TRUE(c1->isEnabled());
  dlg->colourPage()->setPicker([](const QColor&) { return QColor(12, 34, 56); });
  QSignalSpy shown(dlg, &TOptionsDlg::coloursShown);
  c1->click();
  // Seen at once, before OK.
  EXPECT_EQ(w->schemes().active()[SchemeSlot::C1], rgb(12, 34, 56));
  EXPECT_EQ(w->schemes().selected(), 2);
  EXPECT_GE(shown.count(), 1);

  press(dlg, QDialogButtonBox::Cancel);
  EXPECT_EQ(w->schemes().active(), activeBefore);
  EXPECT_EQ(w->schemes().selected(), 0);
  IniFile after;
  w->settings().writeTo(after);
  EXPECT_EQ(after.text(), before);
  EXPECT_FALSE(std::filesystem::exists(paths_.dataFolder + "C_USER2.DAT"));
  EXPECT_FALSE(std::filesystem::exists(paths_.settingsFile()));

  // Opened again, the window shows the settings, not what was cancelled.
  openOptions(*w);
  EXPECT_EQ(child<QComboBox>(dlg, "CB_Einheit")->currentIndex(), 0);
  EXPECT_EQ(schemes->currentIndex(), 0);
  press(dlg, QDialogButtonBox::Cancel);
}

TEST_F(OptionsWindow, OkKeepsAnEditedSchemeInItsFile) {
  auto w = open();
  TOptionsDlg* dlg = openOptions(*w);
  choosePage(dlg, TOptionsDlg::Colours);
  child<QComboBox>(dlg, "CB_Farben")->setCurrentIndex(3);
  dlg->colourPage()->setPicker([](const QColor&) { return QColor(200, 100, 0); });
  child<QPushButton>(dlg, "BK")->click();
  press(dlg, QDialogButtonBox::Ok);
  EXPECT_EQ(w->schemes().selected(), 3);
  EXPECT_EQ(w->schemes().active()[SchemeSlot::Background], rgb(200, 100, 0));
  EXPECT_EQ(settingsFile().value("Optionen", "Farbschema"), "3");
  SchemeStore reread(paths_.dataFolder);
  reread.load(3);
  EXPECT_EQ(reread.active()[SchemeSlot::Background], rgb(200, 100, 0));
}

TEST_F(OptionsWindow, AHotkeyInUseIsRefused) {
  auto w = open();
  TOptionsDlg* dlg = openOptions(*w);
  choosePage(dlg, TOptionsDlg::Hotkeys);
  auto* list = child<QTreeWidget>(dlg, "LB_Hotkeys");
  auto* key = child<QToolButton>(dlg, "SB_Hotkey");
  auto* letters = child<QMenu>(dlg, "POPUP_AZ");
  auto clickRow = [&](int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(row)).center());
  };
  auto choose = [&](char letter) { letters->actions().at(letter - 'A')->trigger(); };
  EXPECT_EQ(list->topLevelItemCount(), 15);
  EXPECT_EQ(list->topLevelItem(0)->text(1), "Esc");
  clickRow(0);
  EXPECT_FALSE(key->isEnabled());  // the edit tool keeps Escape

  clickRow(2);  // track, "L"
  EXPECT_TRUE(key->isEnabled());
  EXPECT_EQ(key->text(), "L");
  answerNextBox(QMessageBox::Ok);
  choose('Z');  // zoom has it
  EXPECT_EQ(lastBox_, "The hotkey \"Z\" is already in use.");
  EXPECT_EQ(list->topLevelItem(2)->text(1), "L");

  lastBox_.clear();
  clickRow(1);
  choose('Z');  // its own letter again: no message, no change
  EXPECT_TRUE(lastBox_.isEmpty());
  clickRow(2);
  choose('Q');
  EXPECT_EQ(list->topLevelItem(2)->text(1), "Q");
  EXPECT_EQ(key->text(), "Q");
  press(dlg, QDialogButtonBox::Ok);
  EXPECT_EQ(w->settings().hotkeys, "ZQPSRFNTCAXMVO");
  EXPECT_EQ(settingsFile().value("Optionen", "Hotkeys"), "ZQPSRFNTCAXMVO");

  w->drawingArea()->setFocus();
  QTest::keyClick(w->drawingArea(), Qt::Key_Q);
  EXPECT_EQ(w->currentTool().code, ToolCode::Track);
  EXPECT_TRUE(w->toolBar()->button(w->currentTool())->toolTip().endsWith("(Q)"));  // the tool bar follows
}

TEST_F(OptionsWindow, HotkeyRowsWithoutAKeyKeepTheirPlace) {
  OptionsHotkeyPage page(Language::English);
  page.fill("ZL_S");
  EXPECT_EQ(page.list()->topLevelItem(3)->text(1), "");
  EXPECT_EQ(page.list()->topLevelItem(5)->text(1), "");  // past the end of a short string
  page.list()->setCurrentItem(page.list()->topLevelItem(5));
  EXPECT_TRUE(page.assign('R'));
  EXPECT_EQ(page.applyTo("ZL_S"), "ZL_SR_________");
}

TEST_F(OptionsWindow, AChangedMacroFolderIsRememberedAndOnlyItReloadsTheLibrary) {
  const std::string macros = dir_.path().toStdString() + "/my macros";
  {
    auto w = open();
    TOptionsDlg* dlg = openOptions(*w, "Arbeitsverzeichnisse1");
    EXPECT_EQ(dlg->currentPage(), TOptionsDlg::Folders);
    EXPECT_EQ(child<QLabel>(dlg, "Panel1")->text(), "Directories");
    QSignalSpy applied(dlg, &TOptionsDlg::applied);
    child<QLineEdit>(dlg, "Edit3")->setText("/pictures/");
    press(dlg, QDialogButtonBox::Ok);
    ASSERT_EQ(applied.count(), 1);
    EXPECT_FALSE(applied.at(0).at(1).toBool());

    openOptions(*w);
    choosePage(dlg, TOptionsDlg::Library);
    auto* shown = child<QLabel>(dlg, "L_MakroDir");
    EXPECT_EQ(shown->text().toStdString(), paths_.macroLibrary());
    QString start;
    dlg->setFolderBrowser([&](const QString&, const QString& from) {
      start = from;
      return QString::fromStdString(macros);
    });
    child<QPushButton>(dlg, "Button1")->click();
    EXPECT_EQ(start.toStdString(), paths_.macroLibrary());
    EXPECT_EQ(shown->text().toStdString(), macros);
    press(dlg, QDialogButtonBox::Ok);
    ASSERT_EQ(applied.count(), 2);
    EXPECT_TRUE(applied.at(1).at(1).toBool());
    EXPECT_EQ(w->settings().macroFolder, macros);
    EXPECT_TRUE(w->close());
  }
  auto w = open();
  EXPECT_EQ(w->settings().macroFolder, macros);
  EXPECT_EQ(w->settings().bitmapFolder, "/pictures/");
  TOptionsDlg* dlg = openOptions(*w);
  choosePage(dlg, TOptionsDlg::Library);
  EXPECT_EQ(child<QLabel>(dlg, "L_MakroDir")->text().toStdString(), macros);
  child<QPushButton>(dlg, "Button4")->click();
  EXPECT_EQ(child<QLabel>(dlg, "L_MakroDir")->text().toStdString(),
            paths_.macroLibrary());
  press(dlg, QDialogButtonBox::Cancel);
  EXPECT_EQ(w->settings().macroFolder, macros);
}

}  // namespace
}  // namespace trazello
