#pragma once

#include <string_view>

namespace trazello::cli {

// The commands that draw through Qt (pictures, prints, milling previews) live in a second
// program beside trazello-cli, so that every other command starts without loading the Qt
// libraries. True when `name` is one of them.
bool isDrawingCommand(std::string_view name);

// Replaces this process by the drawing program with the same arguments; returns only when it
// could not be started, after telling stderr why, with the exit status to give.
int runDrawingProgram(char** argv);

}  // namespace trazello::cli
