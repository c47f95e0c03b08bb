#pragma once

#include <cstdint>
#include <vector>

#include "Geometry.h"
#include "TObjekt.h"

namespace trazello {

// The one definition of the copper outline of pads, SMD pads and their thermal spokes. The
// screen, the copper shapes (flood, net trace, hit testing) and the Gerber writer all draw from
// it, so that what the user sees, what is traced and what is manufactured agree.

// How a pad's copper is made.
enum class PadForm {
  None,     // unknown shape, or too few outline points
  Disc,     // a circle about the centre
  Stadium,  // a segment with round ends
  Polygon,  // a filled polygon
};

// A pad's copper grown by some distance on every side.
struct GrownPad {
  PadForm form = PadForm::None;
  Point centre;
  double radius = 0;          // Disc: its radius; Stadium: half its width
  std::vector<Point> points;  // Stadium: the ends of its axis; Polygon: its corners
};

bool isRoundedPad(const TObjekt& pad);  // oblong: a stroke with round ends

// How far a pad's own shape is turned, clockwise in degrees, unrounded: the direction of the
// stored outline's reference edge (from the second point for the octagons), less a quarter
// turn for the vertical oblong. padOrientation() is this rounded to 0.01 degrees.
Real padTurn(const TObjekt& pad);

// The pad grown by `growth` on every side. A stadium keeps the axis of the stored outline and
// only widens (the round ends carry the growth along the axis); a polygon is the stored outline
// when `growth` is 0 and otherwise the outline rebuilt with that enlargement and turned by
// padTurn().
GrownPad grownPad(const TObjekt& pad, double growth);

// The SMD pad's rectangle with width and height each grown by 2 * growth: rebuilt about the
// centre of its corners from their side lengths and turned like its first edge. Empty when the
// pad has fewer than four corners.
std::vector<Point> grownSmdCorners(const TObjekt& smd, double growth);

// The centre of a pad or SMD pad.
Point padLikeCentre(const TObjekt& padLike);

// A thermal spoke: a stroke of `width` from `end` to the pad centre.
struct Spoke {
  Point end;
  Point centre;
  int32_t width = 0;
};

// The spoke pen width in units.
int32_t spokeWidth(const TObjekt& padLike);
// The spokes of a Pad or SmdPad whose thermal flag is set (none otherwise), in mask bit order.
// Their ends lie the pad's clearance beyond its outline (its grown bounding box for the
// diagonals), turned with the pad.
std::vector<Spoke> thermalSpokes(const TObjekt& padLike);

}  // namespace trazello
