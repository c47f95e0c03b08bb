#pragma once

#include <string>

namespace trazello {

// The shortest decimal form of v with at most `precision` significant digits (point as the
// decimal separator, no trailing zeros); scientific ("1.23E3") only when the integer part needs
// more digits than that.
std::string formatGeneral(double v, int precision);

// Prefixes `text` with blanks until it is `width` characters long (UTF-8 aware).
std::string padLeft(const std::string& text, int width);
// The length of a UTF-8 text in characters.
int characterCount(const std::string& text);

}  // namespace trazello
