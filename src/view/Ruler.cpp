#include "Ruler.h"

#include "NumberFormat.h"
#include "model/Geometry.h"

namespace trazello {

double rulerTickSpacing(LengthUnit unit) {
  return unit == LengthUnit::Mil ? 25.4 : 10.0;
}

int rulerPixelsPerReference(double zoom, LengthUnit unit) {
  return roundInt(Real(zoom) * (unit == LengthUnit::Mil ? 254 : 100));
}

int rulerLabelInterval(int p) {
  if (p < 5) return 500;
  if (p < 20) return 100;
  if (p < 50) return 50;
  return 10;
}

RulerTick rulerTick(int64_t g, int t, bool verticalRuler) {
  if (g % t == 0) return {verticalRuler ? 16 : 14, true};
  if (t == 50 || t == 500) return {(g * 5) % t == 0 ? 4 : 0, false};
  if ((g * 2) % t == 0) return {8, false};
  return {(g * 10) % t == 0 ? 4 : 0, false};
}

std::string rulerLabel(int64_t g, LengthUnit unit) {
  if (unit == LengthUnit::Mil) return formatGeneral(double(g) * 10, 5);
  return formatGeneral(double(g) / 10, 3);
}

}  // namespace trazello
