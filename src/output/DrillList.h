#pragma once

#include <string>
#include <vector>

#include "DrillHoles.h"
#include "model/ElementList.h"

namespace trazello {

// How the drill list shows its diameters: millimetres with the given decimal separator, or
// whole mil. Texts are UTF-8; the language picks the word of the total line.
struct DrillListStyle {
  bool mil = false;
  char decimalSeparator = '.';
  int language = 1;
};

// One line per diameter ("count x diameter"), a rule, and the total.
std::vector<std::string> drillListLines(const ElementList& elements, const HoleFilter& filter,
                                        const DrillListStyle& style);

}  // namespace trazello
