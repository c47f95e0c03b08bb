#include "GridCaptions.h"

#include <cmath>
#include <cstdio>

#include "NumberFormat.h"
#include "model/Geometry.h"

namespace trazello {

UnitNames unitNamesFor(int language) {
  if (language == 1 || language == 2) return {"mm", "mil"};
  return {};
}

const std::array<FixedGridStep, 7>& fixedGridSteps() {
  static const std::array<FixedGridStep, 7> steps{{
      {79375, "0.079375 мм (1/32 RM)", "3.125 мил (1/320 \")"},
      {158750, "  0.15875 мм (1/16 RM)", "  6.25 мил (1/160 \")"},
      {317500, "    0.3175 мм (1/8 RM)", "  12.5 мил (1/80 \")"},
      {635000, "      0.635 мм (1/4 RM)", "      25 мил (1/40 \")"},
      {1270000, "        1.27 мм (1/2 RM)", "      50 мил (1/20 \")"},
      {2540000, "        2.54 мм (RM)", "    100 мил (1/10 \")"},
      {5080000, "        5.08 мм (2 RM)", "    200 мил (2/20 \")"},
  }};
  return steps;
}

std::string fixedGridCaption(const FixedGridStep& step, LengthUnit unit, const UnitNames& names) {
  std::string text = unit == LengthUnit::Mil ? step.milCaption : step.millimetreCaption;
  const std::string stored = UnitNames{}.of(unit);
  text.replace(text.find(stored), stored.size(), names.of(unit));
  return text;
}

double fixedGridValue(int32_t tag) {
  return tag > 10000 ? tag / 10000.0 : tag;
}

double userGridValue(int32_t tag) {
  return tag > 10000 ? tag / 1000.0 : tag;
}

std::string userGridCaption(int32_t n, LengthUnit unit, const UnitNames& names) {
  std::string text;
  int room;
  if (unit == LengthUnit::Mil) {
    text = std::to_string(roundInt(Real(n) / 100 * 39.37L)) + " " + names.mil;
    room = 18;
  } else {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", n / 100.0);
    text = std::string(buf) + " " + names.millimetre;
    room = 22;
  }
  const int blanks = room - 2 * characterCount(text);
  return blanks > 0 ? std::string(static_cast<size_t>(blanks), ' ') + text : text;
}

std::string gridButtonCaption(double step, LengthUnit unit, const UnitNames& names) {
  if (unit == LengthUnit::Millimetre)
    return padLeft(formatGeneral(step / 100, 8) + " " + names.millimetre, 9);
  std::string value;
  switch (roundInt(Real(step) * 39.37L * 10)) {
    case 3125:
      value = "3.125";
      break;
    case 6250:
      value = "6.25";
      break;
    case 12500:
      value = "12.5";
      break;
    default:
      value = std::to_string(roundInt(Real(step) * 39.37L / 100));
      break;
  }
  return padLeft(value + " " + names.mil, 11);
}

}  // namespace trazello
