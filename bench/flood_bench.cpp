// The flood command's work: the ground plane of a layer as its joined pieces and their area,
// on boards of constant density where only the pads keep a clearance (as generated) and where
// every element keeps the editor's default 0.4 mm.
#include <benchmark/benchmark.h>

#include "SyntheticBoard.h"
#include "checks/GroundPlane.h"
#include "checks/PolygonOps.h"
#include "model/Layer.h"

namespace trazello::bench {
namespace {

struct FloodBoard {
  ElementList list;
  BoardSettings settings;
};

FloodBoard floodBoard(size_t count, bool everyElementCleared) {
  FloodBoard b;
  int32_t side = 0;
  b.list = syntheticBoardOfDensity(count, side);
  if (everyElementCleared) {
    for (size_t i = 0; i < b.list.size(); ++i) b.list.edit(i).Clearance = 40;
  }
  b.settings.width = side;
  b.settings.height = side;
  b.settings.groundPlane[layer::C1] = 1;
  return b;
}

// range(0): elements; range(1): 1 when every element has a clearance.
void BM_FloodCommand(benchmark::State& state) {
  const FloodBoard board = floodBoard(static_cast<size_t>(state.range(0)), state.range(1) != 0);
  size_t count = 0;
  double area = 0;
  for (auto _ : state) {
    const std::vector<PolygonWithHoles> flood = floodPieces(board.list, board.settings, layer::C1);
    count = flood.size();
    area = areaInSquareUnits(flood);
    benchmark::DoNotOptimize(area);
  }
  state.counters["pieces"] = static_cast<double>(count);
  state.counters["area_mm2"] = area / 10000;
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FloodCommand)
    ->ArgsProduct({{1000, 10000, 100000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The same pieces through one union of the whole plane, as the command made them before;
// kept to show what joining along the tile edges saves (only up to 10k: at 100k it takes
// minutes).
void BM_FloodThroughWholeUnion(benchmark::State& state) {
  const FloodBoard board = floodBoard(static_cast<size_t>(state.range(0)), state.range(1) != 0);
  size_t count = 0;
  for (auto _ : state) {
    const std::vector<PolygonWithHoles> flood =
        pieces(floodOfLayer(board.list, board.settings, layer::C1));
    count = flood.size();
    benchmark::DoNotOptimize(count);
  }
  state.counters["pieces"] = static_cast<double>(count);
}
BENCHMARK(BM_FloodThroughWholeUnion)
    ->ArgsProduct({{1000, 10000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trazello::bench

BENCHMARK_MAIN();
