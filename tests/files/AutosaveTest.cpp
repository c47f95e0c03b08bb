#include "files/Autosave.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "files/AtomicFile.h"
#include "files/LayoutIo.h"
#include "model/Layer.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

TEST(BackupFileName, ReplacesTheExtensionOfTheFileOnly) {
  struct Case {
    const char* document;
    std::optional<std::string> backup;
  };
  const Case cases[] = {
      {"", std::nullopt},
      {"/boards/amp.trz", "/boards/amp.bak"},
      {"/boards/amp", "/boards/amp.bak"},
      {"/boards/amp.v2.trz", "/boards/amp.v2.bak"},
      {"/boards.old/amp", "/boards.old/amp.bak"},
      {"/boards/amp.bak", std::nullopt},
      {"/boards/amp.BaK", std::nullopt},
      {"/boards/amp.bak.trz", "/boards/amp.bak.bak"},
  };
  for (const Case& c : cases) EXPECT_EQ(backupFileName(c.document), c.backup) << c.document;
}

class AutosaveTick : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("trazello-autosave-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    TObjekt t = newTrack(25, layer::C1);
    t.Points = {{100, -100}, {600, -100}};
    doc_.elements().append(t);
    ASSERT_FALSE(saveLayout(doc_, path("amp.trz")));
    saved_ = contents(path("amp.trz"));
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  static std::vector<uint8_t> contents(const std::string& p) {
    return readWholeFile(p, nullptr).value_or(std::vector<uint8_t>{});
  }
  // An edit the way a command makes one: a new element and the modified flag.
  void addElementAt(float x) {
    TObjekt t = newTrack(40, layer::S1);
    t.Points = {{x, -300}, {x + 200, -300}};
    doc_.elements().append(t);
    doc_.setModified();
  }
  size_t elementsInBackup() {
    auto read = readLayoutFile(path("amp.bak"), false);
    return read ? read->boards.at(0).elements.size() : 0;
  }
  static ino_t inode(const std::string& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0 ? st.st_ino : 0;
  }

  fs::path dir_;
  Document doc_;
  std::vector<uint8_t> saved_;
  Autosave autosave_;
};

TEST_F(AutosaveTick, WritesTheDocumentBesideItAndChangesNothingElse) {
  // Outside the board: a save would delete it, a backup keeps what the user sees.
  addElementAt(-5000);
  const Autosave::Outcome out = autosave_.tick(doc_);
  EXPECT_EQ(out.result, BackupResult::Written);
  EXPECT_EQ(out.backupFile, path("amp.bak"));
  EXPECT_EQ(elementsInBackup(), 2u);
  EXPECT_EQ(doc_.elements().size(), 2u);
  EXPECT_TRUE(doc_.modified());
  EXPECT_EQ(doc_.fileName(), path("amp.trz"));
  EXPECT_EQ(contents(path("amp.trz")), saved_);
}

TEST_F(AutosaveTick, WritesNothingWhenNothingChanged) {
  // Just saved: the layout file holds everything.
  EXPECT_EQ(autosave_.tick(doc_).result, BackupResult::Unchanged);
  EXPECT_FALSE(fs::exists(path("amp.bak")));

  addElementAt(200);
  ASSERT_EQ(autosave_.tick(doc_).result, BackupResult::Written);
  const ino_t first = inode(path("amp.bak"));
  // No edit since the last backup: the file is not replaced (a write would make a new one).
  EXPECT_EQ(autosave_.tick(doc_).result, BackupResult::Unchanged);
  EXPECT_EQ(inode(path("amp.bak")), first);

  addElementAt(900);
  EXPECT_EQ(autosave_.tick(doc_).result, BackupResult::Written);
  EXPECT_EQ(elementsInBackup(), 3u);
  // Deleted behind our back: written again even without an edit.
  fs::remove(path("amp.bak"));
  EXPECT_EQ(autosave_.tick(doc_).result, BackupResult::Written);
  EXPECT_EQ(elementsInBackup(), 3u);
}

TEST_F(AutosaveTick, LeavesNamelessDocumentsAndBackupsAlone) {
  Document fresh;
  fresh.setModified();
  EXPECT_EQ(autosave_.tick(fresh).result, BackupResult::NoFileName);

  ASSERT_FALSE(saveLayout(doc_, path("amp.BAK")));
  addElementAt(200);
  const auto before = contents(path("amp.BAK"));
  EXPECT_EQ(autosave_.tick(doc_).result, BackupResult::IsBackup);
  EXPECT_EQ(contents(path("amp.BAK")), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

TEST_F(AutosaveTick, AFailedWriteIsReportedAndKeepsTheFlag) {
  doc_.setFileName(path("missing-folder/amp.trz"));
  addElementAt(200);
  const Autosave::Outcome out = autosave_.tick(doc_);
  EXPECT_EQ(out.result, BackupResult::Failed);
  ASSERT_TRUE(out.error);
  EXPECT_EQ(out.error->id, MessageId::FileCannotBeWritten);
  EXPECT_EQ(out.error->args.at(0), path("missing-folder/amp.bak"));
  EXPECT_TRUE(doc_.modified());
}

TEST_F(AutosaveTick, ACrashBeforeTheRenameLeavesThePreviousBackupIntact) {
  addElementAt(200);
  ASSERT_EQ(autosave_.tick(doc_).result, BackupResult::Written);
  const auto previous = contents(path("amp.bak"));
  addElementAt(900);

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The process dies the moment the new backup is complete but not yet in place.
    autosave_.setBeforeReplace([](const std::string&) { ::_exit(42); });
    autosave_.tick(doc_);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 42);

  EXPECT_EQ(contents(path("amp.bak")), previous);
  EXPECT_EQ(elementsInBackup(), 2u);
  EXPECT_EQ(contents(path("amp.trz")), saved_);
  // The abandoned temporary file is complete but never took the backup's name.
  int temporaries = 0;
  for (const auto& entry : fs::directory_iterator(dir_)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(".amp.bak.", 0) == 0) {
      ++temporaries;
      auto read = parseLayout(contents(entry.path().string()), name);
      ASSERT_TRUE(read.ok());
      EXPECT_EQ(read->boards.at(0).elements.size(), 3u);
    }
  }
  EXPECT_EQ(temporaries, 1);
}

}  // namespace
}  // namespace trazello
