#pragma once

#include <cstdint>
#include <string>

#include "DrillHoles.h"
#include "model/BoardSettings.h"
#include "model/ElementList.h"

namespace trazello {

enum class DrillUnit { Inch24, Metric32, Metric33 };
// From which side the board is drilled: side 1 as drawn, or side 2 with x mirrored about the
// board (like the Gerber export) or about the elements' bounding box (like the HPGL output).
enum class DrillSide { Top, BottomGerber, BottomHpgl };

struct ExcellonOptions {
  DrillUnit unit = DrillUnit::Inch24;
  bool deleteLeadingZeros = false;
  HoleFilter filter;
  DrillSide side = DrillSide::Top;
  bool sort = true;
  bool m71 = false;  // "M71"/"M72" in place of "METRIC"/"INCH"
  bool noG90 = false;
  bool noComments = false;
  bool camOrigin = false;
};

// A coordinate in layout units as the drill file writes it: no decimal point, trailing zeros
// kept, padded with leading zeros unless they are deleted.
std::string excellonCoordinate(int32_t units, DrillUnit unit, bool deleteLeadingZeros);
// A tool diameter: shortest form with at most 4 significant digits.
std::string excellonDiameter(int32_t units, DrillUnit unit);

// The whole drill file, lines ending in CR LF.
std::string excellonFile(const ElementList& elements, const BoardSettings& board,
                         const ExcellonOptions& options);

}  // namespace trazello
