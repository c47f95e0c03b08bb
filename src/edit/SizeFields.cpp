#include "SizeFields.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "model/Layer.h"
#include "model/PadGeometry.h"

namespace trazello {

namespace {

size_t index(SizeField f) {
  return static_cast<size_t>(f);
}

int32_t roundUnits(double v) {
  return static_cast<int32_t>(std::lround(v));
}

int32_t circleWidth(const TObjekt& e) {
  return roundUnits(e.SizeA - e.SizeB);
}

// Collects one size over the matching selected elements.
struct Agreement {
  std::set<double> values;
  std::optional<double> shared() const {
    return values.size() == 1 ? std::optional<double>(*values.begin()) : std::nullopt;
  }
};

// Gives one element the size of `field`; false when it already has it. `bothPad`: the pad
// fields changed together (one raised or lowered the other).
bool resizeElement(SizeField field, const ToolSizes& c, bool bothPad, TObjekt& e) {
  switch (field) {
    case SizeField::TrackWidth: {
      if (e.is(ElementKind::Circle)) {
        if (circleWidth(e) == c.trackWidth) return false;
        const float mid = e.SizeA - (e.SizeA - e.SizeB) / 2;
        e.SizeA = mid + static_cast<float>(c.trackWidth) / 2;
        e.SizeB = mid - static_cast<float>(c.trackWidth) / 2;
        return true;
      }
      if (e.Width == c.trackWidth) return false;
      e.Width = c.trackWidth;
      return true;
    }
    case SizeField::PadOuter:
    case SizeField::PadDrill: {
      const float outer = static_cast<float>(c.padOuterRadius);
      const float drill = std::min(static_cast<float>(c.padDrillRadius), outer);
      const float newA = field == SizeField::PadOuter || bothPad ? outer : e.SizeA;
      const float newB = std::min(field == SizeField::PadDrill || bothPad ? drill : e.SizeB, newA);
      if (newA == e.SizeA && newB == e.SizeB) return false;
      e.SizeA = newA;
      e.SizeB = newB;
      rebuildPadOutline(e);
      return true;
    }
    case SizeField::SmdWidth:
    case SizeField::SmdHeight: {
      const int32_t w = roundUnits(smdSizeX(e)), h = roundUnits(smdSizeY(e));
      const int32_t nw = field == SizeField::SmdWidth ? c.smdWidth : w;
      const int32_t nh = field == SizeField::SmdHeight ? c.smdHeight : h;
      if (nw == w && nh == h) return false;
      resizeSmd(e, static_cast<float>(nh), static_cast<float>(nw));
      return true;
    }
    case SizeField::Clearance:
      if (e.Clearance == c.clearance) return false;
      e.Clearance = c.clearance;
      return true;
  }
  return false;
}

struct SelectionSummary {
  std::array<Agreement, kSizeFieldCount> sizes;
  std::set<uint8_t> shapes;
  std::optional<bool> lastPlating;
};

SelectionSummary summarise(const ElementList& list) {
  SelectionSummary summary;
  auto& sizes = summary.sizes;
  auto& shapes = summary.shapes;
  auto& lastPlating = summary.lastPlating;
  std::optional<std::pair<int32_t, int32_t>> firstSmd;
  bool smdAgree = true;
  for (const TObjekt& e : list) {
    if (e.Selected == 0) continue;
    sizes[index(SizeField::Clearance)].values.insert(e.Clearance);
    if (e.is(ElementKind::Track) || e.is(ElementKind::Zone)) {
      sizes[index(SizeField::TrackWidth)].values.insert(e.Width);
    } else if (e.is(ElementKind::Circle)) {
      sizes[index(SizeField::TrackWidth)].values.insert(circleWidth(e));
    } else if (e.is(ElementKind::Pad)) {
      sizes[index(SizeField::PadOuter)].values.insert(std::round(e.SizeA));
      sizes[index(SizeField::PadDrill)].values.insert(std::round(e.SizeB));
      shapes.insert(e.PadShape);
      lastPlating = e.Plated != 0;
    } else if (e.is(ElementKind::SmdPad)) {
      const std::pair<int32_t, int32_t> edges{roundUnits(smdSizeX(e)), roundUnits(smdSizeY(e))};
      if (!firstSmd) firstSmd = edges;
      smdAgree = smdAgree && edges == *firstSmd;
    }
  }
  if (firstSmd && smdAgree) {
    sizes[index(SizeField::SmdWidth)].values.insert(firstSmd->first);
    sizes[index(SizeField::SmdHeight)].values.insert(firstSmd->second);
  } else if (firstSmd) {
    sizes[index(SizeField::SmdWidth)].values = {0.0, 1.0};  // disagreement
    sizes[index(SizeField::SmdHeight)].values = {0.0, 1.0};
  }

  return summary;
}

}  // namespace

double SizeFields::fieldValue(SizeField field) const {
  switch (field) {
    case SizeField::TrackWidth:
      return current_.trackWidth / 100.0;
    case SizeField::PadOuter:
      return current_.padOuterRadius / 50.0;
    case SizeField::PadDrill:
      return current_.padDrillRadius / 50.0;
    case SizeField::SmdWidth:
      return current_.smdWidth / 100.0;
    case SizeField::SmdHeight:
      return current_.smdHeight / 100.0;
    case SizeField::Clearance:
      return current_.clearance / 100.0;
  }
  return 0;
}

double SizeFields::internalValue(SizeField field, double millimetres) {
  if (field == SizeField::PadOuter || field == SizeField::PadDrill) return millimetres * 50;
  return std::round(millimetres * 100);
}

void SizeFields::useRemembered() {
  current_.trackWidth = remembered_.trackWidth;
  current_.padOuterRadius = remembered_.padOuterRadius;
  current_.padDrillRadius = remembered_.padDrillRadius;
  current_.smdWidth = remembered_.smdWidth;
  current_.smdHeight = remembered_.smdHeight;
}

bool SizeFields::fieldApplies(SizeField field, const TObjekt& e) {
  switch (field) {
    case SizeField::TrackWidth:
      return e.is(ElementKind::Track) || e.is(ElementKind::Zone) || e.is(ElementKind::Circle);
    case SizeField::PadOuter:
    case SizeField::PadDrill:
      return e.is(ElementKind::Pad);
    case SizeField::SmdWidth:
    case SizeField::SmdHeight:
      return e.is(ElementKind::SmdPad);
    case SizeField::Clearance:
      return true;
  }
  return false;
}

SizeFields::Shown SizeFields::showSelectionSizes(const ElementList& list, bool remember) {
  const SelectionSummary summary = summarise(list);
  const auto& sizes = summary.sizes;
  const auto& shapes = summary.shapes;
  const auto& lastPlating = summary.lastPlating;
  auto take = [&](SizeField f, auto ToolSizes::*member) {
    const auto shared = sizes[index(f)].shared();
    if (!shared) return;
    current_.*member = static_cast<std::remove_reference_t<decltype(current_.*member)>>(*shared);
    if (remember && f != SizeField::Clearance) remembered_.*member = current_.*member;
  };
  take(SizeField::TrackWidth, &ToolSizes::trackWidth);
  take(SizeField::PadOuter, &ToolSizes::padOuterRadius);
  take(SizeField::PadDrill, &ToolSizes::padDrillRadius);
  take(SizeField::SmdWidth, &ToolSizes::smdWidth);
  take(SizeField::SmdHeight, &ToolSizes::smdHeight);
  take(SizeField::Clearance, &ToolSizes::clearance);

  Shown shown;
  for (size_t i = 0; i < kSizeFieldCount; ++i) {
    // No matching element shows the current size again; disagreement leaves the field alone.
    if (sizes[i].values.size() <= 1) shown.fields[i] = fieldValue(static_cast<SizeField>(i));
  }
  if (shapes.size() == 1 &&
      (*shapes.begin() != current_.padShape || *lastPlating != current_.plated)) {
    current_.padShape = *shapes.begin();
    current_.plated = *lastPlating;
    shown.shapeChanged = true;
  }
  return shown;
}

void SizeFields::applyToSelection(Document& doc, const UndoHistory& undo, const LayerState& layers,
                                  bool anyLayer, const std::function<bool(TObjekt&)>& change) {
  ElementList& list = doc.elements();
  bool recorded = false;
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].Selected == 0) continue;
    if (!anyLayer && (list[i].Layer >= layers.visible.size() || !layers.visible[list[i].Layer]))
      continue;
    TObjekt changed = list[i];
    if (!change(changed)) continue;
    // Recorded before the first element changes, and once per edit of a field.
    if (!recorded && !(inEdit_ && editRecorded_)) {
      undo.recordStep(doc);
      recorded = true;
      editRecorded_ = inEdit_;
    }
    list.edit(i) = std::move(changed);
    doc.setModified(true);
  }
}

std::optional<double> SizeFields::applyField(Document& doc, const UndoHistory& undo,
                                             SizeField field, double millimetres, bool hasFocus,
                                             const LayerState& layers) {
  const double v = internalValue(field, millimetres);
  std::optional<double> other;
  switch (field) {
    case SizeField::TrackWidth:
      current_.trackWidth = roundUnits(v);
      break;
    case SizeField::PadOuter:
      current_.padOuterRadius = v;
      if (current_.padDrillRadius > v) {
        current_.padDrillRadius = v;
        other = millimetres;
      }
      break;
    case SizeField::PadDrill:
      current_.padDrillRadius = v;
      if (current_.padOuterRadius < v) {
        current_.padOuterRadius = v;
        other = millimetres;
      }
      break;
    case SizeField::SmdWidth:
      current_.smdWidth = roundUnits(v);
      break;
    case SizeField::SmdHeight:
      current_.smdHeight = roundUnits(v);
      break;
    case SizeField::Clearance:
      current_.clearance = roundUnits(v);
      break;
  }
  if (hasFocus) {
    remembered_.trackWidth = current_.trackWidth;
    remembered_.padOuterRadius = current_.padOuterRadius;
    remembered_.padDrillRadius = current_.padDrillRadius;
    remembered_.smdWidth = current_.smdWidth;
    remembered_.smdHeight = current_.smdHeight;
  }
  const ToolSizes c = current_;
  applyToSelection(doc, undo, layers, field == SizeField::Clearance, [&](TObjekt& e) {
    return fieldApplies(field, e) && resizeElement(field, c, other.has_value(), e);
  });
  return other;
}

void SizeFields::applyShape(Document& doc, const UndoHistory& undo, uint8_t shape,
                            const LayerState& layers) {
  current_.padShape = shape;
  applyToSelection(doc, undo, layers, false, [&](TObjekt& e) {
    if (!e.is(ElementKind::Pad) || e.PadShape == shape) return false;
    rebuildPadOutline(e, shape);
    return true;
  });
}

void SizeFields::applyPlating(Document& doc, const UndoHistory& undo, bool plated,
                              const LayerState& layers) {
  current_.plated = plated;
  applyToSelection(doc, undo, layers, false, [&](TObjekt& e) {
    if (!e.is(ElementKind::Pad)) return false;
    // Only copper pads can be through-plated; clearing applies to every pad.
    const uint8_t want = plated ? (isCopperLayer(e.Layer) ? 1 : e.Plated) : 0;
    if (e.Plated == want) return false;
    e.Plated = want;
    return true;
  });
}

std::array<bool, kSizeFieldCount> SizeFields::highlighted(const ElementList& list,
                                                          bool groundPlaneOn) {
  std::array<bool, kSizeFieldCount> on{};
  for (const TObjekt& e : list) {
    if (e.Selected == 0) continue;
    for (size_t f = 0; f + 1 < kSizeFieldCount; ++f) {
      if (fieldApplies(static_cast<SizeField>(f), e)) on[f] = true;
    }
    if (groundPlaneOn && e.KeepOut == 0) on[index(SizeField::Clearance)] = true;
  }
  return on;
}

}  // namespace trazello
