#pragma once

#include "model/BoardSettings.h"
#include "model/ElementList.h"
#include "model/Groups.h"  // compactGroupIds, which saving and loading run

namespace trazello {

// Removes elements that cannot be drawn (tracks and zones under two points, layer or kind 0,
// texts without strokes) with their rubberbands, unplates pads on silkscreen and mends rings
// whose inner radius exceeds the outer one. Run after reading, before saving and before writing
// a macro. Returns the number of elements removed.
size_t cleanBoard(ElementList& list);

// Coordinates and sizes beyond this (10 m, in units) are no board's: no editor writes them, and
// geometry, spatial indexes and pictures would have to walk areas of that size.
inline constexpr float kMaxSoundValue = 1e6f;

// True when the element holds a value no editor writes: a NaN or infinite coordinate or size, or
// one beyond `kMaxSoundValue`. Such elements are dropped when a file is read.
bool hasUnsoundValues(const TObjekt& e);

// Deletes the elements whose box does not overlap the board rectangle, with their rubberbands.
size_t removeElementsOutsideBoard(ElementList& list, const BoardSettings& settings);

// What saving runs: removeElementsOutsideBoard() and then cleanBoard(), their removals made in
// one walk over the list. Returns the number of elements removed.
size_t cleanBoardForSave(ElementList& list, const BoardSettings& settings);

}  // namespace trazello
