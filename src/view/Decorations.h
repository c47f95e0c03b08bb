#pragma once

#include "RenderContext.h"
#include "model/ElementList.h"
#include "model/TObjekt.h"

namespace trazello {

// The holes of every visible pad with a drill, drawn over all copper: background-coloured (or
// white) discs, red-edged for through-plated pads; a bare drill hole white-edged with an X.
void DrawDrillHoles(RenderContext& ctx, const ElementList& elements);

// The node handles of a track, zone or circle (blue discs with a white outline; the centre cross
// of a circle). Nothing in mask mode, the solder-mask view or during the connection test.
void DrawNodeHandles(RenderContext& ctx, const TObjekt& e);

// Which handle of `e` lies under world point p: the vertex index (the last one that matches), a
// segment midpoint as 10000 + segment index when virtual nodes are shown, for circles 0 (start)
// or 1 (end); -1 for none.
int HitNodeHandle(const TObjekt& e, Point p, double zoom, bool showVirtualNodes);

// The rubber-band lines of a pad or SMD pad to its connected elements, shifted by a drag offset
// (dx, dy) for this element and for connected elements that are selected. On a not-xor canvas
// (a drag preview) a line between two moving pads is drawn by only one of them.
void DrawConnections(RenderContext& ctx, const TObjekt& e, float dx = 0, float dy = 0);

}  // namespace trazello
