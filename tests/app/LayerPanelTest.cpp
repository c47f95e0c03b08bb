// The layer panel: labels per language, colours of the scheme, hidden layers struck through.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <fstream>

#include "WindowFixture.h"
#include "app/LayerPanel.h"
#include "model/Layer.h"

namespace trazello {
namespace {

class LayerPanelWindow : public testing::WindowFixture {
 protected:
  static QImage glyphOf(MainWindow& w, uint8_t layerCode) {
    return w.layerPanel()->visibilityButton(layerCode)->icon().pixmap(16, 16).toImage();
  }
  // How many pixels of the glyph have exactly `c`.
  static int count(const QImage& img, QColor c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y) == c;
    return n;
  }
};

TEST(LayerPanelLabels, RussianWindowUsesItsOwnAbbreviations) {
  const char* russian[] = {"М1", "К1", "М2", "К2", "В1", "В2", "Ф"};
  const char* latin[] = {"C1", "S1", "C2", "S2", "I1", "I2", "O"};
  for (uint8_t l = layer::C1; l <= layer::O; ++l) {
    EXPECT_EQ(LayerPanel::label(l, Language::Russian), QString::fromUtf8(russian[l - 1]));
    EXPECT_EQ(LayerPanel::label(l, Language::English), latin[l - 1]);
    EXPECT_EQ(LayerPanel::label(l, Language::French), latin[l - 1]);
  }
}

TEST_F(LayerPanelWindow, ButtonsShowTheLabelInTheLayerColourOnTheBackground) {
  for (int language : {0, 1}) {
    std::ofstream(paths_.languageFile()) << "[Sprache]\nSprache=" << language << "\n";
    auto w = open();
    LayerPanel* panel = w->layerPanel();
    EXPECT_EQ(panel->visibilityButton(layer::C1)->toolTip(),
              language == 0 ? QString::fromUtf8("М1 (F5)") : QString("C1 (F5)"));
    const QImage c1 = glyphOf(*w, layer::C1);
    const QImage s2 = glyphOf(*w, layer::S2);
    EXPECT_EQ(c1.pixelColor(0, 0), QColor(0, 0, 0)) << "the scheme background";
    EXPECT_GT(count(c1, QColor(30, 30, 255)), 5) << "the label in the C1 colour";
    EXPECT_EQ(count(c1, QColor(225, 215, 4)), 0);
    EXPECT_GT(count(s2, QColor(225, 215, 4)), 5) << "the label in the S2 colour";
    EXPECT_EQ(panel->grab().toImage().pixelColor(1, 1), QColor(0, 0, 0)) << "the panel background";
    // Inner layers show only on multilayer boards.
    EXPECT_FALSE(panel->visibilityButton(layer::I1)->isVisible());
    EXPECT_TRUE(panel->visibilityButton(layer::O)->isVisible());
  }
}

TEST_F(LayerPanelWindow, HiddenLayersAreStruckThroughAndTheActiveOneIsChosenByItsRadioButton) {
  auto w = open();
  LayerPanel* panel = w->layerPanel();
  EXPECT_TRUE(panel->activeButton(layer::C2)->isChecked());  // C2 is active at start
  EXPECT_NE(glyphOf(*w, layer::S1).pixelColor(1, 14), QColor(255, 255, 255));

  QTest::mouseClick(panel->visibilityButton(layer::S1), Qt::LeftButton);
  EXPECT_EQ(w->document().working().visible[layer::S1], 0);
  const QImage hidden = glyphOf(*w, layer::S1);
  for (QPoint p : {QPoint(1, 14), QPoint(8, 7), QPoint(15, 0)})
    EXPECT_EQ(hidden.pixelColor(p), QColor(255, 255, 255)) << p.x() << "," << p.y();

  // The active layer cannot be hidden; making a hidden layer active shows it again.
  QTest::mouseClick(panel->visibilityButton(layer::C2), Qt::LeftButton);
  EXPECT_EQ(w->document().working().visible[layer::C2], 1);
  QTest::mouseClick(panel->activeButton(layer::S1), Qt::LeftButton);
  EXPECT_EQ(w->document().working().activeLayer, layer::S1);
  EXPECT_EQ(w->document().working().visible[layer::S1], 1);
  EXPECT_TRUE(panel->activeButton(layer::S1)->isChecked());
  EXPECT_FALSE(panel->activeButton(layer::C2)->isChecked());
  EXPECT_NE(glyphOf(*w, layer::S1).pixelColor(1, 14), QColor(255, 255, 255));
  // Each radio button carries its layer's colour.
  EXPECT_EQ(panel->activeButton(layer::S1)->palette().color(QPalette::Base), QColor(255, 0, 0));
  EXPECT_EQ(panel->activeButton(layer::C2)->palette().color(QPalette::Base), QColor(0, 186, 0));
}

TEST_F(LayerPanelWindow, FollowsTheColourScheme) {
  auto w = open();
  ColourScheme s = w->schemes().active();
  s[SchemeSlot::Background] = rgb(255, 255, 255);
  s.setLayerColour(layer::C1, rgb(200, 0, 100));
  w->schemes().setActive(s);
  w->colourSchemeChanged();
  const QImage c1 = glyphOf(*w, layer::C1);
  EXPECT_EQ(c1.pixelColor(0, 0), QColor(255, 255, 255));
  EXPECT_GT(count(c1, QColor(200, 0, 100)), 5);
  EXPECT_EQ(w->layerPanel()->grab().toImage().pixelColor(1, 1), QColor(255, 255, 255));
}

}  // namespace
}  // namespace trazello
