#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

#include "FakeToolHost.h"
#include "edit/PolygonSpiral.h"
#include "model/Layer.h"

namespace trazello::testing {
namespace {

PolygonSpiralValues polygon(int corners, double radiusMm, double offset, bool filled = false) {
  PolygonSpiralValues v;
  v.corners = corners;
  v.radiusMm = radiusMm;
  v.angleOffset = offset;
  v.filled = filled;
  return v;
}

PolygonSpiralValues spiral(double turns) {
  PolygonSpiralValues v;
  v.shape = PolygonSpiralValues::Shape::Spiral;
  v.turns = turns;
  return v;
}

void expectPoint(Point actual, float x, float y) {
  EXPECT_FLOAT_EQ(actual.x, x);
  EXPECT_FLOAT_EQ(actual.y, y);
}

TEST(PolygonSpiral, SquareVerticesLieOnTheAxesOrOnTheDiagonals) {
  const Point p{5000, -5000};
  const auto axes = polygonVertices(p, polygon(4, 10, 0));
  ASSERT_EQ(axes.size(), 5u);
  expectPoint(axes[0], 6000, -5000);
  expectPoint(axes[1], 5000, -4000);
  expectPoint(axes[2], 4000, -5000);
  expectPoint(axes[3], 5000, -6000);
  expectPoint(axes[4], 6000, -5000);

  const auto diagonal = polygonVertices(p, polygon(4, 10, 45));
  ASSERT_EQ(diagonal.size(), 5u);
  // round(cos 45° x 1000) = 707 on both axes, counter-clockwise from the first quadrant.
  expectPoint(diagonal[0], 5707, -4293);
  expectPoint(diagonal[1], 4293, -4293);
  expectPoint(diagonal[2], 4293, -5707);
  expectPoint(diagonal[3], 5707, -5707);
}

TEST(PolygonSpiral, OneCornerGivesOneVertexTwiceOnATrackAndNoZone) {
  const ShapeTarget target{layer::C1, 40, false};
  const auto track = polygonElement({0, 0}, polygon(1, 5, 0), target);
  ASSERT_TRUE(track);
  EXPECT_EQ(track->Kind, ElementKind::Track);
  ASSERT_EQ(track->Points.size(), 2u);
  expectPoint(track->Points[0], 500, 0);
  expectPoint(track->Points[1], 500, 0);
  // A zone needs three corners to have an area.
  EXPECT_FALSE(polygonElement({0, 0}, polygon(1, 5, 0, true), target));
  EXPECT_FALSE(polygonElement({0, 0}, polygon(2, 5, 0, true), target));
  EXPECT_TRUE(polygonElement({0, 0}, polygon(3, 5, 0, true), target));
}

TEST(PolygonSpiral, OutlineIsAClosedTrackAndFillIsAZoneOfTheCorners) {
  const ShapeTarget target{layer::S1, 33, false};
  PolygonSpiralValues v = polygon(6, 12, 0);
  v.lineWidthMm = 0.4;
  const auto track = polygonElement({0, 0}, v, target);
  ASSERT_TRUE(track);
  EXPECT_EQ(track->Kind, ElementKind::Track);
  EXPECT_EQ(track->Points.size(), 7u);
  EXPECT_EQ(track->Width, 40);
  EXPECT_EQ(track->Layer, layer::S1);
  EXPECT_EQ(track->Clearance, 33);

  v.filled = true;
  const auto zone = polygonElement({0, 0}, v, target);
  ASSERT_TRUE(zone);
  EXPECT_EQ(zone->Kind, ElementKind::Zone);
  EXPECT_EQ(zone->Points.size(), 6u);
  EXPECT_EQ(zone->Width, 40);
  EXPECT_EQ(zone->KeepOut, 0);
  EXPECT_EQ(zone->Layer, layer::S1);
}

TEST(PolygonSpiral, SpiralArcsJoinEndToEndAndGrowByTheDistancePerTurn) {
  const ShapeTarget target{layer::C1, 40, false};
  const auto arcs = spiralArcs({1000, -1000}, spiral(6), target);
  ASSERT_EQ(arcs.size(), 24u);
  // S = 2 mm, D = 2 mm, w = 0.4 mm: first mid radius round(100 - 25) = 75, ring width 40.
  EXPECT_FLOAT_EQ(arcs[0].SizeA, 95);
  EXPECT_FLOAT_EQ(arcs[0].SizeB, 55);
  EXPECT_FLOAT_EQ(arcs[0].X, 1000);
  EXPECT_FLOAT_EQ(arcs[0].Y, -1000);
  auto pointAt = [](const TObjekt& arc, int degrees) {
    const double mid = (arc.SizeA + arc.SizeB) / 2;
    const double a = degrees * std::numbers::pi / 180;
    return Point{float(arc.X + mid * std::cos(a)), float(arc.Y + mid * std::sin(a))};
  };
  for (size_t k = 0; k < arcs.size(); ++k) {
    EXPECT_EQ(arcs[k].Kind, ElementKind::Circle);
    EXPECT_EQ(arcs[k].Spokes, int(k % 4) * 90) << k;
    EXPECT_EQ(arcs[k].Width, int((k + 1) % 4) * 90) << k;
    EXPECT_EQ(arcs[k].Clearance, 40);
    if (k == 0) continue;
    const Point end = pointAt(arcs[k - 1], arcs[k - 1].Width);
    const Point start = pointAt(arcs[k], arcs[k].Spokes);
    EXPECT_NEAR(end.x, start.x, 0.01) << k;
    EXPECT_NEAR(end.y, start.y, 0.01) << k;
  }
  // Every quarter adds a quarter of the distance to the mid radius.
  EXPECT_FLOAT_EQ((arcs[23].SizeA + arcs[23].SizeB) / 2, 75 + 23 * 50);
}

TEST(SpecialShapeTool, CancelInTheWindowReturnsToTheEditTool) {
  ToolBench b;
  const Outcome o = b.tools.selectTool(ToolCode::SpecialShape);
  EXPECT_EQ(b.host.askedShape, 1);
  EXPECT_EQ(b.tools.current().code, ToolCode::Edit);
  ASSERT_TRUE(o.nextTool);
  EXPECT_EQ(o.nextTool->code, ToolCode::Edit);
}

TEST(SpecialShapeTool, EachClickAddsThePolygonAtTheSnappedPointerWithOneUndoStep) {
  ToolBench b;
  b.host.doc.working().grid = 100;
  b.host.sizes.current().clearance = 25;
  b.host.shapeAnswer = polygon(4, 10, 0);
  b.tools.selectTool(ToolCode::SpecialShape);
  ASSERT_EQ(b.tools.current().code, ToolCode::SpecialShape);
  const Outcome preview = b.moveTo({3010, -2990});
  ASSERT_EQ(preview.preview.lines.size(), 1u);
  expectPoint(preview.preview.lines[0].points[0], 4000, -3000);
  EXPECT_EQ(preview.preview.lines[0].colour, Preview::LineColour::Black);

  b.click({3010, -2990});
  b.click({6000, -6000});
  ASSERT_EQ(b.host.list().size(), 2u);
  EXPECT_EQ(b.host.undoSteps(), 2u);
  EXPECT_EQ(b.host.list()[0].Kind, ElementKind::Track);
  EXPECT_EQ(b.host.list()[0].Clearance, 25);
  expectPoint(b.host.list()[0].Points[1], 3000, -2000);
  expectPoint(b.host.list()[1].Points[0], 7000, -6000);
  EXPECT_EQ(b.tools.current().code, ToolCode::SpecialShape);

  b.rightClick({0, 0});
  EXPECT_EQ(b.tools.current().code, ToolCode::Edit);
}

TEST(SpecialShapeTool, FilledPolygonWithTheKeepOutButtonDownIsAKeepOutZone) {
  ToolBench b;
  b.host.doc.working().activeLayer = layer::S2;
  b.host.toolOptions.keepOutButtonDown = true;
  b.host.shapeAnswer = polygon(5, 8, 0, true);
  b.tools.selectTool(ToolCode::SpecialShape);
  b.click({5000, -5000});
  ASSERT_EQ(b.host.list().size(), 1u);
  const TObjekt& zone = b.host.list()[0];
  EXPECT_EQ(zone.Kind, ElementKind::Zone);
  EXPECT_EQ(zone.KeepOut, 1);
  // A keep-out zone drawn on silk goes to the copper of that side.
  EXPECT_EQ(zone.Layer, layer::C2);
}

TEST(SpecialShapeTool, ASpiralIsOneGroupSoClickingOneArcSelectsAll) {
  ToolBench b;
  b.host.doc.working().grid = 100;
  b.host.shapeAnswer = spiral(6);
  b.tools.selectTool(ToolCode::SpecialShape);
  const Outcome preview = b.moveTo({5000, -5000});
  EXPECT_EQ(preview.preview.ownShapes.size(), 24u);
  b.click({5000, -5000});
  ASSERT_EQ(b.host.list().size(), 24u);
  EXPECT_EQ(b.host.undoSteps(), 1u);
  std::set<std::vector<int32_t>> groups;
  for (const TObjekt& e : b.host.list()) {
    groups.insert(e.Groups);
    EXPECT_EQ(e.Selected, 0);
  }
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups.begin()->size(), 1u);

  b.rightClick({0, 0});
  ASSERT_EQ(b.tools.current().code, ToolCode::Edit);
  // The first arc runs from 0 to 90 degrees on mid radius 75 about the click point.
  b.click({5000 + 53, -5000 + 53});
  size_t selected = 0;
  for (const TObjekt& e : b.host.list()) selected += e.Selected;
  EXPECT_EQ(selected, 24u);
}

}  // namespace
}  // namespace trazello::testing
