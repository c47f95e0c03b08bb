#include "DemoBoard.h"

#include "model/Layer.h"
#include "model/StrokeFont.h"

namespace trazello::examples {

namespace {

constexpr int32_t kClearance = 40;

struct Builder {
  ElementList& list;

  ElementId pad(float x, float y, uint8_t shape, float radius = 80, float drill = 40) {
    TObjekt p = newPad({x, y}, layer::C2, shape, radius, drill);
    p.Plated = 1;
    p.Clearance = kClearance;
    return list.append(std::move(p)).Id;
  }
  void smd(float x, float y, float sx, float sy) {
    TObjekt p = newSmdPad({x, y}, layer::C1, sx, sy);
    p.Clearance = kClearance;
    list.append(std::move(p));
  }
  void track(uint8_t layerCode, int32_t width, std::vector<Point> points) {
    TObjekt t = newTrack(width, layerCode);
    t.Points = std::move(points);
    t.Clearance = layerCode == layer::C1 || layerCode == layer::C2 ? kClearance : 0;
    list.append(std::move(t));
  }
  void text(float x, float y, const std::string& s, float height, int32_t angle = 0) {
    TObjekt t = newText({x, y}, s, layer::S1, 1, 1, height, angle, false, false);
    generateStrokes(t, layer::S1, 0);
    list.append(std::move(t));
  }
  void link(ElementId a, ElementId b) {
    list.edit(*list.indexOf(a)).Links.push_back(b);
    list.edit(*list.indexOf(b)).Links.push_back(a);
  }
};

}  // namespace

Document demoDocument() {
  Document doc;
  doc.renameCurrentBoard("Demo");
  doc.working().width = 8000;
  doc.working().height = 5000;
  doc.working().zoom = 0.2;
  doc.working().grid = 127;
  doc.working().activeLayer = layer::C2;
  Builder b{doc.elements()};

  // Board outline.
  b.track(layer::O, 20, {{0, 0}, {8000, 0}, {8000, -5000}, {0, -5000}, {0, 0}});

  // U1: an 8-pin DIP, pin 1 square; outline and notch on the silkscreen.
  std::vector<ElementId> u1;
  for (int i = 0; i < 4; ++i) u1.push_back(b.pad(2000 + 254.0f * i, -3000, i == 0 ? 3 : 1));
  for (int i = 0; i < 4; ++i) u1.push_back(b.pad(2762 - 254.0f * i, -2238, 1));
  b.track(layer::S1, 20,
          {{1850, -3150}, {2910, -3150}, {2910, -2088}, {1850, -2088}, {1850, -3150}});
  TObjekt notch = newCircle({1850, -2619}, layer::S1, 70, 50);
  notch.Spokes = 270;
  notch.Width = 90;
  b.list.append(std::move(notch));

  // R1 and R2, 10.16 mm apart; J1, a three-pin connector of oblong pads lying across its row,
  // so that 2.54 mm apart they keep clear of each other.
  b.pad(4000, -1200, 1);
  b.pad(5016, -1200, 1);
  const ElementId r2a = b.pad(4000, -1700, 1), r2b = b.pad(5016, -1700, 1);
  std::vector<ElementId> j1;
  for (int i = 0; i < 3; ++i) j1.push_back(b.pad(7000, -1500 - 254.0f * i, 4, 70, 40));

  // C1: an 0805 capacitor on the top side.
  b.smd(4300, -3400, 130, 150);
  b.smd(4500, -3400, 130, 150);

  // Tracks on the bottom and the top copper; the way from U1 to the top-side C1 changes side
  // through a via.
  b.track(layer::C2, 40, {{2000, -3000}, {2000, -3600}, {4000, -3600}});
  b.pad(4000, -3600, 1, 50, 20);
  b.track(layer::C1, 40, {{4000, -3600}, {4300, -3600}, {4300, -3400}});
  b.track(layer::C2, 40, {{5016, -1200}, {6500, -1200}, {6500, -1500}, {7000, -1500}});
  b.track(layer::C2, 40, {{2762, -2238}, {2762, -1200}, {4000, -1200}});
  b.track(layer::C1, 30, {{4500, -3400}, {5500, -3400}, {5500, -1700}, {5016, -1700}});

  // Rubberbands still to be routed.
  b.link(u1[3], r2a);
  b.link(j1[1], r2b);
  b.link(j1[2], u1[4]);

  // A hatched ground area on the bottom side.
  TObjekt zone = newZone(20, layer::C2);
  zone.Points = {{600, -4200}, {3400, -4200}, {3400, -4700}, {600, -4700}};
  zone.Hatched() = 1;
  zone.Value53 = 60;
  zone.Clearance = kClearance;
  b.list.append(std::move(zone));

  b.text(300, -500, "Trazello demo", 250);
  b.text(2100, -3500, "U1", 150);
  b.text(4300, -1000, "R1", 150);
  b.text(4300, -1950, "R2", 150);
  b.text(4200, -3750, "C1", 150);
  b.text(7350, -1450, "J1", 150, 90);

  doc.storeWorkingSettings();
  doc.replaceProjectInfo({"Demo board", "Trazello", "", "A small two-sided example board."});
  doc.setModified(false);
  return doc;
}

}  // namespace trazello::examples
