#include "files/LayoutIo.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "files/AtomicFile.h"
#include "model/Layer.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

class LayoutIo : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("trazello-io-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  static Document boardWithTrack(float x = 100) {
    Document d;
    TObjekt t = newTrack(25, layer::C1);
    t.Points = {{x, -100}, {x + 500, -100}};
    d.elements().append(t);
    d.setModified();
    return d;
  }

  fs::path dir_;
};

std::vector<uint8_t> contents(const std::string& p) { return *readWholeFile(p, nullptr); }

TEST_F(LayoutIo, SaveAndOpenTakeTheNameAndClearTheFlag) {
  Document d = boardWithTrack();
  RecentFiles recent;
  ASSERT_FALSE(saveLayout(d, path("a.trz"), false, &recent));
  EXPECT_FALSE(d.modified());
  EXPECT_EQ(d.fileName(), path("a.trz"));
  EXPECT_EQ(recent.entries(), std::vector<std::string>{path("a.trz")});

  Document other;
  other.newBoardCommand();
  Result<OpenOutcome> opened = openLayout(other, path("a.trz"), false, &recent);
  ASSERT_TRUE(opened.ok());
  EXPECT_TRUE(opened->warnings.empty());
  EXPECT_FALSE(opened->legacyTextQuestion);
  EXPECT_EQ(other.boards().size(), 1u);
  EXPECT_EQ(other.elements().size(), 1u);
  EXPECT_FALSE(other.modified());
  EXPECT_EQ(other.fileName(), path("a.trz"));
}

TEST_F(LayoutIo, SavingDeletesElementsOutsideTheBoardButABackupDoesNot) {
  Document d = boardWithTrack();
  TObjekt far = newTrack(25, layer::C1);
  far.Points = {{20000, 500}, {20100, 500}};
  d.elements().append(far);
  ASSERT_FALSE(saveLayout(d, path("b.trz.bak"), true));
  EXPECT_EQ(d.elements().size(), 2u);
  EXPECT_TRUE(d.modified());  // a backup is not a save
  EXPECT_TRUE(d.fileName().empty());
  ASSERT_FALSE(saveLayout(d, path("b.trz")));
  EXPECT_EQ(d.elements().size(), 1u);
}

TEST_F(LayoutIo, ImportingAppendsBoardsAndKeepsTheProject) {
  Document source = boardWithTrack();
  source.newBoardCommand();
  source.replaceProjectInfo({"Theirs", "", "", ""});
  ASSERT_FALSE(saveLayout(source, path("src.trz")));

  Document d = boardWithTrack();
  d.addBoard("Mine 2");
  d.replaceProjectInfo({"Mine", "", "", ""});
  d.setFileName(path("mine.trz"));
  d.setModified(false);
  ASSERT_TRUE(openLayout(d, path("src.trz"), true).ok());
  ASSERT_EQ(d.boards().size(), 4u);
  EXPECT_EQ(d.boards()[1].name, "Mine 2");
  EXPECT_EQ(d.boards()[2].name, "Board 1");
  EXPECT_EQ(d.currentIndex(), 3);
  EXPECT_EQ(d.projectInfo().title, "Mine");
  EXPECT_EQ(d.fileName(), path("mine.trz"));
  EXPECT_TRUE(d.modified());
}

TEST_F(LayoutIo, OpeningRefusesMissingAndForeignFilesAndKeepsTheDocument) {
  Document d = boardWithTrack();
  Result<OpenOutcome> missing = openLayout(d, path("nope.trz"), false);
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(messageText(missing.error()), "File not found!");
  EXPECT_EQ(missing.error().caption, "Open");

  std::ofstream(path("notes.txt")) << "hello";
  Result<OpenOutcome> foreign = openLayout(d, path("notes.txt"), false);
  ASSERT_FALSE(foreign.ok());
  EXPECT_EQ(messageText(foreign.error()), "\"notes.txt\" is not a Trazello file.");

  ASSERT_FALSE(saveLayout(d, path("good.trz")));
  std::vector<uint8_t> bytes = contents(path("good.trz"));
  bytes.resize(bytes.size() - 10);
  ASSERT_FALSE(writeFileAtomically(path("cut.trz"), bytes));
  d.elements().edit(0).Width = 77;
  Result<OpenOutcome> cut = openLayout(d, path("cut.trz"), false);
  ASSERT_FALSE(cut.ok());
  EXPECT_NE(messageText(cut.error()).find(path("cut.trz")), std::string::npos);
  EXPECT_EQ(d.elements()[0].Width, 77);
  EXPECT_EQ(d.fileName(), path("good.trz"));
}

TEST_F(LayoutIo, AFailedSaveLeavesTheOldFileAndTheModifiedFlag) {
  Document small = boardWithTrack();
  ASSERT_FALSE(saveLayout(small, path("keep.trz")));
  const std::vector<uint8_t> before = contents(path("keep.trz"));

  Document big = boardWithTrack();
  for (int i = 0; i < 200; ++i) {
    TObjekt t = newTrack(25, layer::C1);
    t.Points = {{float(i * 10), -100}, {float(i * 10), -200}};
    big.elements().append(t);
  }
  // Let the disk "fill up" halfway through the new file.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit limited = old;
  limited.rlim_cur = before.size() + 1000;
  ::setrlimit(RLIMIT_FSIZE, &limited);
  const auto failed = saveLayout(big, path("keep.trz"));
  ::setrlimit(RLIMIT_FSIZE, &old);

  ASSERT_TRUE(failed);
  // An error, naming the file and why it could not be written.
  EXPECT_EQ(failed->kind, MessageKind::Error);
  ASSERT_EQ(failed->args.size(), 2u);
  EXPECT_FALSE(failed->args[1].empty());
  EXPECT_EQ(messageText(*failed),
            "The file \"" + path("keep.trz") + "\" can not be written:\r" + failed->args[1] + ".");
  EXPECT_EQ(contents(path("keep.trz")), before);
  EXPECT_TRUE(big.modified());
  EXPECT_TRUE(big.fileName().empty());
  size_t files = 0;
  for (const auto& entry : fs::directory_iterator(dir_)) files += entry.is_regular_file();
  EXPECT_EQ(files, 1u);  // no temporary file left behind
}

TEST_F(LayoutIo, SavingIntoAVanishedFolderFails) {
  Document d = boardWithTrack();
  const auto failed = saveLayout(d, path("gone/x.trz"));
  ASSERT_TRUE(failed);
  EXPECT_EQ(failed->kind, MessageKind::Error);
  EXPECT_TRUE(d.modified());
}

TEST_F(LayoutIo, OldFilesBringTheirWarningAndQuestion) {
  // A version-0 file with one legacy text and one pad.
  std::vector<uint8_t> v0{0x00, 0x33, 0xAA, 0xFF, 0xE8, 0x03, 0, 0, 0xE8, 0x03, 0, 0, 2, 0};
  std::vector<uint8_t> text(49, 0);
  text[0] = 3;
  text[12] = 2;
  text[14] = 2;
  text[15] = 'H';
  text[16] = 'i';
  std::vector<uint8_t> pad(49, 0);
  pad[0] = 2;
  pad[5] = 50;
  pad[12] = 1;
  pad[13] = 1;
  v0.insert(v0.end(), text.begin(), text.end());
  v0.insert(v0.end(), pad.begin(), pad.end());
  ASSERT_FALSE(writeFileAtomically(path("old.trz"), v0));
  Document d;
  Result<OpenOutcome> r = openLayout(d, path("old.trz"), false);
  ASSERT_TRUE(r.ok()) << messageText(r.error());
  ASSERT_EQ(r->warnings.size(), 1u);
  EXPECT_EQ(messageText(r->warnings[0]),
            "This layout was create with an older version.\r\rThe elements on the copper-layer C1 "
            "and C2 will be exchanged,\rbecause of the new layer-structure.");
  ASSERT_TRUE(r->legacyTextQuestion);
  EXPECT_EQ(messageText(*r->legacyTextQuestion),
            "There are 1 Font-Text elements on the layout.\rThese elements will not be supported "
            "anymore.\r\rReplace these elements with Layout-Text elements?");
  EXPECT_EQ(d.elements()[1].Layer, layer::C2);

  d.addBoard("Second");
  const Message done = convertLegacyTextsOfDocument(d, 40);
  EXPECT_EQ(messageText(done), "Text-elements converted.");
  EXPECT_EQ(d.currentIndex(), 1);
  EXPECT_TRUE(d.modified());
  const ElementList& converted = d.boards()[0].elements;
  ASSERT_EQ(converted.size(), 2u);
  EXPECT_EQ(converted[1].Kind, ElementKind::Text);
  EXPECT_EQ(converted[1].Text, "Hi");
  EXPECT_FALSE(converted[1].Strokes.empty());
  // The text keeps the clearance it was converted with, so a ground plane does not short it.
  EXPECT_EQ(converted[1].Clearance, 40);
  for (const TObjekt& stroke : converted[1].Strokes) EXPECT_EQ(stroke.Clearance, 40);
}

}  // namespace
}  // namespace trazello
