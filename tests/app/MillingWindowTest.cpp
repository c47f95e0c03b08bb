// Isolation and outline milling driven from the menu as a user would: the windows, their
// enabling rules, the files (checked against the command-line tool), the outline display and
// "Delete outlines".
#include <gtest/gtest.h>

#include <QCheckBox>
#include <cstdlib>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ModalScript.h"
#include "WidgetSteps.h"
#include "WindowFixture.h"
#include "app/MillingCommands.h"
#include "app/TKonturFraesenDlg.h"
#include "app/TUmrissDlg.h"
#include "app/TUnitSpinEdit.h"
#include "fixtures/CliRunner.h"

namespace trazello {
namespace {

using testing::readAll;
using testing::child;
using testing::click;
using testing::enabled;
namespace fs = std::filesystem;
using testing::ModalScript;

// White pixels of the drawing area: the outlines are the only white on the demo board.
int whitePixels(MainWindow& w) {
  const QImage image = w.drawingArea()->viewport()->grab().toImage();
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == qRgb(255, 255, 255);
  return n;
}

class MillingWindow : public testing::WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    out_ = dir_.path().toStdString() + "/out";
    fs::create_directories(out_);
  }

  std::unique_ptr<MainWindow> openDemo() {
    auto w = open();
    EXPECT_TRUE(w->openFile(QString::fromStdString(demo_), false));
    w->milling()->setSaveFileChooser([this](QWidget*, const SaveFileRequest& r) {
      requests_.push_back(r);
      return QString::fromStdString(out_ + "/board.plt");
    });
    return w;
  }

  std::string cli(const std::string& args) {
    const auto r = testing::runCli(TRAZELLO_CLI, args, dir_.path().toStdString() + "/cli.err");
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
  }

  std::string demo_ = std::string(TRAZELLO_SOURCE_DIR) + "/examples/demo.trz";
  std::string out_;
  std::vector<SaveFileRequest> requests_;
};

TEST_F(MillingWindow, IsolationWritesTheFilesShowsAndDeletesTheOutlines) {
  auto w = openDemo();
  QPushButton* remove = w->milling()->deleteButton();
  EXPECT_FALSE(remove->isVisible());
  const int whiteBefore = whitePixels(*w);
  ModalScript script;
  script.at<TUmrissDlg>([](TUmrissDlg* d) {
    EXPECT_FALSE(enabled(d, "SE_Staerke")) << "the width waits for \"Include\"";
    click(d, "CB_ISO");
    EXPECT_TRUE(enabled(d, "SE_Staerke"));
    QLineEdit* field = d->millingWidth()->field();
    field->selectAll();
    QTest::keyClicks(field, "0.3");
    EXPECT_FALSE(enabled(d, "CB_BohrLayer"));
    EXPECT_FALSE(enabled(d, "SE_Fraesbreite"));
    click(d, "RB_Bohrungen_Extra");
    EXPECT_TRUE(enabled(d, "CB_BohrLayer"));
    click(d, "RB_Bohrungen_Fraesen");
    EXPECT_FALSE(enabled(d, "CB_BohrLayer"));
    EXPECT_TRUE(enabled(d, "SE_Fraesbreite") && enabled(d, "CB_Layer2") && enabled(d, "L_Fraesbreite"));
    click(d, "RB_Bohrungen_AlleExtra");
    EXPECT_TRUE(enabled(d, "L_UL"));
    EXPECT_FALSE(enabled(d, "L_UR"));
    click(d, "SB_Nullpunkt_UR");
    EXPECT_TRUE(enabled(d, "L_UR"));
    click(d, "OKBtn");
  });
  run(*w, "UmrissHPGLplt1", script);

  ASSERT_EQ(requests_.size(), 1u);
  EXPECT_EQ(requests_[0].filter, "HPGL (*.plt)|*.PLT");
  EXPECT_EQ(requests_[0].defaultSuffix, "PLT");
  EXPECT_EQ(w->settings().pltFolder, out_ + "/");
  EXPECT_TRUE(remove->isVisible());
  EXPECT_TRUE(w->milling()->hasOutlines());
  QTest::qWait(20);
  EXPECT_GT(whitePixels(*w), whiteBefore + 200) << "the outlines are drawn in white";

  const std::string expected = dir_.path().toStdString() + "/expected";
  fs::create_directories(expected);
  cli("isolate " + demo_ + " -o " + expected + "/board.plt --tool 0.3 --ref bl,br --drills each");
  for (const char* name : {"board.plt", "DRIL_40.PLT", "DRIL_80.PLT"})
    EXPECT_EQ(readAll(out_ + "/" + name), readAll(expected + "/" + name)) << name;

  QTest::mouseClick(remove, Qt::LeftButton);
  EXPECT_FALSE(remove->isVisible());
  EXPECT_FALSE(w->milling()->hasOutlines());
  QTest::qWait(20);
  // The status line lost its buttons, which may move the board by a pixel.
  EXPECT_LT(std::abs(whitePixels(*w) - whiteBefore), 20) << "the outlines are gone";
}

TEST_F(MillingWindow, NewDocumentDeletesTheOutlinesAndAnEmptyLayerWarns) {
  auto w = openDemo();
  ModalScript script;
  script.at<TUmrissDlg>([](TUmrissDlg* d) { click(d, "OKBtn"); });
  run(*w, "UmrissHPGLplt1", script);
  EXPECT_TRUE(w->milling()->deleteButton()->isVisible());
  w->action("Neu1")->trigger();
  EXPECT_FALSE(w->milling()->deleteButton()->isVisible());

  QString warning;
  ModalScript empty;
  empty.at<TUmrissDlg>([](TUmrissDlg* d) {
         EXPECT_FALSE(enabled(d, "RB_Bohrungen_Extra")) << "no holes on an empty board";
         EXPECT_FALSE(enabled(d, "RB_Text_Out")) << "no texts";
         click(d, "RB_I2");
         click(d, "OKBtn");
       })
      .at<QMessageBox>([&](QMessageBox* box) {
        warning = box->windowTitle() + ": " + box->text();
        box->button(QMessageBox::Ok)->click();
      });
  run(*w, "UmrissHPGLplt1", empty);
  EXPECT_EQ(warning, "Isolation milling: There are no milling-elements on the selected layer.");
  EXPECT_FALSE(w->milling()->deleteButton()->isVisible());
  EXPECT_EQ(requests_.size(), 1u) << "nothing to save";
}

TEST_F(MillingWindow, OutlineMillingSharesTheReferenceHoles) {
  auto w = openDemo();
  ModalScript script;
  script.at<TKonturFraesenDlg>([](TKonturFraesenDlg* d) {
    EXPECT_FALSE(enabled(d, "RB_NurMarkierte")) << "nothing selected";
    EXPECT_TRUE(d->control("SB_Nullpunkt_UL")->isChecked()) << "from the isolation window";
    click(d, "SB_Nullpunkt_UL");
    click(d, "SB_Nullpunkt_OR");
    EXPECT_TRUE(enabled(d, "L_OR"));
    click(d, "RB_Spiegel_X");
    click(d, "OKBtn");
  });
  run(*w, "PlatinenkonturHPGLplt1", script);
  const ReferenceHoles back = w->milling()->isolationDialog()->referenceHoles();
  EXPECT_FALSE(back.bottomLeft);
  EXPECT_TRUE(back.topRight);
  const std::string expected = dir_.path().toStdString() + "/outline.plt";
  cli("outline " + demo_ + " -o " + expected + " --ref tr --mirror x");
  EXPECT_EQ(readAll(out_ + "/board.plt"), readAll(expected));
}

}  // namespace
}  // namespace trazello
