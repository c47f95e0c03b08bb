// trazello-cli: every file and manufacturing job without a window.
#include <iostream>
#include <string>

#include "Commands.h"
#include "Version.h"

namespace {

void printUsage(std::ostream& out) {
  out << "Usage: trazello-cli [--help | --version] <command> [arguments]\n"
         "\n"
         "Runs Trazello's file and manufacturing jobs without a window.\n"
         "\n"
         "Commands:\n"
         "  info FILE            print the whole layout as one JSON object\n"
         "  convert IN OUT       read a layout of any version and write it as version 5\n"
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
  const std::string command = argv[1];
  const trazello::cli::Args args(argv + 2, argv + argc);
  if (command == "--help" || command == "-h") {
    printUsage(std::cout);
    return 0;
  }
  if (command == "--version") {
    std::cout << "trazello-cli " << trazello::kVersion << "\n";
    return 0;
  }
  if (command == "info") return trazello::cli::runInfo(args);
  if (command == "convert") return trazello::cli::runConvert(args);
  std::cerr << "trazello-cli: unknown command \"" << command << "\"\n";
  printUsage(std::cerr);
  return 2;
}
