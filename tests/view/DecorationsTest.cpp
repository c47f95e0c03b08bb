#include <gtest/gtest.h>

#include "model/Layer.h"
#include "view/Decorations.h"

namespace trazello {
namespace {

TEST(HitNodeHandle, TracksZonesAndCircles) {
  TObjekt t = newTrack(24, layer::C1);  // tolerance 10 units
  t.Points = {{0, 0}, {100, 0}, {105, 0}};
  struct Case {
    Point p;
    double zoom;
    bool virtualNodes;
    int hit;
  } cases[] = {
      {{9, 9}, 1, false, 0},    {{11, 0}, 1, false, -1},
      {{103, 0}, 1, false, 2},  // the last match wins
      {{50, 0}, 1, false, -1},  {{50, 0}, 1, true, 10000},
      {{0, 25}, 0.1, false, 0},  // at least 3 pixels: 30 units
  };
  for (const Case& c : cases)
    EXPECT_EQ(HitNodeHandle(t, c.p, c.zoom, c.virtualNodes), c.hit) << c.p.x << "," << c.p.y;

  TObjekt z = newZone(24, layer::C1);
  z.Points = {{0, 0}, {100, 0}, {100, -100}};
  EXPECT_EQ(HitNodeHandle(z, {50, -50}, 1, true), 10002);  // the closing segment

  TObjekt arc = newCircle({0, 0}, layer::C1, 110, 90);  // mid radius 100, tolerance 10
  arc.Spokes = 0;
  arc.Width = 90;
  EXPECT_EQ(HitNodeHandle(arc, {100, 5}, 1, false), 0);
  EXPECT_EQ(HitNodeHandle(arc, {5, 100}, 1, false), 1);
  EXPECT_EQ(HitNodeHandle(arc, {70, 70}, 1, false), -1);
  EXPECT_EQ(HitNodeHandle(newPad({0, 0}, 1, 1, 50, 20), {0, 0}, 1, true), -1);
}

}  // namespace
}  // namespace trazello
