#include "PasteCopies.h"

#include <numeric>
#include <vector>

#include "model/ElementGeometry.h"
#include "model/Groups.h"

namespace trazello {

namespace {

// Shifting every id by the same amount keeps the nesting order of each list (inner ids below
// outer ones), so the next free id stays above every id on the board; the compaction that
// follows closes the gap.
void renumberGroups(ElementList& list, size_t first, int32_t nextId) {
  for (size_t i = first; i < list.size(); ++i) {
    if (list[i].Groups.empty()) continue;
    for (int32_t& g : list.edit(i).Groups) g += nextId;
  }
}

}  // namespace

void pasteCopies(ElementList& board, const ElementList& source, Point offset, Change& change) {
  if (source.empty()) return;
  const int32_t nextId = nextGroupId(board);
  const size_t first = board.size();
  std::vector<size_t> all(source.size());
  std::iota(all.begin(), all.end(), size_t{0});
  copyElements(source, all, board);
  for (size_t i = first; i < board.size(); ++i) {
    TObjekt& t = board.edit(i);
    moveElement(t, offset.x, offset.y);
    t.Selected = 1;
    change.addArea(boundingBox(t));
  }
  renumberGroups(board, first, nextId);
  compactGroupIds(board);
  groupSelected(board);
  change.elements = change.selection = true;
}

}  // namespace trazello
