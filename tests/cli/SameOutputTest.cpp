// Loading, saving and Gerber output give the very bytes they always gave: the hashes below were
// taken from the files the earlier reader, writer, rounding and turning of pads made of the same
// boards.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "SyntheticLayout.h"
#include "files/AtomicFile.h"
#include "files/LayoutIo.h"
#include "fixtures/CliRunner.h"
#include "model/CopperGeometry.h"
#include "model/ElementGeometry.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

// FNV-1a: enough to tell any changed byte of a file from the recorded one.
uint64_t hashOf(std::span<const uint8_t> bytes) {
  uint64_t h = 0xcbf29ce484222325u;
  for (uint8_t b : bytes) h = (h ^ b) * 0x100000001b3u;
  return h;
}

std::vector<uint8_t> bytesOf(const fs::path& path) {
  const auto bytes = readWholeFile(path.string(), nullptr);
  EXPECT_TRUE(bytes) << path;
  return bytes ? *bytes : std::vector<uint8_t>{};
}

struct RecordedFile {
  const char* name;
  size_t size;
  uint64_t hash;
};

class SameOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("trazello-same-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs the tool; it must succeed without a word on stderr (sanitiser reports included).
  void runTool(const std::string& args) {
    const testing::CliRun r = testing::runCli(TRAZELLO_CLI, args, (dir_ / "stderr.txt").string());
    EXPECT_EQ(r.status, 0) << args << "\n" << r.err;
    EXPECT_EQ(r.err, "") << args;
  }

  // The synthetic board of 10 000 elements, saved as the editor saves it.
  fs::path syntheticFile() {
    const fs::path path = dir_ / "synthetic10k.trz";
    Document doc = bench::syntheticDocument(10000);
    EXPECT_FALSE(saveLayout(doc, path.string()));
    return path;
  }

  // The same board with every pad and SMD pad turned about its centre by one, two or three
  // quarter turns, every other one with a thermal relief.
  fs::path turnedFile() {
    const fs::path path = dir_ / "turned10k.trz";
    Document doc = bench::syntheticDocument(10000);
    ElementList& list = doc.elements();
    for (size_t i = 0; i < list.size(); ++i) {
      if (!list[i].isPadLike()) continue;
      TObjekt& e = list.edit(i);
      rotateElement(e, padLikeCentre(e), 90 * Real(1 + i % 3));
      e.Thermal() = i % 2;
    }
    EXPECT_FALSE(saveLayout(doc, path.string()));
    return path;
  }

  fs::path dir_;
};

TEST_F(SameOutput, ConvertGivesBackTheDemoAndASyntheticBoardByteForByte) {
  const fs::path demo = fs::path(TRAZELLO_SOURCE_DIR) / "examples" / "demo.trz";
  runTool("convert " + demo.string() + " " + (dir_ / "demo.trz").string());
  EXPECT_EQ(bytesOf(dir_ / "demo.trz"), bytesOf(demo));

  const fs::path synthetic = syntheticFile();
  const std::vector<uint8_t> saved = bytesOf(synthetic);
  EXPECT_EQ(saved.size(), 1597829u);
  EXPECT_EQ(hashOf(saved), 0x711e6f14386f55beu);
  runTool("convert " + synthetic.string() + " " + (dir_ / "converted.trz").string());
  EXPECT_EQ(bytesOf(dir_ / "converted.trz"), saved);
}

TEST_F(SameOutput, GerberFilesOfTheDemoAndASyntheticBoardAreUnchanged) {
  const fs::path demo = fs::path(TRAZELLO_SOURCE_DIR) / "examples" / "demo.trz";
  struct Job {
    fs::path board;
    std::string folder;
    std::vector<RecordedFile> files;
  } jobs[] = {
      {demo,
       "demo",
       {{"Copper1.GBR", 1050, 0x5fec011ac08cd883u},
        {"Copper2.GBR", 3472, 0x5243cfb132ca59efu},
        {"Outline.GBR", 155, 0x11aa61cc522d35e4u},
        {"SMD_Mask1.GBR", 250, 0xd3576ddf6757c8a5u},
        {"Silkscreen1.GBR", 3486, 0x35be875d9e5b56feu},
        {"Soldermask1.GBR", 890, 0xc3e732a5e5ad373bu},
        {"Soldermask2.GBR", 706, 0x76f0ad15da33f48cu}}},
      {syntheticFile(),
       "synthetic",
       {{"Copper1.GBR", 391380, 0xa625e33a7ff2b1b3u},
        {"Copper2.GBR", 393382, 0x850df9d2f61a92f5u},
        {"SMD_Mask1.GBR", 52272, 0x6d0d4b2e059b4db7u},
        {"SMD_Mask2.GBR", 49283, 0xd90f83ccb2cd6adbu},
        {"Silkscreen1.GBR", 246817, 0x82560ce482919e26u},
        {"Soldermask1.GBR", 201887, 0xebf83daf5f29a139u},
        {"Soldermask2.GBR", 207684, 0x95648bc8161e00b7u}}},
      {turnedFile(),
       "turned",
       {{"Copper1.GBR", 391367, 0x367dcbe4f5ec302au},
        {"Copper2.GBR", 393404, 0x813a300645fe4212u},
        {"SMD_Mask1.GBR", 52274, 0xcf03005d0ee3868cu},
        {"SMD_Mask2.GBR", 49286, 0x528d0b5465b85337u},
        {"Silkscreen1.GBR", 246817, 0x82560ce482919e26u},
        {"Soldermask1.GBR", 201888, 0xedd6f8319f7fc81bu},
        {"Soldermask2.GBR", 207685, 0x48f5d43d16a64acfu}}},
  };
  for (const Job& job : jobs) {
    const fs::path out = dir_ / job.folder;
    fs::create_directories(out);
    runTool("gerber " + job.board.string() + " -o " + out.string());
    size_t written = 0;
    for (const auto& entry : fs::directory_iterator(out)) written += entry.is_regular_file();
    EXPECT_EQ(written, job.files.size()) << job.folder;
    for (const RecordedFile& f : job.files) {
      const std::vector<uint8_t> bytes = bytesOf(out / f.name);
      EXPECT_EQ(bytes.size(), f.size) << job.folder << "/" << f.name;
      EXPECT_EQ(hashOf(bytes), f.hash) << job.folder << "/" << f.name;
    }
  }
}

}  // namespace
}  // namespace trazello
