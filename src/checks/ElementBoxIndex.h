#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "BoxGrid.h"
#include "model/ElementList.h"

namespace trazello {

// Where the elements of a list lie, so that drawing a part of a board looks only at the
// elements near it: each element's box as boundingBox() without a layer state gives it, and for
// each pad with rubberbands the box its lines reach (from its centre to its partners' centres).
// Queries give the elements whose box meets a rectangle, edges included, and perhaps a few
// more, always in list order, so that what is drawn from them is drawn in the same order.
//
// After an edit the index of the list's earlier state is brought up to date for the elements
// whose stamps changed: their grid entries are set aside and their new boxes are tested one by
// one, until so many have changed that building the grids again costs less.
class ElementBoxIndex {
 public:
  explicit ElementBoxIndex(const ElementList& list);

  // The index of `list` made from `older`, an index of another state of the same list (before
  // an edit, or the state an undo returns to), when the two differ in few elements at the same
  // positions, or by elements appended or taken off at the end; nothing when building it anew
  // costs less.
  static std::optional<ElementBoxIndex> updated(const ElementBoxIndex& older,
                                                const ElementList& list);

  size_t size() const { return boxes_.size(); }
  const IRect& box(size_t i) const { return boxes_[i]; }
  // The most a thermal relief widens a box (boundingBox() with a layer state).
  int32_t thermalReach() const {
    return widenings_.empty() ? 0 : std::max(0, widenings_.rbegin()->first);
  }

  // Ascending indices of the elements whose box meets `area`.
  void query(const IRect& area, std::vector<uint32_t>& out) const;
  // Ascending indices of the pads with a rubberband whose line may meet `area`.
  void queryConnections(const IRect& area, std::vector<uint32_t>& out) const;

 private:
  // The grids as built, shared by the updated indices made from them.
  struct Grids {
    BoxGrid elements;
    BoxGrid connections;
  };
  // Entries that replace the grid's for some ids: the grid's entries of `stale` ids are not
  // trusted, `fresh` ones are tested one by one.
  struct Overlay {
    std::vector<uint32_t> stale;
    std::vector<BoxGrid::Entry> fresh;
    void replace(const std::vector<uint8_t>& changed, uint32_t gridCount,
                 std::vector<BoxGrid::Entry> entries);
    size_t size() const { return stale.size() + fresh.size(); }
  };

  ElementBoxIndex() = default;
  void queryIn(const BoxGrid& grid, const Overlay& overlay, const IRect& area,
               std::vector<uint32_t>& out) const;
  void tally(int32_t widening, int delta);

  std::shared_ptr<const Grids> grids_;
  uint32_t gridCount_ = 0;  // the number of elements the grids were built for
  std::vector<IRect> boxes_;
  std::vector<uint64_t> stamps_;
  // Per element: its id (rubberbands name it) and its thermal widening, if it is pad-like.
  std::vector<ElementId> ids_;
  std::vector<int32_t> widening_;
  std::map<int32_t, uint32_t> widenings_;  // how many pad-like elements widen by each amount
  std::vector<uint32_t> linkedPads_;       // ascending: the pads with rubberbands
  Overlay elementOverlay_;
  Overlay connectionOverlay_;
};

// The index of `list` as it is now. Kept for the last few lists; after a change, which every
// edit, undo or assignment marks by renewing the list's revision, it is made from a kept index
// of an earlier state where that is cheaper than building it again.
std::shared_ptr<const ElementBoxIndex> boxIndexOf(const ElementList& list);

}  // namespace trazello
