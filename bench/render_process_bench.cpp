// Whole programs on the same board, as a user runs them: `trazello-cli render --dpi 300` of a
// synthetic board against gerbv drawing that board's Gerber and drill files (written by
// trazello-cli) to PNG at 300 dpi, run after run in turn so that both meet the same load.
// Counters: wall and CPU seconds (user + system of the finished program) per run, and how
// many times longer gerbv takes (`gerbv_per_ours`, by wall time; `_cpu` by CPU time).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "SyntheticBoard.h"
#include "files/LayoutIo.h"
#include "model/Layer.h"

extern char** environ;

namespace trazello::bench {
namespace {

namespace fs = std::filesystem;

struct Run {
  double wall = 0;
  double cpu = 0;
  bool ok = false;
};

Run run(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  Run r;
  if (posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    r.cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
            double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
  }
  posix_spawn_file_actions_destroy(&quiet);
  r.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return r;
}

// The board of `count` elements as a layout file, with its Gerber and drill files beside it.
fs::path boardFolder(size_t count) {
  static std::map<size_t, fs::path> made;
  if (auto it = made.find(count); it != made.end()) return it->second;
  const fs::path dir =
      fs::temp_directory_path() / ("trazello-render-bench-" + std::to_string(count));
  fs::create_directories(dir);
  Document d;
  d.working().width = 30000;
  d.working().height = 30000;
  d.working().activeLayer = layer::C2;
  d.storeWorkingSettings();
  d.currentBoard().elements = syntheticBoard(count);
  saveLayout(d, (dir / "board.trz").string());
  const std::string board = (dir / "board.trz").string();
  run({TRAZELLO_CLI, "gerber", board, "-o", dir.string(), "--layers", "C1,S1,C2"});
  run({TRAZELLO_CLI, "drill", board, "-o", (dir / "drill.drl").string()});
  return made[count] = dir;
}

// The command-line tool to time: the one built beside this benchmark, or $TRAZELLO_CLI (an
// older build, to compare before and after on the same machine in one run).
std::string cliPath() {
  const char* other = std::getenv("TRAZELLO_CLI");
  return other && *other ? other : TRAZELLO_CLI;
}

void BM_RenderVsGerbv(benchmark::State& state) {
  const fs::path dir = boardFolder(static_cast<size_t>(state.range(0)));
  const std::vector<std::string> ours = {
      cliPath(), "render", (dir / "board.trz").string(), "-o", (dir / "ours.png").string(),
      "--dpi",   "300"};
  const std::vector<std::string> gerbv = {TRAZELLO_GERBV,
                                          "-x",
                                          "png",
                                          "-D",
                                          "300",
                                          "-o",
                                          (dir / "gerbv.png").string(),
                                          (dir / "Copper1.GBR").string(),
                                          (dir / "Silkscreen1.GBR").string(),
                                          (dir / "Copper2.GBR").string(),
                                          (dir / "drill.drl").string()};
  Run sumOurs, sumGerbv;
  for (auto _ : state) {
    const Run a = run(ours), b = run(gerbv);
    if (!a.ok || !b.ok) {
      state.SkipWithError(a.ok ? "gerbv failed" : "trazello-cli render failed");
      return;
    }
    state.SetIterationTime(a.wall);
    sumOurs.wall += a.wall;
    sumOurs.cpu += a.cpu;
    sumGerbv.wall += b.wall;
    sumGerbv.cpu += b.cpu;
  }
  const double n = double(state.iterations());
  state.counters["ours_s"] = sumOurs.wall / n;
  state.counters["ours_cpu_s"] = sumOurs.cpu / n;
  state.counters["gerbv_s"] = sumGerbv.wall / n;
  state.counters["gerbv_cpu_s"] = sumGerbv.cpu / n;
  state.counters["gerbv_per_ours"] = sumGerbv.wall / sumOurs.wall;
  state.counters["gerbv_per_ours_cpu"] = sumGerbv.cpu / sumOurs.cpu;
}

BENCHMARK(BM_RenderVsGerbv)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trazello::bench

BENCHMARK_MAIN();
