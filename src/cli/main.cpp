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
         "  render FILE -o PNG   draw a board as the drawing area shows it into a PNG picture\n"
         "  gerber FILE -o DIR   write the Gerber files of a board (see gerber --help)\n"
         "  drill FILE -o OUT    write the Excellon drill file (see drill --help)\n"
         "  drills FILE          print the drill list\n"
         "  nets FILE            list the nets of a board as JSON\n"
         "  flood FILE --layer L the ground plane of a copper layer as JSON polygons\n"
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
  if (command == "render") return trazello::cli::runRender(args);
  if (command == "gerber") return trazello::cli::runGerber(args);
  if (command == "drill") return trazello::cli::runDrill(args);
  if (command == "drills") return trazello::cli::runDrills(args);
  if (command == "nets") return trazello::cli::runNets(args);
  if (command == "flood") return trazello::cli::runFlood(args);
  std::cerr << "trazello-cli: unknown command \"" << command << "\"\n";
  printUsage(std::cerr);
  return 2;
}
