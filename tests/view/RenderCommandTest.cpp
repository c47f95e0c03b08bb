// trazello-cli render as scripts use it: exit codes and the picture written.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>

#include "RenderScene.h"
#include "files/LayoutIo.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

const std::string kDemo = std::string(TRAZELLO_SOURCE_DIR) + "/examples/demo.trz";

int runCli(const std::string& args) {
  const std::string command = std::string(TRAZELLO_CLI) + " " + args + " 2>/dev/null";
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

class RenderCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    out_ = (fs::temp_directory_path() / ("trazello-render-" + std::to_string(::getpid()) + ".png"))
               .string();
  }
  void TearDown() override { fs::remove(out_); }
  std::string out_;
};

TEST_F(RenderCommand, DrawsTheBoardAtItsZoom) {
  ASSERT_EQ(runCli("render " + kDemo + " -o " + out_), 0);
  const QImage img(QString::fromStdString(out_));
  ASSERT_FALSE(img.isNull());
  EXPECT_EQ(img.size(), QSize(1601, 1001));  // 80 x 50 mm at 0.2 pixels per unit
  EXPECT_EQ(testing::pixel(img, 4000, -4000, 0.2), testing::col(0, 0, 0));
}

// The file is written for speed; it must still hold the drawing pixel for pixel.
TEST_F(RenderCommand, ThePictureFileHoldsEveryPixelOfTheDrawing) {
  ASSERT_EQ(runCli("render " + kDemo + " -o " + out_ + " --zoom 0.3"), 0);
  QImage file(QString::fromStdString(out_));
  ASSERT_FALSE(file.isNull());
  Document doc;
  ASSERT_TRUE(openLayout(doc, kDemo, false).ok());
  const QImage drawn = renderBoard(doc.working(), doc.elements(), defaultScheme(), {}, 0.3);
  EXPECT_EQ(file.convertToFormat(QImage::Format_RGB32), drawn);
}

TEST_F(RenderCommand, DpiAndPhotoView) {
  ASSERT_EQ(runCli("render " + kDemo + " -o " + out_ + " --dpi 254 --photo 2 --xray"), 0);
  const QImage img(QString::fromStdString(out_));
  EXPECT_EQ(img.size(), QSize(801, 501));
  EXPECT_EQ(testing::pixel(img, 4000, -4000, 0.1), testing::col(22, 117, 22));
}

TEST_F(RenderCommand, BadArgumentsAndFiles) {
  EXPECT_EQ(runCli("render " + kDemo), 2);  // no output
  EXPECT_EQ(runCli("render " + kDemo + " -o " + out_ + " --photo 3"), 2);
  EXPECT_EQ(runCli("render " + kDemo + " -o " + out_ + " --zoom 1 --dpi 100"), 2);
  EXPECT_EQ(runCli("render /nonexistent.trz -o " + out_), 1);
  EXPECT_EQ(runCli("render " + kDemo + " -o " + out_ + " --board 9"), 1);
  EXPECT_EQ(runCli("render " + kDemo + " -o /nonexistent/dir/x.png"), 1);
  EXPECT_FALSE(fs::exists(out_));
}

}  // namespace
}  // namespace trazello
