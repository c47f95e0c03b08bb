// Pixels of rendered boards: colours, layer order, ground plane, holes, stripes and hatching.
#include <gtest/gtest.h>

#include "RenderScene.h"
#include "model/Layer.h"
#include "model/StrokeFont.h"
#include "view/LayerColours.h"

namespace trazello::testing {
namespace {

const Rgb kBackground = col(0, 0, 0);
const Rgb kC1 = col(30, 30, 255);
const Rgb kC2 = col(0, 186, 0);

TObjekt track(uint8_t layerCode, int32_t width, std::vector<Point> points) {
  TObjekt t = newTrack(width, layerCode);
  t.Points = std::move(points);
  return t;
}

// A C1 track along y = -100 crossing a C2 track along x = 200.
void addCrossingTracks(RenderScene& s) {
  s.elements.append(track(layer::C1, 20, {{50, -100}, {350, -100}}));
  s.elements.append(track(layer::C2, 20, {{200, -50}, {200, -250}}));
}

TEST(RenderPixels, TransparentOverlapIsTheBitwiseOrOfTheLayerColours) {
  RenderScene s;
  s.options.transparent = true;
  addCrossingTracks(s);
  const QImage img = s.render();
  EXPECT_EQ(pixel(img, 200, -100), col(30, 190, 255));
  EXPECT_EQ(pixel(img, 100, -100), kC1);
  EXPECT_EQ(pixel(img, 200, -200), kC2);
  EXPECT_EQ(pixel(img, 100, -200), kBackground);
}

TEST(RenderPixels, TransparentOnALightBackgroundKeepsTheSchemeColours) {
  RenderScene s;
  s.options.transparent = true;
  s.scheme[SchemeSlot::Background] = rgb(255, 255, 255);
  addCrossingTracks(s);
  const QImage img = s.render();
  EXPECT_EQ(pixel(img, 100, -100), kC1);
  EXPECT_EQ(pixel(img, 200, -200), kC2);
  EXPECT_EQ(pixel(img, 200, -100), col(30 & 0, 30 & 186, 255 & 0));  // both masks applied
  EXPECT_EQ(pixel(img, 100, -200), col(255, 255, 255));
}

TEST(RenderPixels, LayerOrderFollowsTheActiveLayer) {
  struct Case {
    uint8_t active;
    Rgb onTop;
  } cases[] = {
      {layer::C1, kC1}, {layer::S1, kC1}, {layer::C2, kC2}, {layer::S2, kC2},
      {layer::O, kC2},  {layer::I1, kC2}, {layer::I2, kC2},
  };
  for (const Case& c : cases) {
    RenderScene s;
    s.board.activeLayer = c.active;
    addCrossingTracks(s);
    EXPECT_EQ(pixel(s.render(), 200, -100), c.onTop) << "active layer " << int(c.active);
  }
}

TEST(RenderPixels, BareDrillHoleShowsOnlyItsWhiteEdgedHoleAndCross) {
  RenderScene s;
  s.elements.append(newPad({200, -150}, layer::C2, padshape::Round, 40, 40));
  const QImage img = s.render();
  EXPECT_EQ(pixel(img, 200, -150), kC2);          // the X in the layer's cross colour
  EXPECT_EQ(pixel(img, 215, -150), kBackground);  // hole inside, between the arms
  EXPECT_EQ(pixel(img, 245, -150), kBackground);  // no copper around it
  int x = 150;
  while (x < 200 && pixel(img, x, -150) == kBackground) ++x;
  EXPECT_GE(x, 160);
  EXPECT_LE(x, 163);
  EXPECT_EQ(pixel(img, x, -150), col(255, 255, 255));
}

TEST(RenderPixels, GroundPlaneFillsTheBoardAndLeavesRingsAsWideAsTheClearances) {
  RenderScene s;
  s.board.groundPlane[layer::C2] = 1;
  TObjekt pad = newPad({100, -120}, layer::C2, padshape::Round, 50, 0);
  pad.Clearance = 20;
  s.elements.append(pad);
  TObjekt t = track(layer::C2, 20, {{200, -220}, {380, -220}});
  t.Clearance = 30;
  s.elements.append(t);
  const QImage img = s.render();
  EXPECT_EQ(pixel(img, 5, -5), kC2);
  EXPECT_EQ(pixel(img, 100 + 45, -120), kC2);  // the pad
  EXPECT_EQ(pixel(img, 100 + 53, -120), kBackground);
  EXPECT_EQ(pixel(img, 100 + 67, -120), kBackground);
  EXPECT_EQ(pixel(img, 100 + 73, -120), kC2);
  EXPECT_EQ(pixel(img, 300, -220 + 8), kC2);  // the track
  EXPECT_EQ(pixel(img, 300, -220 + 13), kBackground);
  EXPECT_EQ(pixel(img, 300, -220 + 37), kBackground);
  EXPECT_EQ(pixel(img, 300, -220 + 43), kC2);
  EXPECT_EQ(pixel(img, 300, -220 - 37), kBackground);
  EXPECT_EQ(pixel(img, 300, -220 - 43), kC2);
}

TEST(RenderPixels, ThermalSpokesCrossTheClearanceRing) {
  RenderScene s;
  s.board.groundPlane[layer::C2] = 1;
  TObjekt pad = newPad({200, -150}, layer::C2, padshape::Round, 50, 0);
  pad.Clearance = 30;
  pad.Thermal() = 1;  // default spokes: up, right, down, left
  s.elements.append(pad);
  const QImage img = s.render();
  EXPECT_EQ(pixel(img, 200 + 65, -150), kC2);               // right spoke
  EXPECT_EQ(pixel(img, 200, -150 + 65), kC2);               // up spoke
  EXPECT_EQ(pixel(img, 200 + 46, -150 + 46), kBackground);  // diagonal: ring
}

TEST(RenderPixels, PlatedPadColours) {
  struct Case {
    uint8_t active;
    bool selected;
    Rgb expected;
  } cases[] = {
      {layer::C2, false, col(18, 127, 150)},
      {layer::C2, true, col(255, 0, 255)},
      {layer::C1, true, col(160, 0, 160)},  // selected on the far side
  };
  for (const Case& c : cases) {
    RenderScene s;
    s.board.activeLayer = c.active;
    TObjekt pad = newPad({200, -150}, layer::C2, padshape::Square, 50, 20);
    pad.Plated = 1;
    pad.Selected = c.selected;
    s.elements.append(pad);
    const QImage img = s.render();
    EXPECT_EQ(pixel(img, 240, -150), c.expected);
    EXPECT_EQ(pixel(img, 200, -150), kBackground);  // the hole
  }
  EXPECT_EQ(throughPlatingColour(), rgb(18, 127, 150));
}

bool hasStripe(const QImage& img, int x, Rgb stripe) {
  for (int y = 140; y < 160; ++y)
    if (pixel(img, x, -y) == stripe) return true;
  return false;
}

TEST(RenderPixels, RoutedStripeNeedsThreePixels) {
  const Rgb stripe = col(150, 255, 150);  // C2 green + 150
  for (int width : {2, 3, 6}) {
    RenderScene s;
    TObjekt t = track(layer::C2, width, {{50, -150}, {350, -150}});
    t.Routed = 1;
    s.elements.append(t);
    EXPECT_EQ(hasStripe(s.render(), 200, stripe), width >= 3) << "width " << width;
  }
  EXPECT_EQ(routedStripeColour(rgb(255, 255, 255)), rgb(105, 105, 105));
}

TEST(RenderPixels, HatchedZoneWithoutPitchUsesTenUnits) {
  RenderScene s;
  TObjekt z = newZone(2, layer::C2);
  z.Points = {{100, -100}, {300, -100}, {300, -200}, {100, -200}};
  z.Hatched() = 1;
  z.HatchAsOutline() = 0;
  z.Value53 = 0;
  s.elements.append(z);
  const QImage img = s.render();
  int runs = 0;
  for (int x = 150; x < 250; ++x)
    if (pixel(img, x, -115) == kC2 && pixel(img, x - 1, -115) != kC2) ++runs;
  EXPECT_EQ(runs, 10);
  EXPECT_EQ(pixel(img, 200, -115), kC2);
  EXPECT_EQ(pixel(img, 205, -115), kBackground);
}

TEST(RenderPixels, CirclesAndArcsRunCounterClockwise) {
  RenderScene s;
  TObjekt ring = newCircle({100, -150}, layer::C2, 60, 40);  // equal angles: full ring
  s.elements.append(ring);
  TObjekt arc = newCircle({300, -150}, layer::C2, 60, 40);
  arc.Spokes = 0;  // start
  arc.Width = 90;  // end
  s.elements.append(arc);
  const QImage img = s.render();
  for (auto [dx, dy] : {std::pair{50, 0}, {-50, 0}, {0, 50}, {0, -50}})
    EXPECT_EQ(pixel(img, 100 + dx, -150 + dy), kC2);
  EXPECT_EQ(pixel(img, 100, -150), kBackground);
  EXPECT_EQ(pixel(img, 300 + 35, -150 + 35), kC2);  // up and right: inside 0..90
  EXPECT_EQ(pixel(img, 300 - 35, -150 - 35), kBackground);
}

TEST(RenderPixels, OnePointTracksAndZonesDrawNothing) {
  RenderScene s;
  s.elements.append(track(layer::C2, 40, {{200, -150}}));
  TObjekt z = newZone(40, layer::C2);
  z.Points = {{100, -100}};
  s.elements.append(z);
  const QImage img = s.render();
  EXPECT_EQ(pixel(img, 200, -150), kBackground);
  EXPECT_EQ(pixel(img, 100, -100), kBackground);
}

// A stroke of two equal points is a round dot as wide as its pen, on its own and in a text.
TEST(RenderPixels, ZeroLengthStrokesAreRoundDots) {
  RenderScene s;
  s.elements.append(track(layer::C2, 40, {{200, -150}, {200, -150}}));
  s.elements.append(track(layer::C2, 40, {{100.2f, -100}, {99.9f, -100.3f}, {100, -100}}));
  const QImage img = s.render();
  for (const Point c : {Point{200, -150}, Point{100, -100}}) {
    EXPECT_EQ(pixel(img, c.x, c.y), kC2);
    EXPECT_EQ(pixel(img, c.x + 15, c.y), kC2);
    EXPECT_EQ(pixel(img, c.x, c.y - 15), kC2);
    EXPECT_EQ(pixel(img, c.x + 12, c.y + 12), kC2);
    EXPECT_EQ(pixel(img, c.x + 25, c.y), kBackground);
    EXPECT_EQ(pixel(img, c.x + 17, c.y + 17), kBackground);
  }

  RenderScene period;
  TObjekt text = newText({50, -200}, ".", layer::C2, 1, 2, 200, 0, false, false);
  generateStrokes(text, layer::C2, 0);
  ASSERT_FALSE(text.Strokes.empty());
  const TObjekt& dot = text.Strokes.front();
  ASSERT_EQ(dot.Points.size(), 2u);
  ASSERT_EQ(dot.Points[0], dot.Points[1]);
  period.elements.append(text);
  EXPECT_EQ(pixel(period.render(), dot.Points[0].x, dot.Points[0].y), kC2);
}

TEST(RenderPixels, SolderMaskViewShowsOpeningsWhite) {
  RenderScene s;
  s.options.solderMaskView = true;
  TObjekt smd = newSmdPad({100, -150}, layer::C1, 60, 40);  // SolderMask set by default
  s.elements.append(smd);
  TObjekt covered = newSmdPad({300, -150}, layer::C1, 60, 40);
  covered.SolderMask = 0;
  s.elements.append(covered);
  const QImage img = s.render();
  EXPECT_EQ(pixel(img, 100, -150), col(255, 255, 255));
  EXPECT_EQ(pixel(img, 300, -150), kC1);
}

TEST(RenderPixels, PhotoViewFromSideTwoIsMirroredAndShowsTheOtherSideByXray) {
  RenderScene s;
  TObjekt smd = newSmdPad({50, -150}, layer::C1, 40, 40);
  s.elements.append(smd);
  s.options.photoView = true;
  QImage img = s.render();
  EXPECT_EQ(pixel(img, 50, -150), col(220, 170, 20));  // bare copper: solder-mask opening
  EXPECT_EQ(pixel(img, 350, -150), col(22, 117, 22));  // the board
  s.options.photoSide = 2;
  img = s.render();
  EXPECT_EQ(pixel(img, 350, -150), col(22, 117, 22));  // C1 is not seen from side 2
  s.options.photoXray = true;
  img = s.render();
  EXPECT_EQ(pixel(img, 350, -150), col(0, 100, 0));
  EXPECT_EQ(pixel(img, 50, -150), col(22, 117, 22));
}

TEST(RenderPixels, SelectedElementsAreDrawnOnTop) {
  RenderScene s;
  s.board.activeLayer = layer::C1;
  s.elements.append(track(layer::C1, 20, {{50, -100}, {350, -100}}));
  TObjekt under = track(layer::C2, 20, {{200, -50}, {200, -250}});
  under.Selected = 1;
  s.elements.append(under);
  EXPECT_EQ(pixel(s.render(), 200, -100), col(160, 0, 160));
}

TEST(RenderPixels, ConnectionsJoinPadCentres) {
  RenderScene s;
  TObjekt a = newSmdPad({100, -150}, layer::C1, 20, 20);
  TObjekt b = newSmdPad({300, -150}, layer::C1, 20, 20);
  a.Links.push_back(b.Id);
  b.Links.push_back(a.Id);
  s.elements.append(a);
  s.elements.append(b);
  EXPECT_EQ(pixel(s.render(), 200, -150), col(0, 255, 0));
  s.options.showConnections = false;
  EXPECT_EQ(pixel(s.render(), 200, -150), kBackground);
}

TEST(RenderPixels, ConnectionListedByOnlyOnePadIsDrawn) {
  for (bool byFirst : {true, false}) {
    RenderScene s;
    TObjekt a = newSmdPad({100, -150}, layer::C1, 20, 20);
    TObjekt b = newSmdPad({300, -150}, layer::C1, 20, 20);
    (byFirst ? a : b).Links.push_back((byFirst ? b : a).Id);
    s.elements.append(a);
    s.elements.append(b);
    EXPECT_EQ(pixel(s.render(), 200, -150), col(0, 255, 0))
        << "listed by the first pad: " << byFirst;
  }
}

TEST(RenderPixels, LayerPictureDrawsOneLayerInOneColour) {
  BoardSettings board;
  board.width = 1000;
  board.height = 1000;
  ElementList list;
  list.append(track(layer::C1, 100, {{100, -500}, {900, -500}}));
  list.append(track(layer::C2, 100, {{500, -100}, {500, -900}}));
  LayerPictureOptions o;
  o.dpi = 254;  // 0.1 pixel per unit
  o.foreground = rgb(0, 0, 0);
  o.background = rgb(255, 255, 255);
  QImage img = renderLayerPicture(board, list, layer::C1, o);
  EXPECT_EQ(img.size(), QSize(101, 101));
  EXPECT_EQ(pixel(img, 300, -500, 0.1), col(0, 0, 0));
  EXPECT_EQ(pixel(img, 500, -300, 0.1), col(255, 255, 255));  // C2 is left out

  board.groundPlane[layer::C1] = 1;
  TObjekt& t = list.edit(0);
  t.Clearance = 100;
  img = renderLayerPicture(board, list, layer::C1, o);
  EXPECT_EQ(pixel(img, 300, -500, 0.1), col(0, 0, 0));              // track
  EXPECT_EQ(pixel(img, 300, -500 + 100, 0.1), col(255, 255, 255));  // clearance
  EXPECT_EQ(pixel(img, 300, -500 + 250, 0.1), col(0, 0, 0));        // ground plane
}

}  // namespace
}  // namespace trazello::testing
