#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Document.h"

namespace trazello::cli {

using Args = std::vector<std::string>;

// Each subcommand parses its arguments, runs its job and returns the exit status; errors go to
// stderr.
int runInfo(const Args& args);
int runConvert(const Args& args);
int runRender(const Args& args);

int runGerber(const Args& args);
int runDrill(const Args& args);
int runDrills(const Args& args);
int runNets(const Args& args);
int runFlood(const Args& args);

// The layout at `path` with board `board` (1-based; 0 keeps the file's current board) made
// current, or nothing after telling stderr why.
std::optional<Document> openForOutput(const std::string& path, int board);
// A message's line breaks as the terminal shows them.
std::string forTerminal(std::string text);

}  // namespace trazello::cli
