// Writes the bundled example board: make-demo OUT.trz
#include <iostream>

#include "DemoBoard.h"
#include "files/LayoutIo.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Usage: make-demo OUT.trz\n";
    return 2;
  }
  trazello::Document doc = trazello::examples::demoDocument();
  if (auto failed = trazello::saveLayout(doc, argv[1])) {
    std::cerr << "make-demo: " << trazello::messageText(*failed) << "\n";
    return 1;
  }
  return 0;
}
