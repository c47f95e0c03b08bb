// Element-list jobs on synthetic boards of growing size.
#include <benchmark/benchmark.h>

#include "SyntheticBoard.h"
#include "model/ElementGeometry.h"

namespace trazello::bench {
namespace {

void BM_DeepCopyWholeList(benchmark::State& state) {
  const ElementList board = syntheticBoard(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    ElementList copy = copyAll(board);
    benchmark::DoNotOptimize(copy.size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DeepCopyWholeList)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// What an undo snapshot costs when elements are shared instead of copied.
void BM_SharedSnapshot(benchmark::State& state) {
  const ElementList board = syntheticBoard(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    ElementList snapshot = board;
    benchmark::DoNotOptimize(snapshot.size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SharedSnapshot)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_BoxOfEverything(benchmark::State& state) {
  const ElementList board = syntheticBoard(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    IRect r = boxOfEverything(board);
    benchmark::DoNotOptimize(r);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BoxOfEverything)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trazello::bench

BENCHMARK_MAIN();
