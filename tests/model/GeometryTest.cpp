#include "model/Geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trazello {
namespace {

TEST(Geometry, DirectionIsClockwiseFromPlusXInTheYUpPlane) {
  struct Case {
    Point p;
    Real expected;
  } cases[] = {
      {{10, 0}, 0},           {{0, -10}, kPi / 2}, {{-10, 0}, kPi},
      {{0, 10}, 3 * kPi / 2}, {{0, 0}, 0},         {{10, -10}, kPi / 4},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(double(direction({0, 0}, c.p)), double(c.expected));
}

TEST(Geometry, RotatePointTurnsCounterClockwise) {
  const Point r = rotatePoint({110, 0}, {10, 0}, 90);
  EXPECT_NEAR(r.x, 10, 1e-5);
  EXPECT_FLOAT_EQ(r.y, 100);
  const Point back = rotatePoint(r, {10, 0}, -90);
  EXPECT_FLOAT_EQ(back.x, 110);
  EXPECT_NEAR(back.y, 0, 1e-5);
  // The float32 result is the extended-precision formula rounded once.
  const Point q = rotatePoint({3.3f, 7.1f}, {1.2f, -0.4f}, 33);
  const Real r0 = distance({1.2f, -0.4f}, {3.3f, 7.1f});
  const Real phi = direction({1.2f, -0.4f}, {3.3f, 7.1f}) + kPi / 2 - 33 * kPi / 180;
  EXPECT_EQ(q.x, static_cast<float>(Real(1.2f) + r0 * std::sin(phi)));
  EXPECT_EQ(q.y, static_cast<float>(Real(-0.4f) + r0 * std::cos(phi)));
}

TEST(Geometry, LerpMidpointAndPointComparisons) {
  EXPECT_EQ(midpoint({0, 0}, {10, -4}), (Point{5, -2}));
  EXPECT_EQ(lerp({0, 0}, {10, 10}, 0.25L, 1), (Point{7.5f, 0}));
  EXPECT_TRUE(samePoint({1.4f, 2.6f}, {1.0f, 3.0f}));
  EXPECT_FALSE(samePoint({1.6f, 2.6f}, {1.0f, 3.0f}));
  EXPECT_TRUE(nearPoint({0, 0}, {2.4f, -2.4f}, 2));
  EXPECT_FALSE(nearPoint({0, 0}, {2.6f, 0}, 2));
  EXPECT_EQ(roundInt(2.5L), 2);  // ties to even
  EXPECT_EQ(roundInt(3.5L), 4);
  EXPECT_EQ(roundInt(-2.5L), -2);
}

TEST(Geometry, SnapFollowsTheGridThroughTheUserOrigin) {
  const IPoint origin{1000 * 1000, 1000 * 1000};
  const double grid = 7.9375;
  for (float p : {1003.0f, 1004.0f, -5.0f, 0.0f, 2500.4f, 12345.6f}) {
    const Point s = snapToGrid({p, p}, grid, origin);
    const double steps = (double(s.x) - 1000) / grid;
    EXPECT_DOUBLE_EQ(steps, std::round(steps)) << p;
    EXPECT_LE(std::abs(double(s.x) - p), grid / 2 + 1e-3) << p;
    EXPECT_EQ(s.x, s.y);
  }
  EXPECT_EQ(snapToGrid({1003, 0}, grid, origin).x, 1000.0f);
  EXPECT_EQ(snapToGrid({1004, 0}, grid, origin).x, 1007.9375f);
  EXPECT_EQ(snapToGrid({-5, 0}, grid, origin).x, -8.0625f);
  // Without an origin the grid passes through 0.
  EXPECT_EQ(snapToGrid({200, -200}, 127, {0, 0}), (Point{254, -254}));
}

TEST(Geometry, RectanglesNormaliseUniteAndOverlap) {
  EXPECT_EQ(normalized({10, 5, 0, -5}), (IRect{0, -5, 10, 5}));
  EXPECT_TRUE(isEmpty({}));
  EXPECT_EQ(unite({}, {0, 0, 5, 5}), (IRect{0, 0, 5, 5}));
  EXPECT_EQ(unite({0, 0, 5, 5}, {-3, 2, 4, 9}), (IRect{-3, 0, 5, 9}));
  EXPECT_TRUE(overlaps({0, 0, 5, 5}, {4, 4, 8, 8}));
  EXPECT_FALSE(overlaps({0, 0, 5, 5}, {5, 0, 8, 8}));
}

}  // namespace
}  // namespace trazello
