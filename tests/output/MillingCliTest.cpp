// trazello-cli isolate and outline as scripts use them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "OutputFixtures.h"
#include "files/AtomicFile.h"
#include "files/LayoutIo.h"
#include "fixtures/CliRunner.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

class MillingCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("trazello-milling-cli-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // On a 160 x 100 mm board: two parallel C1 tracks 0.3 mm apart, a pad and an outline rectangle.
  std::string board() {
    Document doc;
    ElementList& list = doc.elements();
    list.append(testing::track(layer::C1, 40, {{1000, -1000}, {3000, -1000}}));
    list.append(testing::track(layer::C1, 40, {{1000, -1070}, {3000, -1070}}));
    list.append(testing::pad({2000, -2000}, layer::C1, padshape::Round, 80, 40));
    list.append(testing::track(layer::O, 20, {{0, 0}, {4000, 0}, {4000, -3000}, {0, -3000}, {0, 0}}));
    const std::string path = (dir_ / "board.trz").string();
    EXPECT_FALSE(saveLayout(doc, path).has_value());
    return path;
  }

  testing::CliRun run(const std::string& args) const {
    return testing::runCli(TRAZELLO_CLI, args, (dir_ / "stderr").string());
  }

  std::string file(const std::string& name) const {
    const auto bytes = readWholeFile((dir_ / name).string(), nullptr);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<missing>");
  }

  fs::path dir_;
};

TEST_F(MillingCli, IsolateReportsFilesAndShorts) {
  const std::string in = board(), out = (dir_ / "iso.plt").string();
  // A 0.4 mm tool cannot pass between tracks 0.3 mm apart.
  testing::CliRun r = run("isolate " + in + " -o " + out + " --tool 0.4 --drills one");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "{\"outlines\":2,\"files\":[\"" + out + "\",\"" + (dir_ / "DRILLING.PLT").string() +
                       "\"],\"shorts\":[{\"nets\":[[0],[1]],\"at\":[2000,-1035]}]}\n");
  EXPECT_EQ(file("iso.plt").substr(0, 16), "IN;\r\nPT0;\r\nPU;\r\n");
  EXPECT_NE(file("DRILLING.PLT").find("PA800,3200;\r\nPD;\r\nPA800,3200;\r\nPU;\r\n"), std::string::npos);

  // 0.2 mm passes: three islands, nothing joined.
  r = run("isolate " + in + " -o " + out + " --tool 0.2 --ref none --preview " +
          (dir_ / "milled.png").string() + " --dpi 100");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"outlines\":3,"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"shorts\":[]"), std::string::npos) << r.out;
  EXPECT_TRUE(fs::exists(dir_ / "milled.png"));
}

TEST_F(MillingCli, OutlineMillsTheOutlineLayer) {
  const std::string in = board(), out = (dir_ / "outline.plt").string();
  const testing::CliRun r = run("outline " + in + " -o " + out + " --ref none --mirror x");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(testing::linesOf(file("outline.plt")),
            (std::vector<std::string>{"IN;", "PT0;", "PU;", "PA1600,4000;", "PD;", "PA0,4000;",
                                      "PA0,2800;", "PA1600,2800;", "PA1600,4000;", "PU;"}))
      << "mirrored about the elements' box, 0 to 40 mm";
}

TEST_F(MillingCli, Refusals) {
  const std::string in = board(), out = (dir_ / "x.plt").string();
  struct Case {
    std::string args;
    int status;
    std::string err;
  };
  const std::vector<Case> cases{
      {"isolate " + in + " -o " + out + " --layer I2", 1, "There are no milling-elements on the selected layer."},
      {"isolate " + in + " -o " + in, 2, "-o"},
      {"isolate " + in + " -o " + out + " --tool 5", 2, "--tool"},
      {"isolate " + in + " -o " + out + " --tool 0.2mm", 2, "--tool"},
      {"isolate " + in + " -o " + out + " --ref bl,xx", 2, "xx"},
      {"isolate " + in + " -o " + out + " --drills some", 2, "--drills"},
      {"outline " + in + " -o " + out + " --mirror z", 2, "--mirror"},
  };
  for (const Case& c : cases) {
    const testing::CliRun r = run(c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
    EXPECT_NE(r.err.find(c.err), std::string::npos) << c.args << "\n" << r.err;
  }
  EXPECT_FALSE(fs::exists(out));
}

}  // namespace
}  // namespace trazello
