#pragma once

#include <cstddef>
#include <cstdint>

#include "ElementList.h"

namespace trazello {

// What converting old system-font texts into stroke texts needs from the editor's state.
struct LegacyTextConversion {
  double pixelsPerInch = 96;     // logical pixels per inch of the screen the font height was for
  int32_t fallbackRotation = 0;  // the text tool's rotation, for angles other than quarter turns
  uint8_t strokeLayer = 3;       // the active layer, given to the strokes
  int32_t clearance = 0;         // the current ground-plane clearance
};

// Replaces every LegacyText of the list, in list order, by a thick, normal-width Text with the
// same string, group ids and layer, appended at the end of the list. Its height comes from the
// old font height (range and precision of the text tool's height field), and a corner of its box
// lies where the old text was anchored. Returns the number of Text elements that took the place
// of a legacy text; a legacy text whose string gives no strokes is only removed.
size_t convertLegacyTexts(ElementList& list, const LegacyTextConversion& settings);

}  // namespace trazello
