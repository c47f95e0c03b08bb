// The user's path through the Gerber import: File menu, file dialog, layer choice, the board
// gains the file's copper as one undo step; a file that cannot be read whole adds nothing.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "ModalScript.h"
#include "WindowFixture.h"
#include "app/GerberImportDialog.h"
#include "model/Layer.h"

namespace trazello {
namespace {

using testing::ModalScript;

class GerberImportWindow : public testing::WindowFixture {
 protected:
  QString writeFile(const char* name, const std::string& text) {
    const QString path = dir_.filePath(name);
    std::ofstream(path.toStdString(), std::ios::binary) << text;
    return path;
  }

  // Runs "Import Gerber..." choosing `path` and the layer at `layerIndex`; `afterwards` answers
  // whatever window the import opens next; `rowLabel` receives the file's row in the dialog.
  void importThroughMenu(MainWindow& w, const QString& path, int layerIndex,
                         std::function<void(QMessageBox*)> afterwards = {},
                         QString* rowLabel = nullptr) {
    ModalScript script;
    script.at<QFileDialog>([path](QFileDialog* d) {
      // Typed into the name field as a user would, then accepted with Enter.
      auto* name = d->findChild<QLineEdit*>("fileNameEdit");
      ASSERT_TRUE(name);
      name->setText(path);
      QTest::keyClick(name, Qt::Key_Return);
    });
    script.at<GerberImportDialog>([layerIndex, rowLabel](GerberImportDialog* d) {
      auto* box = d->findChild<QComboBox*>("CB_Layer0");
      ASSERT_TRUE(box);
      auto* form = qobject_cast<QFormLayout*>(box->parentWidget()->layout()->itemAt(1)->layout());
      ASSERT_TRUE(form);
      auto* label = qobject_cast<QLabel*>(form->labelForField(box));
      ASSERT_TRUE(label);
      if (rowLabel) *rowLabel = label->text();
      EXPECT_EQ(box->currentText(), "C2");  // the default layer
      box->setCurrentIndex(layerIndex);
      QTest::mouseClick(d->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
    });
    if (afterwards) script.at<QMessageBox>(afterwards);
    QAction* action = w.action("GerberImport1");
    ASSERT_TRUE(action && action->isEnabled());
    EXPECT_EQ(action->text().toStdString(), "Import Gerber...");
    script.start();
    action->trigger();
    for (int i = 0; i < 200 && !script.finished(); ++i) QTest::qWait(10);
    EXPECT_TRUE(script.finished());
  }
};

TEST_F(GerberImportWindow, ImportsOntoTheChosenLayerAsOneUndoStep) {
  auto w = open();
  const int32_t height = w->document().working().height;
  const QString path =
      writeFile("top.gbr",
                "%FSLAX26Y26*%%MOMM*%%ADD10C,0.25*%%ADD11C,1.5*%G54D10*X0Y0D02*X10000000Y0D01*"
                "X10000000Y5000000D01*D11*X20000000Y5000000D03*M02*");
  const size_t before = w->document().elements().size();
  importThroughMenu(*w, path, layer::C1 - 1);
  const ElementList& el = w->document().elements();
  ASSERT_EQ(el.size(), before + 2);
  const TObjekt& track = el[before];
  EXPECT_EQ(track.Kind, ElementKind::Track);
  EXPECT_EQ(track.Layer, layer::C1);
  EXPECT_EQ(track.Width, 25);
  // The file's origin is the board's bottom-left corner and its y axis points up the board.
  ASSERT_EQ(track.Points.size(), 3u);
  EXPECT_EQ(track.Points[0], (Point{0, float(-height)}));
  EXPECT_EQ(track.Points[2], (Point{1000, float(500 - height)}));
  EXPECT_EQ(el[before + 1].Kind, ElementKind::Pad);
  EXPECT_TRUE(w->document().modified());
  w->action("Undo")->trigger();
  EXPECT_EQ(w->document().elements().size(), before);
}

// A drill file is named as such in the dialog; its holes that hit no pad become drilled pads on
// the layer chosen for it, as one undo step.
TEST_F(GerberImportWindow, ADrillFileMakesDrilledPadsOnItsLayer) {
  auto w = open();
  const int32_t height = w->document().working().height;
  const QString path = writeFile(
      "holes.drl", "; Drill file\r\nM48\r\nMETRIC\r\nT01C0.8\r\n%\r\nT01\r\nX10.0Y5.0\r\nM30\r\n");
  const size_t before = w->document().elements().size();
  QString row;
  importThroughMenu(*w, path, layer::C1 - 1, {}, &row);
  EXPECT_EQ(row, "holes.drl (Excellon drill file)");
  const ElementList& el = w->document().elements();
  ASSERT_EQ(el.size(), before + 1);
  const TObjekt& pad = el[before];
  EXPECT_EQ(pad.Kind, ElementKind::Pad);
  EXPECT_EQ(pad.Layer, layer::C1);
  EXPECT_EQ((Point{pad.X, pad.Y}), (Point{1000, float(500 - height)}));
  EXPECT_EQ(pad.SizeB, 40);
  w->action("Undo")->trigger();
  EXPECT_EQ(w->document().elements().size(), before);
}

TEST_F(GerberImportWindow, ARefusedFileSaysWhyAndAddsNothing) {
  auto w = open();
  const QString path = writeFile("broken.gbr", "%MOMM*%%ADD10C,1*%D10*X0Y0D03*M02*");
  const size_t before = w->document().elements().size();
  QString text;
  importThroughMenu(*w, path, layer::C2 - 1, [&](QMessageBox* box) {
    text = box->text();
    box->accept();
  });
  EXPECT_TRUE(text.contains("\"broken.gbr\" was not imported")) << text.toStdString();
  EXPECT_TRUE(text.contains("no format statement")) << text.toStdString();
  EXPECT_EQ(w->document().elements().size(), before);
  EXPECT_FALSE(w->action("Undo")->isEnabled());
}

}  // namespace
}  // namespace trazello
