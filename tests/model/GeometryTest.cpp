#include "model/Geometry.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>
#include <random>

namespace trazello {
namespace {

// roundInt as it was before it was inlined: the result every file and Gerber export relied on.
int32_t roundIntThroughNearbyint(Real v) {
  if (!(v == v)) return 0;
  const Real r = std::nearbyintl(v);
  if (r >= Real(INT32_MAX)) return INT32_MAX;
  if (r <= Real(INT32_MIN)) return INT32_MIN;
  return static_cast<int32_t>(r);
}

TEST(Geometry, RoundIntRoundsHalvesToEvenAndSaturatesAsBefore) {
  const Real inf = std::numeric_limits<Real>::infinity();
  const Real big = 2147483648.0L;  // 2^31
  struct Case {
    Real v;
    int32_t expected;
  } cases[] = {
      {0.0L, 0},
      {-0.0L, 0},
      {0.5L, 0},
      {1.5L, 2},
      {2.5L, 2},
      {3.5L, 4},
      {-0.5L, 0},
      {-1.5L, -2},
      {-2.5L, -2},
      {std::nextafter(0.5L, 1.0L), 1},
      {std::nextafter(0.5L, 0.0L), 0},
      {std::nextafter(-2.5L, -3.0L), -3},
      {12345.5L, 12346},
      {-12344.5L, -12344},
      {1234567.5f, 1234568},  // a float coordinate that is a half
      {8388607.5f, 8388608},  // the largest float half
      {2147483646.5L, 2147483646},
      {2147483646.5000001L, 2147483647},
      {big - 1, INT32_MAX},
      {big - 0.5L, INT32_MAX},
      {big, INT32_MAX},
      {big + 0.5L, INT32_MAX},
      {-big + 1.5L, -2147483646},
      {-big + 0.5L, INT32_MIN},
      {-big + 0.25L, INT32_MIN},
      {-big, INT32_MIN},
      {-big - 0.5L, INT32_MIN},
      {4503599627370496.5L, INT32_MAX},  // 2^52 + 0.5: a half only a long double holds
      {9.2233720368547758e18L, INT32_MAX},
      {-9.2233720368547758e18L, INT32_MIN},
      {1e300L, INT32_MAX},
      {-1e300L, INT32_MIN},
      {LDBL_MAX, INT32_MAX},
      {-LDBL_MAX, INT32_MIN},
      {LDBL_TRUE_MIN, 0},
      {inf, INT32_MAX},
      {-inf, INT32_MIN},
      {std::numeric_limits<Real>::quiet_NaN(), 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(roundInt(c.v), c.expected) << double(c.v);
    EXPECT_EQ(roundIntThroughNearbyint(c.v), c.expected) << double(c.v);
  }
}

TEST(Geometry, RoundIntAgreesWithTheNearbyintFormulaEverywhere) {
  std::mt19937_64 rng(23);
  std::uniform_int_distribution<int64_t> whole(-3'000'000'000LL, 3'000'000'000LL);
  std::uniform_real_distribution<double> wide(-1e7, 1e7);
  std::uniform_int_distribution<int> exponent(-40, 80);
  const Real inf = std::numeric_limits<Real>::infinity();
  size_t differing = 0;
  for (int i = 0; i < 300'000; ++i) {
    // Halves and near-halves on both sides of every magnitude up to beyond int32, then any value
    // across the range of scales.
    const Real half = Real(whole(rng)) + 0.5L;
    const Real values[] = {half,
                           std::nextafter(half, inf),
                           std::nextafter(half, -inf),
                           Real(float(half)),
                           Real(wide(rng)),
                           std::ldexp(Real(wide(rng)), exponent(rng))};
    for (Real v : values) differing += roundInt(v) != roundIntThroughNearbyint(v);
  }
  EXPECT_EQ(differing, 0u);
}

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
