#include "DrawingCommands.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

namespace trazello::cli {

namespace {

constexpr std::string_view kDrawingCommands[] = {"render", "print", "export", "isolate", "outline"};

// The drawing program is built and installed beside this one.
std::string drawingProgram() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return "trazello-cli-draw";
  return (exe.parent_path() / "trazello-cli-draw").string();
}

}  // namespace

bool isDrawingCommand(std::string_view name) {
  return std::find(std::begin(kDrawingCommands), std::end(kDrawingCommands), name) !=
         std::end(kDrawingCommands);
}

int runDrawingProgram(char** argv) {
  const std::string program = drawingProgram();
  ::execv(program.c_str(), argv);
  std::cerr << "trazello-cli: cannot start \"" << program << "\": " << std::strerror(errno) << "\n";
  return 1;
}

}  // namespace trazello::cli
