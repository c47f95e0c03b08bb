#pragma once

#include <array>
#include <optional>

#include "IniFile.h"
#include "view/ColourScheme.h"

namespace trazello {

// The colour picker's sixteen custom colours, kept in "COLORS.DAT" as name=value lines
// ("ColorA=RRGGBB" in hexadecimal, A to P) of one [Colors] section.
using CustomColours = std::array<std::optional<ColorRef>, 16>;

// Entries that are missing or not six hexadecimal digits stay empty.
CustomColours readCustomColours(const IniFile& file);
void writeCustomColours(IniFile& file, const CustomColours& colours);

}  // namespace trazello
