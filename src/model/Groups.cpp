#include "Groups.h"

#include <algorithm>
#include <optional>

namespace trazello {

int32_t nextGroupId(const ElementList& list) {
  int32_t largest = 0;
  for (const TObjekt& e : list) {
    if (!e.Groups.empty()) largest = std::max(largest, e.Groups.back());
  }
  return largest + 1;
}

bool groupSelected(ElementList& list) {
  size_t selected = 0;
  bool sameLast = true;
  std::optional<int32_t> last;
  for (const TObjekt& e : list) {
    if (!e.Selected) continue;
    ++selected;
    if (e.Groups.empty()) {
      sameLast = false;
    } else if (!last) {
      last = e.Groups.back();
    } else if (*last != e.Groups.back()) {
      sameLast = false;
    }
  }
  if (selected < 2 || sameLast) return false;
  const int32_t id = nextGroupId(list);
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].Selected) pushGroup(list.edit(i), id);
  }
  return true;
}

bool ungroupSelected(ElementList& list) {
  bool changed = false;
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].Selected && !list[i].Groups.empty()) {
      popGroup(list.edit(i));
      changed = true;
    }
  }
  return changed;
}

}  // namespace trazello
