#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "TObjekt.h"

namespace trazello {

struct HatchSegment {
  IPoint from;
  IPoint to;
  friend bool operator==(const HatchSegment&, const HatchSegment&) = default;
};

// The hatch pitch of a zone: twice its outline width when the hatch follows the outline width,
// else its own pitch; never below 10 units.
int32_t hatchPitch(const TObjekt& zone);
// The pen of the hatch lines: half the pitch, in whole units.
int32_t hatchPenWidth(const TObjekt& zone);

// The most scan lines of one direction: a 500 mm board at the smallest pitch takes 5,000.
inline constexpr int64_t kMostHatchLines = 20000;
// The most segments of both directions together: a zone of a real board gives a few thousand.
inline constexpr int64_t kMostHatchSegments = 2000000;

// The hatch lines of a closed zone with pitch s, in world units: all vertical lines (left to
// right, each from bottom to top) before all horizontal ones. Vertices lying on a scan line
// are moved 2 units off it first, so that no line passes through a corner. A zone wider or
// higher than kMostHatchLines times s is hatched with the pitch that gives that many lines; the
// pitch doubles while the lines would hold more than `most` segments.
std::vector<HatchSegment> hatchSegments(const TObjekt& zone, int32_t s,
                                        size_t most = kMostHatchSegments);

}  // namespace trazello
