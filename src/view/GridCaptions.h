#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace trazello {

enum class LengthUnit { Millimetre, Mil };

// The words of the two units: the Russian window writes "мм" and "мил", the English and French
// ones "mm" and "mil".
struct UnitNames {
  std::string millimetre = "мм";
  std::string mil = "мил";
  const std::string& of(LengthUnit u) const { return u == LengthUnit::Mil ? mil : millimetre; }
};
// Language 0 Russian, 1 English, 2 French.
UnitNames unitNamesFor(int language);

// One of the seven fixed steps of the grid menu; the tag holds the step x 10000 in units.
struct FixedGridStep {
  int32_t tag;
  const char* millimetreCaption;
  const char* milCaption;
};
const std::array<FixedGridStep, 7>& fixedGridSteps();
std::string fixedGridCaption(const FixedGridStep& step, LengthUnit unit,
                             const UnitNames& names = {});

// The grid step in units that a fixed menu entry sets.
double fixedGridValue(int32_t tag);
// The grid step in units of a user entry, whose tag is in hundredths of a millimetre.
double userGridValue(int32_t tag);

// The caption of a user grid step of n hundredths of a millimetre, blank-padded for the menu.
std::string userGridCaption(int32_t n, LengthUnit unit, const UnitNames& names = {});

// The caption of the grid button for a step in units.
std::string gridButtonCaption(double step, LengthUnit unit, const UnitNames& names = {});

}  // namespace trazello
