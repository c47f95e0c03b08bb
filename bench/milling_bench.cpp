// Isolation milling of a large copper layer, and the nearest-neighbour hole order before (the
// quadratic selection) and after (the grid search), side by side.
#include <benchmark/benchmark.h>

#include <random>

#include "QuadraticHoleOrder.h"
#include "SyntheticBoard.h"
#include "model/Layer.h"
#include "output/IsolationJob.h"
#include "output/NearestPath.h"

namespace trazello::bench {
namespace {

// The synthetic mix at its natural density, every element moved onto C1.
ElementList copperLayer(size_t count, BoardSettings& board) {
  int32_t side = 0;
  ElementList list = syntheticBoardOfDensity(count, side);
  list.editAll([](TObjekt& e) { e.Layer = layer::C1; });
  board.width = board.height = std::min(side, kMaxBoardSize);
  return list;
}

void BM_IsolationOutlines(benchmark::State& state) {
  BoardSettings board;
  const ElementList list = copperLayer(size_t(state.range(0)), board);
  MillingSelection s;
  s.toolWidth = 20;
  size_t outlines = 0;
  for (auto _ : state) outlines = isolate(list, s).outlines.size();
  state.counters["outlines"] = double(outlines);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_IsolationOutlines)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The whole command: outlines, the file, and the check for joined nets.
void BM_IsolationJobWithShorts(benchmark::State& state) {
  BoardSettings board;
  const ElementList list = copperLayer(size_t(state.range(0)), board);
  IsolationOptions o;
  o.selection.toolWidth = 20;
  size_t shorts = 0;
  for (auto _ : state) shorts = runIsolation(list, board, o).shorts.size();
  state.counters["shorts"] = double(shorts);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_IsolationJobWithShorts)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

std::vector<Point> holes(size_t count) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<float> c(0, 30000);
  std::vector<Point> p;
  for (size_t i = 0; i < count; ++i) p.push_back({std::round(c(rng)), -std::round(c(rng))});
  return p;
}

void BM_HoleOrderQuadratic(benchmark::State& state) {
  const std::vector<Point> p = holes(size_t(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(quadraticNearestOrder(p, {0, -30000}).data());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_HoleOrderQuadratic)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_HoleOrderGrid(benchmark::State& state) {
  const std::vector<Point> p = holes(size_t(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(nearestNeighbourOrder(p, {0, -30000}).data());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_HoleOrderGrid)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trazello::bench
BENCHMARK_MAIN();
