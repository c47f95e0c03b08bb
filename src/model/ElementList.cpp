#include "ElementList.h"

#include <algorithm>
#include <atomic>
#include <numeric>
#include <unordered_set>

namespace trazello {

namespace {
std::atomic<uint64_t> nextNumber{1};
}  // namespace

uint64_t ElementList::nextRevision() {
  return nextNumber.fetch_add(1, std::memory_order_relaxed);
}

uint64_t ElementList::nextRevisions(size_t count) {
  return nextNumber.fetch_add(count, std::memory_order_relaxed);
}

ElementList::ElementList(std::vector<std::shared_ptr<TObjekt>> elements)
    : revision_(nextRevision()) {
  // Strictly ascending ids are distinct and none is 0.
  uint64_t last = 0;
  const bool ascending = std::all_of(elements.begin(), elements.end(), [&](const auto& e) {
    const bool up = e->Id.value > last;
    last = e->Id.value;
    return up;
  });
  if (!ascending) {
    items_.reserve(elements.size());
    for (const auto& e : elements) append(*e);
    return;
  }
  items_ = std::move(elements);
  stamps_.resize(items_.size());
  std::iota(stamps_.begin(), stamps_.end(), nextRevisions(items_.size()));
  indexValid_ = false;
}

TObjekt& ElementList::edit(size_t i) {
  touch();
  stamps_[i] = revision_;
  auto& p = items_[i];
  if (p.use_count() > 1) p = std::make_shared<TObjekt>(*p);
  return *p;
}

TObjekt& ElementList::append(TObjekt e) {
  touch();
  if (!e.Id || contains(e.Id)) e.Id = ElementId::fresh();
  items_.push_back(std::make_shared<TObjekt>(std::move(e)));
  stamps_.push_back(revision_);
  if (indexValid_) index_[items_.back()->Id] = items_.size() - 1;
  return *items_.back();
}

void ElementList::insert(size_t index, TObjekt e) {
  touch();
  if (!e.Id || contains(e.Id)) e.Id = ElementId::fresh();
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index),
                std::make_shared<TObjekt>(std::move(e)));
  stamps_.insert(stamps_.begin() + static_cast<std::ptrdiff_t>(index), revision_);
  indexValid_ = false;
}

void ElementList::erase(size_t index) {
  touch();
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
  stamps_.erase(stamps_.begin() + static_cast<std::ptrdiff_t>(index));
  indexValid_ = false;
}

void ElementList::clear() {
  touch();
  items_.clear();
  stamps_.clear();
  index_.clear();
  indexValid_ = true;
}

void ElementList::ensureIndex() const {
  if (indexValid_) return;
  index_.clear();
  index_.reserve(items_.size());
  for (size_t i = 0; i < items_.size(); ++i) index_[items_[i]->Id] = i;
  indexValid_ = true;
}

size_t ElementList::eraseIf(const std::function<bool(const TObjekt&)>& pred) {
  size_t kept = 0;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (pred(*items_[i])) continue;
    if (kept != i) {
      items_[kept] = std::move(items_[i]);
      stamps_[kept] = stamps_[i];
    }
    ++kept;
  }
  const size_t removed = items_.size() - kept;
  items_.resize(kept);
  stamps_.resize(kept);
  if (removed) {
    indexValid_ = false;
    touch();
  }
  return removed;
}

std::optional<size_t> ElementList::indexOf(ElementId id) const {
  if (!id) return std::nullopt;
  ensureIndex();
  auto it = index_.find(id);
  if (it == index_.end()) return std::nullopt;
  return it->second;
}

void ElementList::editAll(const std::function<void(TObjekt&)>& f) {
  for (size_t i = 0; i < items_.size(); ++i) f(edit(i));
}

size_t copyElements(const ElementList& source, std::span<const size_t> indices,
                    ElementList& target) {
  // The copy marks of the source: which source element became which copy.
  std::unordered_map<ElementId, ElementId> copyOf;
  copyOf.reserve(indices.size());
  const size_t first = target.size();
  for (size_t i : indices) {
    TObjekt& t = target.append(deepCopy(source[i]));
    copyOf[source[i].Id] = t.Id;
  }
  auto redirect = [&](ElementId id) {
    auto it = copyOf.find(id);
    return it == copyOf.end() ? ElementId{} : it->second;
  };
  for (size_t i = first; i < target.size(); ++i) {
    const TObjekt& t = target[i];
    if (t.Links.empty() && !t.RouteFrom && !t.RouteTo) continue;
    TObjekt& e = target.edit(i);
    std::vector<ElementId> links;
    links.reserve(e.Links.size());
    for (ElementId l : e.Links) {
      if (ElementId r = redirect(l)) links.push_back(r);
    }
    e.Links = std::move(links);
    e.RouteFrom = redirect(e.RouteFrom);
    e.RouteTo = redirect(e.RouteTo);
  }
  return indices.size();
}

ElementList copyAll(const ElementList& source) {
  std::vector<size_t> all(source.size());
  std::iota(all.begin(), all.end(), size_t{0});
  ElementList target;
  copyElements(source, all, target);
  return target;
}

size_t removeElements(ElementList& list, const std::function<bool(const TObjekt&)>& remove) {
  std::unordered_set<ElementId> gone;
  for (const TObjekt& e : list) {
    if (remove(e)) gone.insert(e.Id);
  }
  if (gone.empty()) return 0;
  list.eraseIf([&](const TObjekt& e) { return gone.count(e.Id) != 0; });
  auto isGone = [&](ElementId id) { return gone.count(id) != 0; };
  for (size_t i = 0; i < list.size(); ++i) {
    const TObjekt& e = list[i];
    if (std::none_of(e.Links.begin(), e.Links.end(), isGone) && !isGone(e.RouteFrom) &&
        !isGone(e.RouteTo))
      continue;
    TObjekt& changed = list.edit(i);
    std::erase_if(changed.Links, isGone);
    if (isGone(changed.RouteFrom)) changed.RouteFrom = {};
    if (isGone(changed.RouteTo)) changed.RouteTo = {};
  }
  return gone.size();
}

void removeElementAt(ElementList& list, size_t index) {
  const ElementId id = list[index].Id;
  removeElements(list, [id](const TObjekt& e) { return e.Id == id; });
}

}  // namespace trazello
