#pragma once

#include <cstdint>
#include <vector>

#include "model/ElementList.h"

namespace trazello {

// Which holes a drill job takes: plated ones (through-hole pads), unplated ones, or both.
struct HoleFilter {
  bool unplated = true;
  bool plated = true;
};

// A pad's drill diameter in layout units; 0 for elements that are no hole (not a pad, not on
// a copper layer, or a drill that rounds to nothing).
int32_t holeDiameter(const TObjekt& e);
bool isSelectedHole(const TObjekt& e, const HoleFilter& filter);

// The distinct diameters of the selected holes, ascending.
std::vector<int32_t> toolList(const ElementList& elements, const HoleFilter& filter);

// The selected holes of one diameter, as indices into `elements`, in list order; or, when
// `ordered`, as a nearest-neighbour path starting at the hole nearest to `start`.
std::vector<size_t> holesOfTool(const ElementList& elements, int32_t diameter,
                                const HoleFilter& filter, bool ordered, Point start);

// The selected holes of every diameter as one nearest-neighbour path starting at the hole
// nearest to `start`.
std::vector<size_t> holesInOrder(const ElementList& elements, const HoleFilter& filter, Point start);

}  // namespace trazello
