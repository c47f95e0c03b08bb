// trazello-cli drc as scripts use it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "files/LayoutIo.h"
#include "fixtures/CliRunner.h"
#include "model/Layer.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

class DrcCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("trazello-drc-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    // Two pads of different nets 10 units apart and one thin track far away.
    Document d;
    d.elements().append(newPad({1000, -1000}, layer::C1, 1, 80, 40));
    d.elements().append(newPad({1170, -1000}, layer::C1, 1, 80, 40));
    TObjekt t = newTrack(10, layer::C1);
    t.Points = {{5000, -5000}, {6000, -5000}};
    d.elements().append(t);
    for (size_t i = 0; i < d.elements().size(); ++i) {
      d.elements().edit(i).Clearance = 0;
      d.elements().edit(i).SolderMask = d.elements()[i].isPadLike();
    }
    file_ = (dir_ / "board.trz").string();
    ASSERT_FALSE(saveLayout(d, file_));
  }
  void TearDown() override { fs::remove_all(dir_); }
  testing::CliRun run(const std::string& args) {
    return testing::runCli(TRAZELLO_CLI, "drc " + args, (dir_ / "err").string());
  }
  fs::path dir_;
  std::string file_;
};

TEST_F(DrcCli, PrintsTheFindingsInListOrder) {
  const testing::CliRun r = run(file_);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(
      r.out,
      "{\"count\":2,\"findings\":["
      "{\"kind\":4,\"text\":\"Track too thin\",\"layer\":1,\"marker\":[4995,-5025,6005,-4975]},"
      "{\"kind\":0,\"text\":\"Distance\",\"layer\":1,\"marker\":[1070,-1021,1100,-979]}]}\n");
}

TEST_F(DrcCli, RulesWindowAndExitCodes) {
  struct Case {
    std::string args;
    int status;
    std::string countPrefix;  // the start of stdout, or of stderr for errors
  };
  const Case cases[] = {
      {"--no-kupfer", 0, "{\"count\":1,"},
      {"--no-kupfer --no-trackmin", 0, "{\"count\":0,"},
      {"--track-min 0.05", 0, "{\"count\":1,"},
      {"--exit-code-violations", 5, "{\"count\":2,"},
      {"--no-kupfer --no-trackmin --exit-code-violations", 0, "{\"count\":0,"},
      {"--window 4000,-7000,7000,-4000", 0, "{\"count\":1,"},
      {"--copper 100", 1, "trazello-cli drc: "},
      {"--window 1,2,3", 1, "trazello-cli drc: --window takes L,T,R,B"},
      {"--no-frobnicate", 1, "trazello-cli drc: "},
  };
  for (const Case& c : cases) {
    const testing::CliRun r = run(file_ + " " + c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
    const std::string& shown = c.status == 1 ? r.err : r.out;
    EXPECT_EQ(shown.substr(0, c.countPrefix.size()), c.countPrefix) << c.args << "\n" << shown;
  }
  const testing::CliRun missing = run((dir_ / "none.trz").string());
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("none.trz"), std::string::npos);
}

}  // namespace
}  // namespace trazello
