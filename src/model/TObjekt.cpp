#include "TObjekt.h"

#include <atomic>
#include <cmath>

#include "Layer.h"
#include "PadGeometry.h"

namespace trazello {

const char* kindName(ElementKind k) {
  switch (k) {
    case ElementKind::LegacyLine: return "Legacy line";
    case ElementKind::Pad: return "Pad";
    case ElementKind::LegacyText: return "Legacy text";
    case ElementKind::Zone: return "Zone";
    case ElementKind::Circle: return "Circle";
    case ElementKind::Track: return "Track";
    case ElementKind::Text: return "Text";
    case ElementKind::SmdPad: return "SMD-Pad";
  }
  return "Unknown";
}

ElementId ElementId::fresh() {
  static std::atomic<uint64_t> next{1};
  return ElementId{next.fetch_add(1, std::memory_order_relaxed)};
}

namespace {

TObjekt blank(ElementKind kind, uint8_t layer) {
  TObjekt e;
  e.Kind = kind;
  e.Layer = layer;
  e.Id = ElementId::fresh();
  return e;
}

void setThermalDefaults(TObjekt& e) {
  e.SolderMask = 1;
  e.Spokes = kDefaultSpokes;
  e.Value53 = 100;
  e.ThermalMagic = kThermalMagic;
  e.Thermal() = 0;
}

}  // namespace

TObjekt newPad(Point centre, uint8_t layer, uint8_t shape, float outerRadius, float drillRadius) {
  TObjekt e = blank(ElementKind::Pad, layer);
  e.X = centre.x;
  e.Y = centre.y;
  e.PadShape = shape;
  e.SizeA = outerRadius;
  e.SizeB = drillRadius;
  e.Points = padOutline(centre, shape, outerRadius, 0);
  setThermalDefaults(e);
  return e;
}

TObjekt newSmdPad(Point centre, uint8_t layer, float sizeX, float sizeY) {
  TObjekt e = blank(ElementKind::SmdPad, layer);
  e.X = centre.x;
  e.Y = centre.y;
  e.SizeA = sizeX;
  e.SizeB = sizeY;
  e.Points = smdCorners(centre, sizeX, sizeY);
  setThermalDefaults(e);
  return e;
}

TObjekt newCircle(Point centre, uint8_t layer, float outerRadius, float innerRadius) {
  TObjekt e = blank(ElementKind::Circle, layer);
  e.X = centre.x;
  e.Y = centre.y;
  e.SizeA = outerRadius;
  e.SizeB = innerRadius;
  return e;
}

TObjekt newTrack(int32_t width, uint8_t layer) {
  TObjekt e = blank(ElementKind::Track, layer);
  e.Width = width;
  return e;
}

TObjekt newZone(int32_t outlineWidth, uint8_t layer, bool cutOut) {
  if (cutOut && isSilkscreenLayer(layer)) layer = layer == layer::S1 ? layer::C1 : layer::C2;
  TObjekt e = blank(ElementKind::Zone, layer);
  e.Width = outlineWidth;
  e.Closed = 1;
  e.Hatched() = 0;
  e.HatchAsOutline() = 1;
  e.Value53 = outlineWidth;
  e.KeepOut = cutOut ? 1 : 0;
  return e;
}

TObjekt newText(Point reference, const std::string& text, uint8_t layer, int32_t widthCode,
                int thicknessCode, float height, int32_t angle, bool mirrorH, bool mirrorV) {
  TObjekt e = blank(ElementKind::Text, layer);
  e.X = reference.x;
  e.Y = reference.y;
  e.Text = text;
  e.Width = widthCode;
  e.SizeB = static_cast<float>(thicknessCode);
  e.SizeA = height;
  e.Value53 = angle;
  e.MirrorH() = mirrorH ? 1 : 0;
  e.MirrorV() = mirrorV ? 1 : 0;
  return e;
}

void appendPoint(TObjekt& e, Point p) { e.Points.push_back(p); }

void pushGroup(TObjekt& e, int32_t id) { e.Groups.push_back(id); }

void popGroup(TObjekt& e) {
  if (!e.Groups.empty()) e.Groups.pop_back();
}

void dispose(TObjekt& e) {
  e.Points = {};
  e.Groups = {};
  e.Links = {};
  e.Strokes = {};
  e.Text = {};
  e.Name = {};
}

TObjekt deepCopy(const TObjekt& source) {
  TObjekt t = source;
  t.Id = ElementId::fresh();
  t.Highlight = 0;
  if (t.Kind == ElementKind::Zone) {
    // Zones are copied onto whole units so that copies of copies do not drift.
    for (Point& p : t.Points) p = {std::nearbyint(p.x), std::nearbyint(p.y)};
    t.Closed = 1;
  }
  if (!t.isPadLike()) t.Links.clear();
  for (TObjekt& s : t.Strokes) s = deepCopy(s);
  return t;
}

}  // namespace trazello
