#pragma once

#include <optional>
#include <vector>

#include "CostGrid.h"
#include "RouteObstacles.h"

namespace trazello {

// The track's points from B's centre back to A's centre along the cheapest neighbours of the
// searched grid, with a corner only where the direction changes; the first and last corners are
// held back so that the track never runs backwards from B or past A.
std::vector<Point> extractPath(const CostGrid& grid, Cell s, Cell t, Point aCentre, Point bCentre);

// Checks every segment after the first with the clearance against the obstacles and pushes an
// offending segment sideways in steps of half the clearance, up to ten steps either way.
// Nothing when the last segment, or one that cannot be pushed free, still violates it.
std::optional<std::vector<Point>> keepClearance(std::vector<Point> points,
                                                const RouteObstacles& obstacles, int32_t width,
                                                int32_t clearance, uint8_t layer);

// Moves the segment from point k to point k + 1 sideways by d, sliding its ends along the
// neighbouring segments where those are diagonal or axis-parallel as the rule for its own
// direction says. Needs a point before k and one after k + 1.
void nudgeSegment(std::vector<Point>& points, size_t k, float d);

}  // namespace trazello
