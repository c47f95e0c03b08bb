// The design rule check on synthetic boards of growing size: the indexed check against the
// written-out pair loops on the same board, and the indexed check alone on a large one.
#include <benchmark/benchmark.h>

#include "PairLoopSearch.h"
#include "SyntheticBoard.h"
#include "checks/DesignRuleCheck.h"
#include "model/Layer.h"

namespace trazello::bench {
namespace {

struct Board {
  ElementList list;
  BoardSettings settings;
  IRect window;
};

Board board(size_t count) {
  Board b;
  int32_t side = 0;
  b.list = syntheticBoardOfDensity(count, side);
  b.settings.width = side;
  b.settings.height = side;
  b.settings.activeLayer = layer::C1;
  b.window = IRect{0, -side, side, 0};
  return b;
}

void run(benchmark::State& state, const NeighbourSearchFactory& search) {
  const Board b = board(static_cast<size_t>(state.range(0)));
  size_t findings = 0;
  for (auto _ : state) {
    findings =
        runDesignRuleCheck(b.list, b.settings, DrcSettings{}, b.window, {}, search).findings.size();
    benchmark::DoNotOptimize(findings);
  }
  state.counters["findings"] = double(findings);
}

void BM_DrcIndexed(benchmark::State& state) {
  run(state, {});
}
void BM_DrcPairLoops(benchmark::State& state) {
  run(state, pairLoops());
}

BENCHMARK(BM_DrcIndexed)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_DrcPairLoops)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace trazello::bench

BENCHMARK_MAIN();
