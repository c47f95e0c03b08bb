#pragma once

#include <vector>

#include "model/TObjekt.h"

namespace trazello {

// Joins tracks of the same width whose ends meet (rounded coordinates within 4 units on each
// axis) into polylines; tracks of different widths stay apart, since either width would change
// the copper. Then joins arcs (circles) with the same
// centre and radii (within 4 units) whose ends meet within 4 degrees. Absorbed elements are
// removed from the list.
void joinImportedElements(std::vector<TObjekt>& elements);

// Appends the draw from `from` to `to` to `track` when joining would make the same polyline of
// the two: the same width, the draw starting where the track ends and meeting its start with
// neither end. Lets a file's runs of draws become one track without a track per draw first.
bool continueTrack(TObjekt& track, int32_t width, Point from, Point to);

// Takes out the elements marked in `gone`, keeping the order of the rest; `gone` is then all
// false, for the rest.
void removeGone(std::vector<TObjekt>& elements, std::vector<bool>& gone);

}  // namespace trazello
