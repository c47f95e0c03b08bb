#pragma once

#include <string>
#include <vector>

namespace trazello::cli {

using Args = std::vector<std::string>;

// Each subcommand parses its arguments, runs its job and returns the exit status; errors go to
// stderr.
int runInfo(const Args& args);
int runConvert(const Args& args);

}  // namespace trazello::cli
