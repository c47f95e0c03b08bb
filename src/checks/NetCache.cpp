#include "NetCache.h"

#include <algorithm>
#include <array>
#include <deque>
#include <mutex>

#include "model/ElementRecordBytes.h"

namespace trazello {

namespace {

// What a trace depends on besides the elements: the board size (the plane's extent), the
// plane switches, and the active layer and visibility (whether thermal spokes count).
struct SettingsKey {
  int32_t width = 0;
  int32_t height = 0;
  std::array<uint8_t, 8> groundPlane{};
  int32_t activeLayer = 0;
  std::array<uint8_t, 8> visible{};
  friend bool operator==(const SettingsKey&, const SettingsKey&) = default;
};

SettingsKey keyOf(const BoardSettings& b) {
  return {b.width, b.height, b.groundPlane, b.activeLayer, b.visible};
}

StoredRecord storedUnselected(const TObjekt& e) {
  if (!e.Selected) return storedBytes(e);
  TObjekt plain;
  loadStoredBytes(plain, storedBytes(e).data());
  plain.Selected = 0;
  return storedBytes(plain);
}

// Whether two elements have the same copper; selecting an element (which the connection test
// itself does with every click) changes the list's revision but not its nets.
bool sameCopper(const TObjekt& a, const TObjekt& b) {
  if (&a == &b) return true;
  if (a.Points != b.Points || a.Strokes.size() != b.Strokes.size()) return false;
  if (storedUnselected(a) != storedUnselected(b)) return false;
  for (size_t i = 0; i < a.Strokes.size(); ++i) {
    if (!sameCopper(a.Strokes[i], b.Strokes[i])) return false;
  }
  return true;
}

// Elements that were only selected or deselected since the snapshot are copies of the
// snapshot's; all others are still the very same objects.
bool sameCopper(const ElementList& a, const ElementList& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (!sameCopper(a[i], b[i])) return false;
  }
  return true;
}

struct Entry {
  SettingsKey settings;
  uint64_t revision = 0;  // of the list that was traced (a copy has a revision of its own)
  ElementList snapshot;   // shares the elements with that list
  std::shared_ptr<const NetTrace> trace;
};

// Enough for the boards of one open file and a document or two more.
constexpr size_t kKept = 4;

struct Cache {
  std::mutex mutex;
  std::deque<Entry> entries;  // the most recently used first
};

Cache& cache() {
  static Cache c;
  return c;
}

}  // namespace

std::shared_ptr<const NetTrace> netsOf(const ElementList& list, const BoardSettings& board) {
  const SettingsKey settings = keyOf(board);
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  auto found = std::find_if(c.entries.begin(), c.entries.end(), [&](const Entry& e) {
    return e.settings == settings && e.revision == list.revision();
  });
  if (found == c.entries.end()) {
    found = std::find_if(c.entries.begin(), c.entries.end(), [&](const Entry& e) {
      return e.settings == settings && sameCopper(e.snapshot, list);
    });
  }
  if (found != c.entries.end()) {
    Entry entry = std::move(*found);
    c.entries.erase(found);
    // Sharing the current elements keeps the next comparison to a glance at each.
    if (entry.revision != list.revision()) {
      entry.revision = list.revision();
      entry.snapshot = list;
    }
    c.entries.push_front(std::move(entry));
    return c.entries.front().trace;
  }
  auto trace = std::make_shared<const NetTrace>(list, board);
  c.entries.push_front({settings, list.revision(), list, trace});
  if (c.entries.size() > kKept) c.entries.pop_back();
  return trace;
}

}  // namespace trazello
