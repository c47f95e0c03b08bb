#include "ElementBoxIndex.h"

#include <algorithm>
#include <climits>
#include <deque>
#include <mutex>
#include <unordered_set>

#include "model/CopperGeometry.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"

namespace trazello {

namespace {

IRect closedUnion(const IRect& a, const IRect& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

bool meets(const IRect& a, const IRect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
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

// The widening kept for an element that is not pad-like.
constexpr int32_t kNoWidening = INT32_MIN;

int32_t wideningOf(const TObjekt& e) {
  return e.isPadLike() ? thermalWidening(e) : kNoWidening;
}

bool hasLinks(const TObjekt& e) {
  return e.isPadLike() && !e.Links.empty();
}

// Changed entries tested one by one cost every query; past this many the grids are built anew.
size_t mostSetAside(size_t count) {
  return std::max<size_t>(64, count / 32);
}

// The rubberband reaches an edit changed: the pads with rubberbands now (`linked`, ascending),
// the positions whose reach was looked at again (`again`: the changed ones and the pads linked to
// a changed element) and their reaches.
struct Reaches {
  std::vector<uint32_t> linked;
  std::vector<uint8_t> again;
  std::vector<BoxGrid::Entry> entries;
};

Reaches reachesAfter(const ElementList& list, const std::vector<uint32_t>& linkedBefore,
                     const std::vector<uint8_t>& changed,
                     const std::unordered_set<ElementId>& moved) {
  const auto count = static_cast<uint32_t>(list.size());
  Reaches r;
  for (uint32_t i : linkedBefore)
    if (i < count && !changed[i]) r.linked.push_back(i);
  for (uint32_t i = 0; i < count; ++i)
    if (changed[i] && hasLinks(list[i])) r.linked.push_back(i);
  std::sort(r.linked.begin(), r.linked.end());
  r.again = changed;
  if (!moved.empty()) {
    for (uint32_t i : r.linked) {
      const auto& links = list[i].Links;
      if (std::any_of(links.begin(), links.end(),
                      [&](ElementId id) { return moved.count(id) > 0; }))
        r.again[i] = 1;
    }
  }
  for (uint32_t i = 0; i < count; ++i) {
    if (!r.again[i]) continue;
    if (const std::optional<IRect> reach = reachOf(list, list[i])) r.entries.push_back({i, *reach});
  }
  return r;
}

}  // namespace

ElementBoxIndex::ElementBoxIndex(const ElementList& list) {
  const auto count = static_cast<uint32_t>(list.size());
  gridCount_ = count;
  boxes_.reserve(count);
  stamps_.reserve(count);
  ids_.reserve(count);
  widening_.reserve(count);
  std::vector<BoxGrid::Entry> own, reach;
  own.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    const TObjekt& e = list[i];
    boxes_.push_back(boundingBox(e));
    stamps_.push_back(list.stamp(i));
    ids_.push_back(e.Id);
    widening_.push_back(wideningOf(e));
    tally(widening_.back(), 1);
    own.push_back({i, normalized(boxes_.back())});
    if (const std::optional<IRect> r = reachOf(list, e)) reach.push_back({i, *r});
    if (hasLinks(e)) linkedPads_.push_back(i);
  }
  auto grids = std::make_shared<Grids>();
  grids->elements = BoxGrid(std::move(own), count);
  grids->connections = BoxGrid(std::move(reach), count);
  grids_ = std::move(grids);
}

void ElementBoxIndex::tally(int32_t widening, int delta) {
  if (widening == kNoWidening) return;
  auto it = widenings_.try_emplace(widening, 0).first;
  it->second = static_cast<uint32_t>(int64_t(it->second) + delta);
  if (it->second == 0) widenings_.erase(it);
}

void ElementBoxIndex::Overlay::replace(const std::vector<uint8_t>& changed, uint32_t gridCount,
                                       std::vector<BoxGrid::Entry> entries) {
  auto isChanged = [&](uint32_t id) { return id < changed.size() && changed[id]; };
  std::erase_if(fresh, [&](const BoxGrid::Entry& e) { return isChanged(e.id); });
  fresh.insert(fresh.end(), entries.begin(), entries.end());
  for (uint32_t id = 0; id < std::min<size_t>(changed.size(), gridCount); ++id)
    if (changed[id]) stale.push_back(id);
  std::sort(stale.begin(), stale.end());
  stale.erase(std::unique(stale.begin(), stale.end()), stale.end());
}

std::optional<ElementBoxIndex> ElementBoxIndex::updated(const ElementBoxIndex& older,
                                                        const ElementList& list) {
  const size_t count = list.size(), before = older.size();
  const size_t common = std::min(count, before);
  const size_t limit = mostSetAside(count);
  // A position changed: its element was replaced, edited, added or taken off.
  std::vector<uint8_t> changed(std::max(count, before), 0);
  size_t changes = 0;
  for (size_t i = 0; i < common; ++i) {
    if (older.stamps_[i] == list.stamp(i)) continue;
    changed[i] = 1;
    if (++changes > limit) return std::nullopt;
  }
  for (size_t i = common; i < changed.size(); ++i) changed[i] = 1;
  changes += changed.size() - common;
  if (changes + older.elementOverlay_.size() + older.connectionOverlay_.size() > limit)
    return std::nullopt;

  ElementBoxIndex index;
  index.grids_ = older.grids_;
  index.gridCount_ = older.gridCount_;
  index.boxes_.assign(older.boxes_.begin(), older.boxes_.begin() + std::ptrdiff_t(common));
  index.stamps_.assign(older.stamps_.begin(), older.stamps_.begin() + std::ptrdiff_t(common));
  index.ids_.assign(older.ids_.begin(), older.ids_.begin() + std::ptrdiff_t(common));
  index.widening_.assign(older.widening_.begin(), older.widening_.begin() + std::ptrdiff_t(common));
  index.widenings_ = older.widenings_;
  index.boxes_.resize(count);
  index.stamps_.resize(count);
  index.ids_.resize(count);
  index.widening_.resize(count);

  // The elements that changed, as they were and as they are: rubberbands to them change with
  // them.
  std::unordered_set<ElementId> moved;
  for (size_t i = 0; i < before; ++i) {
    if (!changed[i]) continue;
    moved.insert(older.ids_[i]);
    index.tally(older.widening_[i], -1);
  }
  std::vector<BoxGrid::Entry> boxes;
  for (uint32_t i = 0; i < count; ++i) {
    if (!changed[i]) continue;
    const TObjekt& e = list[i];
    index.boxes_[i] = boundingBox(e);
    index.stamps_[i] = list.stamp(i);
    index.ids_[i] = e.Id;
    index.widening_[i] = wideningOf(e);
    index.tally(index.widening_[i], 1);
    moved.insert(e.Id);
    boxes.push_back({i, normalized(index.boxes_[i])});
  }
  index.elementOverlay_ = older.elementOverlay_;
  index.elementOverlay_.replace(changed, index.gridCount_, std::move(boxes));

  Reaches reaches = reachesAfter(list, older.linkedPads_, changed, moved);
  index.connectionOverlay_ = older.connectionOverlay_;
  index.connectionOverlay_.replace(reaches.again, index.gridCount_, std::move(reaches.entries));
  index.linkedPads_ = std::move(reaches.linked);
  return index;
}

void ElementBoxIndex::queryIn(const BoxGrid& grid, const Overlay& overlay, const IRect& area,
                              std::vector<uint32_t>& out) const {
  std::vector<uint64_t> bits;
  grid.mark(area, bits);
  bits.resize((std::max<size_t>(size(), gridCount_) + 63) / 64, 0);
  for (uint32_t id : overlay.stale) bits[id >> 6] &= ~(uint64_t(1) << (id & 63));
  for (const BoxGrid::Entry& e : overlay.fresh)
    if (meets(e.box, area)) bits[e.id >> 6] |= uint64_t(1) << (e.id & 63);
  listMarked(bits, out);
}

void ElementBoxIndex::query(const IRect& area, std::vector<uint32_t>& out) const {
  queryIn(grids_->elements, elementOverlay_, area, out);
}

void ElementBoxIndex::queryConnections(const IRect& area, std::vector<uint32_t>& out) const {
  queryIn(grids_->connections, connectionOverlay_, area, out);
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
  std::vector<std::shared_ptr<const ElementBoxIndex>> earlier;
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
    for (const Entry& e : c.entries) earlier.push_back(e.index);
  }
  std::shared_ptr<const ElementBoxIndex> index;
  for (const auto& older : earlier) {
    if (std::optional<ElementBoxIndex> made = ElementBoxIndex::updated(*older, list)) {
      index = std::make_shared<const ElementBoxIndex>(std::move(*made));
      break;
    }
  }
  if (!index) index = std::make_shared<const ElementBoxIndex>(list);
  std::lock_guard lock(c.mutex);
  c.entries.push_front({list.revision(), index});
  if (c.entries.size() > kKept) c.entries.pop_back();
  return index;
}

}  // namespace trazello
