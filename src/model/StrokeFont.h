#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "Geometry.h"
#include "Point.h"
#include "TObjekt.h"

namespace trazello {

// The built-in single-line font that turns the string of a Text into Track strokes, so that a
// text prints, exports and mills exactly like tracks.
//
// A glyph string is a sequence of 6-character tokens: "XXXXXX" starts a stroke, "ZZZZZZ" ends
// the glyph, anything else is a point written as signed two-digit x and y ("+10-10"), which
// extends the current stroke. Font units have the origin at the left end of the baseline, y up.

// The glyph string of a byte value (Windows-1252). Codes without a glyph give the period's glyph;
// there is no case folding.
std::string_view glyphString(uint8_t code);

// The strokes of a glyph as polylines in font units, parsed once from the glyph string.
const std::vector<std::vector<IPoint>>& glyphStrokes(uint8_t code);

// The largest x of the glyph's points (0 without points); the blank has advance 1.
int glyphAdvance(uint8_t code);

// The sizes a text's height, thickness code (0 thin, 1 normal, 2 thick) and width code (0
// narrow, 1 normal, 2 wide) give its strokes. Codes outside 0 to 2 count as normal.
struct StrokeMetrics {
  Real scale = 0;        // units per font unit vertically
  Real widthFactor = 0;  // horizontal stretch on top of the scale
  int32_t strokeWidth = 0;
  int32_t gap = 0;  // between the advance of one character and the next
};
StrokeMetrics strokeMetrics(float height, int thicknessCode, int widthCode);

// (Re)generates the strokes of a Text from its string, height, width and thickness codes,
// mirror flags and rotation. Each stroke is a Track of the stroke width on `strokeLayer` (the
// active layer; the text's own layer governs drawing) with Clearance `clearance`. A text that
// had strokes stays centred where its old strokes were, so editing a placed text does not move
// it. A string of blanks only, or an empty one, is drawn as a single period. Records no undo
// step: callers take their snapshot before.
void generateStrokes(TObjekt& text, uint8_t strokeLayer, int32_t clearance);

}  // namespace trazello
