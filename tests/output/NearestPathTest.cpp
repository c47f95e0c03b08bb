// The grid search of the hole order gives exactly the order of the plain selection, ties
// included.
#include <gtest/gtest.h>

#include <random>

#include "QuadraticHoleOrder.h"
#include "output/NearestPath.h"

namespace trazello {
namespace {

TEST(NearestPath, SameOrderAsTheSelection) {
  struct Case {
    const char* what;
    int count;
    float spread;   // coordinates drawn from 0..spread
    float step;     // and snapped to this grid: small grids make many equal distances
    bool outliers;  // a few points far away from the rest
  };
  const Case cases[] = {
      {"uniform", 3000, 30000, 0.01f, false},
      {"on a coarse grid, many ties", 3000, 2000, 100, false},
      {"duplicates", 500, 300, 100, false},
      {"clusters and outliers", 2000, 500, 1, true},
      {"a line", 1000, 0, 1, false},
  };
  std::mt19937 rng(6);
  for (const Case& c : cases) {
    std::uniform_real_distribution<float> coordinate(0, c.spread);
    std::vector<Point> points;
    for (int i = 0; i < c.count; ++i) {
      const float x = std::round(coordinate(rng) / c.step) * c.step;
      const float y = c.spread == 0 ? 0 : -std::round(coordinate(rng) / c.step) * c.step;
      points.push_back({c.spread == 0 ? float(i % 37) * 50 : x, y});
    }
    if (c.outliers)
      for (float far : {40000.f, -25000.f, 90000.f}) points.push_back({far, -far / 2});
    const Point start{0, -c.spread};
    EXPECT_EQ(nearestNeighbourOrder(points, start), bench::quadraticNearestOrder(points, start))
        << c.what;
  }
  EXPECT_TRUE(nearestNeighbourOrder({}, {}).empty());
  EXPECT_EQ(nearestNeighbourOrder({{5, 5}}, {}), std::vector<size_t>{0});
}

}  // namespace
}  // namespace trazello
