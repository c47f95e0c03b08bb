#include "MacroCommands.h"

#include <algorithm>
#include <numeric>

#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/Groups.h"

namespace trazello {

Point macroPlacementPoint(const Document& doc, Point pointer) {
  const BoardSettings& s = doc.working();
  const Point p = snapToGrid(pointer, s.grid, {s.originX, s.originY});
  return {std::clamp(p.x, 0.0f, float(s.width)), std::clamp(p.y, -float(s.height), 0.0f)};
}

Change placeMacro(Document& doc, const UndoHistory& undo, Point at) {
  Change c;
  ElementList& buffer = doc.macroBuffer();
  if (buffer.empty()) return c;
  undo.recordStep(doc);
  ElementList& list = doc.elements();
  for (size_t i = 0; i < list.size(); ++i) {
    if (!list[i].Selected) continue;
    list.edit(i).Selected = 0;
    c.addArea(boundingBox(list[i]));
  }
  const int32_t g = nextGroupId(list);
  const size_t first = list.size();
  std::vector<size_t> all(buffer.size());
  std::iota(all.begin(), all.end(), size_t{0});
  copyElements(buffer, all, list);
  for (size_t i = first; i < list.size(); ++i) {
    TObjekt& e = list.edit(i);
    moveElement(e, at.x, at.y);
    e.Selected = 1;
    for (int32_t& id : e.Groups) id += g;
    c.addArea(boundingBox(e));
  }
  groupSelected(list);
  c.elements = c.selection = true;
  return c;
}

}  // namespace trazello
