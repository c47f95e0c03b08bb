// The command-line tool as scripts use it: exit codes, stdout and stderr.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cmath>
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
  EXPECT_EQ(r.err, "trazello-cli: File not found!\n");
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
