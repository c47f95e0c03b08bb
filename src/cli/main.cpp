// trazello-cli: every file and manufacturing job without a window.
#include <iostream>
#include <string>

#include "Commands.h"
#include "DrawingCommands.h"
#include "HugePages.h"
#include "Version.h"

namespace {

using trazello::cli::Command;

// The commands that need no drawing; the others run in trazello-cli-draw.
constexpr const Command* kCommands[] = {
    &trazello::cli::kInfoCommand,        &trazello::cli::kConvertCommand,
    &trazello::cli::kGerberCommand,      &trazello::cli::kDrillCommand,
    &trazello::cli::kDrillsCommand,      &trazello::cli::kNetsCommand,
    &trazello::cli::kFloodCommand,       &trazello::cli::kDrcCommand,
    &trazello::cli::kRouteCommand,       &trazello::cli::kFootprintCommand,
    &trazello::cli::kImportGerberCommand};

void printUsage(std::ostream& out) {
  out << "Usage: trazello-cli [--help | --version] <command> [arguments]\n"
         "\n"
         "Runs Trazello's file and manufacturing jobs without a window.\n"
         "\n"
         "Commands:\n"
         "  info FILE            print the whole layout as one JSON object\n"
         "  convert IN OUT       read a layout of any version and write it as version 5\n"
         "  render FILE -o PNG   draw a board as the drawing area shows it into a PNG picture\n"
         "  gerber FILE -o DIR   write the Gerber files of a board\n"
         "  drill FILE -o OUT    write the Excellon drill file\n"
         "  drills FILE          print the drill list\n"
         "  nets FILE            list the nets of a board as JSON\n"
         "  flood FILE --layer L the ground plane of a copper layer as JSON polygons\n"
         "  drc FILE             run the design rule check, findings as JSON\n"
         "  route FILE -o OUT    route every connection of a board, results as JSON\n"
         "  footprint --type T --count N -o OUT.tzm\n"
         "                       write a footprint wizard pattern as a macro file\n"
         "  print FILE -o PDF    print a board at true scale into a PDF file\n"
         "  isolate FILE -o OUT  write the isolation-milling plotter file of a copper layer\n"
         "  outline FILE -o OUT  write the outline-milling plotter file\n"
         "  import-gerber FILE.trz GERBER... -o OUT.trz\n"
         "                       read Gerber files onto the layers of a board\n"
         "  export FILE -o OUT   write a picture of a board: .bmp, .gif, .jpg, .emf or .svg\n"
         "\n"
         "\"trazello-cli COMMAND --help\" shows the options of a command.\n"
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
  const std::string name = argv[1];
  const trazello::cli::Args args(argv + 2, argv + argc);
  if (name == "--help" || name == "-h") {
    printUsage(std::cout);
    return 0;
  }
  if (name == "--version") {
    std::cout << "trazello-cli " << trazello::kVersion << "\n";
    return 0;
  }
  // Pictures gain nothing from huge pages: their few large blocks are touched whole, and
  // making huge pages on request can stall the first touch while memory is compacted.
  if (trazello::cli::isDrawingCommand(name)) return trazello::cli::runDrawingProgram(argv);
  trazello::cli::restartWithHugePages(argv);
  if (auto status = trazello::cli::runFromTable(kCommands, name, args)) return *status;
  std::cerr << "trazello-cli: unknown command \"" << name << "\"\n";
  printUsage(std::cerr);
  return 2;
}
