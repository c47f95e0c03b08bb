#include "UndoHistory.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace trazello {

ElementList UndoHistory::snapshot(const ElementList& list) {
  ElementList copy(list);
  for (size_t i = 0; i < copy.size(); ++i) {
    if (copy[i].Selected != 0) copy.edit(i).Selected = 0;
  }
  return copy;
}

bool UndoHistory::recordStep(Document& doc) const {
  if (suppressed_) return false;
  Board& board = doc.currentBoard();
  auto& undoList = board.undoList;
  // Keep at most depth - 1 old steps so that the list holds depth steps after this one.
  const size_t keep = static_cast<size_t>(depth_ - 1);
  if (undoList.size() > keep) {
    undoList.erase(undoList.begin(), undoList.end() - static_cast<std::ptrdiff_t>(keep));
  }
  undoList.push_back(snapshot(board.elements));
  board.redoList.clear();
  doc.setModified(true);
  return true;
}

namespace {

bool hasFractionalVertex(const TObjekt& e) {
  return std::any_of(e.Points.begin(), e.Points.end(), [](const Point& p) {
    return p.x != std::nearbyint(p.x) || p.y != std::nearbyint(p.y);
  });
}

// Zones come back on whole units, as every copy of a zone does. Done when a step is taken
// back rather than when it is recorded, so that recording stays a copy of pointers.
void roundZoneVertices(ElementList& list) {
  for (size_t i = 0; i < list.size(); ++i) {
    if (!list[i].is(ElementKind::Zone) || !hasFractionalVertex(list[i])) continue;
    for (Point& p : list.edit(i).Points) p = {std::nearbyint(p.x), std::nearbyint(p.y)};
  }
}

// Moves the newest snapshot of `from` into the board, keeping the current list in `to`.
bool exchange(Board& board, std::vector<ElementList>& from, std::vector<ElementList>& to,
              bool polylineInProgress) {
  if (from.empty() || polylineInProgress) return false;
  to.push_back(UndoHistory::snapshot(board.elements));
  board.elements = std::move(from.back());
  from.pop_back();
  roundZoneVertices(board.elements);
  return true;
}

}  // namespace

bool UndoHistory::undo(Board& board, bool polylineInProgress) {
  return exchange(board, board.undoList, board.redoList, polylineInProgress);
}

bool UndoHistory::redo(Board& board, bool polylineInProgress) {
  return exchange(board, board.redoList, board.undoList, polylineInProgress);
}

}  // namespace trazello
