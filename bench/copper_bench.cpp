// Nets and ground-plane flood of synthetic boards of growing size.
#include <benchmark/benchmark.h>

#include "SyntheticBoard.h"
#include "checks/GroundPlane.h"
#include "checks/NetCache.h"
#include "checks/NetTrace.h"
#include "checks/PolygonOps.h"
#include "model/Layer.h"

namespace trazello::bench {
namespace {

// Boards of constant density, so that ten times the elements is ten times the board; the
// plane of C1 is on.
struct PlaneBoard {
  ElementList list;
  BoardSettings settings;
};

PlaneBoard planeBoard(size_t count) {
  PlaneBoard b;
  int32_t side = 0;
  b.list = syntheticBoardOfDensity(count, side);
  b.settings.width = side;
  b.settings.height = side;
  b.settings.activeLayer = layer::C1;
  b.settings.groundPlane[layer::C1] = 1;
  return b;
}

void BM_AllNets(benchmark::State& state) {
  const PlaneBoard board = planeBoard(static_cast<size_t>(state.range(0)));
  int32_t nets = 0;
  for (auto _ : state) {
    const NetTrace trace(board.list, board.settings);
    nets = trace.netCount();
    benchmark::DoNotOptimize(nets);
  }
  state.counters["nets"] = nets;
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AllNets)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same with every pair compared through polygons, the way the fast trace is checked.
void BM_AllNetsThroughPolygons(benchmark::State& state) {
  const PlaneBoard board = planeBoard(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    const NetTrace trace(board.list, board.settings, NetTrace::Method::Polygons);
    benchmark::DoNotOptimize(trace.netCount());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AllNetsThroughPolygons)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A click of the connection test on a board whose copper is unchanged since the last click:
// as the tool does, the last net is deselected, the nets are looked up and the clicked
// element's net is selected.
void BM_TestClickOnUnchangedBoard(benchmark::State& state) {
  PlaneBoard board = planeBoard(static_cast<size_t>(state.range(0)));
  std::vector<size_t> selected = netsOf(board.list, board.settings)->membersOf(0);
  size_t click = 0;
  for (auto _ : state) {
    for (size_t i : selected) board.list.edit(i).Selected = 0;
    click = (click + 7919) % board.list.size();
    selected = netsOf(board.list, board.settings)->membersOf(click);
    for (size_t i : selected) board.list.edit(i).Selected = 1;
  }
  state.counters["members"] = static_cast<double>(selected.size());
}
BENCHMARK(BM_TestClickOnUnchangedBoard)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_FloodOfC1(benchmark::State& state) {
  const PlaneBoard board = planeBoard(static_cast<size_t>(state.range(0)));
  double area = 0;
  for (auto _ : state) {
    area = areaInSquareUnits(floodOfLayer(board.list, board.settings, layer::C1));
    benchmark::DoNotOptimize(area);
  }
  state.counters["area_mm2"] = area / 10000;
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FloodOfC1)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trazello::bench

BENCHMARK_MAIN();
