#include "PropertyCommands.h"

#include <algorithm>
#include <cmath>

#include "model/ElementGeometry.h"
#include "model/ElementRecordBytes.h"
#include "model/Layer.h"
#include "model/PadGeometry.h"
#include "model/StrokeFont.h"

namespace trazello {

namespace {

constexpr size_t kMaxTextLength = 255;  // what a layout file holds

int32_t units(double millimetres) {
  return roundInt(static_cast<Real>(millimetres) * 100);
}

// The number of 45° steps the spoke buttons are turned by, so that they show the directions on
// the board; a whole turn counts as none.
int spokeSteps(const TObjekt& pad) {
  const Real o = pad.is(ElementKind::SmdPad) ? smdOrientation(pad) : padOrientation(pad);
  return ((roundInt(o / 45) % 8) + 8) % 8;
}

Point centreOf(const TObjekt& e) {
  return e.is(ElementKind::SmdPad) ? smdCentre(e) : Point{e.X, e.Y};
}

// The shown position of a world coordinate and back: relative to the origin (kept in
// thousandths of a unit), y growing downward.
double shownX(Real x, const BoardSettings& s) {
  return (x - s.originX / 1000.0L) / 100;
}
double shownY(Real y, const BoardSettings& s) {
  return (s.originY / 1000.0L - y) / 100;
}
Real worldX(double v, const BoardSettings& s) {
  return v * 100.0L + s.originX / 1000.0L;
}
Real worldY(double v, const BoardSettings& s) {
  return -(v * 100.0L - s.originY / 1000.0L);
}

bool sameElement(const TObjekt& a, const TObjekt& b) {
  return storedBytes(a) == storedBytes(b) && a.Points == b.Points && a.Text == b.Text;
}

void setThermal(TObjekt& e, bool on) {
  // A thermal pad needs a gap for its spokes to cross.
  if (on && !e.Thermal() && e.Clearance < 20) e.Clearance = 40;
  e.Thermal() = on ? 1 : 0;
  e.ThermalMagic = kThermalMagic;
}

void setSpokeButtons(TObjekt& e, int buttons) {
  int32_t mask = static_cast<int32_t>((static_cast<uint32_t>(e.Spokes) & ~0xFFu) |
                                      (static_cast<uint32_t>(buttons) & 0xFFu));
  for (int i = spokeSteps(e); i > 0; --i) mask = spokesTurnedCounterClockwise45(mask);
  e.Spokes = mask;
  e.ThermalMagic = kThermalMagic;
}

void moveCentre(TObjekt& e, Property p, double v, const BoardSettings& s) {
  const Point c = centreOf(e);
  const Real dx = p == Property::CentreX ? worldX(v, s) - c.x : 0;
  const Real dy = p == Property::CentreY ? worldY(v, s) - c.y : 0;
  moveElement(e, static_cast<float>(dx), static_cast<float>(dy));
}

void setPadSize(TObjekt& e, Property p, double v) {
  const auto radius = static_cast<float>(roundInt(static_cast<Real>(v) * 50));
  (p == Property::PadOuter ? e.SizeA : e.SizeB) = radius;
  e.SizeA = std::max(e.SizeA, e.SizeB);  // a drill above the outer diameter raises it
  rebuildPadOutline(e);
}

void setSmdSize(TObjekt& e, Property p, double v) {
  const auto size = static_cast<float>(units(v));
  const Real current = p == Property::SmdSizeX ? smdSizeX(e) : smdSizeY(e);
  if (roundInt(current) == roundInt(size)) return;
  if (p == Property::SmdSizeX) {
    resizeSmd(e, -1, size);
  } else {
    resizeSmd(e, size, -1);
  }
}

void setCircleRing(TObjekt& e, Property p, double v) {
  const Real width = p == Property::Width ? v * 100.0L : Real(e.SizeA) - e.SizeB;
  const Real diameter = p == Property::Diameter ? v * 100.0L : Real(e.SizeA) + e.SizeB;
  e.SizeA = static_cast<float>(roundInt((width + diameter) / 2));
  // A ring wider than its diameter reaches the centre; a negative inner radius has no meaning.
  e.SizeB = static_cast<float>(std::max(0, roundInt((diameter - width) / 2)));
}

void setTextHeight(TObjekt& e, double height, const PropertyOptions& o) {
  if (o.limitTextHeight) {
    const double least[] = {2.5, 1.5, 1.0};
    height = std::max(height, least[std::clamp(static_cast<int>(e.SizeB), 0, 2)]);
  }
  e.SizeA = static_cast<float>(units(height));
}

void setTextProperty(TObjekt& e, Property p, const PropertyValue& v, const PropertyOptions& o) {
  const int n = static_cast<int>(std::lround(v.number));
  switch (p) {
    case Property::Text:
      e.Text = v.text.substr(0, kMaxTextLength);
      break;
    case Property::TextHeight:
      setTextHeight(e, v.number, o);
      break;
    case Property::TextThickness:
      e.SizeB = static_cast<float>(std::clamp(n, 0, 2));
      setTextHeight(e, e.SizeA / 100.0, o);
      break;
    case Property::TextWidth:
      e.Width = std::clamp(n, 0, 2);
      break;
    case Property::MirrorH:
      e.MirrorH() = n != 0;
      break;
    case Property::MirrorV:
      e.MirrorV() = n != 0;
      break;
    case Property::Angle:
      e.Value53 = ((n % 360) + 360) % 360;
      break;
    default:
      return;
  }
  generateStrokes(e, e.Layer, e.Clearance);
}

void setZoneProperty(TObjekt& e, Property p, double v) {
  switch (p) {
    case Property::Width:
      e.Width = units(v);
      break;
    case Property::Hatched:
      e.Hatched() = v != 0;
      return;
    case Property::HatchAsOutline:
      e.HatchAsOutline() = v != 0;
      return;
    case Property::HatchPitch:
      e.Value53 = units(v);
      break;
    default:
      return;
  }
  e.Value53 = std::min(e.Value53, 2 * e.Width);
}

// Changes `e` as the panel field asks; fields that do not belong to its kind change nothing.
void setProperty(TObjekt& e, Property p, const PropertyValue& v, const BoardSettings& s,
                 const PropertyOptions& o) {
  const bool pad = e.is(ElementKind::Pad), smd = e.is(ElementKind::SmdPad);
  const bool circle = e.is(ElementKind::Circle);
  const int n = static_cast<int>(std::lround(v.number));
  switch (p) {
    case Property::CentreX:
    case Property::CentreY:
      if (pad || smd || circle) moveCentre(e, p, v.number, s);
      return;
    case Property::PadOuter:
    case Property::PadDrill:
      if (pad) setPadSize(e, p, v.number);
      return;
    case Property::SmdSizeX:
    case Property::SmdSizeY:
      if (smd) setSmdSize(e, p, v.number);
      return;
    case Property::Thermal:
      if (pad || smd) setThermal(e, n != 0);
      return;
    case Property::SpokeWidth:
      if (pad || smd) e.Value53 = std::clamp(n, 50, 300), e.ThermalMagic = kThermalMagic;
      return;
    case Property::SpokeButtons:
      if (pad || smd) setSpokeButtons(e, n);
      return;
    case Property::Diameter:
    case Property::StartAngle:
    case Property::StopAngle:
    case Property::Filled:
      if (!circle) return;
      if (p == Property::Diameter) setCircleRing(e, p, v.number);
      if (p == Property::StartAngle) e.Spokes = std::clamp(n, 0, 359);
      if (p == Property::StopAngle) e.Width = std::clamp(n, 0, 359);
      if (p == Property::Filled) e.Filled = n != 0;
      return;
    case Property::KeepOut:
      // A cutout belongs to the ground plane of a copper layer.
      if (isCopperLayer(e.Layer) && !pad && !smd) e.KeepOut = n != 0;
      return;
    default:
      break;
  }
  if (p == Property::Width && e.is(ElementKind::Track)) e.Width = units(v.number);
  if (p == Property::Width && circle) setCircleRing(e, p, v.number);
  if (e.is(ElementKind::Zone)) setZoneProperty(e, p, v.number);
  if (e.is(ElementKind::Text)) setTextProperty(e, p, v, o);
}

PropertyValue number(double v) {
  return PropertyValue{v, {}};
}

PropertyValue padPropertyOf(const TObjekt& e, Property p) {
  switch (p) {
    case Property::PadOuter:
      return number(2 * e.SizeA / 100.0);
    case Property::PadDrill:
      return number(2 * e.SizeB / 100.0);
    case Property::SmdSizeX:
      return number(roundInt(smdSizeX(e)) / 100.0);
    case Property::SmdSizeY:
      return number(roundInt(smdSizeY(e)) / 100.0);
    case Property::Thermal:
      return number(e.Thermal());
    case Property::SpokeWidth:
      return number(e.Value53);
    case Property::SpokeButtons: {
      int32_t mask = e.Spokes;
      for (int i = spokeSteps(e); i > 0; --i) mask = spokesTurnedClockwise45(mask);
      return number(mask & 0xFF);
    }
    default:
      return {};
  }
}

PropertyValue textPropertyOf(const TObjekt& e, Property p) {
  switch (p) {
    case Property::Text:
      return PropertyValue{0, e.Text};
    case Property::TextHeight:
      return number(e.SizeA / 100.0);
    case Property::TextThickness:
      return number(static_cast<int>(e.SizeB));
    case Property::TextWidth:
      return number(e.Width);
    case Property::MirrorH:
      return number(e.MirrorH());
    case Property::MirrorV:
      return number(e.MirrorV());
    case Property::Angle:
      return number(e.Value53);
    default:
      return {};
  }
}

}  // namespace

PropertyValue propertyOf(const TObjekt& e, Property p, const BoardSettings& s) {
  const Point c = centreOf(e);
  switch (p) {
    case Property::CentreX:
      return number(shownX(c.x, s));
    case Property::CentreY:
      return number(shownY(c.y, s));
    case Property::KeepOut:
      return number(e.KeepOut);
    case Property::Width:
      if (e.is(ElementKind::Circle)) return number((e.SizeA - e.SizeB) / 100.0);
      return number(e.Width / 100.0);
    case Property::Diameter:
      return number((e.SizeA + e.SizeB) / 100.0);
    case Property::StartAngle:
      return number(e.Spokes);
    case Property::StopAngle:
      return number(e.Width);
    case Property::Filled:
      return number(e.Filled);
    case Property::Hatched:
      return number(e.Hatched());
    case Property::HatchAsOutline:
      return number(e.HatchAsOutline());
    case Property::HatchPitch:
      return number(e.Value53 / 100.0);
    default:
      break;
  }
  if (e.is(ElementKind::Text)) return textPropertyOf(e, p);
  return padPropertyOf(e, p);
}

PropertyValue boardPropertyOf(const Document& doc, Property p) {
  switch (p) {
    case Property::BoardWidth:
      return number(doc.working().width / 100.0);
    case Property::BoardHeight:
      return number(doc.working().height / 100.0);
    case Property::BoardName:
      return PropertyValue{0, doc.currentBoard().name};
    case Property::Multilayer:
      return number(doc.working().multilayer);
    default:
      return {};
  }
}

Change applyProperty(Document& doc, const UndoHistory& undo, PropertyEdit& edit, ElementId id,
                     Property p, const PropertyValue& v, const PropertyOptions& options) {
  ElementList& list = doc.elements();
  const auto index = list.indexOf(id);
  if (!index) return {};
  TObjekt changed = list[*index];
  setProperty(changed, p, v, doc.working(), options);
  if (sameElement(changed, list[*index])) return {};
  if (!edit.recorded) undo.recordStep(doc);
  edit.recorded = true;
  Change c;
  c.elements = true;
  const LayerState layers = layerState(doc.working());
  c.addArea(boundingBox(list[*index], &layers));
  c.addArea(boundingBox(changed, &layers));
  list.edit(*index) = std::move(changed);
  doc.setModified();
  return c;
}

Change applyBoardProperty(Document& doc, Property p, const PropertyValue& v) {
  Change c;
  c.settings = true;
  c.all = true;
  const BoardSettings& s = doc.working();
  switch (p) {
    case Property::BoardWidth:
    case Property::BoardHeight: {
      const int32_t w = p == Property::BoardWidth ? units(v.number) : s.width;
      const int32_t h = p == Property::BoardHeight ? units(v.number) : s.height;
      if (w == s.width && h == s.height) return {};
      c.message = doc.setBoardSize(w, h);
      return c;
    }
    case Property::BoardName:
      if (v.text == doc.currentBoard().name) return {};
      doc.renameCurrentBoard(v.text);
      return c;
    case Property::Multilayer:
      if ((v.number != 0) == (s.multilayer != 0)) return {};
      doc.setMultilayer(v.number != 0);
      return c;
    default:
      return {};
  }
}

bool groundPlaneBoxesEnabled(const TObjekt& e, const BoardSettings& s) {
  const LayerState layers = layerState(s);
  const int active = s.activeLayer;
  return isCopperLayer(e.Layer) && active >= 1 && active <= layer::kCount &&
         s.groundPlane[static_cast<size_t>(active)] != 0 && isShownOnLayer(e, active, layers);
}

double trackLength(const TObjekt& track, const std::vector<Point>& rubber) {
  double length = 0;
  const std::vector<Point>& p = track.Points;
  for (size_t i = 1; i < p.size(); ++i) length += static_cast<double>(distance(p[i - 1], p[i]));
  if (!rubber.empty() && !p.empty()) {
    Point from = p.back();
    for (const Point& to : rubber) {
      length += static_cast<double>(distance(from, to));
      from = to;
    }
  }
  return length;
}

double currentCapacity(double widthMm, double thicknessMm, double riseKelvin) {
  const double w = widthMm, t = thicknessMm;
  return 0.7 * 5.25 * std::sqrt(t * w * (w + t) * riseKelvin);
}

double spokeWidthMm(const TObjekt& pad) {
  const Real base =
      pad.is(ElementKind::SmdPad) ? std::min(pad.SizeA, pad.SizeB) / 3.0L : pad.SizeA / 1.5L;
  return roundInt(base / 100 * pad.Value53) / 100.0;
}

SelectionCounts countSelection(const ElementList& list) {
  SelectionCounts n;
  for (const TObjekt& e : list) {
    if (!e.Selected) continue;
    ++n.total;
    switch (e.Kind) {
      case ElementKind::Pad:
        ++n.pads;
        break;
      case ElementKind::SmdPad:
        ++n.smdPads;
        break;
      case ElementKind::Track:
        ++n.tracks;
        break;
      case ElementKind::Zone:
        ++n.zones;
        break;
      case ElementKind::Text:
        ++n.texts;
        break;
      case ElementKind::Circle:
        ++n.circles;
        break;
      default:
        break;
    }
  }
  return n;
}

std::optional<size_t> singleSelected(const ElementList& list) {
  std::optional<size_t> found;
  for (size_t i = 0; i < list.size(); ++i) {
    if (!list[i].Selected) continue;
    if (found) return std::nullopt;
    found = i;
  }
  return found;
}

}  // namespace trazello
