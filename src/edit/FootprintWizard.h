#pragma once

#include <cstdint>

#include "edit/Change.h"
#include "model/Document.h"
#include "model/ElementList.h"

namespace trazello {

// The package types of the footprint wizard, in the order of its type list.
enum class PackageType : uint8_t { Sip = 0, Dip = 1, Quad = 2, Circle = 3, DualCircle = 4 };

// The values of the footprint wizard, lengths in millimetres.
struct FootprintValues {
  PackageType type = PackageType::Sip;
  bool smd = false;  // SMD pads instead of through-hole pads
  double padOuterMm = 1.80;
  double padDrillMm = 0.60;
  double smdWidthMm = 0.90;
  double smdHeightMm = 1.80;
  double pitchMm = 2.54;  // d: pad pitch, or ring diameter for the circular types
  double yMm = 2.54;      // Y: row distance, vertical size, or ring distance
  double xMm = 2.54;      // X: horizontal size (four sides)
  int perRow = 12;        // pads per horizontal row, or per ring; 1 to 99
  int perColumn = 1;      // pads per vertical row (four sides); 1 to 99
};

// The window's default button: standard pad sizes, then the counts and distances of `type`.
FootprintValues footprintDefaults(PackageType type, FootprintValues current);

// Which fields a package type uses.
bool usesY(PackageType type);
bool usesX(PackageType type);
bool usesPerColumn(PackageType type);

// The number of pads the values give.
int footprintPadCount(const FootprintValues& v);

// The pad pattern, relative to its reference point, on `layerCode`; every pad has clearance
// 0.40 mm. Round pads keep the pad shape's orientation; SMD pads are turned to face the
// package's centre line (or ring).
ElementList generateFootprint(const FootprintValues& v, uint8_t layerCode);

// OK in the wizard: the pattern, selected, becomes the clipboard (the active layer its placement
// layer) and the board is deselected, ready for paste placement. The clipboard is touched only
// here, so a cancelled wizard leaves what the user had copied.
Change takeFootprint(Document& doc, ElementList pattern);

}  // namespace trazello
