#include "model/ElementGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/Layer.h"
#include "model/PadGeometry.h"

namespace trazello {
namespace {

TObjekt arc(Point c, float outer, float inner, int32_t start, int32_t end) {
  TObjekt e = newCircle(c, layer::S1, outer, inner);
  e.Spokes = start;
  e.Width = end;
  return e;
}

TObjekt track(std::vector<Point> pts, int32_t width, int32_t clearance = 0) {
  TObjekt e = newTrack(width, layer::C1);
  e.Points = std::move(pts);
  e.Clearance = clearance;
  return e;
}

TEST(BoundingBox, Circles) {
  struct Case {
    const char* what;
    TObjekt e;
    IRect expected;
  } cases[] = {
      {"full ring", arc({1000, -1000}, 100, 80, 0, 0), {900, -1100, 1100, -900}},
      {"full ring, clearance", [] { auto e = arc({0, 0}, 100, 80, 45, 45); e.Clearance = 7; return e; }(),
       {-107, -107, 107, 107}},
      // Quarter arc 0..90: up reached, left and down cut to the end points plus the width 20,
      // right replaced by the end point plus the width.
      {"quarter", arc({0, 0}, 100, 80, 0, 90), {-20, -20, 120, 100}},
      // 350..100 crosses +x and +y: only left and down are cut.
      {"across the axes", arc({0, 0}, 100, 80, 350, 100), {-37, -37, 100, 100}},
      // The centre cross (+-inner / 5) is part of the box even far from the arc.
      {"cross", arc({0, 0}, 100, 90, 0, 45), {-18, -18, 110, 81}},
  };
  for (const auto& c : cases) EXPECT_EQ(boundingBox(c.e), c.expected) << c.what;
}

TEST(BoundingBox, PadsAndSmdPads) {
  LayerState thermalView;
  thermalView.activeLayer = layer::C1;
  thermalView.groundPlane[layer::C1] = 1;
  auto pad = [](uint8_t shape, int32_t clearance, bool thermal = false) {
    TObjekt p = newPad({0, 0}, layer::C1, shape, 50, 20);
    p.Clearance = clearance;
    p.Thermal() = thermal;
    return p;
  };
  auto smd = [](int32_t clearance, bool thermal = false) {
    TObjekt p = newSmdPad({0, 0}, layer::C1, 100, 60);
    p.Clearance = clearance;
    p.Thermal() = thermal;
    return p;
  };
  struct Case {
    const char* what;
    TObjekt e;
    const LayerState* state;
    IRect expected;
  } cases[] = {
      {"round", pad(padshape::Round, 10), nullptr, {-60, -60, 60, 60}},
      {"oblong, no clearance", pad(padshape::OblongH, 0), nullptr, {-100, -50, 100, 50}},
      {"oblong, clearance", pad(padshape::OblongV, 10), nullptr, {-65, -115, 65, 115}},
      {"square, no clearance: 20", pad(padshape::Square, 0), nullptr, {-70, -70, 70, 70}},
      {"square, clearance", pad(padshape::Square, 10), nullptr, {-65, -65, 65, 65}},
      {"rect, thermal not shown", pad(padshape::RectH, 10, true), nullptr, {-115, -65, 115, 65}},
      {"rect, thermal shown", pad(padshape::RectH, 10, true), &thermalView, {-148, -98, 148, 98}},
      {"shape 0", pad(0, 10), nullptr, {}},
      {"smd", smd(0), nullptr, {-70, -50, 70, 50}},
      {"smd, thermal", smd(10, true), &thermalView, {-85, -65, 85, 65}},
  };
  for (const auto& c : cases) EXPECT_EQ(boundingBox(c.e, c.state), c.expected) << c.what;
}

TEST(BoundingBox, TracksZonesAndTexts) {
  EXPECT_EQ(boundingBox(track({{0, 0}, {100, -50}}, 0)), (IRect{-20, -70, 120, 20}));
  EXPECT_EQ(boundingBox(track({{0.4f, 0}, {99.6f, -50}}, 25, 5)), (IRect{-17, -67, 117, 17}));
  EXPECT_EQ(boundingBox(newTrack(25, 1)), IRect{});  // no vertices yet

  TObjekt legacy;
  legacy.Kind = ElementKind::LegacyText;
  legacy.X = 100;
  legacy.Y = -10;
  legacy.SizeA = 20;
  legacy.SizeB = 30;
  legacy.Clearance = 2;
  EXPECT_EQ(boundingBox(legacy), (IRect{18, -12, 102, 32}));

  TObjekt text = newText({0, 0}, "x", layer::S1, 1, 1, 100, 0, false, false);
  text.Strokes.push_back(track({{0, 0}, {10, 10}}, 40));
  text.Strokes.push_back(track({{50, -30}, {60, 0}}, 40));
  EXPECT_EQ(boundingBox(text), (IRect{-20, -50, 80, 30}));
}

TEST(BoundingBox, BoxOfEverythingSkipsEmptyBoxes) {
  ElementList list;
  list.append(track({{0, 0}, {100, 0}}, 40));
  list.append(newPad({1000, 1000}, 1, 0, 50, 10));  // shape 0: nothing
  list.append(newCircle({-500, 0}, 2, 50, 40));
  EXPECT_EQ(boxOfEverything(list), (IRect{-550, -50, 120, 50}));
}

TEST(ElementOperations, MoveEveryKind) {
  TObjekt pad = newPad({10, 10}, 1, padshape::Square, 5, 1);
  moveElement(pad, 5, -5);
  EXPECT_EQ(pad.X, 15);
  EXPECT_EQ(pad.Points[0], (Point{10, 10}));

  TObjekt smd = newSmdPad({0, 0}, 1, 10, 10);
  moveElement(smd, 100, 0);
  EXPECT_EQ(smd.X, 0);  // the stored centre is not kept up to date
  EXPECT_EQ(smdCentre(smd), (Point{100, 0}));

  TObjekt text = newText({1, 1}, "a", 2, 1, 1, 90, 0, false, false);
  text.Strokes.push_back(track({{1, 1}, {2, 2}}, 1));
  moveElement(text, 1, 2);
  EXPECT_EQ(text.X, 2);
  EXPECT_EQ(text.Strokes[0].Points[1], (Point{3, 4}));

  TObjekt legacy;
  legacy.Kind = ElementKind::LegacyText;
  moveElement(legacy, 3, 4);
  EXPECT_EQ(legacy.SizeA, 3);
  EXPECT_EQ(legacy.SizeB, 4);
}

TEST(ElementOperations, RotateTracksCirclesAndTexts) {
  TObjekt t = track({{100, 0}, {0, 100}}, 10);
  rotateElement(t, {0, 0}, 90);
  EXPECT_NEAR(t.Points[0].x, 0, 1e-4);
  EXPECT_FLOAT_EQ(t.Points[0].y, -100);
  EXPECT_FLOAT_EQ(t.Points[1].x, 100);

  TObjekt c = arc({100, 0}, 50, 40, 45, 180);
  rotateElement(c, {0, 0}, 90);
  EXPECT_EQ(c.Spokes, 315);
  EXPECT_EQ(c.Width, 90);
  EXPECT_FLOAT_EQ(c.Y, -100);

  TObjekt text = newText({0, 0}, "a", 2, 1, 1, 90, 300, false, false);
  rotateElement(text, {0, 0}, 90);
  EXPECT_EQ(text.Value53, 30);

  TObjekt legacy;
  legacy.Kind = ElementKind::LegacyText;
  legacy.X = 10;
  legacy.Y = 0;
  legacy.SizeA = 20;
  legacy.SizeB = 0;
  legacy.Spokes = 270;
  rotateElement(legacy, {0, 0}, 30);  // always a quarter turn
  EXPECT_EQ(legacy.X, 0);
  EXPECT_EQ(legacy.Y, -10);
  EXPECT_EQ(legacy.SizeB, -20);
  EXPECT_EQ(legacy.Spokes, 0);
}

TEST(ElementOperations, OblongPadTurnsIntoItsVerticalVariant) {
  TObjekt pad = newPad({0, 0}, 1, padshape::OblongH, 50, 20);
  pad.Spokes = 0x01;  // up only
  rotateElement(pad, {0, 0}, 90);
  EXPECT_EQ(pad.PadShape, padshape::OblongH);
  EXPECT_NEAR(double(padOrientation(pad)), 90, 1e-9);
  EXPECT_EQ(pad.Spokes, 0x01);
  EXPECT_EQ(absoluteSpokes(pad.Spokes, padOrientation(pad)), 0x04);  // right on the board

  rotateElement(pad, {0, 0}, 90);
  EXPECT_EQ(pad.PadShape, padshape::OblongV);
  ASSERT_EQ(pad.Points.size(), 2u);
  EXPECT_LT(pad.Points[0].x, pad.Points[1].x);  // west to east
  EXPECT_NEAR(double(padOrientation(pad)), 270, 1e-9);
  EXPECT_EQ(pad.Spokes, 0x40);  // two bits toward the lower ones
  EXPECT_EQ(absoluteSpokes(pad.Spokes, padOrientation(pad)), 0x10);  // down: turned by 180
}

TEST(ElementOperations, RectanglePadsAndOctagonsStayConsistentThroughFullTurns) {
  for (uint8_t shape : {padshape::OctagonH, padshape::RectH, padshape::OctagonV}) {
    TObjekt pad = newPad({0, 0}, 1, shape, 50, 20);
    pad.Spokes = 0x01;
    const std::vector<Point> before = pad.Points;
    for (int i = 1; i <= 4; ++i) {
      rotateElement(pad, {0, 0}, 90);
      const int expectedDir = (i * 90) % 360;
      EXPECT_EQ(absoluteSpokes(pad.Spokes, padOrientation(pad)),
                absoluteSpokes(0x01, expectedDir))
          << int(shape) << " turn " << i;
    }
    // After a full turn the copper covers the same place.
    std::vector<Point> sortedBefore = before, sortedAfter = pad.Points;
    auto byXY = [](Point a, Point b) {
      return std::lround(a.x) != std::lround(b.x) ? std::lround(a.x) < std::lround(b.x)
                                                  : std::lround(a.y) < std::lround(b.y);
    };
    std::sort(sortedBefore.begin(), sortedBefore.end(), byXY);
    std::sort(sortedAfter.begin(), sortedAfter.end(), byXY);
    for (size_t k = 0; k < before.size(); ++k) {
      EXPECT_NEAR(sortedBefore[k].x, sortedAfter[k].x, 1e-3);
      EXPECT_NEAR(sortedBefore[k].y, sortedAfter[k].y, 1e-3);
    }
  }
}

TEST(ElementOperations, MirrorArcsAndPads) {
  TObjekt c = arc({10, 0}, 50, 40, 0, 90);
  mirrorHorizontally(c, 0);
  EXPECT_EQ(c.X, -10);
  EXPECT_EQ(c.Spokes, 90);
  EXPECT_EQ(c.Width, 180);

  TObjekt v = arc({0, 10}, 50, 40, 0, 90);
  mirrorVertically(v, 0);
  EXPECT_EQ(v.Y, -10);
  EXPECT_EQ(v.Spokes, 270);
  EXPECT_EQ(v.Width, 360);

  TObjekt pad = newPad({10, 0}, 1, padshape::Square, 5, 1);
  pad.Spokes = 0x02;
  mirrorHorizontally(pad, 0);
  EXPECT_EQ(pad.X, -10);
  EXPECT_EQ(pad.Points[0].x, -5);
  EXPECT_EQ(pad.Spokes, 0x08);
  TObjekt vertical = newPad({0, 0}, 1, padshape::OblongV, 5, 1);
  vertical.Spokes = 0x02;
  mirrorVertically(vertical, 0);
  EXPECT_EQ(vertical.Spokes, 0x80);

  TObjekt text = newText({10, 5}, "a", 2, 1, 1, 90, 30, false, false);
  mirrorHorizontally(text, 0);
  EXPECT_EQ(text.MirrorH(), 1);
  EXPECT_EQ(text.Value53, 330);
  EXPECT_EQ(text.X, -10);
  mirrorVertically(text, 0);
  EXPECT_EQ(text.MirrorV(), 1);
  EXPECT_EQ(text.Value53, 30);
  EXPECT_EQ(text.Y, -5);
}

TEST(ElementOperations, InflateAndDeflate) {
  TObjekt pad = newPad({0, 0}, 1, padshape::Square, 50, 20);
  rotateElement(pad, {0, 0}, 30);
  inflateElement(pad, 20);
  EXPECT_EQ(pad.SizeA, 60);
  EXPECT_NEAR(double(padOrientation(pad)), 30, 0.011);
  EXPECT_NEAR(double(distance(pad.Points[0], pad.Points[1])), 120, 1e-3);
  deflateElement(pad, 20);
  EXPECT_EQ(pad.SizeA, 50);

  TObjekt c = newCircle({0, 0}, 2, 100, 80);
  inflateElement(c, 10);
  EXPECT_EQ(c.SizeA, 105);
  EXPECT_EQ(c.SizeB, 75);

  TObjekt smd = newSmdPad({0, 0}, 1, 100, 60);
  inflateElement(smd, 10);
  EXPECT_EQ(smd.SizeA, 110);
  EXPECT_EQ(smd.SizeB, 70);
  EXPECT_NEAR(double(smdSizeX(smd)), 110, 1e-4);

  TObjekt t = track({{0, 0}, {1, 1}}, 30);
  inflateElement(t, 0);
  EXPECT_EQ(t.Width, 30);
  deflateElement(t, 10);
  EXPECT_EQ(t.Width, 20);

  TObjekt text = newText({0, 0}, "a", 2, 1, 1, 90, 0, false, false);
  text.Strokes.push_back(track({{0, 0}, {1, 1}}, 10));
  inflateElement(text, 4);
  EXPECT_EQ(text.Strokes[0].Width, 14);
}

TEST(ElementOperations, AnchorAndEdgeMidpoint) {
  TObjekt c = arc({100, 100}, 60, 40, 90, 180);
  EXPECT_EQ(anchorPoint(c), (IPoint{100, 150}));
  TObjekt smd = newSmdPad({10.4f, 20.6f}, 1, 10, 10);
  EXPECT_EQ(anchorPoint(smd), (IPoint{10, 21}));
  TObjekt zone = newZone(10, 1);
  zone.Points = {{0, 0}, {100, 0}, {100, 100}};
  EXPECT_EQ(anchorPoint(zone), (IPoint{0, 0}));
  EXPECT_EQ(edgeMidpoint(zone, 0), (Point{50, 0}));
  EXPECT_EQ(edgeMidpoint(zone, 2), (Point{50, 50}));  // back to vertex 0
}

}  // namespace
}  // namespace trazello
