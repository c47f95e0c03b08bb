#pragma once

#include <string_view>

#include "GerberImage.h"

namespace trazello {

// Reads an RS-274X file into its graphics objects: the whole grammar with any number of commands
// per line, standard, macro and block apertures, step and repeat, polarities, the load and the
// deprecated image commands; attributes are read and ignored. A file without a format statement
// before its first coordinate, or with a parameter block that is never closed, is refused.
GerberReadResult readGerber(std::string_view text);

}  // namespace trazello
