// The command-line tool as scripts use it: exit codes, stdout and stderr.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <array>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "DemoBoard.h"
#include "files/AtomicFile.h"
#include "files/LayoutFormat.h"
#include "files/LayoutIo.h"
#include "fixtures/Bytes.h"
#include "fixtures/CliRunner.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

using testing::CliRun;

CliRun run(const std::string& args) {
  const fs::path errFile =
      fs::temp_directory_path() / ("trazello-cli-err-" + std::to_string(::getpid()));
  return testing::runCli(TRAZELLO_CLI, args, errFile.string());
}

std::string sourcePath(const std::string& relative) {
  return std::string(TRAZELLO_SOURCE_DIR) + "/" + relative;
}

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("trazello-cli-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  fs::path dir_;
};

TEST_F(Cli, InfoPrintsTheWholeDocument) {
  Document d;
  d.renameCurrentBoard("Main \xB5");
  TObjekt pad = newPad({100.1f, -0.3f}, 1, 3, 50, 20);
  pad.Name = "P1";
  const ElementId a = d.elements().append(pad).Id;
  TObjekt t = newTrack(25, 3);
  t.Points = {{100.1f, -0.3f}, {1e-3f, -250}};
  t.Routed = 1;
  t.RouteFrom = a;
  d.elements().append(t);
  d.replaceProjectInfo({"T", "A", "C", "x\r\ny"});
  ASSERT_FALSE(saveLayout(d, path("small.trz")));

  const CliRun r = run("info " + path("small.trz"));
  ASSERT_EQ(r.status, 0) << r.err;
  std::ifstream golden(sourcePath("tests/cli/golden/info_small.json"));
  const std::string expected((std::istreambuf_iterator<char>(golden)), std::istreambuf_iterator<char>());
  if (r.out != expected) {
    std::ofstream(sourcePath("tests/cli/golden/info_small.actual.json")) << r.out;
  }
  EXPECT_EQ(r.out, expected);
}

TEST_F(Cli, InfoAndConvertRefuseWhatTheyCannotRead) {
  std::ofstream(path("junk.trz")) << "not a layout";
  CliRun r = run("info " + path("junk.trz"));
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.out.empty());
  EXPECT_EQ(r.err, "trazello-cli: \"junk.trz\" is not a Trazello file.\n");
  r = run("convert " + path("missing.trz") + " " + path("out.trz"));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "trazello-cli: File not found: \"" + path("missing.trz") + "\"\n");
  EXPECT_FALSE(fs::exists(path("out.trz")));
  r = run("info");
  EXPECT_EQ(r.status, 2);
}

TEST_F(Cli, ConvertWritesVersion5) {
  // A version-0 board with one track on what was then the first copper layer.
  testing::Bytes v0;
  v0.u32(0xFFAA3300u).i32(4000).i32(4000).i16(1);
  v0.u8(6).zeros(8).i16(20).u8(0).u8(3).u8(0).zeros(35);
  v0.i16(2).i16(100).i16(-100).i16(300).i16(-100);
  ASSERT_FALSE(writeFileAtomically(path("old.trz"), v0.data));
  const CliRun r = run("convert " + path("old.trz") + " " + path("new.trz"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("C1 and C2 will be exchanged"), std::string::npos);
  const auto bytes = readWholeFile(path("new.trz"), nullptr);
  ASSERT_TRUE(bytes);
  EXPECT_EQ((*bytes)[0], 5);
  Result<LayoutFile> back = parseLayout(*bytes, "new.trz");
  ASSERT_TRUE(back.ok());
  ASSERT_EQ(back->boards[0].elements.size(), 1u);
  EXPECT_EQ(back->boards[0].elements[0].Layer, 1);
  EXPECT_EQ(back->boards[0].elements[0].Points, (std::vector<Point>{{100, -100}, {300, -100}}));
}

TEST_F(Cli, NetsAndFloodOfABoard) {
  Document d;
  ASSERT_FALSE(d.setBoardSize(1000, 1000));
  TObjekt a = newTrack(20, 1);
  a.Points = {{100, -100}, {400, -100}};
  d.elements().append(a);
  TObjekt b = newTrack(20, 1);
  b.Points = {{400, -100}, {400, -400}};
  d.elements().append(b);
  TObjekt pad = newPad({700, -700}, 1, 1, 50, 20);
  pad.Clearance = 40;
  d.elements().append(pad);
  ASSERT_FALSE(saveLayout(d, path("nets.trz")));

  CliRun r = run("nets " + path("nets.trz"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "{\"nets\":[[0,1],[2]]}\n");

  r = run("flood " + path("nets.trz") + " --layer 1");
  ASSERT_EQ(r.status, 0) << r.err;
  const size_t at = r.out.find("\"area\":");
  ASSERT_NE(at, std::string::npos);
  const double area = std::stod(r.out.substr(at + 7));
  // Only the pad has a clearance: a disc of radius 90 is cut out of the board.
  EXPECT_NEAR(area, 1e6 - M_PI * 90 * 90, 60);
  EXPECT_NE(r.out.find("\"holes\":[["), std::string::npos);

  EXPECT_EQ(run("flood " + path("nets.trz") + " --layer 2").status, 2);
  EXPECT_EQ(run("nets " + path("nets.trz") + " --board 3").status, 1);
}

std::string replaced(std::string text, const std::string& key, const std::string& by) {
  for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + by.size()))
    text.replace(at, key.size(), by);
  return text;
}

// Twenty tracks across four billion units once made the net trace fill memory; they are left out
// when the file is read, with a warning, and the rest is traced.
TEST_F(Cli, ImpossibleElementsAreLeftOutWithAWarning) {
  Document d;
  TObjekt a = newTrack(20, 1);
  a.Points = {{100, -100}, {400, -100}};
  d.elements().append(a);
  for (int i = 0; i < 20; ++i) {
    TObjekt huge = newTrack(20, 1);
    huge.Points = {{-2e9f, -2e9f}, {2e9f, 2e9f + float(i)}};
    d.elements().append(huge);
  }
  ASSERT_FALSE(saveLayout(d, path("huge.trz")));
  const CliRun r = run("nets " + path("huge.trz"));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "{\"nets\":[[0]]}\n");
  EXPECT_EQ(r.err,
            "trazello-cli: 20 elements with coordinates or sizes no board can have were left out "
            "(Track: 20).\nThe file is unchanged until you save it.\n");
}

TEST_F(Cli, WrongArgumentsAreNamed) {
  {
    Document empty;
    ASSERT_FALSE(saveLayout(empty, path("empty.trz")));
  }
  fs::create_symlink(path("empty.trz"), path("link.png"));
  const auto layoutBefore = readWholeFile(path("empty.trz"), nullptr);
  struct Case {
    std::string args;
    int status;
    std::string err;  // after "trazello-cli COMMAND: " for usage errors (status 2)
  };
  const std::vector<Case> cases = {
      {"gerber {demo} -o {dir} --pads -1", 2, "--pads must be a number from 0.01 to 9.99, not \"-1\""},
      {"gerber {demo} -o {dir} --pads 100", 2, "--pads must be a number from 0.01 to 9.99, not \"100\""},
      {"gerber {demo} -o {dir} --smd -10", 2, "--smd must be a number from -9.99 to 9.99, not \"-10\""},
      {"gerber {demo} -o {dir} --others 1mm", 2, "--others must be a number from -9.99 to 9.99, not \"1mm\""},
      {"gerber {demo} -o {dir} --layers C1,X9", 2, "--layers: unknown layer \"X9\""},
      {"gerber {demo} -o {dir} --layers ,", 2, "--layers: unknown layer \"\""},
      {"gerber {demo} -o {dir} --frobnicate", 2, "unknown option \"--frobnicate\""},
      {"gerber {demo}", 2, "-o DIR is missing"},
      {"gerber {demo} -o", 2, "-o needs a value"},
      {"gerber {demo} {demo} -o {dir}", 2, "unexpected argument \"{demo}\""},
      {"gerber {dir}/empty.trz -o {dir}", 1, "trazello-cli: the board is empty: there is no layer to write\n"},
      {"render {demo}", 2, "-o OUT.png is missing"},
      {"render {demo} -o {dir}/board.jpg", 2,
       "-o \"{dir}/board.jpg\": the picture is written as PNG; give a name ending in .png"},
      {"render {demo} -o {dir}/b.png --dpi 100000", 2, "--dpi must be a number from 25.4 to 12700, not \"100000\""},
      {"render {demo} -o {dir}/b.png --zoom 0", 2, "--zoom must be a number from 0.01 to 5, not \"0\""},
      {"render {demo} -o {dir}/b.png --zoom 1 --dpi 300", 2, "give either --zoom or --dpi, once"},
      {"render {demo} -o {dir}/b.png --photo 3", 2, "--photo must be a whole number from 1 to 2, not \"3\""},
      {"render {demo} -o {dir}/b.png --dpi 12700", 1,
       "trazello-cli: the picture would have 1000 megapixels; give --force to draw more than 100\n"},
      {"drill {demo} -o {dir}/d.drl --side 3", 2, "--side must be 1, 2 or 2hpgl, not \"3\""},
      {"drill {demo}", 2, "-o OUT is missing"},
      {"drills {demo} --inch", 2, "unknown option \"--inch\""},
      {"info {demo} extra", 2, "unexpected argument \"extra\""},
      {"info", 2, "FILE is missing"},
      {"convert {demo}", 2, "OUT is missing"},
      {"nets {demo} --board 0", 2, "--board must be a whole number of at least 1, not \"0\""},
      {"nets {demo} --board", 2, "--board needs a value"},
      {"flood {demo} --layer 2", 2, "--layer must be a copper layer (1, 3, 5 or 6), not \"2\""},
      {"flood {demo}", 2, "--layer L is missing"},
      {"convert {dir}/empty.trz {dir}/empty.trz", 2,
       "OUT \"{dir}/empty.trz\" is the input file; give the output another name"},
      {"drill {dir}/empty.trz -o {dir}/empty.trz", 2,
       "-o \"{dir}/empty.trz\" is the input file; give the output another name"},
      {"render {dir}/empty.trz -o {dir}/link.png", 2,
       "-o \"{dir}/link.png\" is the input file; give the output another name"},
      {"nets {dir}/none.trz", 1, "trazello-cli: File not found: \"{dir}/none.trz\"\n"},
      {"render {dir}/none.trz -o {dir}/b.png", 1, "trazello-cli: File not found: \"{dir}/none.trz\"\n"},
  };
  for (const Case& c : cases) {
    const auto fill = [&](const std::string& s) {
      return replaced(replaced(s, "{demo}", sourcePath("examples/demo.trz")), "{dir}", dir_.string());
    };
    const std::string args = fill(c.args);
    const std::string command = args.substr(0, args.find(' '));
    const std::string err = c.status == 2 ? "trazello-cli " + command + ": " + fill(c.err) +
                                                "\nTry \"trazello-cli " + command + " --help\".\n"
                                          : fill(c.err);
    const CliRun r = run(args);
    EXPECT_EQ(r.status, c.status) << args;
    EXPECT_EQ(r.err, err) << args;
    EXPECT_TRUE(r.out.empty()) << args;
  }
  EXPECT_FALSE(fs::exists(path("b.png")));
  EXPECT_FALSE(fs::exists(path("board.jpg")));
  EXPECT_EQ(readWholeFile(path("empty.trz"), nullptr), layoutBefore);
}

TEST_F(Cli, APictureThatCannotBeWrittenLeavesThePreviousOne) {
  const std::string args = "render " + sourcePath("examples/demo.trz") + " -o " + path("demo.png");
  ASSERT_EQ(run(args + " --dpi 50").status, 0);
  const auto before = readWholeFile(path("demo.png"), nullptr);
  ASSERT_TRUE(before);
  // The disk "fills up" after a few hundred bytes of the bigger picture; the child inherits it.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit limited = old;
  limited.rlim_cur = 300;
  ::setrlimit(RLIMIT_FSIZE, &limited);
  const CliRun r = run(args + " --dpi 200");
  ::setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.starts_with("trazello-cli: ")) << r.err;
  EXPECT_EQ(readWholeFile(path("demo.png"), nullptr), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1);
}

TEST_F(Cli, EveryCommandExplainsItself) {
  for (const std::string command :
       {"info", "convert", "render", "gerber", "drill", "drills", "nets", "flood", "footprint"}) {
    const CliRun r = run(command + " --help");
    EXPECT_EQ(r.status, 0) << command;
    EXPECT_TRUE(r.out.starts_with("Usage: trazello-cli " + command + " ")) << r.out;
    EXPECT_TRUE(r.err.empty()) << r.err;
    // Asking for help beside other arguments runs nothing.
    EXPECT_EQ(run(command + " " + path("none.trz") + " -h").out, r.out);
  }
}

TEST_F(Cli, RenderWritesAPictureAndNothingElse) {
  const CliRun r = run("render " + sourcePath("examples/demo.trz") + " -o " + path("demo.PNG") +
                       " --dpi 100");
  EXPECT_EQ(r.status, 0);
  // Whatever Qt has to say about the machine is no business of a script's log.
  EXPECT_EQ(r.err, "");
  const auto bytes = readWholeFile(path("demo.PNG"), nullptr);
  ASSERT_TRUE(bytes);
  ASSERT_GT(bytes->size(), 24u);
  EXPECT_EQ(std::string(bytes->begin() + 1, bytes->begin() + 4), "PNG");
  // 80 x 50 mm at 100 dpi, as the view rounds the zoom (0.039 pixels per unit).
  const auto be32 = [&](size_t at) {
    return ((*bytes)[at] << 24) | ((*bytes)[at + 1] << 16) | ((*bytes)[at + 2] << 8) | (*bytes)[at + 3];
  };
  EXPECT_EQ(be32(16), 313);
  EXPECT_EQ(be32(20), 196);
}

TEST(DemoBoard, TheBundledFileIsWhatTheGeneratorWrites) {
  const Document d = examples::demoDocument();
  const auto committed = readWholeFile(sourcePath("examples/demo.trz"), nullptr);
  ASSERT_TRUE(committed);
  EXPECT_EQ(serializeLayout(d.boards(), d.currentIndex(), d.projectInfo()), *committed)
      << "regenerate with: build/examples/make-demo examples/demo.trz";
  Result<LayoutFile> read = parseLayout(*committed, "demo.trz");
  ASSERT_TRUE(read.ok());
  size_t links = 0, texts = 0;
  for (const TObjekt& e : read->boards[0].elements) {
    links += e.Links.size();
    texts += e.Kind == ElementKind::Text && !e.Strokes.empty();
  }
  EXPECT_EQ(links, 6u);
  EXPECT_EQ(texts, 6u);
}

}  // namespace
}  // namespace trazello
