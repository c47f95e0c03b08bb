// trazello-cli info on macro files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "files/MacroFile.h"
#include "fixtures/CliRunner.h"
#include "model/Layer.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

class MacroInfo : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("trazello-macro-info-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  testing::CliRun run(const std::string& args) const {
    return testing::runCli(TRAZELLO_CLI, args, path("stderr"));
  }
  fs::path dir_;
};

TEST_F(MacroInfo, PrintsTheCommentLinesAndOneElementList) {
  ElementList l;
  l.append(newPad({500, -500}, layer::C1, 1, 60, 25));
  TObjekt t = newTrack(15, layer::S1);
  t.Points = {{400, -400}, {700, -400}};
  l.append(t);
  ASSERT_FALSE(writeMacroFile(path("TO92.TZM"), l, false, {"TO-92 \xDC", "second"}));

  const testing::CliRun r = run("info " + path("TO92.TZM"));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string head =
      "{\"version\":5,\"comments\":[\"TO-92 \xC3\x9C\",\"second\"],\"elements\":[{\"index\":0,"
      "\"Kind\":2,\"kindName\":\"Pad\",\"X\":0,\"Y\":0,";
  EXPECT_EQ(r.out.substr(0, head.size()), head);
  EXPECT_NE(r.out.find("\"Links\":[]"), std::string::npos);
  EXPECT_NE(r.out.find("\"Points\":[[-100,100],[200,100]]"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("boards"), std::string::npos);
  EXPECT_EQ(r.out.back(), '\n');
}

TEST_F(MacroInfo, RefusesADamagedMacroNamingIt) {
  std::ofstream(path("cut.tzm"), std::ios::binary) << std::string("\x05\x33\xAA\xFF\x02\x00", 6);
  const testing::CliRun r = run("info " + path("cut.tzm"));
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.out.empty());
  EXPECT_NE(r.err.find("The macro file \"" + path("cut.tzm") + "\" is damaged"), std::string::npos)
      << r.err;
}

}  // namespace
}  // namespace trazello
