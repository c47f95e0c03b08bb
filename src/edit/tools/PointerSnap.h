#pragma once

#include <optional>
#include <span>
#include <vector>

#include "BoardIndex.h"
#include "model/ElementList.h"
#include "model/LayerPredicates.h"

namespace trazello {

// Snapping of pointer positions with Shift held: onto the snap points of other elements, into
// line with neighbouring points, and of a moved set of elements onto the others.
class PointerSnap {
 public:
  // Candidates within this distance per axis (0.5 mm) replace the position.
  static constexpr float kReach = 50;

  PointerSnap(const ElementList& list, const BoardIndex& index, const LayerState& layers);

  // The snap points of an element: the vertices of tracks and zones, the centre and arc ends of
  // circles, the centre of pads and SMD pads.
  static std::vector<Point> snapPoints(const TObjekt& e);

  // The position snapped onto the nearest candidate in list order (a pad or circle point ends
  // the search; a track or zone point replaces the position and the search goes on from it);
  // none when nothing was near. Elements that are not drawn, `exclude` and, with
  // `excludeSelected`, the selected ones are no candidates.
  std::optional<Point> elementSnap(Point p, bool excludeSelected,
                                   std::optional<size_t> exclude = std::nullopt) const;

  // The position aligned with the reference points (each at least 100 units away): vertically
  // or horizontally within 50 units, on the 45° diagonal when |dx| and |dy| differ by less than
  // 100. With two references an axis of one and the diagonal of the other combine.
  static Point alignSnap(Point p, std::optional<Point> previous, std::optional<Point> next);

  // Move snap: each of `moved` (snap points of the moved elements, without near duplicates)
  // shifted by `offset` is tried against the unselected elements; the first hit corrects the
  // offset so that its point lands on the target; the markers are every moved point that then
  // lies within 4 units of its own snap.
  struct MoveResult {
    bool snapped = false;
    Point offset{};
    std::vector<Point> markers;
  };
  MoveResult moveSnap(Point offset, std::span<const Point> moved) const;

  // The snap points of the elements at `indices`, dropping those within 5 units (both axes) of
  // one already taken.
  static std::vector<Point> movedSnapPoints(const ElementList& list,
                                            std::span<const size_t> indices);

 private:
  const ElementList& list_;
  const BoardIndex& index_;
  LayerState layers_;
};

}  // namespace trazello
