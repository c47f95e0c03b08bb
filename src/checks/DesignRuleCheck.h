#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/BoardSettings.h"
#include "model/ElementList.h"
#include "model/Point.h"

namespace trazello {

// The rules, lengths in units (a setting of v mm is round(v × 100)).
struct DrcSettings {
  bool copper = true;
  int32_t copperDistance = 15;
  bool drillDistance = true;
  int32_t drillDistanceMin = 50;
  bool drillMin = true;
  int32_t drillMinimum = 30;
  bool drillMax = true;
  int32_t drillMaximum = 800;
  bool trackMin = true;
  int32_t trackMinimum = 20;
  bool ringMin = true;
  int32_t ringMinimum = 20;
  bool silkMin = true;
  int32_t silkMinimum = 15;
  bool silkOnPad = true;
  bool holeOnSmd = true;
  bool padWithoutMask = true;
  bool maskOutsidePads = true;
};

// The kind codes of findings, as the list stores them.
enum class FindingKind : uint8_t {
  Distance = 0,  // also the distance to the ground plane
  DrillsTooClose = 1,
  DrillTooSmall = 2,
  DrillTooBig = 3,
  TrackTooThin = 4,
  RingTooSmall = 5,
  SilkOnPad = 6,
  DrillOnSmd = 7,
  SolderMask = 8,
  SilkTooThin = 10,
};

// What a finding says.
enum class FindingText : uint8_t {
  Distance,
  DistanceToPlane,
  DrillsTooClose,
  DrillTooSmall,
  DrillTooBig,
  TrackTooThin,
  RingTooSmall,
  SilkOnPad,
  DrillOnSmd,
  PadWithoutMask,
  NonPadWithMask,
  SilkTooThin,
};

struct Finding {
  IRect marker;  // normalised, units; what the drawing marks and zooms to
  std::vector<std::vector<Point>> outline;  // for thin or mask-flagged tracks: one ring per segment
  FindingKind kind = FindingKind::Distance;
  FindingText text = FindingText::Distance;
  int32_t layer = 0;
};

// Progress and abort: `progress(maximum, value)` as each check walks the elements; `abort` is
// asked once per element and stops this check and every later one when it says yes.
struct DrcCallbacks {
  std::function<void(size_t maximum, size_t value)> progress;
  std::function<bool()> abort;
};

struct DrcResult {
  std::vector<Finding> findings;  // in the order the checks and their loops produce them
  bool aborted = false;
};

// How the pair tests find their candidates: at least every entered element whose box overlaps a
// box (the check applies the rules' own box tests afterwards). The check uses a spatial index;
// a benchmark can hand in the plain pair loops to measure against.
class NeighbourSearch {
 public:
  virtual ~NeighbourSearch() = default;
  virtual void insert(size_t id, const IRect& box) = 0;
  // Ascending ids, among them every entered id whose box overlaps `box`.
  virtual std::vector<size_t> overlapping(const IRect& box) const = 0;
};
// Makes one search for a board of `count` elements spread over `extent`.
using NeighbourSearchFactory =
    std::function<std::unique_ptr<NeighbourSearch>(const IRect& extent, size_t count)>;

// Checks `list` (a board with `board`'s size, layers and ground planes) against `rules`; only
// findings whose marker overlaps `window` are reported.
DrcResult runDesignRuleCheck(const ElementList& list, const BoardSettings& board,
                             const DrcSettings& rules, const IRect& window,
                             const DrcCallbacks& callbacks = {},
                             const NeighbourSearchFactory& search = {});

// The text of a finding in a language (0 Russian, 1 English, 2 French), UTF-8.
std::string findingText(FindingText text, int language);

}  // namespace trazello
