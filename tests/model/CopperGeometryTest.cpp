#include "model/CopperGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/ElementGeometry.h"
#include "model/Layer.h"
#include "model/PadGeometry.h"

namespace trazello {
namespace {

bool isOctagon(uint8_t s) {
  return s == padshape::Octagon || s == padshape::OctagonH || s == padshape::OctagonV;
}

// Every shape, turned by odd angles too: a grown pad is the same shape about the same centre,
// grown by the same distance on every side and turned exactly like the stored outline.
TEST(CopperGeometry, GrownPadsKeepShapeCentreAndTurn) {
  const Point c{300, -200};
  for (uint8_t shape = padshape::Round; shape <= padshape::RectV; ++shape) {
    for (Real turn : {0.0L, 33.337L, 90.0L, 215.5L}) {
      SCOPED_TRACE(::testing::Message() << "shape " << int(shape) << ", turned " << double(turn));
      TObjekt pad = newPad(c, layer::C1, shape, 50, 20);
      rotateElement(pad, c, turn);
      EXPECT_NEAR(double(padTurn(pad)), double(std::fmod(turn + 360, 360)), 1e-3);
      EXPECT_EQ(padOrientation(pad), std::nearbyintl(padTurn(pad) * 100) / 100);

      const GrownPad same = grownPad(pad, 0);
      const GrownPad g = grownPad(pad, 15);
      EXPECT_EQ(g.centre, c);
      EXPECT_EQ(g.radius, 65);
      if (shape == padshape::Round) {
        EXPECT_EQ(g.form, PadForm::Disc);
        continue;
      }
      if (shape == padshape::OblongH || shape == padshape::OblongV) {
        EXPECT_EQ(g.form, PadForm::Stadium);
        EXPECT_EQ(g.points, pad.Points);  // the axis stays; only the stroke widens
        continue;
      }
      ASSERT_EQ(g.form, PadForm::Polygon);
      EXPECT_EQ(same.points, pad.Points);
      const std::vector<Point> unturned = padOutline(c, shape, 50, 15);
      ASSERT_EQ(g.points.size(), unturned.size());
      for (size_t i = 0; i < g.points.size(); ++i)
        EXPECT_NEAR(double(distance(g.points[i], c)), double(distance(unturned[i], c)), 1e-3);
      const size_t from = isOctagon(shape) ? 1 : 0;
      EXPECT_NEAR(double(direction(g.points[from], g.points[from + 1])),
                  double(direction(pad.Points[from], pad.Points[from + 1])), 1e-5);
    }
  }
}

TEST(CopperGeometry, UnknownShapesAndMissingPointsHaveNoCopper) {
  TObjekt unknown = newPad({0, 0}, layer::C1, padshape::Round, 50, 20);
  unknown.PadShape = 10;
  EXPECT_EQ(grownPad(unknown, 10).form, PadForm::None);
  TObjekt bare = newPad({0, 0}, layer::C1, padshape::RectH, 50, 20);
  bare.Points.resize(2);
  EXPECT_EQ(grownPad(bare, 10).form, PadForm::None);
  TObjekt smd = newSmdPad({0, 0}, layer::C1, 100, 60);
  smd.Points.resize(3);
  EXPECT_TRUE(grownSmdCorners(smd, 10).empty());
}

TEST(CopperGeometry, GrownSmdRectangleKeepsCentreAndTurn) {
  TObjekt smd = newSmdPad({100, -100}, layer::C1, 100, 60);
  rotateElement(smd, {100, -100}, 30);
  const std::vector<Point> g = grownSmdCorners(smd, 10);
  ASSERT_EQ(g.size(), 4u);
  EXPECT_NEAR(double(distance(g[0], g[1])), 120, 1e-3);
  EXPECT_NEAR(double(distance(g[1], g[2])), 80, 1e-3);
  EXPECT_NEAR(double(midpoint(g[0], g[2]).x), 100, 1e-3);
  EXPECT_NEAR(double(midpoint(g[0], g[2]).y), -100, 1e-3);
  EXPECT_NEAR(double(direction(g[0], g[1])), double(direction(smd.Points[0], smd.Points[1])), 1e-5);
}

}  // namespace
}  // namespace trazello
