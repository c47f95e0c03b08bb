// Inputs made to hang, exhaust or crash the command-line tool, each built small here as the
// attack built it: every run ends with a clear message or a bounded, correct result. The tool
// runs as a child with a CPU limit, a memory limit and a wall-clock limit, so that a
// regression fails the test instead of hanging the machine.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <thread>

#include "files/AtomicFile.h"
#include "files/LayoutFormat.h"
#include "fixtures/Bytes.h"
#include "fixtures/Seeds.h"
#include "model/Layer.h"

#if defined(__SANITIZE_ADDRESS__)
#define TRAZELLO_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TRAZELLO_UNDER_ASAN 1
#endif
#endif

namespace trazello {
namespace {

namespace fs = std::filesystem;

// The limits of every run: far above what a sound input needs, even under the sanitizers.
constexpr int kCpuSeconds = 60;
constexpr int kWallSeconds = 120;
constexpr int kMemoryMb = 1536;

struct LimitedRun {
  int status = -1;  // exit code, or -1 when killed by a signal or the wall clock
  std::string out, err;
};

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs the tool with `args` under the limits; its output goes to files beside `dir`.
LimitedRun runLimited(const std::vector<std::string>& args, const fs::path& dir) {
  const fs::path out = dir / "stdout", err = dir / "stderr";
  const pid_t pid = ::fork();
  if (pid == 0) {
    const rlimit cpu{kCpuSeconds, kCpuSeconds};
    ::setrlimit(RLIMIT_CPU, &cpu);
#ifdef TRAZELLO_UNDER_ASAN
    // The address sanitizer reserves terabytes of address space, so the memory is limited by
    // its own allocator instead: any allocation past the limit ends the run with a report.
    const std::string mb = std::to_string(kMemoryMb);
    const char* old = std::getenv("ASAN_OPTIONS");
    const std::string options = std::string(old ? old : "") + (old && *old ? ":" : "") +
                                "malloc_limit_mb=" + mb + ":hard_rss_limit_mb=" + mb;
    ::setenv("ASAN_OPTIONS", options.c_str(), 1);
#else
    const rlim_t bytes = rlim_t(kMemoryMb) << 20;
    const rlimit memory{bytes, bytes};
    ::setrlimit(RLIMIT_AS, &memory);
#endif
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(o, 1);
    ::dup2(e, 2);
    std::vector<char*> argv{const_cast<char*>(TRAZELLO_CLI)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(TRAZELLO_CLI, argv.data());
    ::_exit(127);
  }
  LimitedRun r;
  int raw = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kWallSeconds);
  while (::waitpid(pid, &raw, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &raw, 0);
      r.err = "killed after " + std::to_string(kWallSeconds) + " s\n";
      return r;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = slurp(out);
  r.err = slurp(err);
  return r;
}

TObjekt track(Point a, Point b, int32_t width = 25) {
  TObjekt t = newTrack(width, layer::C1);
  t.Points = {a, b};
  return t;
}

TObjekt hatchedZone(float size, int32_t pitch) {
  TObjekt z = newZone(10, layer::C1);
  z.Hatched() = 1;
  z.HatchAsOutline() = 0;
  z.Value53 = pitch;
  z.Points = {{0, 0}, {size, 0}, {size, -size}, {0, -size}};
  return z;
}

// The layout writer with the raw values set, as the attack's own writer produced them.
std::vector<uint8_t> layoutOf(std::vector<TObjekt> elements, BoardSettings settings = {}) {
  Board b;
  b.name = "Board 1";
  b.settings = settings;
  for (TObjekt& e : elements) b.elements.append(std::move(e));
  return serializeLayout({b}, 0, ProjectInfo{});
}

// Version 4, whose origin is stored in whole units and multiplied by 1000 when read.
std::vector<uint8_t> version4WithOrigin(int32_t origin) {
  testing::Bytes f;
  f.u32(kVersionBase + 4).i32(1).shortString("B", 30);
  f.zeros(4).i32(9000).i32(6000).u8(0).u8(1).f64(25.4).f64(1.5).i32(0).i32(0).i32(3);
  f.u8(1).u8(0).u8(1).u8(1).u8(0).u8(0).shortString("", 200).shortString("", 200);
  f.i32(600).i32(600).i32(0).i32(0).i32(0).i32(0).i32(65280).i32(65280).i32(origin).i32(origin);
  f.i32(0);  // no elements
  f.i32(0).shortString("", 100).shortString("", 100).shortString("", 100).lengthString("");
  return f.data;
}

class AttackInputs : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("trazello-attack-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string p = (dir_ / name).string();
    EXPECT_FALSE(writeFileAtomically(p, bytes));
    // The small ones start the pipeline fuzzer from where the attacks were.
    if (bytes.size() < 65536) testing::writeSeed(name, bytes);
    return p;
  }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  fs::path dir_;
};

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST_F(AttackInputs, EachEndsWithAClearMessageOrABoundedResult) {
  const float e9 = 2e9f;
  const std::string farTrack = write("far.trz", layoutOf({track({-e9, -e9}, {e9, e9})}));
  std::vector<TObjekt> twenty(20, track({-e9, -e9}, {e9, e9}));
  twenty.push_back(track({100, -100}, {600, -100}));
  const std::string farTracks = write("far20.trz", layoutOf(twenty));
  // Within the coordinates a file may hold, across the whole range: the spatial index must not
  // fill every cell of their boxes.
  const std::vector<TObjekt> wide(20, track({-1e6f, -1e6f}, {1e6f, 1e6f}));
  const std::string wideTracks = write("wide20.trz", layoutOf(wide));
  const std::string hugeZone = write("zone2e9.trz", layoutOf({hatchedZone(2e9f, 10), track({0, 0}, {100, 0})}));
  const std::string bigZone = write("zone1e6.trz", layoutOf({hatchedZone(1e6f, 10)}));
  TObjekt nanPad = newPad({1000, -1000}, layer::C1, padshape::Round, 50, 20);
  nanPad.SizeA = kNaN;
  TObjekt hugePad = newPad({2000, -1000}, layer::C1, padshape::Round, 50, 20);
  hugePad.SizeA = 3e9f;
  const std::string pads = write("pads.trz", layoutOf({nanPad, hugePad, track({0, 0}, {100, 0})}));
  BoardSettings largest;
  largest.width = largest.height = kMaxBoardSize;
  largest.zoom = 5;
  const std::string zoomed = write("zoom5.trz", layoutOf({track({0, 0}, {100, 0})}, largest));
  BoardSettings wider = largest;
  wider.width = 20000000;  // beyond 12.8 M units the zoom range once turned upside down
  const std::string widest = write("wide-board.trz", layoutOf({track({0, 0}, {100, 0})}, wider));
  const std::string origin = write("origin4.trz", version4WithOrigin(std::numeric_limits<int32_t>::max()));
  std::vector<uint8_t> trailing = layoutOf({track({100, -100}, {600, -100})});
  trailing.resize(trailing.size() + (1 << 20), 0x5A);
  const std::string tail = write("tail.trz", trailing);
  // A small layout followed by far more than any layout can be, without using the disk.
  const std::string giant = write("giant.trz", layoutOf({track({100, -100}, {600, -100})}));
  fs::resize_file(giant, (size_t(3) << 30));
  ASSERT_EQ(::mkfifo(path("scan.bmp").c_str(), 0600), 0);
  BoardSettings withScan;
  withScan.templateShown[0] = 1;
  withScan.templateFile[0] = path("scan.bmp");
  withScan.zoom = 0.02;
  const std::string scanBoard = write("scan.trz", layoutOf({track({0, 0}, {100, 0})}, withScan));
  const std::string demo = std::string(TRAZELLO_SOURCE_DIR) + "/examples/demo.trz";
  const std::string out = path("out");
  fs::create_directories(out);

  struct Case {
    const char* what;
    std::vector<std::string> args;
    int status;
    std::vector<std::string> err;  // each must be in stderr
    std::string outStarts;         // stdout starts with this
    std::string outLacks = "\x01";  // stdout holds nothing of this
  };
  const std::string leftOutTrack =
      " elements with coordinates or sizes no board can have were left out (Track: ";
  const std::vector<Case> cases = {
      {"a track from -2e9 to 2e9", {"nets", farTrack}, 0, {"1" + leftOutTrack + "1)"}, "{\"nets\":[]}"},
      {"twenty such tracks", {"nets", farTracks}, 0, {"20" + leftOutTrack + "20)"}, "{\"nets\":[[0]]}"},
      {"twenty tracks across the whole range that may be stored",
       {"nets", wideTracks},
       0,
       {},
       "{\"nets\":[[0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19]]}"},
      {"a hatched zone of 2e9 units", {"gerber", hugeZone, "-o", out}, 0, {"(Zone: 1)"}, ""},
      {"a hatched zone of 10 m at the smallest pitch, Gerber", {"gerber", bigZone, "-o", out}, 0, {}, ""},
      {"a hatched zone of 10 m at the smallest pitch, picture",
       {"render", bigZone, "-o", path("zone.png"), "--zoom", "0.01"},
       0,
       {},
       ""},
      {"NaN and huge pads", {"gerber", pads, "-o", out}, 0, {"2 elements", "(Pad: 2)"}, ""},
      {"a 500 mm board with stored zoom 5",
       {"render", zoomed, "-o", path("zoom5.png"), "--force"},
       1,
       {"the picture would have 4096 megapixels; at most 500 can be drawn"},
       ""},
      {"a board wider than any",
       {"render", widest, "-o", path("wide.png")},
       1,
       {"1 boards had a size no board can have and were brought within 1 mm to 10 m.",
        "the picture would have 205 megapixels"},
       ""},
      {"a version-4 origin beyond the integers", {"info", origin}, 1, {"the origin 2147483647 lies beyond any board"}, ""},
      {"--pads inf",
       {"gerber", demo, "-o", out, "--pads", "inf"},
       2,
       {"--pads must be a number from 0.01 to 9.99, not \"inf\""},
       ""},
      {"--board inf", {"nets", demo, "--board", "inf"}, 2, {"--board must be a whole number of at least 1, not \"inf\""}, ""},
      {"render onto its input", {"render", tail, "-o", tail}, 2, {"is the input file"}, ""},
      {"drill onto its input", {"drill", tail, "-o", tail}, 2, {"is the input file"}, ""},
      {"a megabyte after the layout", {"nets", tail}, 0, {"1048576 bytes after the end of the layout were ignored."}, "{\"nets\":[[0]]}"},
      {"a 3 GB file", {"nets", giant}, 1, {"the file is larger than 1024 MB"}, ""},
      {"a folder as the input", {"nets", dir_.string()}, 1, {"it is not a regular file"}, ""},
      {"a far clearance behind merged pad pairs (found by fuzzing)",
       {"info", std::string(TRAZELLO_SOURCE_DIR) + "/tests/fuzz/seeds/pipeline/unsound-pad-after-pad-pairs.trz"},
       0,
       {},
       "{",
       "1767859568"},
      {"a pipe named as the scanned copy",
       {"render", scanBoard, "-o", path("scan.png")},
       0,
       {"scan.bmp"},
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const LimitedRun r = runLimited(c.args, dir_);
    EXPECT_EQ(r.status, c.status) << r.err;
    for (const std::string& e : c.err) EXPECT_NE(r.err.find(e), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\r'), std::string::npos) << "a bare CR hides the file name on a terminal";
    EXPECT_EQ(r.out.substr(0, c.outStarts.size()), c.outStarts);
    EXPECT_EQ(r.out.find(c.outLacks), std::string::npos);
  }
  // What was refused left the input alone; what was bounded was written.
  EXPECT_EQ(readWholeFile(tail, nullptr), trailing);
  EXPECT_TRUE(fs::exists(path("zone.png")));
  EXPECT_FALSE(fs::exists(path("zoom5.png")));
  EXPECT_TRUE(fs::exists(path("scan.png")));
}

}  // namespace
}  // namespace trazello
