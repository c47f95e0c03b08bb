// Whole-board repaints of synthetic boards into a 1920 x 1080 drawing area: the board zoomed to
// fit, and zoomed in so that about a tenth of its area is visible (the clip rectangle at work);
// and a tenth of the board at the fitting zoom, which draws each element as large as the whole
// board's picture does.
#include <benchmark/benchmark.h>

#include <QImage>
#include <cmath>
#include <map>

#include "SyntheticBoard.h"
#include "checks/ElementBoxIndex.h"
#include "model/ElementGeometry.h"
#include "model/Layer.h"
#include "view/BoardPicture.h"

namespace {

using namespace trazello;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int32_t kBoardSide = 30000;  // the synthetic boards spread over 300 x 300 mm

const ElementList& board(size_t n) {
  static std::map<size_t, ElementList> cache;
  auto it = cache.find(n);
  if (it == cache.end()) it = cache.emplace(n, bench::syntheticBoard(n)).first;
  return it->second;
}

BoardSettings settings(bool groundPlane) {
  BoardSettings s;
  s.width = kBoardSide;
  s.height = kBoardSide;
  s.activeLayer = layer::C2;
  s.groundPlane[layer::C2] = groundPlane ? 1 : 0;
  return s;
}

void repaint(benchmark::State& state, double zoom, bool groundPlane, int width = kWidth,
             int height = kHeight) {
  const ElementList& list = board(static_cast<size_t>(state.range(0)));
  const BoardSettings s = settings(groundPlane);
  ViewMapping m;
  m.zoom = clampZoom(zoom, s.width, s.height);
  m.boardWidth = s.width;
  // Centre the view on the board.
  m.scrollX = static_cast<int32_t>(std::lround(kBoardSide * m.scale() / 2 - width / 2.0));
  m.scrollY = static_cast<int32_t>(std::lround(kBoardSide * m.scale() / 2 - height / 2.0));
  if (m.scrollX < 0) m.scrollX = 0;
  if (m.scrollY < 0) m.scrollY = 0;
  QImage image(width, height, QImage::Format_RGB32);
  RenderOptions options;
  options.bands = 1;  // the drawing area paints in one pass; pictures may use more threads
  for (auto _ : state) {
    renderView(image, s, list, defaultScheme(), options, m);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

double fitZoom() {
  return boardZoom(kWidth, kHeight, kBoardSide, kBoardSide);
}
// (w / z) x (h / z) = a tenth of the board's area.
double tenthZoom() {
  return std::sqrt(double(kWidth) * kHeight * 10 / (double(kBoardSide) * kBoardSide));
}

void BM_RenderBoardZoom(benchmark::State& state) {
  repaint(state, fitZoom(), false);
}
void BM_RenderTenthVisible(benchmark::State& state) {
  repaint(state, tenthZoom(), false);
}
// A tenth of the board at the zoom that shows all of it, in a drawing area a tenth of the
// board's picture: the same pixels per element as BM_RenderBoardZoom, a tenth of the elements.
void BM_RenderTenthSameZoom(benchmark::State& state) {
  const int side = static_cast<int>(std::lround(kHeight / std::sqrt(10.0)));
  repaint(state, fitZoom(), false, side, side);
}
void BM_RenderBoardZoomGroundPlane(benchmark::State& state) {
  repaint(state, fitZoom(), true);
}
void BM_RenderTenthVisibleGroundPlane(benchmark::State& state) {
  repaint(state, tenthZoom(), true);
}

// The box index of the whole board built anew, as a board just opened needs it.
void BM_BoxIndexBuiltAnew(benchmark::State& state) {
  const ElementList& list = board(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    const ElementBoxIndex index(list);
    benchmark::DoNotOptimize(index.size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// What the first repaint after an edit pays besides drawing: the box index of the board after
// ten elements (pads among them) were moved, edit after edit, as the editor asks for it.
void BM_BoxIndexAfterAnEdit(benchmark::State& state) {
  ElementList list = board(static_cast<size_t>(state.range(0)));
  benchmark::DoNotOptimize(boxIndexOf(list)->size());
  size_t next = 0;
  for (auto _ : state) {
    for (int k = 0; k < 10; ++k) {
      next = (next + 7919) % list.size();
      moveElement(list.edit(next), 10, -10);
    }
    benchmark::DoNotOptimize(boxIndexOf(list)->size());
  }
}

// The same after an undo: the list goes back to the snapshot taken before the edit.
void BM_BoxIndexAfterUndo(benchmark::State& state) {
  ElementList list = board(static_cast<size_t>(state.range(0)));
  benchmark::DoNotOptimize(boxIndexOf(list)->size());
  size_t next = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const ElementList snapshot = list;
    for (int k = 0; k < 10; ++k) {
      next = (next + 7919) % list.size();
      moveElement(list.edit(next), 10, -10);
    }
    benchmark::DoNotOptimize(boxIndexOf(list)->size());
    list = snapshot;
    state.ResumeTiming();
    benchmark::DoNotOptimize(boxIndexOf(list)->size());
  }
}

}  // namespace

BENCHMARK(BM_BoxIndexBuiltAnew)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BoxIndexAfterAnEdit)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BoxIndexAfterUndo)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderBoardZoom)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderTenthVisible)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderTenthSameZoom)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderBoardZoomGroundPlane)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderTenthVisibleGroundPlane)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
