#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "GerberImage.h"

namespace trazello {

// One drilled hole: its centre in layout units (0.01 mm), y upward from the file's origin, and
// its diameter in the same units.
struct DrillHole {
  GPoint at;
  double diameter = 0;
};

// What reading a drill file gives: its holes, or the reason it is refused (then no holes).
struct ExcellonReadResult {
  std::vector<DrillHole> holes;
  std::vector<std::string> warnings;
  std::string error;
  bool ok() const { return error.empty(); }
};

// Whether a text is an Excellon drill file: its first command, past blank lines and comments,
// is the header start M48.
bool looksLikeExcellon(std::string_view text);

// Reads an Excellon drill file: the header (M48 up to "%" or M95) with INCH/METRIC (or M72/M71),
// the zero mode LZ/TZ, an explicit number format and the tools "TnnC d"; the body with tool
// selections, absolute (G90) and incremental (G91) coordinates, with or without a decimal point.
// Numbers without a point and without a stated format use 2.4 digits in inch and 3.3 in
// millimetres unless a comment "Format: a.b" or "FILE_FORMAT=a:b" says otherwise; without a
// zero mode the trailing zeros are taken as present. Slots (G85) and routed paths are skipped
// with a warning. A malformed coordinate or tool, a hole without a tool of known diameter, or a
// value far beyond any board refuses the file.
ExcellonReadResult readExcellon(std::string_view text);

}  // namespace trazello
