// Writes the bundled starter macro library: make-macros DIR (normally examples/macros).
#include <filesystem>
#include <iostream>

#include "StarterMacros.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Usage: make-macros DIR\n";
    return 2;
  }
  namespace fs = std::filesystem;
  for (trazello::examples::StarterMacro& m : trazello::examples::starterMacros()) {
    const fs::path file = fs::path(argv[1]) / m.path;
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (auto failed = trazello::writeMacroFile(file.string(), m.elements, false, m.comments)) {
      std::cerr << "make-macros: " << trazello::messageText(*failed) << "\n";
      return 1;
    }
  }
  return 0;
}
