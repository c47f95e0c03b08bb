#include "Groups.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

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

namespace {

// A run of unused ids closed by the scan: where it began, in the numbering of that moment.
struct UnusedRun {
  int64_t start;
  int64_t length;
};

// The runs the compaction closes. The scan walks the numbering as it is being shifted: every id
// at or above the scan position has moved down by all runs closed so far, so position j holds
// the original id j + shift; ids that slid under the position are not looked at again. Only
// the used ids are visited, so a huge id from a file costs nothing.
std::vector<UnusedRun> closedRuns(const std::vector<int32_t>& used, int64_t last) {
  std::vector<UnusedRun> runs;
  int64_t j = 1, shift = 0, runStart = 0, runLength = 0;
  size_t k = 0;
  while (j <= last) {
    while (k < used.size() && used[k] < j + shift) ++k;
    if (k == used.size()) break;  // a run still open at the end changes nothing
    const int64_t gap = used[k] - (j + shift);
    if (gap > 0) {
      if (j + gap > last) break;
      if (runLength == 0) runStart = j;
      runLength += gap;
      j += gap;
    }
    if (runLength > 0) {
      runs.push_back({runStart, runLength});
      shift += runLength;
      runLength = 0;
    }
    ++j;
  }
  return runs;
}

}  // namespace

void compactGroupIds(ElementList& list) {
  int32_t top = 0;
  std::vector<int32_t> used;
  for (const TObjekt& e : list) {
    if (!e.Groups.empty()) top = std::max(top, e.Groups.back());
    used.insert(used.end(), e.Groups.begin(), e.Groups.end());
  }
  std::sort(used.begin(), used.end());
  used.erase(std::unique(used.begin(), used.end()), used.end());
  const std::vector<UnusedRun> runs = closedRuns(used, int64_t(top) + 1);
  if (runs.empty()) return;

  // An id moves down by every run whose start lay below it when the run closed; runs and ids
  // both ascend, so one walk maps them all.
  std::unordered_map<int32_t, int32_t> renumbered;
  size_t r = 0;
  int64_t moved = 0;
  for (int32_t id : used) {
    while (r < runs.size() && runs[r].start < id - moved) moved += runs[r++].length;
    if (moved != 0) renumbered[id] = int32_t(id - moved);
  }
  for (size_t i = 0; i < list.size(); ++i) {
    const auto& g = list[i].Groups;
    if (std::none_of(g.begin(), g.end(), [&](int32_t id) { return renumbered.count(id) != 0; }))
      continue;
    for (int32_t& id : list.edit(i).Groups) {
      if (auto it = renumbered.find(id); it != renumbered.end()) id = it->second;
    }
  }
}

}  // namespace trazello
