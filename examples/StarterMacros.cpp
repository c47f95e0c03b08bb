#include "StarterMacros.h"

#include <algorithm>
#include <cstdio>

#include "edit/FootprintWizard.h"
#include "model/CopperGeometry.h"
#include "model/ElementGeometry.h"
#include "model/Layer.h"

// Land patterns. All lengths in mm; "rows" is the distance between the centres of opposite pads.
//
// Surface-mount patterns, each from a maker's published recommended land pattern:
// - SOIC-8/14/16 (JEDEC MS-012, 3.9 mm body): pitch 1.27, rows 5.40, pads 0.60 x 1.55; the
//   recommended PCB land pattern of an MS-012 8-pin SOIC maker's data sheet.
// - Chip 0603 / 0805 / 1206: pads 0.95 x 0.95 / 1.10 x 1.40 / 1.25 x 1.75 (length along the part x
//   width), gap 0.50 / 0.65 / 1.50; a resistor maker's recommended solder pads for reflow
//   soldering (pad centres = gap + pad length).
// - TQFP-32 7 x 7, pitch 0.80: rows 8.45, pads 0.45 x 1.30; QFN-24 4 x 4, pitch 0.50: rows 3.95,
//   pads 0.25 x 0.70, centre pad 2.75; QFN-28 5 x 5: rows 4.80, pads 0.25 x 0.90, centre 3.25;
//   QFN-32 5 x 5: rows 4.85, pads 0.25 x 0.80, centre 3.30. A microcontroller maker's land
//   patterns "based on the IPC-7351 guidelines", which give each value as a range: we take its
//   middle.
// - Diodes SOD-323 / SOD-123 / SMA (DO-214AC) / SMB (DO-214AA): pad centres 2.40 / 3.70 / 4.00 /
//   4.30, pads 1.35 x 0.65 / 1.20 x 0.70 / 2.50 x 1.70 / 2.50 x 2.30; a diode maker's suggested
//   pad layouts "based on IPC-7351A".
// - SOT-23 (3 pins, TO-236): pitch 0.95, rows 2.00, pads 0.80 x 0.90 (along the row x across);
//   the recommended soldering footprint of a transistor maker's SOT-23 case outline.
//
// Through-hole parts have no land-pattern standard of that kind; the drills admit the common lead
// sizes and the pads leave a copper ring of at least 0.35 mm, enough to etch and drill by hand:
// - DIP, 300 and 600 mil rows (7.62 / 15.24), pitch 2.54: pad 1.6, drill 0.8.
// - Pin header, one row, pitch 2.54 (0.64 mm square pins): pad 1.7, drill 1.0.
// - TO-92, leads formed to 2.54: pad 1.6, drill 0.8. TO-220, pitch 2.54: pad 2.0, drill 1.1.
// - Axial resistor, lead spacing 7.62 / 10.16 (body 1.8 x 3.6 / 2.5 x 6.3): pad 1.6, drill 0.8.
// - Radial capacitor, lead spacing 2.5 / 5.0 (body 5 / 8 dia.): pad 1.6, drill 0.8.
//
// Through-hole pads lie on C2, the solder side, and SMD pads on C1, the component side, as on the
// demo board; every outline is on S1 and keeps clear of the copper.

namespace trazello::examples {

namespace {

constexpr int32_t kSilkWidth = 20;  // 0.2 mm

float mm(double v) {
  return float(v * 100);
}

struct Box {
  float left, bottom, right, top;
};

// The box of the pad centres of `list`.
Box centres(const ElementList& list) {
  Box b{1e9f, 1e9f, -1e9f, -1e9f};
  for (size_t i = 0; i < list.size(); ++i) {
    const Point c = padLikeCentre(list[i]);
    b.left = std::min(b.left, c.x);
    b.right = std::max(b.right, c.x);
    b.bottom = std::min(b.bottom, c.y);
    b.top = std::max(b.top, c.y);
  }
  return b;
}

void silkLine(ElementList& list, std::vector<Point> points) {
  TObjekt t = newTrack(kSilkWidth, layer::S1);
  t.Points = std::move(points);
  list.append(std::move(t));
}

void silkBox(ElementList& list, Box b) {
  silkLine(list, {{b.left, b.bottom},
                  {b.right, b.bottom},
                  {b.right, b.top},
                  {b.left, b.top},
                  {b.left, b.bottom}});
}

// A silk ring (or, with from != to, an arc counter-clockwise from `from` to `to` degrees).
void silkCircle(ElementList& list, Point centre, float radius, int from = 0, int to = 0) {
  TObjekt c = newCircle(centre, layer::S1, radius + kSilkWidth / 2.0f, radius - kSilkWidth / 2.0f);
  c.Spokes = from;
  c.Width = to;
  list.append(std::move(c));
}

void silkDot(ElementList& list, Point centre) {
  list.append(newCircle(centre, layer::S1, 25, 0));
}

ElementList throughHole(PackageType type, int count, double pitch, double row, double pad,
                        double drill) {
  FootprintValues v = footprintDefaults(type, FootprintValues{});
  v.perRow = count;
  v.pitchMm = pitch;
  v.yMm = row;
  v.padOuterMm = pad;
  v.padDrillMm = drill;
  return generateFootprint(v, layer::C2);
}

ElementList smd(PackageType type, int count, int count2, double pitch, double x, double y, double w,
                double h) {
  FootprintValues v = footprintDefaults(type, FootprintValues{});
  v.smd = true;
  v.perRow = count;
  v.perColumn = count2;
  v.pitchMm = pitch;
  v.xMm = x;
  v.yMm = y;
  v.smdWidthMm = w;
  v.smdHeightMm = h;
  return generateFootprint(v, layer::C1);
}

std::string format(const char* pattern, double a, double b = 0) {
  char line[80];
  std::snprintf(line, sizeof line, pattern, a, b);
  return line;
}

StarterMacro macro(std::string path, ElementList list, std::string first, std::string second) {
  return {std::move(path), std::move(list), {std::move(first), std::move(second)}};
}

// Pin 1 is the first pad the wizard makes: bottom-left here, so the notch is on the left.
StarterMacro dip(int pins, double row) {
  ElementList l = throughHole(PackageType::Dip, pins / 2, 2.54, row, 1.6, 0.8);
  const Box p = centres(l);
  const float inset = mm(1.2);
  const Box body{p.left - mm(1.27), p.bottom + inset, p.right + mm(1.27), p.top - inset};
  silkBox(l, body);
  silkCircle(l, {body.left, (body.bottom + body.top) / 2}, mm(0.6), 270, 90);
  const std::string name = "DIP-" + std::to_string(pins);
  return macro("DIP/" + name + format("_%.2fmm.tzm", row), std::move(l),
               name + format(", rows %.2f mm", row), "pitch 2.54 mm, pad 1.6 mm, drill 0.8 mm");
}

StarterMacro header(int pins) {
  ElementList l = throughHole(PackageType::Sip, pins, 2.54, 0, 1.7, 1.0);
  const Box p = centres(l);
  silkBox(l, {p.left - mm(1.27), p.bottom - mm(1.27), p.right + mm(1.27), p.top + mm(1.27)});
  // Pin 1's cell is closed off so the connector's orientation shows.
  if (pins > 1)
    silkLine(l, {{p.left + mm(1.27), p.bottom - mm(1.27)}, {p.left + mm(1.27), p.top + mm(1.27)}});
  char name[32];
  std::snprintf(name, sizeof name, "Header-1x%02d", pins);
  return macro(std::string("Headers/") + name + ".tzm", std::move(l),
               "Pin header 1x" + std::to_string(pins) + ", 2.54 mm", "pad 1.7 mm, drill 1.0 mm");
}

StarterMacro soic(int pins) {
  ElementList l = smd(PackageType::Dip, pins / 2, 1, 1.27, 0, 5.4, 0.6, 1.55);
  const Box p = centres(l);
  // Between the pad rows, clear of the pads' inner ends.
  const Box body{p.left - mm(0.9), p.bottom + mm(1.1), p.right + mm(0.9), p.top - mm(1.1)};
  silkBox(l, body);
  silkDot(l, {body.left + mm(0.5), body.bottom + mm(0.5)});
  const std::string name = "SOIC-" + std::to_string(pins);
  return macro("SMD/" + name + ".tzm", std::move(l), name + ", 3.9 mm body, pitch 1.27 mm",
               "pads 0.60 x 1.55 mm, rows 5.40 mm");
}

StarterMacro sot23() {
  ElementList l = smd(PackageType::Sip, 2, 1, 1.9, 0, 0, 0.8, 0.9);
  ElementList top = smd(PackageType::Sip, 1, 1, 1.9, 0, 0, 0.8, 0.9);
  TObjekt pin3 = top[0];
  moveElement(pin3, mm(0.95), mm(2.0));
  l.append(std::move(pin3));
  // The body's short ends, clear of the outer pads.
  silkLine(l, {{mm(-0.7), mm(0.6)}, {mm(-0.7), mm(1.4)}});
  silkLine(l, {{mm(2.6), mm(0.6)}, {mm(2.6), mm(1.4)}});
  return macro("SMD/SOT-23.tzm", std::move(l), "SOT-23, 3 pins",
               "pads 0.80 x 0.90 mm, rows 2.00 mm");
}

StarterMacro to92() {
  ElementList l = throughHole(PackageType::Sip, 3, 2.54, 0, 1.6, 0.8);
  // The round back and the flat face of the body, around the middle pin.
  const Point mid{mm(2.54), 0};
  silkCircle(l, mid, mm(2.4), 35, 145);
  silkLine(l, {{mid.x - mm(2.0), mm(-1.2)}, {mid.x + mm(2.0), mm(-1.2)}});
  return macro("TO/TO-92.tzm", std::move(l), "TO-92, leads formed to 2.54 mm",
               "pad 1.6 mm, drill 0.8 mm");
}

StarterMacro to220() {
  ElementList l = throughHole(PackageType::Sip, 3, 2.54, 0, 2.0, 1.1);
  const Box body{mm(2.54 - 5.1), mm(-1.8), mm(2.54 + 5.1), mm(2.8)};
  silkBox(l, body);
  // The metal tab stands at the back of the body.
  silkLine(l, {{body.left, mm(1.6)}, {body.right, mm(1.6)}});
  return macro("TO/TO-220.tzm", std::move(l), "TO-220, 3 pins, standing",
               "pitch 2.54 mm, pad 2.0 mm, drill 1.1 mm");
}

StarterMacro axial(double spacing, double length, double diameter, const char* power) {
  ElementList l = throughHole(PackageType::Sip, 2, spacing, 0, 1.6, 0.8);
  const float mid = mm(spacing) / 2;
  const float half = mm(length) / 2;
  silkBox(l, {mid - half, -mm(diameter) / 2, mid + half, mm(diameter) / 2});
  silkLine(l, {{mm(1.1), 0}, {mid - half, 0}});
  silkLine(l, {{mid + half, 0}, {mm(spacing) - mm(1.1), 0}});
  return macro(
      "Passive/Resistor-axial" + format("_%.2fmm.tzm", spacing), std::move(l),
      std::string("Resistor, axial, ") + power + format(" W, lead spacing %.2f mm", spacing),
      "pad 1.6 mm, drill 0.8 mm");
}

StarterMacro radial(double spacing, double diameter) {
  ElementList l = throughHole(PackageType::Sip, 2, spacing, 0, 1.6, 0.8);
  silkCircle(l, {mm(spacing) / 2, 0}, mm(diameter) / 2);
  // Plus sign beside the positive lead.
  const Point plus{mm(spacing) / 2 - mm(diameter) / 4, mm(diameter) / 4 + mm(0.3)};
  silkLine(l, {{plus.x - mm(0.4), plus.y}, {plus.x + mm(0.4), plus.y}});
  silkLine(l, {{plus.x, plus.y - mm(0.4)}, {plus.x, plus.y + mm(0.4)}});
  return macro("Passive/Capacitor-radial" + format("_%.1fmm.tzm", spacing), std::move(l),
               format("Capacitor, radial, lead spacing %.1f mm", spacing),
               format("%.1f mm dia., pad 1.6 mm, drill 0.8 mm", diameter));
}

StarterMacro chip(const char* size, double centres, double w, double h) {
  ElementList l = smd(PackageType::Sip, 2, 1, centres, 0, 0, w, h);
  const float gapLeft = mm(w) / 2 + mm(0.25);
  const float gapRight = mm(centres) - gapLeft;
  const float y = mm(h) / 2 + mm(0.3);
  if (gapRight - gapLeft > mm(0.2)) {
    silkLine(l, {{gapLeft, y}, {gapRight, y}});
    silkLine(l, {{gapLeft, -y}, {gapRight, -y}});
  } else {
    silkLine(l, {{-mm(w) / 2 - mm(0.25), y}, {mm(centres) + mm(w) / 2 + mm(0.25), y}});
    silkLine(l, {{-mm(w) / 2 - mm(0.25), -y}, {mm(centres) + mm(w) / 2 + mm(0.25), -y}});
  }
  return macro(
      std::string("SMD/Chip-") + size + ".tzm", std::move(l),
      std::string("Chip resistor or capacitor ") + size,
      format("pads %.2f x ", w) + format("%.2f mm, centres ", h) + format("%.2f mm", centres));
}

// Pad 1, on the left, is the cathode: the silk bar beside it marks the band on the part.
StarterMacro diode(const char* name, double centres, double w, double h) {
  ElementList l = smd(PackageType::Sip, 2, 1, centres, 0, 0, w, h);
  const float inner = mm(w) / 2 + mm(0.25);
  const float y = mm(h) / 2 + mm(0.3);
  silkLine(l, {{-mm(w) / 2 - mm(0.25), y}, {mm(centres) - inner, y}});
  silkLine(l, {{-mm(w) / 2 - mm(0.25), -y}, {mm(centres) - inner, -y}});
  silkLine(l, {{-mm(w) / 2 - mm(0.25), -y}, {-mm(w) / 2 - mm(0.25), y}});
  return macro(
      std::string("SMD/Diode-") + name + ".tzm", std::move(l),
      std::string("Diode ") + name + ", pad 1 cathode",
      format("pads %.2f x ", w) + format("%.2f mm, centres ", h) + format("%.2f mm", centres));
}

// Four rows; the silk marks the body's corners outside the pad rows and pin 1 with a dot.
StarterMacro quad(const std::string& name, int perSide, double pitch, double rows, double w,
                  double h, double body, double exposed) {
  ElementList l = smd(PackageType::Quad, perSide, perSide, pitch, rows, rows, w, h);
  if (exposed > 0) l.append(newSmdPad({0, 0}, layer::C1, mm(exposed), mm(exposed)));
  const float b = mm(body) / 2;
  const float edge = mm(perSide - 1) * float(pitch) / 2 + mm(w) / 2 + mm(0.3);
  for (const float sx : {-1.0f, 1.0f})
    for (const float sy : {-1.0f, 1.0f})
      silkLine(l, {{sx * edge, sy * b}, {sx * b, sy * b}, {sx * b, sy * edge}});
  // Beyond the outer end of pin 1, the wizard's first pad.
  const Point pin1 = padLikeCentre(l[0]);
  silkDot(l, {pin1.x, pin1.y - mm(h) / 2 - mm(0.4)});
  return macro("SMD/" + name + ".tzm", std::move(l),
               name + format(", %.1f mm body, pitch %.2f mm", body, pitch),
               format("pads %.2f x ", w) + format("%.2f mm, rows ", h) + format("%.2f mm", rows));
}

}  // namespace

std::vector<StarterMacro> starterMacros() {
  std::vector<StarterMacro> out;
  for (int pins : {8, 14, 16, 18, 20, 22, 24, 28}) out.push_back(dip(pins, 7.62));
  for (int pins : {24, 28, 32, 40}) out.push_back(dip(pins, 15.24));
  for (int pins = 1; pins <= 20; ++pins) out.push_back(header(pins));
  for (int pins : {8, 14, 16}) out.push_back(soic(pins));
  out.push_back(sot23());
  out.push_back(to92());
  out.push_back(to220());
  out.push_back(axial(7.62, 3.6, 1.8, "0.125"));
  out.push_back(axial(10.16, 6.3, 2.5, "0.25"));
  out.push_back(radial(2.5, 5.0));
  out.push_back(radial(5.0, 8.0));
  out.push_back(chip("0603", 0.5 + 0.95, 0.95, 0.95));
  out.push_back(chip("0805", 0.65 + 1.1, 1.1, 1.4));
  out.push_back(chip("1206", 1.5 + 1.25, 1.25, 1.75));
  out.push_back(diode("SOD-323", 2.4, 1.35, 0.65));
  out.push_back(diode("SOD-123", 3.7, 1.2, 0.7));
  out.push_back(diode("SMA", 4.0, 2.5, 1.7));
  out.push_back(diode("SMB", 4.3, 2.5, 2.3));
  out.push_back(quad("TQFP-32", 8, 0.8, 8.45, 0.45, 1.3, 7.0, 0));
  out.push_back(quad("QFN-24", 6, 0.5, 3.95, 0.25, 0.7, 4.0, 2.75));
  out.push_back(quad("QFN-28", 7, 0.5, 4.8, 0.25, 0.9, 5.0, 3.25));
  out.push_back(quad("QFN-32", 8, 0.5, 4.85, 0.25, 0.8, 5.0, 3.3));
  return out;
}

}  // namespace trazello::examples
