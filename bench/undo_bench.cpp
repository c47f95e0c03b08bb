// Cost of recording an undo step on boards of growing size, beside a full deep copy of the
// same list: the step shares unchanged elements, so it should grow by a pointer per element.
#include <benchmark/benchmark.h>

#include "SyntheticBoard.h"
#include "edit/UndoHistory.h"
#include "model/Document.h"

namespace {

using trazello::Document;
using trazello::UndoHistory;

void BM_RecordStep(benchmark::State& state) {
  Document doc;
  doc.elements() = trazello::bench::syntheticBoard(static_cast<size_t>(state.range(0)));
  // A handful of selected elements, as after a typical edit, must be detached.
  for (size_t i = 0; i < 8 && i < doc.elements().size(); ++i) doc.elements().edit(i).Selected = 1;
  UndoHistory history(51);
  size_t touched = 0;
  for (auto _ : state) {
    history.recordStep(doc);
    // The change the step was recorded for: one element detaches.
    doc.elements().edit(touched++ % doc.elements().size()).X += 1;
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RecordStep)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_UndoRedoPair(benchmark::State& state) {
  Document doc;
  doc.elements() = trazello::bench::syntheticBoard(static_cast<size_t>(state.range(0)));
  UndoHistory history(51);
  history.recordStep(doc);
  doc.elements().edit(0).X += 1;
  for (auto _ : state) {
    UndoHistory::undo(doc.currentBoard());
    UndoHistory::redo(doc.currentBoard());
  }
}
BENCHMARK(BM_UndoRedoPair)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_DeepCopy(benchmark::State& state) {
  const auto list = trazello::bench::syntheticBoard(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    auto copy = trazello::copyAll(list);
    benchmark::DoNotOptimize(copy);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DeepCopy)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
