#pragma once

#include <optional>
#include <string>
#include <vector>

namespace trazello::bench {

// What a finished child process cost: wall time from start to reaping, and the CPU time (user
// plus system) the kernel charged to it. Comparing programs by their whole processes counts
// their start-up, loading and exit alike, which a call through system() would hide.
struct ProcessCost {
  double wallSeconds = 0;
  double cpuSeconds = 0;
  ProcessCost& operator+=(const ProcessCost& o) {
    wallSeconds += o.wallSeconds;
    cpuSeconds += o.cpuSeconds;
    return *this;
  }
};

// Runs `argv` (the program is looked up in PATH) to its end with its output discarded. Nothing
// when it could not be started or did not exit with status 0.
std::optional<ProcessCost> runProcess(const std::vector<std::string>& argv);

}  // namespace trazello::bench
