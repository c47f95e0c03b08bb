#include "FootprintWizard.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/ElementGeometry.h"

namespace trazello {

namespace {

constexpr int32_t kPadClearance = 40;

struct Placement {
  Point at;
  double angle;  // degrees, clockwise; SMD pads only
};

void addPad(ElementList& out, const FootprintValues& v, uint8_t layerCode, Placement p) {
  TObjekt pad;
  if (v.smd) {
    pad = newSmdPad(p.at, layerCode, float(roundInt(v.smdWidthMm * 100)),
                    float(roundInt(v.smdHeightMm * 100)));
    if (p.angle != 0) rotateElement(pad, p.at, p.angle);
  } else {
    pad = newPad(p.at, layerCode, padshape::Round, float(v.padOuterMm * 50),
                 float(v.padDrillMm * 50));
  }
  pad.Clearance = kPadClearance;
  out.append(std::move(pad));
}

std::vector<Placement> rowPlacements(const FootprintValues& v, int n) {
  const double p = v.pitchMm * 100;
  std::vector<Placement> out;
  for (int i = 0; i < n; ++i) {
    out.push_back({{float(p * i), 0}, 0});
    if (v.type == PackageType::Dip) out.push_back({{float(p * i), float(v.yMm * 100)}, 0});
  }
  return out;
}

std::vector<Placement> quadPlacements(const FootprintValues& v, int n, int m) {
  const double p = v.pitchMm * 100;
  const double w = v.xMm * 100;
  const double h = v.yMm * 100;
  const double lx = (n - 1) * p;
  const double ly = (m - 1) * p;
  std::vector<Placement> out;
  for (int i = 0; i < n; ++i) {
    out.push_back({{float(p * i - lx / 2), float(-h / 2)}, 0});
    out.push_back({{float(p * i - lx / 2), float(h / 2)}, 0});
  }
  for (int j = 0; j < m; ++j) {
    out.push_back({{float(-w / 2), float(p * j - ly / 2)}, 90});
    out.push_back({{float(w / 2), float(p * j - ly / 2)}, 90});
  }
  return out;
}

std::vector<Placement> ringPlacements(const FootprintValues& v, int n) {
  const double r1 = v.pitchMm * 50;
  const double r2 = v.yMm * 100 + r1;
  const double step = 2 * std::numbers::pi / n;
  std::vector<Placement> out;
  for (int i = 0; i < n; ++i) {
    const double phi = i * step;
    const double angle = 180 - phi * 180 / std::numbers::pi;
    out.push_back({{float(r1 * std::cos(phi)), float(r1 * std::sin(phi))}, angle});
    if (v.type == PackageType::DualCircle)
      out.push_back({{float(r2 * std::cos(phi)), float(r2 * std::sin(phi))}, angle});
  }
  return out;
}

}  // namespace

FootprintValues footprintDefaults(PackageType type, FootprintValues v) {
  v.type = type;
  v.padOuterMm = 1.6;
  v.padDrillMm = 0.8;
  v.smdWidthMm = 0.8;
  v.smdHeightMm = 1.6;
  switch (type) {
    case PackageType::Sip:
      v.perRow = 8;
      v.pitchMm = 2.54;
      break;
    case PackageType::Dip:
      v.perRow = 8;
      v.pitchMm = 2.54;
      v.yMm = 2.54;
      break;
    case PackageType::Quad:
      v.perRow = 8;
      v.perColumn = 8;
      v.pitchMm = 2.54;
      v.xMm = v.yMm = 25.4;
      break;
    case PackageType::Circle:
      v.perRow = 16;
      v.pitchMm = 25.4;
      break;
    case PackageType::DualCircle:
      v.perRow = 16;
      v.pitchMm = 25.4;
      v.yMm = 2.54;
      break;
  }
  return v;
}

bool usesY(PackageType type) {
  return type == PackageType::Dip || type == PackageType::Quad || type == PackageType::DualCircle;
}

bool usesX(PackageType type) {
  return type == PackageType::Quad;
}

bool usesPerColumn(PackageType type) {
  return type == PackageType::Quad;
}

int footprintPadCount(const FootprintValues& v) {
  const int n = std::clamp(v.perRow, 1, 99);
  const int m = std::clamp(v.perColumn, 1, 99);
  switch (v.type) {
    case PackageType::Sip:
    case PackageType::Circle:
      return n;
    case PackageType::Dip:
    case PackageType::DualCircle:
      return 2 * n;
    case PackageType::Quad:
      return 2 * (n + m);
  }
  return n;
}

ElementList generateFootprint(const FootprintValues& v, uint8_t layerCode) {
  const int n = std::clamp(v.perRow, 1, 99);
  const int m = std::clamp(v.perColumn, 1, 99);
  std::vector<Placement> places;
  switch (v.type) {
    case PackageType::Sip:
    case PackageType::Dip:
      places = rowPlacements(v, n);
      break;
    case PackageType::Quad:
      places = quadPlacements(v, n, m);
      break;
    case PackageType::Circle:
    case PackageType::DualCircle:
      places = ringPlacements(v, n);
      break;
  }
  ElementList out;
  out.reserve(places.size());
  for (const Placement& p : places) addPad(out, v, layerCode, p);
  return out;
}

Change takeFootprint(Document& doc, ElementList pattern) {
  Change c;
  if (pattern.empty()) return c;
  for (size_t i = 0; i < pattern.size(); ++i) pattern.edit(i).Selected = 1;
  doc.clipboard() = std::move(pattern);
  doc.setClipboardLayer(uint8_t(doc.working().activeLayer));
  ElementList& list = doc.elements();
  for (size_t i = 0; i < list.size(); ++i) {
    if (!list[i].Selected) continue;
    c.addArea(boundingBox(list[i]));
    list.edit(i).Selected = 0;
    c.selection = true;
  }
  return c;
}

}  // namespace trazello
