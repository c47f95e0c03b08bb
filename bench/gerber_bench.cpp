// Manufacturing output on synthetic boards: every Gerber layer, the drill file.
#include <benchmark/benchmark.h>

#include "SyntheticBoard.h"
#include "model/CopperGeometry.h"
#include "model/ElementGeometry.h"
#include "model/Layer.h"
#include "output/ExcellonFile.h"
#include "output/GerberExport.h"

namespace trazello::bench {
namespace {

BoardSettings boardOf300mm(bool groundPlane) {
  BoardSettings s;
  s.width = 30000;
  s.height = 30000;
  if (groundPlane)
    for (int code : {1, 3, 5, 6}) s.groundPlane[static_cast<size_t>(code)] = 1;
  return s;
}

// The synthetic board with every pad and SMD pad turned about its centre by one, two or three
// quarter turns, as parts placed upright and sideways are.
ElementList withTurnedPads(ElementList list) {
  for (size_t i = 0; i < list.size(); ++i) {
    if (!list[i].isPadLike()) continue;
    TObjekt& e = list.edit(i);
    rotateElement(e, padLikeCentre(e), 90 * Real(1 + i % 3));
  }
  return list;
}

// All eleven layer files, as a user exporting a whole set writes them.
void writeEveryLayer(benchmark::State& state, bool groundPlane, bool turned = false) {
  const ElementList plain = syntheticBoard(static_cast<size_t>(state.range(0)));
  const ElementList elements = turned ? withTurnedPads(plain) : plain;
  const BoardSettings board = boardOf300mm(groundPlane);
  size_t bytes = 0;
  for (auto _ : state) {
    for (GerberLayer l : kAllGerberLayers) {
      GerberOptions o;
      o.layer = l;
      o.pads = o.smdPads = o.others = isMaskChoice(l);
      o.smdOffset = isSmdMaskChoice(l) ? -0.10 : 0.10;
      o.punchHoles = isCopperChoice(l);
      const std::string text = GerberExport(elements, board, o).PlotteGerberfile();
      bytes += text.size();
      benchmark::DoNotOptimize(text.data());
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_GerberEveryLayer(benchmark::State& state) {
  writeEveryLayer(state, false);
}
BENCHMARK(BM_GerberEveryLayer)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_GerberEveryLayerTurnedPads(benchmark::State& state) {
  writeEveryLayer(state, false, true);
}
BENCHMARK(BM_GerberEveryLayerTurnedPads)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_GerberEveryLayerWithGroundPlane(benchmark::State& state) {
  writeEveryLayer(state, true);
}
BENCHMARK(BM_GerberEveryLayerWithGroundPlane)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// The CAM origin makes the export shift a private copy of every element.
void BM_GerberCopperWithCamOrigin(benchmark::State& state) {
  const ElementList elements = syntheticBoard(static_cast<size_t>(state.range(0)));
  const BoardSettings board = boardOf300mm(false);
  for (auto _ : state) {
    GerberOptions o;
    o.layer = GerberLayer::K1;
    o.camOrigin = state.range(1) != 0;
    benchmark::DoNotOptimize(GerberExport(elements, board, o).PlotteGerberfile().size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_GerberCopperWithCamOrigin)
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);

void BM_ExcellonSorted(benchmark::State& state) {
  const ElementList elements = syntheticBoard(static_cast<size_t>(state.range(0)));
  ExcellonOptions o;
  o.sort = state.range(1) != 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(excellonFile(elements, boardOf300mm(false), o).size());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ExcellonSorted)
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trazello::bench

BENCHMARK_MAIN();
