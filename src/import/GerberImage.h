#pragma once

#include <string>
#include <vector>

namespace trazello {

// A point of a Gerber image in layout units (0.01 mm), y upward, relative to the file's origin.
struct GPoint {
  double x = 0;
  double y = 0;
  friend bool operator==(const GPoint&, const GPoint&) = default;
};

// A similarity that places an aperture: mirroring, then rotation, then scaling, as a matrix.
struct GTransform {
  double xx = 1, xy = 0, yx = 0, yy = 1;
  GPoint apply(GPoint p) const { return {xx * p.x + xy * p.y, yx * p.x + yy * p.y}; }
  bool identity() const { return xx == 1 && xy == 0 && yx == 0 && yy == 1; }
  bool mirrored() const { return xx * yy - xy * yx < 0; }
  double scale() const;
  GTransform then(const GTransform& outer) const;
};

// One exposure of an aperture: a closed ring (arcs already flattened) that adds copper when dark
// and takes it away from what the aperture exposed before when clear.
struct GExposure {
  bool dark = true;
  std::vector<GPoint> ring;
};

// An aperture as defined by the file. Standard ones keep their parameters so that they can become
// pads; every aperture can also be drawn as its exposures (ApertureShapes).
struct GerberAperture {
  enum class Shape { Circle, Rectangle, Obround, Polygon, Macro };
  int number = 0;
  Shape shape = Shape::Circle;
  double sizeX = 0;       // Circle, Polygon: the diameter; Rectangle, Obround: the width
  double sizeY = 0;       // Rectangle, Obround: the height
  int vertices = 0;       // Polygon
  double rotation = 0;    // Polygon: degrees counter-clockwise
  double hole = 0;        // diameter of the round hole or width of the rectangular one, 0 for none
  double holeHeight = 0;  // height of a rectangular hole, 0 for a round one
  std::vector<GExposure> exposures;  // Macro: the evaluated primitives in order
};

// One graphics object in file order. Flashes place an aperture; draws and arcs stroke one;
// a region is one filled contour. `aperture` indexes GerberImage::apertures.
struct GerberObject {
  enum class Type { Flash, Draw, Arc, Region };
  Type type = Type::Flash;
  bool dark = true;
  int aperture = -1;
  GPoint from, to;              // Flash: the position is `to`
  GPoint centre;                // Arc
  bool clockwise = false;       // Arc
  bool fullCircle = false;      // Arc: start and end coincide on a multi-quadrant arc
  GTransform transform;         // Flash, and the width scale of draws
  std::vector<GPoint> contour;  // Region: closed, arcs flattened
};

struct GerberImage {
  std::vector<GerberAperture> apertures;
  std::vector<GerberObject> objects;
  std::vector<std::string> warnings;
};

// What reading gives: the image, or the reason the file is refused (then nothing is imported).
struct GerberReadResult {
  GerberImage image;
  std::string error;
  bool ok() const { return error.empty(); }
};

}  // namespace trazello
