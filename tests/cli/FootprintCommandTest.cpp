// trazello-cli footprint: the wizard's pattern as a macro file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "edit/FootprintWizard.h"
#include "files/MacroFile.h"
#include "fixtures/CliRunner.h"
#include "model/CopperGeometry.h"
#include "model/Layer.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

class FootprintCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("trazello-footprint-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  testing::CliRun run(const std::string& args) const {
    return testing::runCli(TRAZELLO_CLI, "footprint " + args, path("stderr"));
  }
  fs::path dir_;
};

TEST_F(FootprintCommand, WritesTheWizardsDipPatternAroundPinOne) {
  const testing::CliRun r =
      run("--type dip --count 4 --pitch 2.54 --row 7.62 --pad 1.6,0.8 -o " + path("dip8.tzm"));
  ASSERT_EQ(r.status, 0) << r.err;
  Result<MacroFile> m = readMacroFile(path("dip8.tzm"));
  ASSERT_TRUE(m.ok());
  ASSERT_EQ(m->elements.size(), 8u);
  for (size_t i = 0; i < 8; ++i) {
    const TObjekt& pad = m->elements[i];
    EXPECT_EQ(pad.Kind, ElementKind::Pad);
    EXPECT_EQ(pad.Layer, layer::C2);
    EXPECT_FLOAT_EQ(pad.X, 254.0f * float(i / 2));
    EXPECT_FLOAT_EQ(pad.Y, i % 2 ? 762.0f : 0.0f);
    EXPECT_FLOAT_EQ(pad.SizeA, 80);
    EXPECT_FLOAT_EQ(pad.SizeB, 40);
    EXPECT_EQ(pad.Clearance, 40);
  }
  EXPECT_EQ(m->comments[0], "dip, 8 pads, d 2.54 mm");
}

// The file holds what the wizard shows for the same values, moved so that its first pad is the
// origin; vertical-row SMD pads keep their quarter turn.
TEST_F(FootprintCommand, QuadWithSmdPadsMatchesTheWizard) {
  const testing::CliRun r =
      run("--type quad --count 3 --count2 2 --pitch 0.5 --row 4 --width 5 "
          "--smd 0.3,0.8 -o " +
          path("q.tzm"));
  ASSERT_EQ(r.status, 0) << r.err;
  Result<MacroFile> m = readMacroFile(path("q.tzm"));
  ASSERT_TRUE(m.ok());
  FootprintValues v = footprintDefaults(PackageType::Quad, {});
  v.smd = true;
  v.perRow = 3;
  v.perColumn = 2;
  v.pitchMm = 0.5;
  v.yMm = 4;
  v.xMm = 5;
  v.smdWidthMm = 0.3;
  v.smdHeightMm = 0.8;
  const ElementList want = generateFootprint(v, layer::C1);
  ASSERT_EQ(m->elements.size(), want.size());
  ASSERT_EQ(want.size(), 10u);
  const Point origin = padLikeCentre(want[0]);
  for (size_t i = 0; i < want.size(); ++i) {
    const TObjekt& got = m->elements[i];
    EXPECT_EQ(got.Kind, ElementKind::SmdPad);
    EXPECT_EQ(got.Layer, layer::C1);
    ASSERT_EQ(got.Points.size(), want[i].Points.size());
    for (size_t k = 0; k < got.Points.size(); ++k) {
      EXPECT_NEAR(got.Points[k].x, want[i].Points[k].x - origin.x, 0.01);
      EXPECT_NEAR(got.Points[k].y, want[i].Points[k].y - origin.y, 0.01);
    }
  }
}

TEST_F(FootprintCommand, UsageErrorsExitWithTwoAndWriteNothing) {
  const struct {
    std::string args, says;
    bool givesOutput = true;
  } cases[] = {
      {"--count 4", "--type is missing"},
      {"--type dip", "--count is missing"},
      {"--type dip --count 4", "-o OUT.tzm is missing", false},
      {"--type hex --count 4", "--type must be one of"},
      {"--type sip --count 0", "--count must be a whole number from 1 to 99, not \"0\""},
      {"--type sip --count 100", "--count must be a whole number from 1 to 99"},
      {"--type sip --count 4x", "--count must be a whole number"},
      {"--type sip --count 4 --pitch 2.54mm", "--pitch must be a number"},
      {"--type sip --count 4 --pitch 100", "--pitch must be a number from 0.01 to 99.99"},
      {"--type sip --count 4 --pitch nan", "--pitch must be a number"},
      {"--type sip --count 4 --row 7.62", "--row applies only to dip, quad and dualcircle"},
      {"--type dip --count 4 --width 3", "--width applies only to quad"},
      {"--type circle --count 4 --count2 3", "--count2 applies only to quad"},
      {"--type sip --count 4 --pad 1.6", "--pad must be two numbers"},
      {"--type sip --count 4 --pad 1.6,0.8,1", "--pad must be two numbers"},
      {"--type sip --count 4 --pad 0.8,1.0", "--pad: the drill must be smaller than the pad"},
      {"--type sip --count 4 --smd 0,1", "--smd must be two numbers"},
      {"--type sip --count 4 --pad 1.6,0.8 --smd 1,2", "--pad and --smd exclude each other"},
      {"--type sip --count 4 --frob", "unknown option \"--frob\""},
      {"--type sip --count 4 extra", "unexpected argument \"extra\""},
      {"--type sip --count 4 -o", "-o needs a value", false},
  };
  for (const auto& c : cases) {
    const testing::CliRun r = run(c.args + (c.givesOutput ? " -o " + path("x.tzm") : ""));
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_NE(r.err.find("trazello-cli footprint: " + c.says), std::string::npos) << c.args << "\n"
                                                                                  << r.err;
    EXPECT_FALSE(fs::exists(path("x.tzm"))) << c.args;
  }
}

TEST_F(FootprintCommand, AnUnwritableOutputFailsWithOne) {
  const testing::CliRun r = run("--type sip --count 2 -o " + path("no-such-folder/x.tzm"));
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(r.err.empty());
}

}  // namespace
}  // namespace trazello
