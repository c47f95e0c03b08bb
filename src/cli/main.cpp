// trazello-cli: every file and manufacturing job without a window.
#include <cstring>
#include <iostream>
#include <string>

#include "Version.h"

namespace {

void printUsage(std::ostream& out) {
  out << "Usage: trazello-cli [--help | --version] <command> [arguments]\n"
         "\n"
         "Runs Trazello's file and manufacturing jobs without a window.\n"
         "\n"
         "Options:\n"
         "  --help       show this help and exit\n"
         "  --version    show the version and exit\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    printUsage(std::cerr);
    return 2;
  }
  const std::string first = argv[1];
  if (first == "--help" || first == "-h") {
    printUsage(std::cout);
    return 0;
  }
  if (first == "--version") {
    std::cout << "trazello-cli " << trazello::kVersion << "\n";
    return 0;
  }
  std::cerr << "trazello-cli: unknown command \"" << first << "\"\n";
  printUsage(std::cerr);
  return 2;
}
