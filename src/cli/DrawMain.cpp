// trazello-cli-draw: the commands of trazello-cli that draw through Qt. trazello-cli hands
// them over with its own arguments, so this program is not started by hand.
#include <algorithm>
#include <iostream>
#include <string>

#include "Commands.h"

namespace {

using trazello::cli::Command;

constexpr const Command* kCommands[] = {
    &trazello::cli::kRenderCommand, &trazello::cli::kPrintCommand, &trazello::cli::kExportCommand,
    &trazello::cli::kIsolateCommand, &trazello::cli::kOutlineCommand};

}  // namespace

int main(int argc, char** argv) {
  const std::string name = argc < 2 ? std::string() : argv[1];
  const trazello::cli::Args args(argv + std::min(argc, 2), argv + argc);
  if (auto status = trazello::cli::runFromTable(kCommands, name, args)) return *status;
  std::cerr << "trazello-cli: unknown command \"" << name << "\"\n";
  return 2;
}
