// Geometric properties of the cutter paths: where they run, which copper they merge and which
// nets the cutter cannot separate.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "OutputFixtures.h"
#include "output/IsolationJob.h"

namespace trazello {
namespace {

using testing::listOf;
using testing::smallBoard;

double segmentDistance(double px, double py, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

// The distance from (x, y) to the true (unflattened) copper of tracks and round pads.
double copperDistance(const ElementList& list, double x, double y) {
  double best = 1e18;
  for (const TObjekt& e : list) {
    if (e.Kind == ElementKind::Pad)
      best = std::min(best, std::hypot(x - e.X, y - e.Y) - e.SizeA);
    else
      for (size_t i = 0; i + 1 < e.Points.size(); ++i)
        best = std::min(best, segmentDistance(x, y, e.Points[i], e.Points[i + 1]) - e.Width / 2.0);
  }
  return best;
}

double signedArea(const MillingOutline& o) {
  double a = 0;
  for (size_t i = 0, j = o.size() - 1; i < o.size(); j = i++)
    a += double(o[j].x) * o[i].y - double(o[i].x) * o[j].y;
  return a / 2;
}

ElementList randomBoard(std::mt19937& rng, int count) {
  std::uniform_real_distribution<float> x(100, 900), y(-400, -100);
  std::uniform_int_distribution<int> width(20, 60), radius(30, 80), kind(0, 2);
  ElementList list;
  for (int i = 0; i < count; ++i) {
    const Point a{std::round(x(rng)), std::round(y(rng))};
    if (kind(rng) == 0) {
      const auto r = float(radius(rng));
      list.append(testing::pad(a, layer::C1, padshape::Round, r, r / 3));
    } else {
      list.append(testing::track(layer::C1, width(rng), {a, {std::round(x(rng)), std::round(y(rng))}}));
    }
  }
  return list;
}

// Every vertex and edge midpoint of every outline lies half the tool width from the copper,
// within the flattening of arcs (at most 2 units for these sizes) and the rounding to whole
// units (1.5): 4 units, 0.04 mm.
TEST(IsolationGeometry, OutlinesRunAtTheToolRadius) {
  constexpr double kTolerance = 4;
  std::mt19937 rng(19);
  for (int board = 0; board < 12; ++board) {
    const ElementList list = randomBoard(rng, 8);
    IsolationOptions o;
    o.selection.toolWidth = 40;
    const IsolationJob job = runIsolation(list, smallBoard(), o);
    ASSERT_FALSE(job.outlines.empty());
    for (const MillingOutline& outline : job.outlines) {
      for (size_t i = 0; i < outline.size(); ++i) {
        const IPoint p = outline[i], q = outline[(i + 1) % outline.size()];
        const double atVertex = copperDistance(list, p.x, p.y);
        EXPECT_NEAR(atVertex, 20, kTolerance) << "board " << board << " at " << p.x << "," << p.y;
        const double atMiddle = copperDistance(list, (p.x + q.x) / 2.0, (p.y + q.y) / 2.0);
        EXPECT_GE(atMiddle, 20 - kTolerance) << "board " << board << " cuts copper";
      }
    }
  }
}

TEST(IsolationGeometry, TouchingCopperMerges) {
  struct Case {
    const char* what;
    std::vector<TObjekt> elements;
    int32_t tool;
    size_t outer, holes;
  };
  const auto t = [](std::vector<Point> pts) { return testing::track(layer::C1, 20, std::move(pts)); };
  const auto pad = [](Point c) { return testing::pad(c, layer::C1, padshape::Round, 50, 20); };
  const std::vector<Case> cases{
      {"crossing tracks", {t({{100, -250}, {500, -250}}), t({{300, -100}, {300, -400}})}, 0, 1, 0},
      {"a square of four tracks", {t({{100, -100}, {400, -100}}), t({{400, -100}, {400, -400}}),
                                   t({{400, -400}, {100, -400}}), t({{100, -400}, {100, -100}})}, 0, 1, 1},
      {"a zone", {testing::zone(layer::C1, 20, {{100, -100}, {400, -100}, {400, -400}, {100, -400}})}, 0, 1, 0},
      {"pads 20 apart, no tool", {pad({200, -250}), pad({320, -250})}, 0, 2, 0},
      {"pads 20 apart, a 0.24 mm tool", {pad({200, -250}), pad({320, -250})}, 24, 1, 0},
      {"pads 20 apart, a 0.16 mm tool", {pad({200, -250}), pad({320, -250})}, 16, 2, 0},
  };
  for (const Case& k : cases) {
    IsolationOptions o;
    o.selection.toolWidth = k.tool;
    const IsolationJob job = runIsolation(listOf(k.elements), smallBoard(), o);
    size_t outer = 0, holes = 0;
    for (const MillingOutline& outline : job.outlines) (signedArea(outline) < 0 ? outer : holes)++;
    EXPECT_EQ(outer, k.outer) << k.what << ": outer outlines run clockwise";
    EXPECT_EQ(holes, k.holes) << k.what;
  }
}

// Two parallel tracks of different nets, `gap` apart, against a 0.4 mm tool.
TEST(IsolationGeometry, ShortsBelowTheToolWidthOnly) {
  for (int gap : {-5, 10, 39, 41, 60, 200}) {
    const ElementList list =
        listOf({testing::track(layer::C1, 20, {{100, -200}, {500, -200}}),
                testing::track(layer::C1, 20, {{100, float(-200 - 20 - gap)}, {500, float(-200 - 20 - gap)}}),
                testing::track(layer::C1, 20, {{500, -200}, {600, -100}})});
    IsolationOptions o;
    o.selection.toolWidth = 40;
    const IsolationJob job = runIsolation(list, smallBoard(), o);
    if (gap < 0) {
      EXPECT_TRUE(job.shorts.empty()) << "overlapping copper is one net";
    } else if (gap < 40) {
      ASSERT_EQ(job.shorts.size(), 1u) << gap;
      EXPECT_EQ(job.shorts[0].nets, (std::vector<std::vector<size_t>>{{0, 2}, {1}})) << gap;
      EXPECT_NEAR(job.shorts[0].at.y, -200 - 10 - gap / 2.0, 2) << gap;
      EXPECT_GT(job.shorts[0].at.x, 100);
      EXPECT_LT(job.shorts[0].at.x, 500);
    } else {
      EXPECT_TRUE(job.shorts.empty()) << gap;
    }
  }
}

// On random boards, an island holds two nets exactly when copper of different nets comes
// closer than the tool width.
TEST(IsolationGeometry, RandomShortsMatchTheClosestGap) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> gap(5, 80);
  for (int i = 0; i < 20; ++i) {
    const float g = std::round(gap(rng));
    const ElementList list = listOf({testing::pad({300, -250}, layer::C1, padshape::Round, 60, 20),
                                     testing::pad({300 + 120 + g, -250}, layer::C1, padshape::Round, 60, 20)});
    IsolationOptions o;
    o.selection.toolWidth = 40;
    const IsolationJob job = runIsolation(list, smallBoard(), o);
    // The pads' polygons lie inside their circles by up to 1.5 units of flattening.
    if (g < 37) {
      EXPECT_EQ(job.shorts.size(), 1u) << g;
    } else if (g > 43) {
      EXPECT_TRUE(job.shorts.empty()) << g;
    }
  }
}

}  // namespace
}  // namespace trazello
