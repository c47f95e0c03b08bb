// Hatch lines: the sweep over the edges gives the lines every edge test gives, and a zone far
// larger than any board gets a bounded number of lines.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/Layer.h"
#include "model/ZoneHatch.h"

namespace trazello {
namespace {

// Every scan line tested against every edge, as the hatch is defined.
std::vector<HatchSegment> everyEdgeOnEveryLine(const TObjekt& zone, int32_t s) {
  std::vector<IPoint> pts;
  for (const Point& p : zone.Points) pts.push_back(roundPoint(p));
  const IRect box = boundingBox(zone);
  std::vector<HatchSegment> out;
  for (const bool vertical : {true, false}) {
    std::vector<IPoint> v = pts;
    for (IPoint& p : v)
      if ((vertical ? p.x : p.y) % s == 0) (vertical ? p.x : p.y) += 2;
    const int32_t from = vertical ? box.left : box.top, to = vertical ? box.right : box.bottom;
    for (int64_t line = int64_t(roundInt(Real(from) / s)) * s; line < to; line += s) {
      std::vector<int32_t> hits;
      for (size_t i = 0; i < v.size(); ++i) {
        const IPoint a = v[i], b = v[(i + 1) % v.size()];
        const int64_t ka = vertical ? a.x : a.y, kb = vertical ? b.x : b.y;
        if ((ka < line) == (kb < line)) continue;
        const int64_t oa = vertical ? a.y : a.x, ob = vertical ? b.y : b.x;
        hits.push_back(roundInt(Real(oa) + Real(line - ka) / Real(kb - ka) * Real(ob - oa)));
      }
      std::sort(hits.begin(), hits.end());
      hits.erase(std::unique(hits.begin(), hits.end()), hits.end());
      const auto at = int32_t(line);
      for (size_t k = 0; k + 1 < hits.size(); k += 2)
        out.push_back(vertical ? HatchSegment{{at, hits[k]}, {at, hits[k + 1]}}
                               : HatchSegment{{hits[k], at}, {hits[k + 1], at}});
    }
  }
  return out;
}

TObjekt zoneOf(std::vector<Point> points) {
  TObjekt z = newZone(10, layer::C1);
  z.Hatched() = 1;
  z.Points = std::move(points);
  return z;
}

TEST(ZoneHatch, TheSweepGivesTheLinesOfEveryEdgeOnEveryLine) {
  std::vector<Point> comb;  // a concave comb whose teeth every vertical line crosses
  for (int i = 0; i < 40; ++i) {
    comb.push_back({float(i * 50), -2000});
    comb.push_back({float(i * 50 + 25), -100});
  }
  comb.push_back({2000, -2500});
  comb.push_back({0, -2500});
  const std::vector<TObjekt> zones = {
      zoneOf({{0, 0}, {1000, 0}, {1000, -1000}, {0, -1000}}),
      zoneOf({{13.4f, -7.6f}, {977.2f, -300.5f}, {512, -1400}, {100.5f, -900}}),
      zoneOf(comb),
  };
  for (const TObjekt& z : zones) {
    for (int32_t s : {10, 37, 100}) {
      const auto lines = hatchSegments(z, s);
      EXPECT_FALSE(lines.empty());
      EXPECT_EQ(lines, everyEdgeOnEveryLine(z, s)) << "pitch " << s;
    }
  }
}

TEST(ZoneHatch, AZoneLargerThanAnyBoardGetsBoundedLines) {
  // 20 m square at the smallest pitch: 200,000 lines each way at pitch 10.
  const TObjekt z = zoneOf({{-1e6f, 1e6f}, {1e6f, 1e6f}, {1e6f, -1e6f}, {-1e6f, -1e6f}});
  const auto lines = hatchSegments(z, 10);
  EXPECT_LE(lines.size(), size_t(2 * kMostHatchLines + 2));
  EXPECT_GT(lines.size(), size_t(kMostHatchLines));
  // The lines still cover the zone from edge to edge.
  EXPECT_LT(lines.front().from.x, -999000);
  EXPECT_GT(lines[lines.size() / 2 - 1].from.x, 999000);
}

TEST(ZoneHatch, AZigzagCrossedByEveryLineGetsBoundedSegments) {
  // 1,000 teeth side by side: at pitch 10 every one of 100 horizontal lines would cross all of
  // them, 100,000 segments; the bound here is 10,000.
  std::vector<Point> saw;
  for (int i = 0; i < 1000; ++i) {
    saw.push_back({float(i * 2), -1000});
    saw.push_back({float(i * 2 + 1), 0});
  }
  saw.push_back({2000, -1050});
  saw.push_back({0, -1050});
  const TObjekt zone = zoneOf(saw);
  const size_t most = 10000;
  const auto lines = hatchSegments(zone, 10, most);
  EXPECT_LE(lines.size(), most);
  EXPECT_GT(lines.size(), most / 4);
  // The coarser pitch hatches in both directions, exactly as that pitch would.
  const auto vertical = [](const HatchSegment& h) { return h.from.x == h.to.x; };
  EXPECT_TRUE(vertical(lines.front()));
  EXPECT_FALSE(vertical(lines.back()));
  int32_t pitch = 10;
  while (hatchSegments(zone, pitch).size() > most) pitch *= 2;
  EXPECT_EQ(lines, hatchSegments(zone, pitch));
  // The default bound leaves such a zone alone.
  EXPECT_EQ(hatchSegments(zone, 10), everyEdgeOnEveryLine(zone, 10));
}

}  // namespace
}  // namespace trazello
