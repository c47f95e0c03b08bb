// Cost of the selection commands on a large board: rotate, mirror, align, duplicate (copy and the
// paste click) and delete of a selection of 1k or 10k elements on a board of 10k or 100k. Each
// should grow with the board and the selection, never with their product.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "BenchToolHost.h"
#include "edit/commands/SelectionCommands.h"
#include "edit/commands/TransformCommands.h"
#include "model/Groups.h"

namespace {

using namespace trazello;

class BenchHost : public bench::BenchToolHost {
 public:
  BenchHost(size_t count, size_t selected) : BenchToolHost(count) {
    doc.working().grid = 100;
    // Every k-th element, so that the selection spreads over the board; one group in ten
    // elements, as a board of placed footprints has.
    ElementList& list = doc.elements();
    const size_t step = std::max<size_t>(1, count / selected);
    for (size_t i = 0, n = 0; i < list.size() && n < selected; i += step, ++n) {
      TObjekt& e = list.edit(i);
      e.Selected = 1;
      pushGroup(e, int32_t(1 + n / 10));
    }
    undo.setDepth(4);
  }
};

size_t boardOf(const benchmark::State& state) {
  return static_cast<size_t>(state.range(0));
}
size_t selectionOf(const benchmark::State& state) {
  return static_cast<size_t>(state.range(1));
}

void report(benchmark::State& state) {
  state.counters["board"] = double(state.range(0));
  state.counters["selected"] = double(state.range(1));
}

void BM_Rotate(benchmark::State& state) {
  BenchHost host(boardOf(state), selectionOf(state));
  for (auto _ : state) benchmark::DoNotOptimize(rotateSelection(host.doc, host.undo, 45));
  report(state);
}

void BM_Mirror(benchmark::State& state) {
  BenchHost host(boardOf(state), selectionOf(state));
  for (auto _ : state) benchmark::DoNotOptimize(mirrorSelection(host.doc, host.undo, true));
  report(state);
}

void BM_Align(benchmark::State& state) {
  BenchHost host(boardOf(state), selectionOf(state));
  bool left = true;
  for (auto _ : state) {
    // Left and right in turn, so that every round moves the units.
    const Alignment how = left ? Alignment::Left : Alignment::Right;
    left = !left;
    benchmark::DoNotOptimize(alignSelection(host.doc, host.undo, how));
  }
  report(state);
}

void BM_Duplicate(benchmark::State& state) {
  BenchHost host(boardOf(state), selectionOf(state));
  const ElementList original = host.doc.elements();
  ToolDispatcher tools(host);
  for (auto _ : state) {
    copySelection(host.doc);
    tools.selectTool(ToolCode::PastePlacement);
    tools.handle(ToolEvent::move({1000, -1000}));
    benchmark::DoNotOptimize(tools.handle(ToolEvent::press({3000, -3000}, MouseButton::Left)));
    tools.handle(ToolEvent::release({3000, -3000}, MouseButton::Left));
    state.PauseTiming();
    if (host.doc.elements().size() != original.size() + selectionOf(state))
      state.SkipWithError("the paste did not add the selection");
    host.doc.elements() = original;
    state.ResumeTiming();
  }
  report(state);
}

void BM_Delete(benchmark::State& state) {
  BenchHost host(boardOf(state), selectionOf(state));
  const ElementList original = host.doc.elements();
  for (auto _ : state) {
    benchmark::DoNotOptimize(deleteSelection(host.doc, host.undo));
    state.PauseTiming();
    if (host.doc.elements().size() != original.size() - selectionOf(state))
      state.SkipWithError("the selection was not deleted");
    host.doc.elements() = original;
    state.ResumeTiming();
  }
  report(state);
}

void sizes(benchmark::internal::Benchmark* b) {
  b->Args({10000, 1000})->Args({10000, 10000})->Args({100000, 1000})->Args({100000, 10000});
  b->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_Rotate)->Apply(sizes);
BENCHMARK(BM_Mirror)->Apply(sizes);
BENCHMARK(BM_Align)->Apply(sizes);
BENCHMARK(BM_Duplicate)->Apply(sizes);
BENCHMARK(BM_Delete)->Apply(sizes);

}  // namespace

BENCHMARK_MAIN();
