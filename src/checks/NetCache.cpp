#include "NetCache.h"

#include <array>
#include <deque>
#include <mutex>

namespace trazello {

namespace {

// What a trace depends on besides the elements: the board size (the plane's extent), the
// plane switches, and the active layer and visibility (whether thermal spokes count).
struct TraceKey {
  uint64_t revision = 0;
  int32_t width = 0;
  int32_t height = 0;
  std::array<uint8_t, 8> groundPlane{};
  int32_t activeLayer = 0;
  std::array<uint8_t, 8> visible{};
  friend bool operator==(const TraceKey&, const TraceKey&) = default;
};

TraceKey keyOf(const ElementList& list, const BoardSettings& b) {
  return {list.revision(), b.width, b.height, b.groundPlane, b.activeLayer, b.visible};
}

// Enough for the boards of one open file and a document or two more.
constexpr size_t kKept = 4;

struct Cache {
  std::mutex mutex;
  std::deque<std::pair<TraceKey, std::shared_ptr<const NetTrace>>> entries;  // newest first
};

Cache& cache() {
  static Cache c;
  return c;
}

}  // namespace

std::shared_ptr<const NetTrace> netsOf(const ElementList& list, const BoardSettings& board) {
  const TraceKey key = keyOf(list, board);
  Cache& c = cache();
  std::lock_guard lock(c.mutex);
  for (auto it = c.entries.begin(); it != c.entries.end(); ++it) {
    if (it->first == key) {
      auto entry = *it;
      c.entries.erase(it);
      c.entries.push_front(entry);
      return entry.second;
    }
  }
  auto trace = std::make_shared<const NetTrace>(list, board);
  c.entries.emplace_front(key, trace);
  if (c.entries.size() > kKept) c.entries.pop_back();
  return trace;
}

}  // namespace trazello
