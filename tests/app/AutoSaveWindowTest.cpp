// The periodic backup and its settings window, driven from the main window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <filesystem>

#include "WindowFixture.h"
#include "app/AutoSaveTimer.h"
#include "app/TAutoSaveDlg.h"
#include "files/LayoutIo.h"
#include "model/Layer.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

class AutoSaveWindow : public testing::WindowFixture {
 protected:
  TAutoSaveDlg* openSettings(MainWindow& w) {
    w.action("Autospeichern1")->trigger();
    auto* dlg = w.findChild<TAutoSaveDlg*>("AutoSaveDlg");
    EXPECT_NE(dlg, nullptr);
    return dlg;
  }
  std::string path(const std::string& name) const { return dir_.path().toStdString() + "/" + name; }
  // A saved layout with one track, opened in the window.
  void openSavedBoard(MainWindow& w, const std::string& name) {
    Document d;
    TObjekt t = newTrack(25, layer::C1);
    t.Points = {{100, -100}, {600, -100}};
    d.elements().append(t);
    ASSERT_FALSE(saveLayout(d, path(name)));
    ASSERT_TRUE(w.openFile(QString::fromStdString(path(name)), false));
  }
  static void addTrack(MainWindow& w) {
    TObjekt t = newTrack(40, layer::S1);
    t.Points = {{100, -300}, {900, -300}};
    w.document().elements().append(t);
    w.document().setModified();
  }
  size_t elementsIn(const std::string& file) const {
    auto read = readLayoutFile(path(file), false);
    return read ? read->boards.at(0).elements.size() : 0;
  }
};

TEST_F(AutoSaveWindow, SettingsWindowShowsWholeMinutesAndSetsTheTimer) {
  std::ofstream(paths_.settingsFile()) << "[Optionen]\r\nAutoSave=0\r\nAutoSaveTime=90000\r\n";
  {
    auto w = open();
    EXPECT_FALSE(w->autoSaveTimer()->enabled());
    QPointer<TAutoSaveDlg> dlg = openSettings(*w);
    auto* on = dlg->findChild<QCheckBox*>("RB_AutoSave");
    auto* minutes = dlg->findChild<QSpinBox*>("SE_Zyklus");
    EXPECT_EQ(dlg->windowTitle(), "AutoSave");
    EXPECT_FALSE(on->isChecked());
    EXPECT_EQ(minutes->value(), 1);  // 90000 ms in whole minutes
    EXPECT_FALSE(minutes->isEnabled());
    // The explanation beside the check box toggles it.
    auto* label = dlg->findChild<QLabel*>("Label1");
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_TRUE(on->isChecked());
    EXPECT_TRUE(minutes->isEnabled());
    dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dlg.isNull());  // made for one use
    EXPECT_TRUE(w->autoSaveTimer()->enabled());
    EXPECT_EQ(w->autoSaveTimer()->intervalMs(), 60000);

    dlg = openSettings(*w);
    EXPECT_TRUE(dlg->findChild<QCheckBox*>("RB_AutoSave")->isChecked());
    dlg->findChild<QSpinBox*>("SE_Zyklus")->setValue(7);
    dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(w->autoSaveTimer()->intervalMs(), 60000);
    EXPECT_TRUE(w->close());
  }
  const IniFile ini = IniFile::load(paths_.settingsFile());
  EXPECT_EQ(ini.value("Optionen", "AutoSave"), "1");
  EXPECT_EQ(ini.value("Optionen", "AutoSaveTime"), "60000");
  auto w = open();
  EXPECT_TRUE(w->autoSaveTimer()->enabled());
  EXPECT_EQ(w->autoSaveTimer()->intervalMs(), 60000);
}

TEST_F(AutoSaveWindow, TheTimerBacksUpAChangedDocumentBesideIt) {
  auto w = open();
  openSavedBoard(*w, "board.trz");
  const QString title = w->windowTitle();
  AutoSaveTimer* timer = w->autoSaveTimer();
  QString shownWhileWriting;
  timer->autosave().setBeforeReplace(
      [&](const std::string&) { shownWhileWriting = w->hintLabel()->text(); });
  w->hintLabel()->setText("Ready");
  timer->configure(true, 40);

  // Just opened, nothing changed: the layout file is the backup.
  QTest::qWait(200);
  EXPECT_FALSE(fs::exists(path("board.bak")));

  addTrack(*w);
  EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(path("board.bak")); }, 5000));
  EXPECT_EQ(elementsIn("board.bak"), 2u);
  EXPECT_EQ(elementsIn("board.trz"), 1u);
  EXPECT_EQ(shownWhileWriting, "Autosave...");
  EXPECT_EQ(w->hintLabel()->text(), "Ready");
  // The document is still the layout file, unsaved.
  EXPECT_TRUE(w->document().modified());
  EXPECT_EQ(w->document().fileName(), path("board.trz"));
  EXPECT_EQ(w->windowTitle(), title);
  EXPECT_FALSE(w->action("History1")->text().contains(".bak"));
  EXPECT_FALSE(w->action("History2")->isVisible());
  EXPECT_TRUE(timer->enabled());

  addTrack(*w);
  EXPECT_TRUE(QTest::qWaitFor([&] { return elementsIn("board.bak") == 3; }, 5000));
  timer->configure(false, 40);
}

TEST_F(AutoSaveWindow, AFailedBackupIsReportedAndTheTimerGoesOn) {
  auto w = open();
  openSavedBoard(*w, "board.trz");
  w->autoSaveTimer()->configure(true, 60000);
  w->document().setFileName(path("gone/board.trz"));  // its folder was removed meanwhile
  addTrack(*w);
  answerNextBox(QMessageBox::Ok);
  EXPECT_EQ(w->autoSaveTimer()->tick().result, BackupResult::Failed);
  EXPECT_EQ(lastBox_.toStdString(),
            "The file \"" + path("gone/board.bak") + "\" can not be written.");
  EXPECT_TRUE(w->autoSaveTimer()->enabled());
  EXPECT_TRUE(w->document().modified());
}

TEST_F(AutoSaveWindow, ABackupOpenedAsADocumentIsNeverOverwritten) {
  auto w = open();
  openSavedBoard(*w, "board.bak");
  const auto before = fs::last_write_time(path("board.bak"));
  addTrack(*w);
  EXPECT_EQ(w->autoSaveTimer()->tick().result, BackupResult::IsBackup);
  EXPECT_EQ(fs::last_write_time(path("board.bak")), before);
  EXPECT_EQ(elementsIn("board.bak"), 1u);
}

}  // namespace
}  // namespace trazello
