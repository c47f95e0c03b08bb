#include "MacroCommands.h"

#include <algorithm>

#include "PasteCopies.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"

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
  pasteCopies(list, buffer, at, c);
  return c;
}

}  // namespace trazello
