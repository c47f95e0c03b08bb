// trazello-cli gerber, drill and drills as scripts use them.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "files/AtomicFile.h"
#include "fixtures/CliRunner.h"
#include "files/LayoutIo.h"
#include "output/ExcellonFile.h"
#include "output/GerberExport.h"
#include "output/GerberLayers.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

using testing::CliRun;

class OutputCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("trazello-output-cli-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    ASSERT_TRUE(openLayout(doc_, demo_, false).ok());
  }
  void TearDown() override { fs::remove_all(dir_); }

  CliRun run(const std::string& args) const {
    return testing::runCli(TRAZELLO_CLI, args, (dir_ / "stderr").string());
  }

  std::string contents(const std::string& name) const {
    const auto bytes = readWholeFile((dir_ / name).string(), nullptr);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<missing>");
  }

  std::string out() const { return dir_.string(); }

  const std::string demo_ = std::string(TRAZELLO_SOURCE_DIR) + "/examples/demo.trz";
  Document doc_;
  fs::path dir_;
};

TEST_F(OutputCli, GerberWritesEveryLayerWithSomethingOnIt) {
  const CliRun r = run("gerber " + demo_ + " -o " + out());
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<std::string> names;
  for (const auto& f : fs::directory_iterator(dir_))
    if (f.path().extension() == ".GBR") names.push_back(f.path().filename().string());
  std::sort(names.begin(), names.end());
  // The through-plated pads alone do not make the two-sided example a four-layer board.
  EXPECT_EQ(names, (std::vector<std::string>{"Copper1.GBR", "Copper2.GBR", "Outline.GBR",
                                             "SMD_Mask1.GBR", "Silkscreen1.GBR",
                                             "Soldermask1.GBR", "Soldermask2.GBR"}));
  GerberOptions o;
  o.layer = GerberLayer::SMD1;
  o.smdPads = true;
  o.smdOffset = -0.10;
  EXPECT_EQ(contents("SMD_Mask1.GBR"),
            GerberExport(doc_.elements(), doc_.working(), o).PlotteGerberfile());
}

TEST_F(OutputCli, GerberOptionsReachTheFile) {
  const CliRun r = run("gerber " + demo_ + " -o " + out() +
                       " --layers K2,LStop1 --mirror --frame --mark --pads 0.5 --invert");
  ASSERT_EQ(r.status, 0) << r.err;
  GerberOptions o;
  o.layer = GerberLayer::K2;
  o.mirror = o.frame = o.punchHoles = o.markHoles = true;
  EXPECT_EQ(contents("Copper2.GBR"),
            GerberExport(doc_.elements(), doc_.working(), o).PlotteGerberfile());
  o = {};
  o.layer = GerberLayer::LStop1;
  o.mirror = o.frame = o.pads = o.smdPads = o.others = o.invert = true;
  o.padOffset = 0.5;
  EXPECT_EQ(contents("Soldermask1.GBR"),
            GerberExport(doc_.elements(), doc_.working(), o).PlotteGerberfile());
  EXPECT_FALSE(fs::exists(dir_ / "Copper1.GBR"));
}

TEST_F(OutputCli, GerberWritesAnInnerLayerOnlyWhenSomethingLiesOnIt) {
  TObjekt t = newTrack(30, 5);
  t.Points = {{100, -100}, {900, -100}};
  doc_.elements().append(t);
  const std::string layout = (dir_ / "inner.trz").string();
  ASSERT_FALSE(saveLayout(doc_, layout));
  const CliRun r = run("gerber " + layout + " -o " + out());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::exists(dir_ / "Inner1.GBR"));
  EXPECT_FALSE(fs::exists(dir_ / "Inner2.GBR"));
  // Asked for by name it is written all the same, with the plated pads.
  ASSERT_EQ(run("gerber " + layout + " -o " + out() + " --layers I2").status, 0);
  EXPECT_NE(contents("Inner2.GBR").find("D03*"), std::string::npos);
}

TEST_F(OutputCli, GerberTakesTheLayerNamesOfTheWindow) {
  const CliRun r = run("gerber " + demo_ + " -o " + out() + " --layers c2,S1,O");
  ASSERT_EQ(r.status, 0) << r.err;
  for (const GerberLayer l : {GerberLayer::K2, GerberLayer::B1, GerberLayer::U}) {
    GerberOptions o;
    o.layer = l;
    EXPECT_EQ(contents(std::string(gerberFileName(l, 1))),
              GerberExport(doc_.elements(), doc_.working(), o).PlotteGerberfile());
  }
  EXPECT_FALSE(fs::exists(dir_ / "Copper1.GBR"));
}

TEST_F(OutputCli, GerberFailuresAreReportedWithAnExitStatus) {
  CliRun r = run("gerber " + demo_ + " -o " + out() + "/missing --layers K1");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Can not create file!"), std::string::npos) << r.err;
  r = run("gerber " + demo_ + " -o " + out() + " --layers K9");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("--layers: unknown layer \"K9\""), std::string::npos);
  r = run("gerber " + demo_ + " -o " + out() + " --board 2");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "trazello-cli: the layout has no board 2\n");
}

TEST_F(OutputCli, DrillWritesTheChosenDialect) {
  const CliRun r = run("drill " + demo_ + " -o " + out() +
                       "/demo.drl --mm32 --no-leading-zeros --side 2hpgl --sort --m71 --no-g90 "
                       "--no-comments --plated");
  ASSERT_EQ(r.status, 0) << r.err;
  ExcellonOptions o;
  o.unit = DrillUnit::Metric32;
  o.deleteLeadingZeros = o.m71 = o.noG90 = o.noComments = true;
  o.side = DrillSide::BottomHpgl;
  o.filter = {false, true};
  EXPECT_EQ(contents("demo.drl"), excellonFile(doc_.elements(), doc_.working(), o));
  EXPECT_TRUE(contents("demo.drl").starts_with("M48\r\nM71\r\nT01C0.4\r\nT02C0.8\r\n%\r\nG05\r\nT01\r\n"));
}

TEST_F(OutputCli, DrillFailuresAreReported) {
  CliRun r = run("drill " + demo_ + " -o " + out() + "/missing/demo.drl");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("The drill file \"" + out() + "/missing/demo.drl\" can not be written"),
            std::string::npos)
      << r.err;
  r = run("drill " + demo_ + " -o x.drl --side 3");
  EXPECT_EQ(r.status, 2);
}

TEST_F(OutputCli, DrillsPrintsTheList) {
  CliRun r = run("drills " + demo_);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "   1 x  0.40 mm\n  15 x  0.80 mm\n----------------\n  16 drilings\n");
  r = run("drills " + demo_ + " --unplated --mil");
  EXPECT_EQ(r.out, "----------------\n   0 drilings\n");
}

}  // namespace
}  // namespace trazello
