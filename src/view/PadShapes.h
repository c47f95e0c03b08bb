#pragma once

#include <vector>

#include "model/TObjekt.h"

namespace trazello {

bool isRoundedPad(const TObjekt& pad);  // oblong: a stroke with round ends
// The pad's outline grown by `margin` around its centre, turned like the pad. Round and rounded
// pads are better drawn from their radius; this gives their two outline points.
std::vector<Point> grownPadOutline(const TObjekt& pad, float margin);
// The SMD pad's rectangle with width and height each grown by 2 * margin, turned like the pad.
std::vector<Point> grownSmdCorners(const TObjekt& smd, float margin);
// The end of thermal spoke direction k (0 up, clockwise in steps of 45 degrees) on the board.
Point spokeEnd(const TObjekt& padLike, int k);
// The spoke pen width in units.
int32_t spokeWidth(const TObjekt& padLike);
Point padLikeCentre(const TObjekt& padLike);

}  // namespace trazello
