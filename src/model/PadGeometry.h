#pragma once

#include <cstdint>
#include <vector>

#include "Geometry.h"
#include "TObjekt.h"

namespace trazello {

// The outline points of a pad shape around `centre` with radius r, grown by `enlargement`:
// 2 points for the round and rounded shapes, 4 for squares and rectangles, 8 for octagons,
// none for unknown shapes.
std::vector<Point> padOutline(Point centre, uint8_t shape, float r, float enlargement);

// The pad's rotation in degrees, clockwise, in [0, 360), rounded to 0.01; 0 for other kinds.
Real padOrientation(const TObjekt& pad);

// Rebuilds the outline from PadShape (or `newShape` when >= 0) and SizeA, keeping the rotation.
void rebuildPadOutline(TObjekt& pad, int newShape = -1);

std::vector<Point> smdCorners(Point centre, float sizeX, float sizeY);
Point smdCentre(const TObjekt& smd);
// Degrees, the direction from corner 0 to corner 1.
Real smdOrientation(const TObjekt& smd);
Real smdSizeX(const TObjekt& smd);
Real smdSizeY(const TObjekt& smd);
// Rebuilds the corners around the current centre with the new sizes (a negative size keeps
// the current one), turned by the current orientation.
void resizeSmd(TObjekt& smd, float newSizeY, float newSizeX);

// Thermal spoke masks: 8 bits clockwise from up in the pad's own frame.
int32_t spokesTurnedClockwise45(int32_t mask);
int32_t spokesTurnedCounterClockwise45(int32_t mask);
int32_t spokesMirroredLeftRight(int32_t mask);
int32_t spokesMirroredTopBottom(int32_t mask);
// The spoke directions on the board: the mask turned by the pad's orientation.
int32_t absoluteSpokes(int32_t mask, Real orientationDegrees);

}  // namespace trazello
