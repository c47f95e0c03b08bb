#pragma once

#include <cstdint>
#include <vector>

#include "model/ElementList.h"
#include "model/Point.h"

namespace trazello {

// Which copper of one layer the cutter goes around, and how texts are milled.
struct MillingSelection {
  uint8_t layer = 1;
  int32_t toolWidth = 0;          // units; the copper is grown by half of it on every side
  bool plainTextSingle = false;   // unselected texts follow their strokes' centre lines
  bool markedTextSingle = false;  // selected texts follow their strokes' centre lines
};

// One closed polygon of grown copper, in whole units, and the element it came from.
struct MillingPolygon {
  size_t element = 0;
  std::vector<IPoint> points;
};

// Whether the text is milled along its strokes instead of being isolated.
bool isSingleLineText(const TObjekt& e, const MillingSelection& s);

// Whether the layer has something to isolate: an element on it that is no cut-out, is isolated
// from the layer's ground plane when that is on (`groundPlaneOn`), and is a text milled as an
// outline, a pad with a copper ring, or any other kind.
bool hasMillingElements(const ElementList& elements, const MillingSelection& s, bool groundPlaneOn);

// The polygons of every element of the layer grown by half the tool width, in list order. Their
// point counts grow with their size (circle r / 25 + 12, round caps t / 30 + 3 steps). Cut-outs,
// single-line texts, pads without a ring and shapes that draw nothing yield none. A zone adds
// its area inside the edge strokes as one more polygon.
std::vector<MillingPolygon> isolationPolygons(const ElementList& elements,
                                              const MillingSelection& s);

}  // namespace trazello
