#include "ToolContext.h"

#include <cmath>
#include <unordered_set>

#include "model/ElementGeometry.h"
#include "model/Geometry.h"

namespace trazello {

ToolContext::ToolContext(ToolHost& host, InteractionState& state, BoardIndex& index)
    : host_(host), state_(state), index_(index), layers_(host.layers()), options_(host.options()) {}

BoardIndex& ToolContext::index() {
  index_.sync(list());
  return index_;
}

HitTest ToolContext::hitTest() {
  return HitTest(list(), index(), layers_, zoom(), options_.showVirtualNodes);
}

PointerSnap ToolContext::snap() {
  return PointerSnap(list(), index(), layers_);
}

Point ToolContext::gridPoint(const ToolEvent& e) {
  if (e.mods.ctrl) return e.world;
  return snapToGrid(e.world, host_.grid(), host_.originMilli());
}

Point ToolContext::gridOffset(Point offset, bool exact) {
  const double g = host_.grid();
  if (exact || g <= 0) return offset;
  return {static_cast<float>(std::nearbyint(offset.x / g) * g),
          static_cast<float>(std::nearbyint(offset.y / g) * g)};
}

void ToolContext::recordStep() {
  host_.undoHistory().recordStep(doc());
}

size_t ToolContext::append(TObjekt e) {
  index();
  ElementList& l = list();
  const uint64_t before = l.revision();
  l.append(std::move(e));
  index_.appended(l, l.size() - 1, before);
  return l.size() - 1;
}

void ToolContext::setSelected(size_t index, bool on, bool single, Change& change) {
  if (on) {
    selectAll({index}, single, change);
    return;
  }
  this->index();
  ElementList& l = list();
  const uint64_t before = l.revision();
  std::vector<size_t> touched;
  auto clear = [&](size_t i) {
    if (!l[i].Selected) return;
    l.edit(i).Selected = 0;
    touched.push_back(i);
    change.addArea(boundingBox(l[i]));
  };
  clear(index);
  const std::vector<int32_t>& groups = l[index].Groups;
  if (!single && !groups.empty()) {
    const int32_t outer = groups.back();
    for (size_t i = 0; i < l.size(); ++i)
      if (!l[i].Groups.empty() && l[i].Groups.back() == outer) clear(i);
  }
  if (touched.empty()) return;
  change.selection = true;
  index_.update(l, touched, before);
}

void ToolContext::selectAll(const std::vector<size_t>& indices, bool single, Change& change) {
  index();
  ElementList& l = list();
  const uint64_t before = l.revision();
  std::vector<size_t> touched;
  std::unordered_set<int32_t> groups;
  auto select = [&](size_t i) {
    if (l[i].Selected) return;
    l.edit(i).Selected = 1;
    touched.push_back(i);
    change.addArea(boundingBox(l[i]));
  };
  for (size_t i : indices) {
    select(i);
    if (!single && !l[i].Groups.empty()) groups.insert(l[i].Groups.back());
  }
  if (!groups.empty()) {
    for (size_t i = 0; i < l.size(); ++i)
      if (!l[i].Groups.empty() && groups.contains(l[i].Groups.back())) select(i);
  }
  if (touched.empty()) return;
  change.selection = true;
  index_.update(l, touched, before);
}

bool ToolContext::deselectAll(Change& change) {
  index();
  ElementList& l = list();
  const uint64_t before = l.revision();
  std::vector<size_t> touched;
  for (size_t i = 0; i < l.size(); ++i) {
    if (!l[i].Selected) continue;
    l.edit(i).Selected = 0;
    touched.push_back(i);
    change.addArea(boundingBox(l[i]));
  }
  if (touched.empty()) return false;
  change.selection = true;
  index_.update(l, touched, before);
  return true;
}

}  // namespace trazello
