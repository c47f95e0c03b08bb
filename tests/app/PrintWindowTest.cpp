// The print window opened from the menu as a user would: the preview shows the board, the layer
// boxes change it, centring moves the layout to the middle of the page, the clipboard gets the
// board at 300 dpi, the calibration refuses factors out of range and a print goes to a PDF.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QLabel>
#include <QTest>
#include <fstream>
#include <sstream>

#include "ModalScript.h"
#include "WidgetSteps.h"
#include "WindowFixture.h"
#include "app/IniFile.h"
#include "app/PrintCalibrationDialog.h"
#include "app/PrintWindow.h"
#include "model/Layer.h"

namespace trazello {
namespace {

using testing::click;
using testing::ModalScript;

// The black pixels of the preview's printable area above the information line: the board's
// C1 elements, which print black.
struct Ink {
  int count = 0;
  QRect box;
};
Ink blackInArea(PrintWindow* w) {
  PrintPreview* preview = w->preview();
  const QImage image = preview->grab().toImage();
  const QRect area = preview->areaRect();
  const int infoTop = area.bottom() - area.height() / 60 - 4;
  Ink ink;
  for (int y = area.top() + 1; y < infoTop; ++y)
    for (int x = area.left() + 1; x < area.right(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == 0) {
        ++ink.count;
        ink.box = ink.box.united(QRect(x, y, 1, 1));
      }
  return ink;
}

class PrintWindowTest : public testing::WindowFixture {
 protected:
  // A 100 x 80 mm board with a black C1 track and a red S1 track near its top-left corner.
  void fillBoard(MainWindow& w) {
    Document& d = w.document();
    d.working().width = 10000;
    d.working().height = 8000;
    TObjekt copper = newTrack(200, layer::C1);
    copper.Points = {{500, -500}, {3000, -500}, {3000, -2000}};
    d.elements().append(copper);
    TObjekt silk = newTrack(100, layer::S1);
    silk.Points = {{500, -2500}, {2500, -2500}};
    d.elements().append(silk);
  }
};

TEST_F(PrintWindowTest, PreviewFollowsTheLayerBoxesAndCentringMovesTheLayoutToTheMiddle) {
  auto w = open();
  fillBoard(*w);
  PrintWindow* print = w->printWindow();
  ASSERT_NE(print, nullptr);
  int withC1 = 0, withoutC1 = 0;
  QRect before, centred, area;
  ModalScript script;
  script.at<PrintWindow>([&](PrintWindow* p) {
    QTest::qWait(20);
    EXPECT_EQ(p->windowTitle(), p->printerName());
    withC1 = blackInArea(p).count;
    before = blackInArea(p).box;
    click(p, "CB_K1");
    withoutC1 = blackInArea(p).count;
    click(p, "CB_K1");
    click(p, "B_Zentrieren");
    centred = blackInArea(p).box;
    area = p->preview()->areaRect();
    click(p, "CancelBtn");
  });
  script.start();
  w->action("Drucken1")->trigger();
  EXPECT_TRUE(script.finished());
  EXPECT_GT(withC1, 100);
  EXPECT_EQ(withoutC1, 0);
  // Before: the track's corner near the top-left of the page; after: the printed elements'
  // box (C1 and S1 together) in the middle, so the black C1 part a little left and above it.
  EXPECT_LT(before.left() - area.left(), area.width() / 10);
  const QPoint middle = area.center();
  EXPECT_LT(centred.left(), middle.x());
  EXPECT_GT(centred.right(), middle.x());
  EXPECT_LT(centred.top(), middle.y());
  EXPECT_NEAR(centred.center().x(), middle.x(), area.width() / 50.0);
}

TEST_F(PrintWindowTest, ScaleClipboardCalibrationAndSettings) {
  auto w = open();
  fillBoard(*w);
  QString scaleText;
  double inverse = 0;
  ModalScript script;
  script
      .at<PrintWindow>([&](PrintWindow* p) {
        click(p, "S_Frei");
        p->findChild<QScrollBar*>("S_Wert")->setValue(40);
        scaleText = p->findChild<QLabel*>("L_Scale")->text();
        inverse = p->state().layout.inverseScale;
        click(p, "B_Clipboard");  // a message box says so
        click(p, "KorrekturBtn");
        click(p, "CB_Negativ");
        click(p, "CancelBtn");
      })
      .at<QMessageBox>([&](QMessageBox* box) {
        EXPECT_EQ(box->text(), "The bitmap of the preview has been copied to the clipboard.");
        box->button(QMessageBox::Ok)->click();
      })
      .at<PrintCalibrationDialog>([&](PrintCalibrationDialog* d) {
        EXPECT_EQ(d->findChild<QLineEdit*>("HKorrektur")->text(), "1.00000");
        d->findChild<QLineEdit*>("HKorrektur")->setText("1.3");
        click(d, "OKBtn");  // refused; the window stays
      })
      .at<QMessageBox>([&](QMessageBox* box) {
        EXPECT_EQ(box->text(), "Please enter values from 0.8 to 1.2");
        box->button(QMessageBox::Ok)->click();
      })
      .at<PrintCalibrationDialog>([&](PrintCalibrationDialog* d) {
        d->findChild<QLineEdit*>("HKorrektur")->setText("1.05");
        click(d, "OKBtn");
      });
  script.start();
  w->action("Drucken1")->trigger();
  EXPECT_TRUE(script.finished());
  EXPECT_EQ(scaleText, "200%");
  EXPECT_DOUBLE_EQ(inverse, 0.5);
  EXPECT_DOUBLE_EQ(w->printWindow()->state().layout.calibrationX, 1.05);
  const QImage copied = QGuiApplication::clipboard()->image();
  EXPECT_EQ(copied.size(), QSize(1181, 945));  // 100 x 80 mm at 300 dpi
  // Closing wrote the section with its Cyrillic keys as Windows-1251 bytes.
  const IniFile ini = IniFile::load(paths_.settingsFile());
  EXPECT_EQ(ini.readInt("Drucken", "\xC2" "1", -1), 8421376);  // "В1"
  EXPECT_EQ(ini.readInt("Drucken", "\xD4", -1), 65280);        // "Ф"
  EXPECT_EQ(ini.readInt("Drucken", "LS_LA", -1), 30);
  EXPECT_TRUE(ini.readBool("Drucken", "Gitter", false));
}

TEST_F(PrintWindowTest, PrintsIntoAPdfFileWithoutAPrinter) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
  auto w = open();
  fillBoard(*w);
  const QString pdf = dir_.filePath("out.pdf");
  w->printWindow()->setSaveFileChooser([&](QWidget*, const SaveFileRequest&) { return pdf; });
  ModalScript script;
  script.at<PrintWindow>([&](PrintWindow* p) {
    click(p, "B_Print");
    click(p, "CancelBtn");
  });
  script.start();
  w->action("Drucken1")->trigger();
  EXPECT_TRUE(script.finished());
  std::ifstream in(pdf.toStdString(), std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(bytes.str().substr(0, 5), "%PDF-");
}

}  // namespace
}  // namespace trazello
