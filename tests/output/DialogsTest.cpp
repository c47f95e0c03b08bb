// The dialog models: button logic, captions and settings keys.
#include <gtest/gtest.h>

#include <map>

#include "OutputFixtures.h"
#include "output/TBohrInfoDlg.h"
#include "output/TGerberDlg.h"
#include "output/TLochDlg.h"

namespace trazello {
namespace {

using testing::listOf;

TEST(TGerberDlg, EmptyBoardLeavesEveryLayerAndOkDisabled) {
  TGerberDlg dlg;
  dlg.prepare(listOf({}));
  for (GerberLayer l : kAllGerberLayers) EXPECT_FALSE(dlg.layerButton(l).enabled);
  EXPECT_FALSE(dlg.okEnabled());
  EXPECT_EQ(dlg.fileName(1), "");
}

TEST(TGerberDlg, EnablesWhatHasSomethingToWriteAndChecksTheFirst) {
  TObjekt through = testing::pad({100, -100}, layer::C2, padshape::Round, 80, 40);
  through.Plated = 1;
  TObjekt smd = newSmdPad({300, -100}, layer::C2, 50, 50);
  smd.SolderMask = 0;
  TGerberDlg dlg;
  dlg.RB_LayerClick(GerberLayer::B2);  // checked last time, but this board has no S2
  dlg.prepare(listOf({through, smd, testing::track(layer::O, 20, {{0, 0}, {10, 0}})}));
  std::string enabled;
  for (GerberLayer l : kAllGerberLayers)
    if (dlg.layerButton(l).enabled) enabled += std::string(gerberButtonName(l)) + " ";
  EXPECT_EQ(enabled, "K1 K2 I1 I2 U LStop1 LStop2 SMD2 ");
  EXPECT_EQ(dlg.checkedLayer(), GerberLayer::K1);
  EXPECT_EQ(dlg.fileName(0), "Kupfer1.GBR");
  EXPECT_EQ(dlg.fileName(2), "Cuivre1.GBR");
}

struct LogicCase {
  GerberLayer layer;
  bool punchEnabled, padsOn, smdOn, othersOn;
  double smdOffset;
};

void PrintTo(const LogicCase& c, std::ostream* os) { *os << gerberButtonName(c.layer); }

class GerberDlgButtonLogic : public ::testing::TestWithParam<LogicCase> {};

TEST_P(GerberDlgButtonLogic, FollowsTheCheckedLayer) {
  const LogicCase& c = GetParam();
  TGerberDlg dlg;
  dlg.SE_SMDOffset.value = 0.25;  // every click resets it
  dlg.RB_LayerClick(c.layer);
  EXPECT_EQ(dlg.BohrungenFrei.enabled, c.punchEnabled);
  EXPECT_EQ(dlg.CB_Loetaugen.checked, c.padsOn);
  EXPECT_EQ(dlg.CB_Loetaugen.enabled, c.padsOn);
  EXPECT_EQ(dlg.SE_LAOffset.enabled, c.padsOn);
  EXPECT_EQ(dlg.CB_SMDPads.checked, c.smdOn);
  EXPECT_EQ(dlg.SE_SMDOffset.enabled, c.smdOn);
  EXPECT_EQ(dlg.CB_Sonstige.checked, c.othersOn);
  EXPECT_EQ(dlg.Invertieren.enabled, c.padsOn || c.smdOn || c.othersOn);
  EXPECT_DOUBLE_EQ(dlg.SE_SMDOffset.value, c.smdOffset);
}

INSTANTIATE_TEST_SUITE_P(
    Gerber, GerberDlgButtonLogic,
    ::testing::Values(LogicCase{GerberLayer::K1, true, false, false, false, 0.10},
                      LogicCase{GerberLayer::B1, false, false, false, false, 0.10},
                      LogicCase{GerberLayer::I2, true, false, false, false, 0.10},
                      LogicCase{GerberLayer::U, false, false, false, false, 0.10},
                      LogicCase{GerberLayer::LStop2, false, true, true, true, 0.10},
                      LogicCase{GerberLayer::SMD1, false, false, true, false, -0.10}));

TEST(TGerberDlg, MarkingNeedsPunching) {
  TGerberDlg dlg;
  EXPECT_DOUBLE_EQ(dlg.SE_LAOffset.value, 0.30);
  dlg.RB_LayerClick(GerberLayer::K2);
  EXPECT_FALSE(dlg.Koernen.enabled);
  dlg.BohrungenFreiClick(true);
  EXPECT_TRUE(dlg.Koernen.enabled);
  dlg.Koernen.checked = true;
  EXPECT_TRUE(dlg.options(false, 1).markHoles);
  dlg.RB_LayerClick(GerberLayer::B2);  // not copper: punching and marking go off
  EXPECT_FALSE(dlg.Koernen.enabled);
  EXPECT_FALSE(dlg.Koernen.checked);
  const GerberOptions o = dlg.options(true, 2);
  EXPECT_FALSE(o.punchHoles);
  EXPECT_TRUE(o.camOrigin);
  EXPECT_EQ(o.language, 2);
}

TEST(Captions, EveryControlHasATextInEveryLanguage) {
  for (const auto& table : {TGerberDlg::captions(), TLochDlg::captions(), TBohrInfoDlg::captions()})
    for (const ControlCaption& c : table)
      for (int language : {0, 1, 2}) EXPECT_FALSE(c.caption.in(language).empty()) << c.control;
  EXPECT_EQ(captionOf(TGerberDlg::captions(), "OKBtn", 1), "Create exp&ort file...");
  EXPECT_EQ(captionOf(TLochDlg::captions(), "RB_Kupfer_HPGL", 1),
            "Bottom (x-mirrored, HPGL comp.)");
  EXPECT_EQ(captionOf(TBohrInfoDlg::captions(), "Button1", 1), "Clip&board...");
  EXPECT_EQ(captionOf(TGerberDlg::captions(), "Spiegeln", 7), "Зеркально");
  EXPECT_EQ(TLochDlg::saveFilter(1), "Drill files (*.drl)|*.DRL");
}

TEST(TLochDlg, ThreeSwitchesComeFromAndGoToTheSettingsFile) {
  const std::map<std::string, bool> stored{{"M71", true}, {"Kommentare", true}};
  TLochDlg dlg;
  dlg.readSettings([&](std::string_view section, std::string_view key) -> std::optional<bool> {
    EXPECT_EQ(section, "Excellon");
    const auto it = stored.find(std::string(key));
    return it == stored.end() ? std::nullopt : std::optional<bool>(it->second);
  });
  EXPECT_TRUE(dlg.CB_M71);
  EXPECT_FALSE(dlg.CB_NoG90);
  EXPECT_TRUE(dlg.CB_NoComments);
  dlg.CB_NoG90 = true;
  dlg.CB_M71 = false;
  const auto keys = dlg.settingsToWrite();
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0].key, "M71");
  EXPECT_FALSE(keys[0].value);
  EXPECT_EQ(keys[1].key, "G90");
  EXPECT_TRUE(keys[1].value);
  EXPECT_EQ(keys[2].key, "Kommentare");
  EXPECT_TRUE(keys[2].value);
}

TEST(TLochDlg, DefaultsAreInchFromTopSortedWithEveryHole) {
  TLochDlg dlg;
  ExcellonOptions o = dlg.options(false);
  EXPECT_EQ(o.unit, DrillUnit::Inch24);
  EXPECT_EQ(o.side, DrillSide::Top);
  EXPECT_TRUE(o.sort);
  EXPECT_TRUE(o.filter.plated && o.filter.unplated);
  dlg.RB_Zoll = false;
  dlg.RB_MM33 = true;
  dlg.RB_Best = false;
  dlg.RB_Kupfer_HPGL = true;
  o = dlg.options(true);
  EXPECT_EQ(o.unit, DrillUnit::Metric33);
  EXPECT_EQ(o.side, DrillSide::BottomHpgl);
  EXPECT_TRUE(o.camOrigin);
}

TEST(TBohrInfoDlg, RefillsOnEveryFilterClickAndCopiesTheMemo) {
  TObjekt plated = testing::pad({100, -100}, layer::C1, padshape::Round, 80, 40);
  plated.Plated = 1;
  const ElementList list =
      listOf({plated, testing::pad({200, -100}, layer::C1, padshape::Round, 80, 50)});
  TBohrInfoDlg dlg(list, {});
  EXPECT_EQ(dlg.memoText(),
            "   1 x  0.80 mm\r\n   1 x  1.00 mm\r\n----------------\r\n   2 drilings");
  dlg.CB_ViasClick(false);
  EXPECT_EQ(dlg.memoLines().front(), "   1 x  1.00 mm");
  dlg.CB_BohrungenClick(false);
  EXPECT_EQ(dlg.memoLines(), (std::vector<std::string>{"----------------", "   0 drilings"}));
  EXPECT_EQ(messageText(TBohrInfoDlg::clipboardMessage()), "The text is now in the clipboard");
}

}  // namespace
}  // namespace trazello
