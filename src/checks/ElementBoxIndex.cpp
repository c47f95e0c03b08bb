#include "ElementBoxIndex.h"

#include <algorithm>
#include <deque>
#include <mutex>

#include "model/CopperGeometry.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"

namespace trazello {

namespace {

IRect closedUnion(const IRect& a, const IRect& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

// The box of every line the pad's rubberbands draw, rounded as the lines are.
std::optional<IRect> reachOf(const ElementList& list, const TObjekt& pad) {
  if (!pad.isPadLike() || pad.Links.empty()) return std::nullopt;
  const Point from = padLikeCentre(pad);
  const IPoint a{roundInt(from.x), roundInt(from.y)};
  std::optional<IRect> reach;
  for (ElementId id : pad.Links) {
    const std::optional<size_t> at = list.indexOf(id);
    if (!at) continue;
    const Point to = padLikeCentre(list[*at]);
    const IRect span = normalized({a.x, a.y, roundInt(to.x), roundInt(to.y)});
    reach = reach ? closedUnion(*reach, span) : span;
  }
  return reach;
}

int32_t thermalWidening(const TObjekt& e) {
  if (e.Kind == ElementKind::Pad) return roundInt(Real(e.SizeA) / 1.5L);
  if (e.Kind == ElementKind::SmdPad) return roundInt(Real(std::min(e.SizeA, e.SizeB)) / 3);
  return 0;
}

}  // namespace

ElementBoxIndex::ElementBoxIndex(const ElementList& list) {
  const auto count = static_cast<uint32_t>(list.size());
  boxes_.reserve(count);
  std::vector<BoxGrid::Entry> own, reach;
  own.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    const TObjekt& e = list[i];
    boxes_.push_back(boundingBox(e));
    own.push_back({i, normalized(boxes_.back())});
    if (e.isPadLike()) thermalReach_ = std::max(thermalReach_, thermalWidening(e));
    if (const std::optional<IRect> r = reachOf(list, e)) reach.push_back({i, *r});
  }
  elements_ = BoxGrid(std::move(own), count);
  connections_ = BoxGrid(std::move(reach), count);
}

void ElementBoxIndex::query(const IRect& area, std::vector<uint32_t>& out) const {
  std::vector<uint64_t> bits;
  elements_.mark(area, bits);
  listMarked(bits, out);
}

void ElementBoxIndex::queryConnections(const IRect& area, std::vector<uint32_t>& out) const {
  std::vector<uint64_t> bits;
  connections_.mark(area, bits);
  listMarked(bits, out);
}

namespace {

struct Entry {
  uint64_t revision = 0;
  std::shared_ptr<const ElementBoxIndex> index;
};

// The boards of an open document and a picture or two being drawn.
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

std::shared_ptr<const ElementBoxIndex> boxIndexOf(const ElementList& list) {
  Cache& c = cache();
  {
    std::lock_guard lock(c.mutex);
    auto found = std::find_if(c.entries.begin(), c.entries.end(),
                              [&](const Entry& e) { return e.revision == list.revision(); });
    if (found != c.entries.end()) {
      Entry entry = std::move(*found);
      c.entries.erase(found);
      c.entries.push_front(std::move(entry));
      return c.entries.front().index;
    }
  }
  auto index = std::make_shared<const ElementBoxIndex>(list);
  std::lock_guard lock(c.mutex);
  c.entries.push_front({list.revision(), index});
  if (c.entries.size() > kKept) c.entries.pop_back();
  return index;
}

}  // namespace trazello
