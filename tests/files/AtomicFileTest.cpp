#include "files/AtomicFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <new>

#include "files/LayoutFormat.h"
#include "files/LayoutIo.h"
#include "model/Layer.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("trazello-atomic-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  static std::string contents(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static void put(const std::string& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
  }
  static std::optional<std::string> write(const std::string& p, const std::string& text,
                                          const AtomicWrite& how = {}) {
    return writeFileAtomically(
        p, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()), how);
  }
  size_t filesInFolder() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }

  fs::path dir_;
};

TEST_F(AtomicFile, ASymbolicLinkIsFollowedAndStays) {
  fs::create_directories(dir_ / "real");
  put(path("real/board.trz"), "old");
  fs::create_symlink("real/board.trz", dir_ / "link.trz");

  ASSERT_FALSE(write(path("link.trz"), "new"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.trz"));
  EXPECT_EQ(contents(path("real/board.trz")), "new");
  // The temporary copy was made beside the target, not beside the link.
  EXPECT_EQ(filesInFolder(), 2u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "real"), {}), 1);
}

TEST_F(AtomicFile, HardLinksStayJoined) {
  put(path("a.trz"), "old");
  fs::create_hard_link(dir_ / "a.trz", dir_ / "b.trz");

  ASSERT_FALSE(write(path("a.trz"), "new contents"));
  EXPECT_EQ(contents(path("b.trz")), "new contents");
  EXPECT_EQ(fs::hard_link_count(dir_ / "a.trz"), 2u);
  EXPECT_EQ(filesInFolder(), 2u);
}

TEST_F(AtomicFile, AReadOnlyFileIsReplacedOnlyWhenAllowed) {
  put(path("ro.trz"), "old");
  fs::permissions(dir_ / "ro.trz", fs::perms::owner_read | fs::perms::group_read);
  EXPECT_TRUE(isReadOnlyFile(path("ro.trz")));

  const auto refused = write(path("ro.trz"), "new");
  ASSERT_TRUE(refused);
  EXPECT_EQ(*refused, "the file is read-only");
  EXPECT_EQ(contents(path("ro.trz")), "old");

  ASSERT_FALSE(write(path("ro.trz"), "new", {.replaceReadOnly = true, .beforeReplace = {}}));
  EXPECT_EQ(contents(path("ro.trz")), "new");
  EXPECT_TRUE(isReadOnlyFile(path("ro.trz")));
}

TEST_F(AtomicFile, TemporariesOfInterruptedSavesAreRemovedByTheNextSave) {
  put(path("b.trz"), "old");
  put(path(".b.trz.Ab12Cd"), "left by a killed save");
  put(path(".b.trz.x"), "not ours: wrong length");
  put(path(".other.trz.Ab12Cd"), "another file's");

  ASSERT_FALSE(write(path("b.trz"), "new"));
  EXPECT_FALSE(fs::exists(dir_ / ".b.trz.Ab12Cd"));
  EXPECT_TRUE(fs::exists(dir_ / ".b.trz.x"));
  EXPECT_TRUE(fs::exists(dir_ / ".other.trz.Ab12Cd"));
}

TEST_F(AtomicFile, SavingALayoutThroughALinkOrOverAReadOnlyFile) {
  Document doc;
  TObjekt t = newTrack(25, layer::C1);
  t.Points = {{100, -100}, {600, -100}};
  doc.elements().append(t);
  ASSERT_FALSE(saveLayout(doc, path("target.trz")));
  fs::create_symlink(dir_ / "target.trz", dir_ / "link.trz");
  doc.elements().append(t);
  ASSERT_FALSE(saveLayout(doc, path("link.trz")));
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.trz"));
  Document back;
  ASSERT_TRUE(openLayout(back, path("target.trz"), false));
  EXPECT_EQ(back.elements().size(), 2u);

  fs::permissions(dir_ / "target.trz", fs::perms::owner_read);
  doc.setModified();
  const auto failed = saveLayout(doc, path("target.trz"));
  ASSERT_TRUE(failed);
  EXPECT_EQ(failed->id, MessageId::LayoutNotSaved);
  EXPECT_EQ(failed->args.at(1), "the file is read-only");
  EXPECT_TRUE(doc.modified());
  EXPECT_FALSE(saveLayout(doc, path("target.trz"), false, nullptr, true));
}

// A layout of several megabytes is written as it is made, piece by piece; over a hard-linked
// file it is made twice (the copy, then the file in place) and must come out the same.
TEST_F(AtomicFile, ALargeLayoutIsWrittenPieceByPieceAsItsBytesAre) {
  Document doc;
  for (int i = 0; i < 4000; ++i) {
    TObjekt t = newTrack(25, layer::C1);
    for (int k = 0; k < 100; ++k) t.Points.push_back({float(i), float(-k)});
    doc.elements().append(t);
  }
  put(path("a.trz"), "old");
  fs::create_hard_link(dir_ / "a.trz", dir_ / "b.trz");
  ASSERT_FALSE(saveLayout(doc, path("a.trz")));
  const std::vector<uint8_t> whole =
      serializeLayout(doc.boards(), doc.currentIndex(), doc.projectInfo());
  ASSERT_GT(whole.size(), size_t(3) << 20);
  EXPECT_EQ(contents(path("b.trz")), std::string(whole.begin(), whole.end()));
  EXPECT_EQ(fs::hard_link_count(dir_ / "a.trz"), 2u);
  EXPECT_EQ(filesInFolder(), 2u);
}

// A maker of the bytes that runs out of memory half-way fails the write like a full disk does:
// the previous file stays, no temporary copy is left.
TEST_F(AtomicFile, AProducerRunningOutOfMemoryLeavesThePreviousFile) {
  put(path("c.trz"), "old");
  const std::string piece(1000, 'x');
  const auto failed = writeFileAtomically(path("c.trz"), [&](const ByteSink& sink) {
    sink(std::span(reinterpret_cast<const uint8_t*>(piece.data()), piece.size()));
    throw std::bad_alloc();
  });
  ASSERT_TRUE(failed);
  EXPECT_EQ(*failed, "there is not enough memory");
  EXPECT_EQ(contents(path("c.trz")), "old");
  EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(AtomicFile, WholeFileReadsRefuseWhatIsNoRegularFileOrFarTooLarge) {
  ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
  // A sparse file costs no disk space but claims more than the limit.
  {
    const int fd = ::open(path("huge").c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(kWholeFileLimit) + 1), 0);
    ::close(fd);
  }
  struct Case {
    const char* name;
    const char* reason;
  };
  for (const Case& c :
       {Case{"pipe", "it is not a regular file"}, Case{".", "it is not a regular file"},
        Case{"huge", "the file is larger than 1024 MB"}}) {
    std::string why;
    EXPECT_FALSE(readWholeFile(path(c.name), &why)) << c.name;
    EXPECT_EQ(why, c.reason) << c.name;
  }
  // The first bytes of a large file can still be looked at.
  std::string why;
  const auto head = readWholeFile(path("huge"), &why, 4);
  ASSERT_TRUE(head);
  EXPECT_EQ(head->size(), 4u);
  EXPECT_TRUE(sameFile(path("huge"), (dir_ / "." / "huge").string()));
  EXPECT_FALSE(sameFile(path("huge"), path("pipe")));
}

}  // namespace
}  // namespace trazello
