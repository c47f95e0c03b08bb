// make_synthetic_layout COUNT OUT: writes the synthetic board of COUNT elements as a layout file,
// so that whole processes (trazello-cli, cp) can be timed on the same file from the shell.
#include <cstdlib>
#include <iostream>
#include <string>

#include "SyntheticLayout.h"
#include "files/LayoutIo.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "Usage: make_synthetic_layout COUNT OUT\n";
    return 2;
  }
  char* end = nullptr;
  const unsigned long long count = std::strtoull(argv[1], &end, 10);
  if (!end || *end != '\0' || count == 0) {
    std::cerr << "make_synthetic_layout: COUNT must be a positive number\n";
    return 2;
  }
  trazello::Document doc = trazello::bench::syntheticDocument(static_cast<size_t>(count));
  if (auto failed = trazello::saveLayout(doc, argv[2])) {
    std::cerr << "make_synthetic_layout: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
