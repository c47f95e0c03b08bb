// Routing every connection of a board: the interactive router run over a whole board, as the
// command line does it.
#include <benchmark/benchmark.h>

#include "checks/AutoRouter.h"
#include "model/Layer.h"

namespace trazello {
namespace {

// `count` connections in a square field of cells 7.5 × 12 mm; in each cell two pads 6 mm apart
// with a short track of another net across the straight way, so every route bends around it.
ElementList connectionField(int count, BoardSettings& board) {
  int columns = 1;
  while (columns * columns < count) ++columns;
  const int rows = (count + columns - 1) / columns;
  board.width = columns * 750 + 500;
  board.height = rows * 1200 + 500;
  board.activeLayer = layer::C1;
  ElementList list;
  for (int n = 0; n < count; ++n) {
    const float x = 250.f + float(n % columns) * 750 + 375, y = -250.f - float(n / columns) * 1200;
    list.append(newPad({x, y - 300}, layer::C1, 1, 80, 40));
    list.append(newPad({x, y - 900}, layer::C1, 1, 80, 40));
    const size_t a = list.size() - 2, b = list.size() - 1;
    list.edit(a).Links.push_back(list[b].Id);
    list.edit(b).Links.push_back(list[a].Id);
    TObjekt bar = newTrack(60, layer::C1);
    bar.Points = {{x - 150, y - 600}, {x + 150, y - 600}};
    list.append(bar);
  }
  return list;
}

void BM_RouteAll(benchmark::State& state) {
  BoardSettings board;
  const ElementList field = connectionField(int(state.range(0)), board);
  const RouteSettings settings{40, 20, layer::C1, 0};
  size_t routed = 0;
  for (auto _ : state) {
    ElementList list = field;
    const auto result = routeAllConnections(list, board, settings);
    routed = 0;
    for (const auto& r : result) routed += r.result.routed ? 1 : 0;
    benchmark::DoNotOptimize(routed);
  }
  state.counters["routed"] = double(routed);
  state.counters["per_connection"] =
      benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate |
                                                     benchmark::Counter::kInvert);
}
BENCHMARK(BM_RouteAll)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trazello

BENCHMARK_MAIN();
