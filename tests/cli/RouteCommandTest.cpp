// trazello-cli route as scripts use it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "files/LayoutIo.h"
#include "fixtures/CliRunner.h"
#include "model/Layer.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

class RouteCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("trazello-route-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    // Three connections on a 50 × 30 mm board; the second one's end is walled in on C1.
    Document d;
    ASSERT_FALSE(d.setBoardSize(5000, 3000));
    ElementList& l = d.elements();
    auto pad = [&](Point c) {
      l.append(newPad(c, layer::C1, 1, 80, 40));
      return l.size() - 1;
    };
    const size_t a = pad({500, -500}), b = pad({2500, -500});
    const size_t c = pad({500, -1500}), e = pad({4000, -1500});
    const size_t f = pad({500, -2500});
    auto link = [&](size_t x, size_t y) {
      l.edit(x).Links.push_back(l[y].Id);
      l.edit(y).Links.push_back(l[x].Id);
    };
    link(a, b);
    link(c, e);
    link(c, f);
    auto wall = [&](float left, float top, float right, float bottom) {
      TObjekt z = newZone(0, layer::C1);
      z.Points = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
      l.append(std::move(z));
    };
    wall(3700, -1200, 4300, -1250);
    wall(3700, -1750, 4300, -1800);
    wall(3700, -1200, 3750, -1800);
    wall(4250, -1200, 4300, -1800);
    file_ = (dir_ / "board.trz").string();
    ASSERT_FALSE(saveLayout(d, file_));
  }
  void TearDown() override { fs::remove_all(dir_); }
  testing::CliRun run(const std::string& args) {
    return testing::runCli(TRAZELLO_CLI, "route " + args, (dir_ / "err").string());
  }
  fs::path dir_;
  std::string file_;
};

TEST_F(RouteCli, RoutesEachConnectionInPairOrderAndKeepsTheFailedOne) {
  const std::string out = (dir_ / "out.trz").string();
  const testing::CliRun r = run(file_ + " -o " + out + " --layer 1");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "{\"routed\":2,\"failed\":1,\"connections\":["
            "{\"from\":0,\"to\":1,\"routed\":true,\"points\":4},"
            "{\"from\":2,\"to\":3,\"routed\":false,\"points\":0},"
            "{\"from\":2,\"to\":4,\"routed\":true,\"points\":4}]}\n");
  Document d;
  ASSERT_TRUE(openLayout(d, out, false));
  const ElementList& l = d.elements();
  ASSERT_EQ(l.size(), 11u);
  EXPECT_TRUE(l[0].Links.empty());
  EXPECT_EQ(l[2].Links, std::vector<ElementId>{l[3].Id});
  for (size_t i : {9u, 10u}) {
    EXPECT_EQ(l[i].Kind, ElementKind::Track);
    EXPECT_EQ(l[i].Routed, 1);
    EXPECT_EQ(l[i].Width, 40);
    EXPECT_EQ(l[i].Layer, layer::C1);
  }
  EXPECT_EQ(l[9].RouteFrom, l[0].Id);
  EXPECT_EQ(l[9].RouteTo, l[1].Id);
  EXPECT_EQ(l[10].RouteTo, l[4].Id);
}

TEST_F(RouteCli, WidthAndClearanceAndErrors) {
  const std::string out = (dir_ / "wide.trz").string();
  const testing::CliRun wide = run(file_ + " -o " + out + " --layer 1 --width 1.0 --clearance 0.3");
  ASSERT_EQ(wide.status, 0) << wide.err;
  Document d;
  ASSERT_TRUE(openLayout(d, out, false));
  EXPECT_EQ(d.elements().back().Width, 100);
  struct Case {
    std::string args;
    int status;
    std::string errStart;
  };
  const Case cases[] = {
      {file_, 2, "trazello-cli route: -o OUT.trz"},
      {file_ + " -o " + out + " --layer 2", 2, "trazello-cli route: --layer must be"},
      {file_ + " -o " + out + " --width 12", 2, "trazello-cli route: --width"},
      {file_ + " -o " + out + " --board 3", 1, "trazello-cli: the layout has no board 3"},
      {(dir_ / "missing.trz").string() + " -o " + out, 1, "trazello-cli: "},
  };
  for (const Case& c : cases) {
    const testing::CliRun r = run(c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_EQ(r.err.substr(0, c.errStart.size()), c.errStart) << c.args << ": " << r.err;
  }
}

}  // namespace
}  // namespace trazello
