#pragma once

#include <cstdint>

#include "ElementList.h"
#include "Geometry.h"
#include "LayerPredicates.h"
#include "TObjekt.h"

namespace trazello {

// The normalised integer box of an element in units, with its clearance and, when `state` says
// the pad shows a thermal relief, its spokes. Used for repainting, rectangle selection and the
// save-time cleanup.
IRect boundingBox(const TObjekt& e, const LayerState* state = nullptr);
// The union of the boxes of every element.
IRect boxOfEverything(const ElementList& list, const LayerState* state = nullptr);

// The point aligned to the grid by the align command.
IPoint anchorPoint(const TObjekt& e);
// The midpoint between vertex i and the next one (vertex 0 after the last).
Point edgeMidpoint(const TObjekt& e, size_t i);

void moveElement(TObjekt& e, float dx, float dy);
// A clockwise turn by `degrees` about c.
void rotateElement(TObjekt& e, Point c, Real degrees);
// Reflection in the vertical line x = m.
void mirrorHorizontally(TObjekt& e, float m);
// Reflection in the horizontal line y = m.
void mirrorVertically(TObjekt& e, float m);
// Grow or shrink the copper by a units of width.
void inflateElement(TObjekt& e, int32_t a);
void deflateElement(TObjekt& e, int32_t a);

}  // namespace trazello
