// The manufacturing windows driven from the menu as a user would, checked against what the
// command-line tool writes for the same choices.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ModalScript.h"
#include "WidgetSteps.h"
#include "WindowFixture.h"
#include "app/DrillDialog.h"
#include "app/DrillListDialog.h"
#include "app/GerberDialog.h"
#include "app/OutputCommands.h"
#include "app/TKonturFraesenDlg.h"
#include "app/TUmrissDlg.h"
#include "app/TUnitSpinEdit.h"
#include "fixtures/CliRunner.h"

namespace trazello {
namespace {

using testing::readAll;
using testing::child;
using testing::click;
namespace fs = std::filesystem;
using testing::ModalScript;

class OutputWindow : public testing::WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    out_ = dir_.path().toStdString() + "/out";
    fs::create_directories(out_);
  }

  std::unique_ptr<MainWindow> openDemo() {
    auto w = open();
    EXPECT_TRUE(w->openFile(QString::fromStdString(demo_), false));
    // Every save dialog names a file in the output folder instead of asking.
    w->outputs()->setSaveFileChooser([this](QWidget*, const SaveFileRequest& r) {
      requests_.push_back(r);
      return QString::fromStdString(out_ + "/") + (r.fileName.isEmpty() ? "board.drl" : r.fileName);
    });
    return w;
  }

  testing::CliRun cli(const std::string& args) {
    return testing::runCli(TRAZELLO_CLI, args, dir_.path().toStdString() + "/cli.err");
  }

  std::string demo_ = std::string(TRAZELLO_SOURCE_DIR) + "/examples/demo.trz";
  std::string out_;
  std::vector<SaveFileRequest> requests_;
};

TEST_F(OutputWindow, GerberFilesOneLayerAfterAnotherMatchTheCommandLine) {
  auto w = openDemo();
  std::vector<QString> boxes;
  auto acknowledge = [&](QMessageBox* box) {
    boxes.push_back(box->windowTitle() + ": " + box->text());
    box->button(QMessageBox::Ok)->click();
  };
  ModalScript script;
  script
      .at<GerberDialog>([](GerberDialog* d) {
        click(d, "K1");
        click(d, "Spiegeln");
        click(d, "Umriss");
        click(d, "BohrungenFrei");
        click(d, "OKBtn");
      })
      .at<QMessageBox>(acknowledge)
      .at<GerberDialog>([](GerberDialog* d) {
        click(d, "LStop1");
        // The layer click turned the pad openings on; they become 0.15 mm larger than the pads.
        EXPECT_TRUE(child<QCheckBox>(d, "CB_Loetaugen")->isChecked());
        QLineEdit* field = child<TUnitSpinEdit>(d, "SE_LAOffset")->field();
        field->selectAll();
        QTest::keyClicks(field, "0.15");
        click(d, "OKBtn");
      })
      .at<QMessageBox>(acknowledge)
      .at<GerberDialog>([](GerberDialog* d) { click(d, "CancelBtn"); });
  run(*w, "GerberFormat1", script);

  ASSERT_EQ(requests_.size(), 2u);
  EXPECT_EQ(requests_[0].fileName, "Copper1.GBR");
  EXPECT_EQ(requests_[1].fileName, "Soldermask1.GBR");
  EXPECT_EQ(requests_[0].filter, "Gerber-274X (*.gbr)|*.gbr");
  EXPECT_EQ(requests_[0].defaultSuffix, "GBR");
  EXPECT_EQ(requests_[0].folder.toStdString(), paths_.programFolder);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0], "Gerber file (RS274X format): File created successfully.");
  EXPECT_EQ(w->settings().gerberFolder, out_ + "/");

  const std::string expected = dir_.path().toStdString() + "/expected";
  fs::create_directories(expected);
  const auto r = cli("gerber " + demo_ + " -o " + expected +
                     " --layers K1,LStop1 --mirror --frame --punch --pads 0.15");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string copper = readAll(out_ + "/Copper1.GBR");
  EXPECT_NE(copper.find("%LNAUGENFREISTANZEN*%"), std::string::npos);
  EXPECT_EQ(copper, readAll(expected + "/Copper1.GBR"));
  const std::string mask = readAll(out_ + "/Soldermask1.GBR");
  EXPECT_NE(mask.find("%LNSOLDERMASK1*%"), std::string::npos);
  EXPECT_EQ(mask, readAll(expected + "/Soldermask1.GBR"));
}

TEST_F(OutputWindow, GerberFileThatCannotBeWrittenIsReported) {
  auto w = openDemo();
  const std::string before = w->settings().gerberFolder;
  w->outputs()->setSaveFileChooser([this](QWidget*, const SaveFileRequest&) {
    return QString::fromStdString(out_ + "/missing/x.GBR");
  });
  QString box;
  ModalScript script;
  script.at<GerberDialog>([](GerberDialog* d) { click(d, "OKBtn"); })
      .at<QMessageBox>([&](QMessageBox* b) {
        box = b->windowTitle() + ": " + b->text();
        EXPECT_EQ(b->icon(), QMessageBox::Critical);
        b->button(QMessageBox::Ok)->click();
      })
      .at<GerberDialog>([](GerberDialog* d) { click(d, "CancelBtn"); });
  run(*w, "GerberFormat1", script);
  EXPECT_TRUE(box.startsWith("Gerber file (RS274X format): Can not create file!"))
      << box.toStdString();
  EXPECT_FALSE(fs::exists(out_ + "/missing"));
  EXPECT_EQ(w->settings().gerberFolder, before);
}

TEST_F(OutputWindow, AnEmptyBoardOffersNoLayer) {
  auto w = open();
  ModalScript script;
  script.at<GerberDialog>([](GerberDialog* d) {
    for (QRadioButton* b : d->findChildren<QRadioButton*>()) {
      EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
      EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
    }
    EXPECT_FALSE(child<QPushButton>(d, "OKBtn")->isEnabled());
    click(d, "CancelBtn");
  });
  run(*w, "GerberFormat1", script);
}

TEST_F(OutputWindow, DrillFileMatchesTheCommandLineAndKeepsItsSwitches) {
  // A switch stored by an earlier run, and a section of another feature that must survive.
  std::ofstream(paths_.settingsFile()) << "[DRC]\nAbstand=25\n[Excellon]\nG90=1\n";
  auto w = openDemo();
  ModalScript script;
  script.at<DrillDialog>([](DrillDialog* d) {
    EXPECT_TRUE(child<QCheckBox>(d, "CB_NoG90")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(d, "CB_M71")->isChecked());
    click(d, "RB_MM33");
    click(d, "RB_Kupfer");
    click(d, "CB_M71");
    click(d, "OKBtn");
  });
  run(*w, "BohrDatenExcellon1", script);

  ASSERT_EQ(requests_.size(), 1u);
  EXPECT_EQ(requests_[0].filter, "Drill files (*.drl)|*.DRL");
  EXPECT_EQ(requests_[0].defaultSuffix, "DRL");
  const std::string expected = dir_.path().toStdString() + "/expected.drl";
  const auto r =
      cli("drill " + demo_ + " -o " + expected + " --mm33 --side 2 --sort --m71 --no-g90");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string ours = readAll(out_ + "/board.drl");
  EXPECT_NE(ours.find("M71\r\n"), std::string::npos);
  EXPECT_EQ(ours, readAll(expected));
  EXPECT_EQ(w->settings().gerberFolder, out_ + "/");

  // Written when the window was confirmed, beside what was there.
  const IniFile ini = IniFile::load(paths_.settingsFile());
  EXPECT_EQ(ini.value("DRC", "Abstand"), "25");
  EXPECT_EQ(ini.value("Excellon", "M71"), "1");
  EXPECT_EQ(ini.value("Excellon", "G90"), "1");
  EXPECT_EQ(ini.value("Excellon", "Kommentare"), "0");
  w->close();
  auto again = open();
  ModalScript reopened;
  reopened.at<DrillDialog>([](DrillDialog* d) {
    EXPECT_TRUE(child<QCheckBox>(d, "CB_M71")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(d, "CB_NoG90")->isChecked());
    click(d, "CancelBtn");
  });
  run(*again, "BohrDatenExcellon1", reopened);
}

TEST_F(OutputWindow, DrillListGoesToTheClipboard) {
  const QLocale before;
  QLocale::setDefault(QLocale::c());
  auto w = openDemo();
  QGuiApplication::clipboard()->clear();
  QString box, unplatedOnly;
  ModalScript script;
  script.at<DrillListDialog>([](DrillListDialog* d) { click(d, "Button1"); })
      .at<QMessageBox>([&](QMessageBox* b) {
        box = b->text();
        b->button(QMessageBox::Ok)->click();
      })
      .at<DrillListDialog>([&](DrillListDialog* d) {
        click(d, "CB_Vias");
        unplatedOnly = child<QPlainTextEdit>(d, "Memo1")->toPlainText();
        d->reject();
      });
  run(*w, "BohrungenAuflisten1", script);
  QLocale::setDefault(before);

  EXPECT_EQ(box, "The text is now in the clipboard");
  const auto all = cli("drills " + demo_);
  ASSERT_EQ(all.status, 0) << all.err;
  EXPECT_EQ(QGuiApplication::clipboard()->text() + "\n", QString::fromStdString(all.out));
  EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith(" drilings"));
  const auto unplated = cli("drills " + demo_ + " --unplated");
  EXPECT_EQ(unplatedOnly + "\n", QString::fromStdString(unplated.out));
  EXPECT_NE(unplatedOnly, QGuiApplication::clipboard()->text());
}

TEST_F(OutputWindow, OldSystemFontTextsAreOfferedForConversionFirst) {
  auto w = open();
  TObjekt legacy;
  legacy.Kind = ElementKind::LegacyText;
  legacy.X = 1000;
  legacy.Y = -1000;
  legacy.SizeA = 1300;
  legacy.SizeB = -1100;
  legacy.Width = 16;
  legacy.Layer = 1;
  legacy.Text = "GND";
  w->document().elements().append(legacy);
  auto kinds = [&] {
    std::string k;
    for (const TObjekt& e : w->document().elements())
      k += e.Kind == ElementKind::LegacyText ? "L" : "T";
    return k;
  };
  // Declined: the old text stays (and gives the Gerber file nothing).
  ModalScript declined;
  declined.at<QMessageBox>([](QMessageBox* b) { b->button(QMessageBox::No)->click(); })
      .at<GerberDialog>([](GerberDialog* d) { click(d, "CancelBtn"); });
  run(*w, "GerberFormat1", declined);
  EXPECT_EQ(kinds(), "L");
  EXPECT_FALSE(w->action("Undo")->isEnabled());

  ModalScript accepted;
  accepted.at<QMessageBox>([](QMessageBox* b) { b->button(QMessageBox::Yes)->click(); })
      .at<QMessageBox>([](QMessageBox* b) { b->button(QMessageBox::Ok)->click(); })
      .at<GerberDialog>([](GerberDialog* d) {
        EXPECT_TRUE(child<QRadioButton>(d, "K1")->isChecked());
        click(d, "CancelBtn");
      });
  run(*w, "GerberFormat1", accepted);
  EXPECT_EQ(kinds(), "T");
  EXPECT_TRUE(w->document().modified());
  EXPECT_TRUE(w->action("Undo")->isEnabled());
}

TEST(OutputDialogs, HelpButtonsAskForTheirContexts) {
  GerberDialog gerber(Language::English);
  DrillDialog drill(TLochDlg{}, Language::English);
  TUmrissDlg isolation(Language::English);
  TKonturFraesenDlg outline(Language::English);
  for (auto [dialog, context] : {std::pair<QDialog*, int>{&gerber, 33000},
                                 {&drill, 34000},
                                 {&isolation, 35000},
                                 {&outline, 35500}}) {
    dialog->show();
    QSignalSpy spy(dialog, SIGNAL(helpRequested(int)));
    click(dialog, "HelpBtn");
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy[0][0].toInt(), context);
  }
}

TEST(OutputDialogs, CaptionsFollowTheLanguage) {
  struct Case {
    Language language;
    const char *gerberTitle, *gerberOk, *drillTitle, *listTitle, *listClose;
  };
  const Case cases[] = {{Language::Russian, "Экспорт Gerber", "Создать &файл...",
                         "Экспорт Excellon", "Отверстия", "&Закрыть"},
                        {Language::English, "Gerber export", "Create exp&ort file...",
                         "Excellon export", "Drillings", "&Close"},
                        {Language::French, "Export Gerber", "Créer le fichier d'exp&ort...",
                         "Export Excellon", "Perçages", "&Fermer"}};
  for (const Case& c : cases) {
    GerberDialog gerber(c.language);
    EXPECT_EQ(gerber.windowTitle(), QString::fromUtf8(c.gerberTitle));
    EXPECT_EQ(child<QPushButton>(&gerber, "OKBtn")->text(), QString::fromUtf8(c.gerberOk));
    DrillDialog drill(TLochDlg{}, c.language);
    EXPECT_EQ(drill.windowTitle(), QString::fromUtf8(c.drillTitle));
    DrillListDialog list(ElementList{}, false, c.language);
    EXPECT_EQ(list.windowTitle(), QString::fromUtf8(c.listTitle));
    EXPECT_EQ(child<QPushButton>(&list, "CloseBtn")->text(), QString::fromUtf8(c.listClose));
  }
}

TEST(OutputDialogs, OffsetsShowTheProgramsUnit) {
  GerberDialog dialog(Language::English);
  dialog.prepare(ElementList{}, ColourScheme{}, true);
  auto* pads = child<TUnitSpinEdit>(&dialog, "SE_LAOffset");
  EXPECT_EQ(pads->field()->text(), "11.8");
  dialog.prepare(ElementList{}, ColourScheme{}, false);
  EXPECT_EQ(pads->field()->text(), "0.30");
  EXPECT_NEAR(dialog.state().SE_LAOffset.value, 0.30, 1e-9);
}

}  // namespace
}  // namespace trazello
