// Reading and writing layout files of growing size: in memory, through the disk, and as the
// whole command-line process against copying the file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ProcessCost.h"
#include "SyntheticLayout.h"
#include "files/AtomicFile.h"
#include "files/LayoutFormat.h"
#include "files/LayoutIo.h"

namespace trazello::bench {
namespace {

Document documentOf(size_t count) {
  return syntheticDocument(count);
}

std::vector<uint8_t> bytesOf(const Document& d) {
  return serializeLayout(d.boards(), d.currentIndex(), d.projectInfo());
}

void BM_SerializeLayout(benchmark::State& state) {
  const Document d = documentOf(static_cast<size_t>(state.range(0)));
  size_t bytes = 0;
  for (auto _ : state) {
    const auto b = bytesOf(d);
    bytes = b.size();
    benchmark::DoNotOptimize(b.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_SerializeLayout)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ParseLayout(benchmark::State& state) {
  const auto bytes = bytesOf(documentOf(static_cast<size_t>(state.range(0))));
  for (auto _ : state) {
    auto file = parseLayout(bytes, "bench.trz");
    benchmark::DoNotOptimize(file.ok());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ParseLayout)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

std::string scratch(const char* name) {
  return (std::filesystem::temp_directory_path() /
          (std::string("trazello-bench-") + std::to_string(::getpid()) + name))
      .string();
}

// Save as the editor does it: cleanup, serialise, temporary file, fsync, rename.
void BM_SaveFile(benchmark::State& state) {
  Document d = documentOf(static_cast<size_t>(state.range(0)));
  const std::string path = scratch("-save.trz");
  for (auto _ : state) {
    if (saveLayout(d, path)) state.SkipWithError("save failed");
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveFile)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_OpenFile(benchmark::State& state) {
  Document source = documentOf(static_cast<size_t>(state.range(0)));
  const std::string path = scratch("-open.trz");
  saveLayout(source, path);
  for (auto _ : state) {
    Document d;
    auto r = openLayout(d, path, false);
    benchmark::DoNotOptimize(r.ok());
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_OpenFile)->Arg(100000)->Unit(benchmark::kMillisecond);

// The command-line tool to time: the one built beside this benchmark, or $TRAZELLO_CLI (an
// older build, to compare before and after on the same machine in one run).
std::string cliPath() {
  const char* other = std::getenv("TRAZELLO_CLI");
  return other && *other ? other : TRAZELLO_CLI;
}

// What users run against the floor of any program that reads and writes the file: `trazello-cli
// convert` (read, write, fsync) against `cp` plus `sync` of the same file, all as whole processes
// timed through wait4(), in alternating order so that both see the same load on a shared machine.
void BM_ConvertAgainstCopy(benchmark::State& state) {
  Document source = syntheticDocument(static_cast<size_t>(state.range(0)));
  const std::string from = scratch("-process-from.trz");
  const std::string copied = scratch("-process-cp.trz");
  const std::string converted = scratch("-process-convert.trz");
  saveLayout(source, from);
  const std::vector<std::vector<std::string>> copy = {{"cp", from, copied}, {"sync", copied}};
  const std::vector<std::string> convert = {cliPath(), "convert", from, converted};
  ProcessCost cp, tool;
  bool copyFirst = true;
  for (auto _ : state) {
    std::filesystem::remove(copied);
    std::filesystem::remove(converted);
    ProcessCost thisCopy, thisTool;
    for (int turn = 0; turn < 2; ++turn) {
      if ((turn == 0) == copyFirst) {
        for (const auto& argv : copy) {
          const auto c = runProcess(argv);
          if (!c) return state.SkipWithError("cp or sync failed");
          thisCopy += *c;
        }
      } else {
        const auto c = runProcess(convert);
        if (!c) return state.SkipWithError("trazello-cli convert failed");
        thisTool = *c;
      }
    }
    copyFirst = !copyFirst;
    cp += thisCopy;
    tool += thisTool;
    state.SetIterationTime(thisTool.wallSeconds);
  }
  const auto avg = benchmark::Counter::kAvgIterations;
  state.counters["convert_wall_ms"] = benchmark::Counter(1e3 * tool.wallSeconds, avg);
  state.counters["convert_cpu_ms"] = benchmark::Counter(1e3 * tool.cpuSeconds, avg);
  state.counters["cp_sync_wall_ms"] = benchmark::Counter(1e3 * cp.wallSeconds, avg);
  state.counters["cp_sync_cpu_ms"] = benchmark::Counter(1e3 * cp.cpuSeconds, avg);
  state.counters["wall_ratio"] = tool.wallSeconds / cp.wallSeconds;
  state.counters["cpu_ratio"] = tool.cpuSeconds / cp.cpuSeconds;
  std::filesystem::remove(from);
  std::filesystem::remove(copied);
  std::filesystem::remove(converted);
}
BENCHMARK(BM_ConvertAgainstCopy)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trazello::bench

BENCHMARK_MAIN();
