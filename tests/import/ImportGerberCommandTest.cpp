// trazello-cli import-gerber: a whole layer set onto one board, its report, and its refusals.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "files/LayoutIo.h"
#include "fixtures/CliRunner.h"
#include "model/Layer.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

class ImportGerberCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("trazello-import-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  testing::CliRun cli(const std::string& args) {
    return testing::runCli(TRAZELLO_CLI, "import-gerber " + args, (dir_ / "err").string());
  }
  std::string fixture(const std::string& name) const {
    return std::string(TRAZELLO_SOURCE_DIR) + "/tests/fixtures/gerber/" + name;
  }
  std::string demo_ = std::string(TRAZELLO_SOURCE_DIR) + "/examples/demo.trz";
  fs::path dir_;
};

TEST_F(ImportGerberCommand, ALayerSetLandsOnItsLayersOfOneBoard) {
  const std::string out = (dir_ / "out.trz").string();
  const testing::CliRun r =
      cli(demo_ + " --board 1 --board-size 150,120 " + fixture("clockblock/clockblock-F_Cu.gbr") +
          ":C1 " + fixture("clockblock/clockblock-B_Cu.gbr") + " --layer S1 " +
          fixture("clockblock/clockblock-F_SilkS.gbr") + " " +
          fixture("clockblock/clockblock-Edge_Cuts.gbr") + ":O -o " + out);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("{\"elements\":", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("\"warnings\":[]"), std::string::npos) << r.out;
  Document before, after;
  ASSERT_TRUE(openLayout(before, demo_, false).ok());
  ASSERT_TRUE(openLayout(after, out, false).ok());
  int added[8] = {};
  for (size_t i = before.elements().size(); i < after.elements().size(); ++i)
    ++added[after.elements()[i].Layer];
  EXPECT_GT(added[layer::C1], 500);
  EXPECT_GT(added[layer::C2], 200);
  EXPECT_GT(added[layer::S1], 1000);
  EXPECT_GT(added[layer::O], 0);
  EXPECT_EQ(added[layer::S2] + added[layer::I1] + added[layer::I2], 0);
  const int reported = std::stoi(r.out.substr(std::string("{\"elements\":").size()));
  EXPECT_EQ(size_t(reported), after.elements().size() - before.elements().size());
}

// The board's own copper and drill files, written by the CLI, come back as its plated pads; the
// drill file is known by its content, wherever it stands among the files.
TEST_F(ImportGerberCommand, ADrillFileDrillsThePadsOfTheSet) {
  const std::string files = (dir_ / "files").string(), out = (dir_ / "out.trz").string();
  fs::create_directories(files);
  ASSERT_EQ(testing::runCli(TRAZELLO_CLI, "gerber " + demo_ + " --layers C1,C2 -o " + files,
                            (dir_ / "err").string())
                .status,
            0);
  ASSERT_EQ(testing::runCli(TRAZELLO_CLI, "drill " + demo_ + " --mm33 -o " + files + "/b.drl",
                            (dir_ / "err").string())
                .status,
            0);
  const testing::CliRun r = cli(demo_ + " " + files + "/b.drl " + files + "/Copper1.GBR:C1 " +
                                files + "/Copper2.GBR:C2 -o " + out);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"holes\":16,\"plated\":16,\"warnings\":[]"), std::string::npos) << r.out;
  Document after;
  ASSERT_TRUE(openLayout(after, out, false).ok());
  int plated = 0;
  for (const TObjekt& e : after.elements()) plated += e.is(ElementKind::Pad) && e.Plated;
  EXPECT_EQ(plated, 2 * 16);  // the demo's own pads and the imported ones
}

TEST_F(ImportGerberCommand, RefusalsWriteNothing) {
  const fs::path broken = dir_ / "broken.gbr", out = dir_ / "out.trz";
  std::ofstream(broken) << "%FSLAX26Y26*%%MOMM*%%ADD10C,1*\nD10*X0Y0D03*M02*";
  const fs::path drill = dir_ / "broken.drl";
  std::ofstream(drill) << "M48\nMETRIC\nT1C0.8\n%\nT1\nX1.0Y1.0\nT7\nX2.0Y1.0\nM30\n";
  struct Case {
    std::string args, says;
    int status;
  } cases[] = {
      {demo_ + " " + broken.string() + " -o " + out.string(),
       "parameter block opened on line 1 is not closed", 1},
      {demo_ + " " + fixture("clockblock/clockblock-F_Cu.gbr") + " --layer X9 -o " + out.string(),
       "--layer", 2},
      {demo_ + " -o " + out.string(), "no GERBER file", 2},
      {demo_ + " " + fixture("clockblock/clockblock-F_Cu.gbr") + " " + drill.string() + " -o " +
           out.string(),
       "The drill file \"" + drill.string() +
           "\" was not imported: the hole on line 8 is drilled with tool T7",
       1},
      {demo_ + " --board 9 " + fixture("clockblock/clockblock-F_Cu.gbr") + " -o " + out.string(),
       "no board 9", 1},
  };
  for (const Case& c : cases) {
    const testing::CliRun r = cli(c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(out)) << c.args;
  }
}

}  // namespace
}  // namespace trazello
