#pragma once

#include <cstdint>
#include <vector>

#include "ExcellonReader.h"
#include "model/TObjekt.h"

namespace trazello {

// Puts the holes of a drill file into imported elements of a board `boardHeight` units high, the
// file's origin at the board's bottom-left corner. A hole hits a pad on a copper layer when the
// pad's centre lies within 4 units of the hole's on each axis (the tolerance of the joining; a
// 2.4 inch drill file rounds to 0.0001 inch). Hitting pads on both C1 and C2 makes them one
// through-plated pad: the first of them, with the largest outer radius of them and the hole's
// drill, the others removed. Hitting pads on one side gives those pads the drill, unplated.
// A hole that hits no pad becomes a bare drilled pad (outer radius = drill radius): through-plated
// on C1 when copper of both C1 and C2 lies under its centre (pads written as regions), else
// unplated on `layer`.
// Returns the number of holes that became through-plated pads.
int putDrillHoles(std::vector<TObjekt>& elements, const std::vector<DrillHole>& holes,
                  uint8_t layer, double boardHeight);

}  // namespace trazello
