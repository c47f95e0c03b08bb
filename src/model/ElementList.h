#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

#include "TObjekt.h"

namespace trazello {

// An ordered list of owned elements: a board's drawing order and file order. Elements are held
// copy-on-write, so a copy of the list (an undo snapshot) shares every element until one side
// changes it; edit() detaches the element it returns. Element ids are unique within a list.
class ElementList {
 public:
  ElementList() : revision_(nextRevision()) {}
  // Takes the (non-null) element blocks in their order; a block held elsewhere too stays shared
  // until edited. When the ids ascend strictly (as a file reader gives them fresh, one after the
  // other) the blocks are taken as they are and the id index waits until it is first asked for,
  // which spares a large board an index entry per element while it is read; otherwise a copy of
  // each is appended, getting a fresh id where its own is missing or taken.
  explicit ElementList(std::vector<std::shared_ptr<TObjekt>> elements);
  // Copies share the elements; the id index is rebuilt on demand rather than copied, which keeps
  // a snapshot cheap.
  ElementList(const ElementList& other)
      : items_(other.items_),
        stamps_(other.stamps_),
        indexValid_(false),
        revision_(nextRevision()) {}
  ElementList& operator=(const ElementList& other) {
    if (this != &other) {
      items_ = other.items_;
      stamps_ = other.stamps_;
      index_.clear();
      indexValid_ = false;
      revision_ = nextRevision();
    }
    return *this;
  }
  // A move gives both lists new revisions: the moved-from list no longer holds what it held.
  ElementList(ElementList&& other) noexcept
      : items_(std::move(other.items_)),
        stamps_(std::move(other.stamps_)),
        index_(std::move(other.index_)),
        indexValid_(other.indexValid_),
        revision_(nextRevision()) {
    other.clear();
  }
  ElementList& operator=(ElementList&& other) noexcept {
    if (this != &other) {
      items_ = std::move(other.items_);
      stamps_ = std::move(other.stamps_);
      index_ = std::move(other.index_);
      indexValid_ = other.indexValid_;
      revision_ = nextRevision();
      other.clear();
    }
    return *this;
  }

  size_t size() const { return items_.size(); }
  // Changes whenever an element may have changed, been added or removed, or the list was
  // assigned; unique across all lists of the run, so caches keyed on it (the tools' spatial
  // index) notice any change without looking at the elements.
  uint64_t revision() const { return revision_; }
  // The version of the element at i: it changes whenever the list hands the element out for
  // change or takes it in, and is unique across all lists of the run, so two positions (of this
  // list or of any copy of it, now or later) with the same stamp hold the same element unchanged.
  uint64_t stamp(size_t i) const { return stamps_[i]; }
  bool empty() const { return items_.empty(); }
  const TObjekt& operator[](size_t i) const { return *items_[i]; }
  const TObjekt& back() const { return *items_.back(); }

  void reserve(size_t n) {
    items_.reserve(n);
    stamps_.reserve(n);
    if (indexValid_) index_.reserve(n);
  }

  // The element at i, ready to change; it stops being shared with any snapshot.
  TObjekt& edit(size_t i);
  TObjekt& editBack() { return edit(items_.size() - 1); }

  // Appends the element; it gets a fresh id when it has none or its id is already in the list.
  TObjekt& append(TObjekt e);
  void insert(size_t index, TObjekt e);
  // Removes the element only; see removeElements() for removing it with its references.
  void erase(size_t index);
  void clear();
  // Removes the elements for which `pred` holds, keeping the others shared as they were.
  size_t eraseIf(const std::function<bool(const TObjekt&)>& pred);

  std::optional<size_t> indexOf(ElementId id) const;
  bool contains(ElementId id) const { return indexOf(id).has_value(); }

  // Visits every element for change (detaching each).
  void editAll(const std::function<void(TObjekt&)>& f);

  class const_iterator {
   public:
    using Inner = std::vector<std::shared_ptr<TObjekt>>::const_iterator;
    using iterator_category = std::forward_iterator_tag;
    using value_type = TObjekt;
    using difference_type = std::ptrdiff_t;
    using pointer = const TObjekt*;
    using reference = const TObjekt&;
    const_iterator() = default;
    explicit const_iterator(Inner it) : it_(it) {}
    const TObjekt& operator*() const { return **it_; }
    const TObjekt* operator->() const { return it_->get(); }
    const_iterator& operator++() {
      ++it_;
      return *this;
    }
    const_iterator operator++(int) {
      auto c = *this;
      ++it_;
      return c;
    }
    friend bool operator==(const const_iterator&, const const_iterator&) = default;

   private:
    Inner it_;
  };
  const_iterator begin() const { return const_iterator(items_.begin()); }
  const_iterator end() const { return const_iterator(items_.end()); }

  // True when both lists hold the very same element objects at every position (shared).
  bool sharesAllWith(const ElementList& other) const { return items_ == other.items_; }

 private:
  void ensureIndex() const;
  static uint64_t nextRevision();
  // `count` fresh numbers from the same sequence as revisions; the first is returned.
  static uint64_t nextRevisions(size_t count);
  void touch() { revision_ = nextRevision(); }

  std::vector<std::shared_ptr<TObjekt>> items_;
  std::vector<uint64_t> stamps_;  // stamps_[i] is the stamp of items_[i]
  mutable std::unordered_map<ElementId, size_t> index_;
  mutable bool indexValid_ = true;
  uint64_t revision_;
};

// Deep-copies the elements of `source` at `indices` (ascending) to the end of `target`. Links and
// routed-track pads that name a copied element are redirected to its copy; those naming an element
// that was not copied are dropped (links) or cleared (routes). Returns the number of elements
// copied.
size_t copyElements(const ElementList& source, std::span<const size_t> indices,
                    ElementList& target);
ElementList copyAll(const ElementList& source);

// Removes every element for which `remove` holds, with the rubberbands that point to them;
// routed tracks that named a removed pad lose that pad. Returns the number removed.
size_t removeElements(ElementList& list, const std::function<bool(const TObjekt&)>& remove);
void removeElementAt(ElementList& list, size_t index);

}  // namespace trazello
