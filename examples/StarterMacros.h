#pragma once

#include <string>
#include <vector>

#include "files/MacroFile.h"
#include "model/ElementList.h"

namespace trazello::examples {

// One macro of the bundled library: where it lies below the library folder ('/' between
// folders), its elements and its two comment lines.
struct StarterMacro {
  std::string path;
  ElementList elements;
  MacroComments comments;
};

// The bundled starter library: pad patterns made by the footprint wizard's generator, each with
// a silk outline on S1 and a first comment line naming the package.
std::vector<StarterMacro> starterMacros();

}  // namespace trazello::examples
