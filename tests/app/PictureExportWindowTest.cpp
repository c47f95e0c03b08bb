// Picture export from the menu as a user does it: the raster window, its slider and labels, the
// large-picture question, the save dialog, the files, and the metafile on the clipboard.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ModalScript.h"
#include "WidgetSteps.h"
#include "WindowFixture.h"
#include "app/ExportDialog.h"

namespace trazello {
namespace {

using testing::readAll;
using testing::child;
using testing::click;
namespace fs = std::filesystem;
using testing::ModalScript;

QString labelText(QWidget* parent, const char* name) { return child<QLabel>(parent, name)->text(); }

class PictureWindow : public testing::WindowFixture {
 protected:
  std::unique_ptr<MainWindow> openDemo() {
    auto w = open();
    EXPECT_TRUE(w->openFile(QString::fromStdString(std::string(TRAZELLO_SOURCE_DIR) +
                                                   "/examples/demo.trz"),
                            false));
    out_ = dir_.path().toStdString() + "/pictures";
    fs::create_directories(out_);
    w->setPictureFileChooser([this](QWidget*, const SaveFileRequest& r) {
      requests_.push_back(r);
      return QString::fromStdString(out_ + "/board.") + r.defaultSuffix.toLower();
    });
    return w;
  }

  std::string out_;
  std::vector<SaveFileRequest> requests_;
};

TEST_F(PictureWindow, BitmapAtALowerResolutionInColour) {
  auto w = openDemo();
  ModalScript script;
  script.at<ExportDialog>([](ExportDialog* d) {
    EXPECT_EQ(d->windowTitle(), "Bitmap export (all visible layers)");
    EXPECT_EQ(labelText(d, "L_Original"), "80.0 mm x 50.0 mm");
    EXPECT_EQ(labelText(d, "L_Pixel"), "945 x 591");  // the stored 300 dpi
    EXPECT_TRUE(child<QRadioButton>(d, "RB_SW")->isChecked());
    EXPECT_EQ(labelText(d, "L_Speicher"), "68 kB");
    auto* slider = child<QSlider>(d, "TrackBar");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Home);
    EXPECT_EQ(labelText(d, "L_dpi"), "100 dpi");
    EXPECT_EQ(labelText(d, "L_Pixel"), "315 x 197");
    click(d, "RB_Farbe");
    EXPECT_EQ(labelText(d, "L_Speicher"), "183 kB");
    click(d, "OKBtn");
  });
  run(*w, "BitmapExport1", script);
  ASSERT_EQ(requests_.size(), 1u);
  EXPECT_EQ(requests_[0].filter, "Bitmaps (*.bmp)|*.BMP");
  EXPECT_EQ(requests_[0].defaultSuffix, "BMP");
  const QImage written(QString::fromStdString(out_ + "/board.bmp"));
  EXPECT_EQ(written.size(), QSize(315, 197));
  EXPECT_EQ(written.depth(), 32);  // colour, not one bit per pixel
  EXPECT_EQ(w->settings().exportBitmapDpi, 100);
  EXPECT_EQ(w->settings().bitmapFolder, out_ + "/");
}

// Cancel on the question keeps the window; cancelling the window still stores the resolution.
TEST_F(PictureWindow, LargeGifAsksFirstAndCancelKeepsTheWindowOpen) {
  auto w = openDemo();
  w->document().working().width = 50000;
  w->document().working().height = 50000;
  ModalScript script;
  script
      .at<ExportDialog>([](ExportDialog* d) {
        EXPECT_EQ(d->windowTitle(), "GIF-Export");
        EXPECT_FALSE(child<QRadioButton>(d, "RB_SW")->isEnabled());
        EXPECT_TRUE(child<QRadioButton>(d, "RB_Farbe")->isChecked());
        auto* slider = child<QSlider>(d, "TrackBar");
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_End);
        EXPECT_EQ(labelText(d, "L_Pixel"), "11811 x 11811");
        click(d, "OKBtn");
      })
      .at<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->text(),
                  "You are about to create a large bitmap.\nBetter make sure that your work is "
                  "saved.\n\nContinue ?");
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        box->button(QMessageBox::Cancel)->click();
      })
      .at<ExportDialog>([](ExportDialog* d) { click(d, "CancelBtn"); });
  run(*w, "GIFExport1", script);
  EXPECT_TRUE(requests_.empty());
  EXPECT_EQ(w->settings().exportBitmapDpi, 600);
}

TEST_F(PictureWindow, MetafileToFileAndClipboardAndSvgToFile) {
  auto w = openDemo();
  w->action("EMFExport1")->trigger();
  w->action("SVGExport1")->trigger();
  ASSERT_EQ(requests_.size(), 2u);
  EXPECT_EQ(requests_[0].filter, "Enhanced Metafiles (*.emf)|*.EMF");
  const std::string emf = readAll(out_ + "/board.emf");
  ASSERT_GT(emf.size(), 108u);
  EXPECT_EQ(emf.substr(40, 4), " EMF");
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->data("image/emf").toStdString(), emf);
  EXPECT_NE(readAll(out_ + "/board.svg").find("<svg"), std::string::npos);
}

}  // namespace
}  // namespace trazello
