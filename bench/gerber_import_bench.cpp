// Reading a 2 MB Gerber file: our reader in the process and as a whole trazello-cli run, side by
// side with gerbv reading the same file and writing it back as RS-274X, each a whole process.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "SyntheticBoard.h"
#include "files/LayoutIo.h"
#include "import/GerberReader.h"
#include "import/GerberToElements.h"
#include "output/GerberExport.h"

namespace trazello::bench {
namespace {

namespace fs = std::filesystem;

struct Fixture {
  fs::path dir;
  std::string text;
  fs::path gerber, layout;
  BoardSettings board;

  Fixture() {
    dir =
        fs::temp_directory_path() / ("trazello-gerber-import-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    board.width = board.height = 30000;
    // A copper layer of a synthetic board, grown until the file reaches 2 MB.
    for (size_t n = 4000; text.size() < 2'000'000; n += n / 2) {
      GerberOptions o;
      o.layer = GerberLayer::K1;
      text = GerberExport(syntheticBoard(n), board, o).PlotteGerberfile();
    }
    gerber = dir / "board.gbr";
    std::ofstream(gerber, std::ios::binary) << text;
    Document doc;
    doc.working().width = board.width;
    doc.working().height = board.height;
    layout = dir / "empty.trz";
    saveLayout(doc, layout.string());
  }
  ~Fixture() { fs::remove_all(dir); }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void run(benchmark::State& state, const std::string& command) {
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError(command.c_str());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fixture().text.size()));
}

void BM_ReadGerber(benchmark::State& state) {
  const std::string& text = fixture().text;
  for (auto _ : state) {
    GerberReadResult r = readGerber(text);
    benchmark::DoNotOptimize(r.image.objects.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadGerber)->Unit(benchmark::kMillisecond);

void BM_ReadGerberIntoElements(benchmark::State& state) {
  const std::string& text = fixture().text;
  for (auto _ : state) {
    GerberReadResult r = readGerber(text);
    std::vector<TObjekt> el = gerberToElements(std::move(r.image), 1, fixture().board.height);
    benchmark::DoNotOptimize(el.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadGerberIntoElements)->Unit(benchmark::kMillisecond);

// The whole command: start, read, make elements, write the layout.
void BM_CliImportGerberProcess(benchmark::State& state) {
  const Fixture& f = fixture();
  run(state, std::string(TRAZELLO_CLI) + " import-gerber " + f.layout.string() + " " +
                 f.gerber.string() + " -o " + (f.dir / "out.trz").string() + " >/dev/null");
}
BENCHMARK(BM_CliImportGerberProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// gerbv's reading as a whole process: start, read, write the file again as RS-274X.
void BM_GerbvReadProcess(benchmark::State& state) {
  const Fixture& f = fixture();
  if (std::string(TRAZELLO_GERBV).empty()) {
    state.SkipWithError("gerbv is missing");
    return;
  }
  run(state, std::string(TRAZELLO_GERBV) + " -x rs274x -o " + (f.dir / "again.gbr").string() + " " +
                 f.gerber.string() + " 2>/dev/null");
}
BENCHMARK(BM_GerbvReadProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace trazello::bench

BENCHMARK_MAIN();
