// synthetic_layout COUNT OUT.trz [--clearance C]: writes the synthetic board of COUNT elements
// as a layout file (300 x 300 mm, active layer C2), so that whole programs can be timed on it.
// With --clearance every element gets that clearance, as the editor gives each new element.
#include <cstdlib>
#include <iostream>
#include <string>

#include "SyntheticLayout.h"
#include "files/LayoutIo.h"
#include "model/Layer.h"

int main(int argc, char** argv) {
  using namespace trazello;
  if (argc != 3 && !(argc == 5 && std::string(argv[3]) == "--clearance")) {
    std::cerr << "Usage: synthetic_layout COUNT OUT.trz [--clearance UNITS]\n";
    return 2;
  }
  const auto count = static_cast<size_t>(std::strtoul(argv[1], nullptr, 10));
  Document d = bench::syntheticDocument(count);
  d.working().activeLayer = layer::C2;
  d.storeWorkingSettings();
  if (argc == 5) {
    const auto clearance = static_cast<int32_t>(std::strtol(argv[4], nullptr, 10));
    d.currentBoard().elements.editAll([&](TObjekt& e) { e.Clearance = clearance; });
  }
  if (auto failed = saveLayout(d, argv[2])) {
    std::cerr << "synthetic_layout: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
