// Cost of the editing tools' pointer work on boards of growing size (1k, 10k, 100k elements at
// a constant density): one pointer move while dragging a selection of 100 elements (plain and
// with Shift's move snap), one hit test, one element snap, and the index rebuild that follows a
// change made outside the tools.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "BenchToolHost.h"
#include "model/PadGeometry.h"

namespace {

using namespace trazello;

using BenchHost = bench::BenchToolHost;

// Selects the 100 pads nearest the board's centre and returns the centre of the nearest.
Point selectHundredPads(ElementList& list, int32_t side) {
  const Point c{side / 2.0f, -side / 2.0f};
  std::vector<size_t> pads;
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].Kind == ElementKind::Pad) pads.push_back(i);
  auto d = [&](size_t i) {
    const float dx = list[i].X - c.x, dy = list[i].Y - c.y;
    return dx * dx + dy * dy;
  };
  std::partial_sort(pads.begin(), pads.begin() + 100, pads.end(),
                    [&](size_t a, size_t b) { return d(a) < d(b); });
  for (size_t k = 0; k < 100; ++k) list.edit(pads[k]).Selected = 1;
  return {list[pads[0]].X, list[pads[0]].Y};
}

void dragMove(benchmark::State& state, Modifiers mods) {
  BenchHost host(static_cast<size_t>(state.range(0)));
  const Point grab = selectHundredPads(host.doc.elements(), host.side);
  ToolDispatcher tools(host);
  tools.handle(ToolEvent::press(grab, MouseButton::Left));
  tools.handle(ToolEvent::move(grab, uint8_t(MouseButton::Left), mods));
  if (!tools.state().moving || tools.state().moved.size() != 100) {
    state.SkipWithError("the press did not start moving the 100 selected pads");
    return;
  }
  int step = 0;
  for (auto _ : state) {
    const float d = static_cast<float>((step++ % 40) * 37);
    Outcome o =
        tools.handle(ToolEvent::move({grab.x + d, grab.y - d}, uint8_t(MouseButton::Left), mods));
    benchmark::DoNotOptimize(o);
  }
}

void BM_DragMove(benchmark::State& state) {
  dragMove(state, {});
}
BENCHMARK(BM_DragMove)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_DragMoveWithShiftSnap(benchmark::State& state) {
  dragMove(state, {.shift = true});
}
BENCHMARK(BM_DragMoveWithShiftSnap)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);

std::vector<Point> randomPoints(int32_t side) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> pos(0, static_cast<float>(side));
  std::vector<Point> pts(1024);
  for (Point& p : pts) p = {pos(rng), -pos(rng)};
  return pts;
}

void BM_HitTest(benchmark::State& state) {
  BenchHost host(static_cast<size_t>(state.range(0)));
  const ElementList& list = host.doc.elements();
  BoardIndex index;
  index.sync(list);
  const HitTest hit(list, index, host.layers(), host.zoom(), true);
  const std::vector<Point> pts = randomPoints(host.side);
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(hit.at(pts[i++ % pts.size()]));
}
BENCHMARK(BM_HitTest)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_ElementSnap(benchmark::State& state) {
  BenchHost host(static_cast<size_t>(state.range(0)));
  const ElementList& list = host.doc.elements();
  BoardIndex index;
  index.sync(list);
  const PointerSnap snap(list, index, host.layers());
  const std::vector<Point> pts = randomPoints(host.side);
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(snap.elementSnap(pts[i++ % pts.size()], false));
}
BENCHMARK(BM_ElementSnap)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_IndexRebuild(benchmark::State& state) {
  BenchHost host(static_cast<size_t>(state.range(0)));
  ElementList& list = host.doc.elements();
  BoardIndex index;
  for (auto _ : state) {
    list.edit(0).X += 0;  // a change made elsewhere: the next sync rebuilds
    index.sync(list);
  }
}
BENCHMARK(BM_IndexRebuild)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
