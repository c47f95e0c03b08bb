#pragma once

#include <cstddef>
#include <vector>

#include "Point.h"
#include "TObjekt.h"

namespace trazello {

// Node handles: the points of a selected track, zone or circle that the edit tool drags. Tracks
// and zones have one per vertex and, when virtual nodes are shown, one at every segment
// midpoint (numbered kVirtualNode + segment index); a circle has its two arc ends on the ring's
// centre line (0 start, 1 end).
inline constexpr int kVirtualNode = 10000;

constexpr bool isVirtualNode(int handle) {
  return handle >= kVirtualNode;
}

// The number of segments whose midpoints are virtual nodes: a zone's last vertex joins its first.
size_t nodeSegmentCount(const TObjekt& e);

// The point of a circle's arc end at `degrees` on the ring's centre line.
Point circleHandlePoint(const TObjekt& circle, int degrees);
// The centre of the handle (vertex, segment midpoint or arc end); the origin for none.
Point nodeHandlePoint(const TObjekt& e, int handle);

// Which handle of `e` lies under world point p at `zoom` pixels per unit: the last vertex that
// matches, else the last matching segment midpoint when `showVirtualNodes`; for circles 1 (end)
// before 0 (start); -1 for none. Handles are squares of half the line width (at least 3 pixels).
int hitNodeHandle(const TObjekt& e, Point p, double zoom, bool showVirtualNodes);

// The drawn radius of a vertex handle, the square half-size a hit allows, in units.
double vertexHandleRadius(const TObjekt& e, double pixel);

}  // namespace trazello
