// The plotter files of isolation milling, outline milling and the drill plots, line by line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OutputFixtures.h"
#include "model/ElementGeometry.h"
#include "output/IsolationJob.h"
#include "output/OutlineMilling.h"

namespace trazello {
namespace {

using testing::linesOf;
using testing::listOf;
using testing::slice;
using testing::smallBoard;
using Lines = std::vector<std::string>;

IsolationOptions noRefs() {
  IsolationOptions o;
  o.refs.bottomLeft = false;
  return o;
}

std::string pa(int x, int y) { return "PA" + std::to_string(x) + "," + std::to_string(y) + ";"; }

// A round pad of radius 1 mm at (5, -2.5) mm on a 10 x 5 mm board.
TEST(IsolationFile, HeaderReferenceHoleAndRoundPad) {
  const ElementList list = listOf({testing::pad({500, -250}, layer::C1, padshape::Round, 100, 40)});
  IsolationJob job = runIsolation(list, smallBoard(), IsolationOptions{});
  ASSERT_FALSE(job.nothingToMill);
  const Lines lines = linesOf(job.file);
  const IRect box = boxOfEverything(list);
  const Lines head{"IN;", "PT0;", "PU;", pa(roundInt(box.left * 0.4L), roundInt((box.top + 500) * 0.4L)),
                   "PD;", "PU;"};
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + 6), head);
  // n = round(100 / 25) + 12 = 16 points, clockwise from the leftmost (400, -250); the next one
  // lies at 157.5 degrees: (400 + 8, -250 + 38).
  ASSERT_EQ(job.outlines.size(), 1u);
  EXPECT_EQ(job.outlines[0].size(), 16u);
  const Lines outline(lines.begin() + 6, lines.end());
  ASSERT_EQ(outline.size(), 16u + 3u);
  EXPECT_EQ(outline[0], pa(160, 100));
  EXPECT_EQ(outline[1], "PD;");
  EXPECT_EQ(outline[2], pa(163, 115));   // (408, -212)
  EXPECT_EQ(outline[17], pa(160, 100));  // closed by the first point again
  EXPECT_EQ(outline[18], "PU;");
}

TEST(IsolationFile, TrackStadiumAndMirror) {
  const ElementList list = listOf({testing::track(layer::C1, 40, {{200, -250}, {600, -250}})});
  IsolationOptions o = noRefs();
  const Lines plain = linesOf(runIsolation(list, smallBoard(), o).file);
  // k = 40 / 30 + 3 = 4 steps per cap; clockwise from the leftmost point.
  const Lines expected{"IN;",         "PT0;",        "PU;",         pa(72, 100),  "PD;",
                       pa(74, 106),   pa(80, 108),   pa(240, 108),  pa(246, 106), pa(248, 100),
                       pa(246, 94),   pa(240, 92),   pa(80, 92),    pa(74, 94),   pa(72, 100),
                       "PU;"};
  EXPECT_EQ(plain, expected);

  // Mirrored about the element rectangle: the leftmost point (180, -250) lands on its right.
  o.mirror = HpglMirror::Horizontal;
  o.refs.bottomLeft = true;
  const Lines mirrored = linesOf(runIsolation(list, smallBoard(), o).file);
  const IRect box = boxOfEverything(list);
  EXPECT_EQ(mirrored[3], pa(roundInt(box.left * 0.4L), roundInt((box.top + 500) * 0.4L)))
      << "reference holes are never mirrored";
  EXPECT_EQ(mirrored[6], pa(roundInt((box.left + box.right - 180) * 0.4L), 100));
}

TEST(IsolationFile, SpecialFactor) {
  const ElementList list = listOf({testing::track(layer::C1, 40, {{980, -250}, {960, -250}})});
  IsolationOptions o = noRefs();
  // The cap's rightmost point is x = 1000 (10 mm): 400 plotter units, or 394 at 0.3937.
  EXPECT_NE(runIsolation(list, smallBoard(), o).file.find(pa(400, 100)), std::string::npos);
  o.specialFactor = true;
  EXPECT_NE(runIsolation(list, smallBoard(), o).file.find(pa(394, 98)), std::string::npos);
}

TObjekt strokeText(bool selected) {
  TObjekt t = newText({100, -100}, "L", layer::C1, 0, 0, 100, 0, false, false);
  t.Strokes = {testing::track(layer::C1, 10, {{100, -100}, {200, -100}, {200, -200}})};
  t.Selected = selected;
  return t;
}

TEST(IsolationFile, SingleLineTextsFollowTheOutlines) {
  const ElementList list = listOf({testing::pad({800, -400}, layer::C1, padshape::Round, 50, 20),
                                   strokeText(false), strokeText(true)});
  IsolationOptions o = noRefs();
  o.selection.plainTextSingle = true;
  IsolationJob job = runIsolation(list, smallBoard(), o);
  EXPECT_EQ(job.outlines.size(), 2u) << "the pad and the marked text, milled as an outline";
  const Lines lines = linesOf(job.file);
  const Lines text{pa(40, 160), "PD;", pa(80, 160), pa(80, 120), "PU;"};
  EXPECT_EQ(Lines(lines.end() - 5, lines.end()), text);
  EXPECT_EQ(slice(lines, pa(40, 160), 99).size(), 5u) << "one single-line text only";
}

// Three holes: C nearest to the board's bottom-left corner, then A, then B.
ElementList threeHoles() {
  TObjekt a = testing::pad({100, -100}, layer::C1, padshape::Round, 80, 40);
  TObjekt b = testing::pad({320, -100}, layer::C1, padshape::Round, 80, 40);
  TObjekt c = testing::pad({200, -300}, layer::C2, padshape::Round, 90, 50);
  c.Plated = 0;
  a.Plated = b.Plated = 1;
  return listOf({a, b, c});
}

Lines plunge(int x, int y) { return {pa(x, y), "PD;", pa(x, y), "PU;"}; }

Lines join(std::vector<Lines> parts) {
  Lines out;
  for (const Lines& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

const Lines kHeader{"IN;", "PT0;", "PU;"};

TEST(DrillPlot, EveryVariant) {
  struct Case {
    const char* what;
    DrillPlotOptions drills;
    int language;
    std::vector<std::pair<std::string, Lines>> files;
  };
  const Lines c = plunge(80, 80), a = plunge(40, 160), b = plunge(128, 160);
  const std::vector<Case> cases{
      {"one file", {DrillPlotKind::OneFile, false, 0, false}, 1, {{"DRILLING.PLT", join({kHeader, c, a, b})}}},
      {"own pens", {DrillPlotKind::OneFile, true, 0, false}, 0,
       {{"BOHRUNG.PLT", join({kHeader, {"SP2;"}, a, b, {"SP3;"}, c})}}},
      {"each diameter", {DrillPlotKind::EachDiameter, false, 0, false}, 2,
       {{"PERC_80.PLT", join({kHeader, a, b})}, {"PERC_100.PLT", join({kHeader, c})}}},
      // half the 0.6 mm tool: radii 20 and 10 remain, 8 and 4 plotter units
      {"milling", {DrillPlotKind::Milling, false, 60, true}, 0,
       {{"BOHR_FRS.PLT", join({{"IN;", "SP2;", "PT0;", "PU;"}, {pa(80, 80), "PD;", "CI8;", "PU;"},
                               {pa(40, 160), "PD;", "CI4;", "PU;"}, {pa(128, 160), "PD;", "CI4;", "PU;"}})}}},
      // a tool as wide as the drill leaves a plain plunge
      {"milling, wide tool", {DrillPlotKind::Milling, false, 100, false}, 1,
       {{"DRIL_MIL.PLT", join({kHeader, {pa(80, 80), "PD;", pa(80, 80), "PU;"},
                               {pa(40, 160), "PD;", pa(40, 160), "PU;"},
                               {pa(128, 160), "PD;", pa(128, 160), "PU;"}})}}},
  };
  for (const Case& k : cases) {
    IsolationOptions o = noRefs();
    o.drills = k.drills;
    o.language = k.language;
    const IsolationJob job = runIsolation(threeHoles(), smallBoard(), o);
    ASSERT_EQ(job.drillFiles.size(), k.files.size()) << k.what;
    for (size_t i = 0; i < k.files.size(); ++i) {
      EXPECT_EQ(job.drillFiles[i].name, k.files[i].first) << k.what;
      EXPECT_EQ(linesOf(job.drillFiles[i].text), k.files[i].second) << k.what;
    }
  }
}

TEST(DrillPlot, CentringMarksOnTheMilledLayer) {
  IsolationOptions o = noRefs();
  o.centring = true;
  const Lines c1 = linesOf(runIsolation(threeHoles(), smallBoard(), o).file);
  EXPECT_EQ(Lines(c1.end() - 8, c1.end()), join({plunge(40, 160), plunge(128, 160)}))
      << "the unplated hole on C2 is no hole of C1";
  o.selection.layer = layer::C2;
  o.mirror = HpglMirror::Horizontal;
  const Lines c2 = linesOf(runIsolation(threeHoles(), smallBoard(), o).file);
  const IRect box = boxOfEverything(threeHoles());
  const auto mx = [&](int x) { return roundInt((box.left + box.right - x) * 0.4L); };
  EXPECT_EQ(Lines(c2.end() - 12, c2.end()),
            join({plunge(mx(200), 80), plunge(mx(100), 160), plunge(mx(320), 160)}));
}

TEST(IsolationFile, NothingToMillOnAnEmptyLayer) {
  struct Case {
    const char* what;
    ElementList list;
    bool plane;
    bool expectNothing;
  };
  TObjekt ringless = testing::pad({500, -250}, layer::C1, padshape::Round, 40, 40);
  ringless.Plated = 0;
  TObjekt touching = testing::track(layer::C1, 40, {{100, -100}, {300, -100}});
  const std::vector<Case> cases{
      {"only other layers", listOf({testing::track(layer::C2, 40, {{100, -100}, {300, -100}})}), false, true},
      {"a pad without a ring", listOf({ringless}), false, true},
      {"plane on, no clearance", listOf({touching}), true, true},
      {"a track", listOf({touching}), false, false},
  };
  for (const Case& k : cases) {
    BoardSettings board = smallBoard();
    board.groundPlane[layer::C1] = k.plane;
    const IsolationJob job = runIsolation(k.list, board, noRefs());
    EXPECT_EQ(job.nothingToMill, k.expectNothing) << k.what;
    EXPECT_EQ(job.groundPlaneIgnored, k.plane) << k.what;
    if (k.expectNothing) {
      EXPECT_TRUE(job.file.empty()) << k.what;
    }
  }
}

TEST(OutlineMillingFile, TrackAndArcs) {
  TObjekt track = testing::track(layer::O, 20, {{100, -100}, {500, -100}, {500, -400}});
  TObjekt arc = newCircle({500, -250}, layer::O, 210, 190);  // middle radius 200
  arc.Spokes = 350;
  arc.Width = 10;
  TObjekt full = newCircle({0, 0}, layer::O, 1000, 1000);
  full.Spokes = full.Width = 90;
  TObjekt copper = testing::track(layer::C1, 20, {{0, 0}, {10, 0}});
  OutlineMillingOptions o;
  o.refs.bottomLeft = false;
  const Lines lines = linesOf(outlineMillingFile(listOf({track, copper, arc, full}), smallBoard(), o));
  const Lines head{"IN;", "PT0;", "PU;", pa(40, 160), "PD;", pa(200, 160), pa(200, 40), "PU;"};
  ASSERT_GE(lines.size(), head.size());
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + 8), head);
  // 350 to 10 degrees sweeps 20 degrees counter-clockwise in n = 200 / 100 + 30 = 32 steps.
  const Lines arcLines = slice(lines, pa(279, 86), 35);
  ASSERT_EQ(arcLines.size(), 35u);
  EXPECT_EQ(arcLines[1], "PD;");
  EXPECT_EQ(arcLines[2 + 15], pa(280, 100)) << "0 degrees halfway";
  EXPECT_EQ(arcLines[33], pa(279, 114));
  EXPECT_EQ(arcLines[34], "PU;");
  // The full circle of 10 mm: 41 points, the first and last at 90 degrees.
  const Lines circle(lines.begin() + 8 + 35, lines.end());
  ASSERT_EQ(circle.size(), 41u + 2u);
  EXPECT_EQ(circle[0], pa(0, 600));
  EXPECT_EQ(circle[41], pa(0, 600));
}

TEST(OutlineMillingFile, SelectedOnlyAndPresence) {
  TObjekt a = testing::track(layer::O, 20, {{100, -100}, {500, -100}});
  TObjekt b = testing::track(layer::O, 20, {{100, -200}, {500, -200}});
  b.Selected = 1;
  const ElementList list = listOf({a, b});
  EXPECT_TRUE(hasOutlineElements(list));
  EXPECT_TRUE(hasSelectedOutlineElements(list));
  EXPECT_FALSE(hasOutlineElements(listOf({testing::track(layer::C1, 20, {{0, 0}, {9, 0}})})));
  OutlineMillingOptions o;
  o.refs.bottomLeft = false;
  o.selectedOnly = true;
  EXPECT_EQ(linesOf(outlineMillingFile(list, smallBoard(), o)),
            (Lines{"IN;", "PT0;", "PU;", pa(40, 120), "PD;", pa(200, 120), "PU;"}));
}

}  // namespace
}  // namespace trazello
