#include "TransformCommands.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

#include "checks/CopperShapes.h"
#include "checks/Polygon.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/Groups.h"

namespace trazello {

namespace {

// Records the undo step once, just before the first element changes.
class StepRecorder {
 public:
  StepRecorder(Document& doc, const UndoHistory& undo) : doc_(doc), undo_(undo) {}
  TObjekt& edit(size_t i) {
    if (!recorded_) {
      undo_.recordStep(doc_);
      recorded_ = true;
    }
    return doc_.elements().edit(i);
  }
  bool recorded() const { return recorded_; }

 private:
  Document& doc_;
  const UndoHistory& undo_;
  bool recorded_ = false;
};

std::vector<size_t> selectedIndices(const ElementList& list) {
  std::vector<size_t> out;
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].Selected) out.push_back(i);
  }
  return out;
}

// The units of a selection: every ungrouped selected element alone, the selected members of
// one outermost group together, in list order of their first member.
std::vector<std::vector<size_t>> selectedUnits(const ElementList& list) {
  std::vector<std::vector<size_t>> units;
  std::map<int32_t, size_t> unitOfGroup;
  for (size_t i : selectedIndices(list)) {
    const TObjekt& e = list[i];
    if (e.Groups.empty()) {
      units.push_back({i});
      continue;
    }
    auto [it, fresh] = unitOfGroup.try_emplace(e.Groups.back(), units.size());
    if (fresh) units.emplace_back();
    units[it->second].push_back(i);
  }
  return units;
}

Change touched(const ElementList& list, const std::vector<size_t>& indices, Change change = {}) {
  for (size_t i : indices) change.addArea(boundingBox(list[i]));
  return change;
}

// The point of an element that the grid command puts on the grid.
Point gridReference(const TObjekt& e) {
  if ((e.is(ElementKind::Track) || e.is(ElementKind::Zone)) && !e.Points.empty())
    return e.Points.front();
  return Point{e.X, e.Y};
}

}  // namespace

IRect copperBox(const TObjekt& e) {
  const IRect region = unitsBoxAround(elementRegion(e));
  return region == IRect{} ? boundingBox(e) : region;
}

IRect selectionBox(const ElementList& list) {
  IRect box{};
  bool any = false;
  for (const TObjekt& e : list) {
    if (!e.Selected) continue;
    const IRect b = copperBox(e);
    box = any ? unite(box, b) : b;
    any = true;
  }
  return box;
}

Point selectionPivot(const IRect& box) {
  // x = left + width / 2, y = top - height / 2, in whole units (y grows upwards; box.bottom is
  // the largest y).
  return Point{float(box.left + (box.right - box.left) / 2),
               float(box.bottom - (box.bottom - box.top) / 2)};
}

// Turns or mirrors every selected element about the pivot of the selection, as one step.
template <class Transform>
Change transformSelection(Document& doc, const UndoHistory& undo, Transform transform) {
  ElementList& list = doc.elements();
  const std::vector<size_t> selected = selectedIndices(list);
  if (selected.empty()) return {};
  const Point pivot = selectionPivot(selectionBox(list));
  Change change = touched(list, selected);
  StepRecorder step(doc, undo);
  for (size_t i : selected) transform(step.edit(i), pivot);
  change.elements = true;
  return touched(list, selected, change);
}

Change rotateSelection(Document& doc, const UndoHistory& undo, double degrees) {
  return transformSelection(
      doc, undo, [degrees](TObjekt& e, Point pivot) { rotateElement(e, pivot, degrees); });
}

Change mirrorSelection(Document& doc, const UndoHistory& undo, bool horizontally) {
  return transformSelection(doc, undo, [horizontally](TObjekt& e, Point pivot) {
    if (horizontally) {
      mirrorHorizontally(e, pivot.x);
    } else {
      mirrorVertically(e, pivot.y);
    }
  });
}

Change buildGroup(Document& doc, const UndoHistory& undo) {
  ElementList copy = doc.elements();  // shares the elements: checks without touching the board
  if (!groupSelected(copy)) return {};
  undo.recordStep(doc);
  groupSelected(doc.elements());
  Change c;
  c.elements = true;
  c.selection = true;
  return c;
}

Change splitGroup(Document& doc, const UndoHistory& undo) {
  ElementList copy = doc.elements();
  if (!ungroupSelected(copy)) return {};
  undo.recordStep(doc);
  ungroupSelected(doc.elements());
  Change c;
  c.elements = true;
  c.selection = true;
  return c;
}

Change adjustSelectionToGrid(Document& doc, const UndoHistory& undo) {
  ElementList& list = doc.elements();
  const BoardSettings& s = doc.working();
  const IPoint origin{s.originX, s.originY};
  Change change;
  StepRecorder step(doc, undo);
  for (const std::vector<size_t>& unit : selectedUnits(list)) {
    change = touched(list, unit, change);
    Point from;
    if (unit.size() > 1 || !list[unit.front()].Groups.empty()) {
      // A group moves as a whole, by the offset of its first pad (or its first member).
      const auto pad =
          std::find_if(unit.begin(), unit.end(), [&](size_t i) { return list[i].isPadLike(); });
      from = gridReference(list[pad != unit.end() ? *pad : unit.front()]);
    } else {
      const TObjekt& e = list[unit.front()];
      if (e.is(ElementKind::Text) && e.Strokes.empty()) continue;
      from = gridReference(e);
    }
    const Point to = snapToGrid(from, s.grid, origin);
    const float dx = float(std::round(to.x - from.x));
    const float dy = float(std::round(to.y - from.y));
    if (dx == 0 && dy == 0) continue;
    for (size_t i : unit) moveElement(step.edit(i), dx, dy);
    change = touched(list, unit, change);
  }
  change.elements = step.recorded();
  return step.recorded() ? change : Change{};
}

Change alignSelection(Document& doc, const UndoHistory& undo, Alignment how) {
  ElementList& list = doc.elements();
  const IRect r = selectionBox(list);
  Change change;
  StepRecorder step(doc, undo);
  for (const std::vector<size_t>& unit : selectedUnits(list)) {
    IRect u{};
    for (size_t k = 0; k < unit.size(); ++k)
      u = k == 0 ? copperBox(list[unit[k]]) : unite(u, copperBox(list[unit[k]]));
    float dx = 0;
    float dy = 0;
    switch (how) {
      case Alignment::Top:
        dy = float(r.bottom - u.bottom);
        break;  // bottom holds the largest y
      case Alignment::Bottom:
        dy = float(r.top - u.top);
        break;
      case Alignment::Left:
        dx = float(r.left - u.left);
        break;
      case Alignment::Right:
        dx = float(r.right - u.right);
        break;
      case Alignment::CentreHorizontally:
        dx = float(std::nearbyint((r.left + r.right) / 2.0 - (u.left + u.right) / 2.0));
        break;
      case Alignment::CentreVertically:
        dy = float(std::nearbyint((r.top + r.bottom) / 2.0 - (u.top + u.bottom) / 2.0));
        break;
    }
    if (dx == 0 && dy == 0) continue;
    change = touched(list, unit, change);
    for (size_t i : unit) moveElement(step.edit(i), dx, dy);
    change = touched(list, unit, change);
  }
  change.elements = step.recorded();
  return step.recorded() ? change : Change{};
}

}  // namespace trazello
