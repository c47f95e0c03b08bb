#include "TileCommands.h"

#include <algorithm>
#include <vector>

#include "PasteCopies.h"
#include "SelectionCommands.h"
#include "model/ElementGeometry.h"
#include "model/Groups.h"

namespace trazello {

namespace {

// The offsets of the copies in units, in the order they are pasted.
std::vector<Point> tileOffsets(const TileValues& v) {
  const float dx = float(std::clamp(v.dxMm, -299.99, 299.99) * 100);
  const float dy = float(std::clamp(v.dyMm, -299.99, 299.99) * 100);
  std::vector<Point> offsets;
  if (v.row) {
    for (int i = 0; i < std::clamp(v.count, 1, 99); ++i)
      offsets.push_back({dx * float(i), -dy * float(i)});
    return offsets;
  }
  for (int r = 0; r < std::clamp(v.rows, 1, 99); ++r) {
    for (int c = 0; c < std::clamp(v.columns, 1, 99); ++c)
      offsets.push_back({dx * float(c), -dy * float(r)});
  }
  return offsets;
}

ElementList copyOfSelection(const ElementList& list) {
  std::vector<size_t> selected;
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].Selected) selected.push_back(i);
  }
  ElementList unit;
  copyElements(list, selected, unit);
  return unit;
}

}  // namespace

Change tileSelection(Document& doc, UndoHistory& undo, const TileValues& v) {
  const std::vector<Point> offsets = tileOffsets(v);
  if (offsets.size() < 2) return {};
  ElementList& list = doc.elements();
  const ElementList unit = copyOfSelection(list);
  if (unit.empty()) return {};

  undo.recordStep(doc);
  const UndoSuppressor quiet(undo);
  Change c = deleteSelection(doc, undo);
  const size_t first = list.size();
  for (const Point& offset : offsets) {
    for (size_t i = 0; i < list.size(); ++i) {
      if (list[i].Selected) list.edit(i).Selected = 0;
    }
    pasteCopies(list, unit, offset, c);
  }
  for (size_t i = first; i < list.size(); ++i) list.edit(i).Selected = 1;
  groupSelected(list);
  c.elements = c.selection = true;
  return c;
}

}  // namespace trazello
