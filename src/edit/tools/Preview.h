#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/Point.h"
#include "model/TObjekt.h"

namespace trazello {

// What a tool draws over the board picture, as data in world units. The window keeps the last
// Preview of an Outcome until the next one replaces it and draws it after every repaint; every
// part is drawn in not-xor mode unless its comment says otherwise.
struct Preview {
  // A rubber line: the track or zone being drawn (S, bend point, pointer) or the two segments
  // next to a dragged node, with the pen width of the element.
  enum class LineColour : uint8_t { Black, Red };
  struct Line {
    std::vector<Point> points;
    int32_t width = 0;
    LineColour colour = LineColour::Black;
  };
  std::vector<Line> lines;

  // The pointer point of an idle track or zone tool: a dot of the track width, at least 5 pixels.
  struct Dot {
    Point at{};
    int32_t width = 0;
  };
  std::optional<Dot> dot;

  // Elements drawn in not-xor with a black pen, shifted by `shapeOffset`: the pad, SMD pad and
  // text that follow the pointer (`ownShapes`), the moved selection (`movedIndices` into the
  // current board's list, drawn with their rubberband connections) or the clipboard (paste
  // placement).
  enum class ShapeSource : uint8_t { None, Own, Selection, Clipboard };
  ShapeSource shapeSource = ShapeSource::None;
  std::vector<TObjekt> ownShapes;
  std::vector<size_t> movedIndices;
  Point shapeOffset{};

  // The selection frame (xor), corner to corner.
  struct Frame {
    Point from{};
    Point to{};
  };
  std::optional<Frame> frame;

  // The connect tool's dotted blue line from the first pad's centre to the pointer.
  struct RubberLine {
    Point from{};
    Point to{};
  };
  std::optional<RubberLine> connectionRubber;

  // The circle tool's radius line from the centre to the pointer.
  struct RadiusLine {
    Point centre{};
    Point to{};
  };
  std::optional<RadiusLine> radius;

  // The measure line and the four values of the measure box ("dX:", "dY:", "Distance:",
  // "Angle:" in that order, each with its unit). The box sits 20 pixels from `line.to` in the
  // quadrant away from `line.from`.
  struct Measure {
    Point from{};
    Point to{};
    std::array<std::string, 4> values;
  };
  std::optional<Measure> measure;

  // Snap markers (xor white squares of half-size 100 units, or 5 pixels when 1 mm is less than
  // 5 pixels).
  std::vector<Point> snapMarkers;

  // The element highlighted by the solder-mask tool (index into the current board's list).
  std::optional<size_t> highlighted;

  // The name tip (the element's name, Windows-1252 bytes), 16 pixels right of and below
  // `tipAt`; empty for none.
  std::string nameTip;
  Point tipAt{};

  // The crosshair follows the current point of the drawing tools.
  std::optional<Point> crosshair;

  bool empty() const {
    return lines.empty() && !dot && shapeSource == ShapeSource::None && !frame && !radius &&
           !connectionRubber && !measure && snapMarkers.empty() && !highlighted &&
           nameTip.empty() && !crosshair;
  }
};

}  // namespace trazello
