// Reading and writing layout files of growing size, in memory and through the disk.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "SyntheticBoard.h"
#include "files/AtomicFile.h"
#include "files/LayoutFormat.h"
#include "files/LayoutIo.h"

namespace trazello::bench {
namespace {

Document documentOf(size_t count) {
  Document d;
  d.working().width = 30000;
  d.working().height = 30000;
  d.storeWorkingSettings();
  d.currentBoard().elements = syntheticBoard(count);
  return d;
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

// The floor: copying the same file with cp, fsync included.
void BM_CpSameFile(benchmark::State& state) {
  Document source = documentOf(static_cast<size_t>(state.range(0)));
  const std::string from = scratch("-cp-from.trz");
  const std::string to = scratch("-cp-to.trz");
  saveLayout(source, from);
  const std::string command = "cp " + from + " " + to + " && sync " + to;
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("cp failed");
  }
  std::filesystem::remove(from);
  std::filesystem::remove(to);
}
BENCHMARK(BM_CpSameFile)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trazello::bench

BENCHMARK_MAIN();
