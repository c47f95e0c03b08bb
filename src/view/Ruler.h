#pragma once

#include <cstdint>
#include <string>

#include "GridCaptions.h"

namespace trazello {

// The distance between two ruler ticks in units: 0.1 mm, or 10 mil.
double rulerTickSpacing(LengthUnit unit);
// Pixels per millimetre (per 100 mil in mil mode) at a zoom.
int rulerPixelsPerReference(double zoom, LengthUnit unit);
// Every how many ticks a label stands, so that labels never crowd: 10, 50, 100 or 500.
int rulerLabelInterval(int pixelsPerReference);

struct RulerTick {
  int length = 0;  // pixels; 0 for no tick
  bool label = false;
};
// Tick g (counted from the user origin) with label interval t.
RulerTick rulerTick(int64_t g, int t, bool verticalRuler);
// The label of tick g: millimetres, or mil.
std::string rulerLabel(int64_t g, LengthUnit unit);

}  // namespace trazello
