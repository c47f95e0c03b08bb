#include "checks/DesignRuleCheck.h"

#include <gtest/gtest.h>

#include <random>

#include "PairLoopSearch.h"

#include "model/Layer.h"

namespace trazello {
namespace {

class DesignRules : public ::testing::Test {
 protected:
  DesignRules() {
    board_.width = 10000;
    board_.height = 10000;
  }
  // Only the rules a test names are on.
  static DrcSettings only(std::initializer_list<bool DrcSettings::*> on) {
    DrcSettings s;
    for (bool DrcSettings::*flag :
         {&DrcSettings::copper, &DrcSettings::drillDistance, &DrcSettings::drillMin,
          &DrcSettings::drillMax, &DrcSettings::trackMin, &DrcSettings::ringMin,
          &DrcSettings::silkMin, &DrcSettings::silkOnPad, &DrcSettings::holeOnSmd,
          &DrcSettings::padWithoutMask, &DrcSettings::maskOutsidePads})
      s.*flag = false;
    for (bool DrcSettings::*flag : on) s.*flag = true;
    return s;
  }
  DrcResult check(const DrcSettings& rules, IRect window = {0, -10000, 10000, 0}) {
    return runDesignRuleCheck(list_, board_, rules, window);
  }
  size_t pad(Point c, uint8_t l, float outer = 80, float drill = 40) {
    TObjekt p = newPad(c, l, 1, outer, drill);
    p.Clearance = 0;
    p.SolderMask = 1;
    list_.append(std::move(p));
    return list_.size() - 1;
  }
  size_t track(Point a, Point b, uint8_t l, int32_t width = 30) {
    TObjekt t = newTrack(width, l);
    t.Points = {a, b};
    t.Clearance = 0;
    list_.append(std::move(t));
    return list_.size() - 1;
  }
  static size_t count(const DrcResult& r, FindingText t) {
    return size_t(std::count_if(r.findings.begin(), r.findings.end(),
                                [&](const Finding& f) { return f.text == t; }));
  }

  ElementList list_;
  BoardSettings board_;
};

TEST_F(DesignRules, CopperDistanceOnlyBetweenDifferentNets) {
  // Pads 170 apart with outer radius 80: a gap of 10 < 15.
  pad({1000, -1000}, layer::C1);
  pad({1170, -1000}, layer::C1);
  EXPECT_EQ(count(check(only({&DrcSettings::copper})), FindingText::Distance), 1u);
  // A track joining them makes one net: no finding.
  track({1000, -1000}, {1170, -1000}, layer::C1);
  EXPECT_EQ(count(check(only({&DrcSettings::copper})), FindingText::Distance), 0u);
}

TEST_F(DesignRules, LayersDecideWhatIsCompared) {
  track({1000, -2000}, {2000, -2000}, layer::C1);
  pad({1100, -2070}, layer::C2);  // overlaps the track in the drawing, other side
  EXPECT_EQ(count(check(only({&DrcSettings::copper})), FindingText::Distance), 0u);
  TObjekt plated = newPad({1500, -1920}, layer::C2, 1, 60, 30);
  plated.Plated = 1;
  plated.Clearance = 0;
  list_.append(std::move(plated));  // 5 units from the C1 track's edge
  const DrcResult r = check(only({&DrcSettings::copper}));
  ASSERT_EQ(count(r, FindingText::Distance), 1u);
  EXPECT_EQ(r.findings[0].layer, layer::C1);  // a plated partner takes the other element's layer
}

TEST_F(DesignRules, PureHolesAreNoCopper) {
  const size_t hole = pad({1000, -1000}, layer::C1, 40, 40);
  list_.edit(hole).SolderMask = 0;
  pad({1090, -1000}, layer::C1);
  DrcSettings rules =
      only({&DrcSettings::copper, &DrcSettings::ringMin, &DrcSettings::padWithoutMask});
  EXPECT_TRUE(check(rules).findings.empty());
}

TEST_F(DesignRules, DrillLimitsAreExclusive) {
  struct Case {
    float drillRadius;
    size_t tooSmall;
  };
  for (const Case c : {Case{15, 0}, Case{14.5f, 1}}) {  // diameters 30 (the minimum) and 29
    list_ = ElementList();
    pad({1000, -1000}, layer::C1, 80, c.drillRadius);
    EXPECT_EQ(count(check(only({&DrcSettings::drillMin})), FindingText::DrillTooSmall), c.tooSmall)
        << c.drillRadius;
  }
}

TEST_F(DesignRules, GroundPlaneDistanceNeedsAClearanceBelowTheCopperDistance) {
  board_.groundPlane[layer::C1] = 1;
  const size_t a = pad({1000, -1000}, layer::C1);
  const size_t b = pad({3000, -1000}, layer::C1);
  list_.edit(b).Clearance = 10;
  const DrcResult r = check(only({&DrcSettings::copper}));
  ASSERT_EQ(count(r, FindingText::DistanceToPlane), 1u);
  EXPECT_EQ(r.findings[0].marker.left, 3000 - 80 - 10 - 15);  // the pad's box grown by the distance
  (void)a;
}

TEST_F(DesignRules, TheWindowLimitsTheFindings) {
  track({1000, -1000}, {2000, -1000}, layer::C1, 10);
  track({8000, -8000}, {9000, -8000}, layer::C1, 10);
  EXPECT_EQ(check(only({&DrcSettings::trackMin})).findings.size(), 2u);
  const DrcResult r = check(only({&DrcSettings::trackMin}), {0, -5000, 5000, 0});
  ASSERT_EQ(r.findings.size(), 1u);
  EXPECT_EQ(r.findings[0].outline.size(), 1u);
  EXPECT_EQ(r.findings[0].outline[0].size(), 18u);
}

TEST_F(DesignRules, FindingsFollowTheOrderOfTheChecksAndAbortStopsTheRest) {
  pad({1000, -1000}, layer::C1, 80, 40);
  pad({1100, -1000}, layer::C1, 80, 40);  // drills 20 apart: too close; copper overlaps
  track({5000, -5000}, {6000, -5000}, layer::C1, 10);
  const DrcResult all = check(DrcSettings{});
  ASSERT_GE(all.findings.size(), 2u);
  EXPECT_EQ(all.findings[0].kind, FindingKind::DrillsTooClose);
  EXPECT_EQ(count(all, FindingText::TrackTooThin), 1u);

  DrcCallbacks escape;
  escape.abort = [] { return true; };
  const DrcResult aborted =
      runDesignRuleCheck(list_, board_, DrcSettings{}, {0, -10000, 10000, 0}, escape);
  EXPECT_TRUE(aborted.aborted);
  EXPECT_TRUE(aborted.findings.empty());
}

TEST_F(DesignRules, SilkOverPadsAndDrillsInSmdPads) {
  pad({1000, -1000}, layer::C1);
  track({900, -1000}, {1100, -1000}, layer::S1, 20);  // silk across the pad
  track({900, -1500}, {1100, -1500}, layer::S2, 20);  // other side: not over it
  TObjekt smd = newSmdPad({3000, -3000}, layer::C1, 200, 200);
  smd.SolderMask = 1;
  list_.append(std::move(smd));
  pad({3000, -3000}, layer::C1, 30, 20);
  const DrcResult r = check(only({&DrcSettings::silkOnPad, &DrcSettings::holeOnSmd}));
  EXPECT_EQ(count(r, FindingText::SilkOnPad), 1u);
  EXPECT_EQ(count(r, FindingText::DrillOnSmd), 1u);
}

TEST_F(DesignRules, TextsInThreeLanguages) {
  for (int t = 0; t <= int(FindingText::SilkTooThin); ++t) {
    const auto text = FindingText(t);
    EXPECT_NE(findingText(text, 0), findingText(text, 1));
    EXPECT_FALSE(findingText(text, 2).empty());
  }
  EXPECT_EQ(findingText(FindingText::DrillsTooClose, 1), "Drillings too close");
}

}  // namespace
}  // namespace trazello

// The indexed check against the written-out pair loops on random crowded boards.
namespace trazello {
namespace {

ElementList randomBoard(std::mt19937& rng) {
  ElementList list;
  std::uniform_real_distribution<float> at(200, 1200);
  std::uniform_int_distribution<int> pick(0, 5), layerOf(1, 7), count(20, 60), small(5, 60);
  const int n = count(rng);
  for (int k = 0; k < n; ++k) {
    const Point c{at(rng), -at(rng)};
    const uint8_t l = uint8_t(layerOf(rng));
    TObjekt e;
    switch (pick(rng)) {
      case 0:
      case 1: {
        const float drill = float(small(rng));
        e = newPad(c, l, uint8_t(1 + pick(rng) % 3), drill + float(small(rng)) - 5, drill);
        e.Plated = pick(rng) < 2;
        break;
      }
      case 2:
        e = newSmdPad(c, l, float(2 * small(rng)), float(3 * small(rng)));
        break;
      case 3:
        e = newCircle(c, l, float(small(rng) + 30), float(small(rng)));
        break;
      default:
        e = newTrack(small(rng) / 2, l);
        e.Points = {c, {c.x + at(rng) / 8, c.y - at(rng) / 8}, {c.x + at(rng) / 6, c.y}};
        break;
    }
    e.Clearance = pick(rng) == 0 ? 0 : small(rng) / 4;
    e.SolderMask = pick(rng) < 3;
    list.append(std::move(e));
  }
  return list;
}

bool sameFinding(const Finding& a, const Finding& b) {
  return a.marker == b.marker && a.kind == b.kind && a.text == b.text && a.layer == b.layer &&
         a.outline == b.outline;
}

TEST(DesignRuleSearch, IndexedCheckFindsExactlyWhatThePairLoopsFind) {
  std::mt19937 rng(20261210);
  size_t total = 0;
  for (int board = 0; board < 300; ++board) {
    ElementList list = randomBoard(rng);
    BoardSettings s;
    s.width = 3000;
    s.height = 3000;
    s.groundPlane[layer::C1] = uint8_t(board % 3 == 0);
    DrcSettings rules;
    rules.copperDistance = 10 + board % 40;
    const IRect window = board % 5 == 0 ? IRect{0, -1500, 1500, 0} : IRect{0, -3000, 3000, 0};
    const DrcResult fast = runDesignRuleCheck(list, s, rules, window);
    const DrcResult slow = runDesignRuleCheck(list, s, rules, window, {}, pairLoops());
    ASSERT_EQ(fast.findings.size(), slow.findings.size()) << "board " << board;
    for (size_t i = 0; i < fast.findings.size(); ++i)
      ASSERT_TRUE(sameFinding(fast.findings[i], slow.findings[i]))
          << "board " << board << " finding " << i;
    total += fast.findings.size();
  }
  EXPECT_GT(total, 1000u);  // the boards are crowded enough to exercise every rule
}

}  // namespace
}  // namespace trazello
