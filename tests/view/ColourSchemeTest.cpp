#include <gtest/gtest.h>

#include <filesystem>

#include "files/AtomicFile.h"
#include "view/SchemeEditor.h"
#include "view/SchemeStore.h"

namespace trazello {
namespace {

namespace fs = std::filesystem;

class SchemeFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("trazello-schemes-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string folder() const { return dir_.string(); }
  void writeRaw(int n, const std::vector<uint8_t>& bytes) {
    ASSERT_FALSE(
        writeFileAtomically((dir_ / ("C_USER" + std::to_string(n) + ".DAT")).string(), bytes));
  }
  fs::path dir_;
};

TEST(ColourScheme, DefaultRecordAndItsBytes) {
  const ColourScheme& d = defaultScheme();
  EXPECT_EQ(d[SchemeSlot::Grid], rgb(70, 70, 70));
  EXPECT_EQ(d.layerColour(1), rgb(30, 30, 255));
  EXPECT_EQ(d.layerColour(7), rgb(255, 255, 255));
  EXPECT_EQ(d.layerColour(0), rgb(0, 0, 0));
  const auto bytes = schemeBytes(d);
  EXPECT_EQ(bytes.size(), 48u);
  EXPECT_EQ(bytes[8], 30);    // C1 red
  EXPECT_EQ(bytes[10], 255);  // C1 blue
  EXPECT_EQ(bytes[11], 0);
  EXPECT_EQ(parseSchemeBytes(bytes), d);
}

TEST_F(SchemeFolder, MissingFilesGiveTheDefaultAndNegativeValuesBlack) {
  auto bytes = schemeBytes(defaultScheme());
  for (int i = 4; i < 8; ++i) bytes[static_cast<size_t>(i)] = 0xFF;    // grid = -1
  for (int i = 24; i < 28; ++i) bytes[static_cast<size_t>(i)] = 0xFF;  // I1 = -1
  writeRaw(2, {bytes.begin(), bytes.end()});
  writeRaw(3, {1, 2, 3});  // short file
  SchemeStore store(folder());
  store.load(2);
  EXPECT_EQ(store.scheme(1), defaultScheme());
  EXPECT_EQ(store.scheme(3), defaultScheme());
  EXPECT_EQ(store.active()[SchemeSlot::Grid], rgb(0, 0, 0));
  EXPECT_EQ(store.active()[SchemeSlot::I1], rgb(0, 0, 0));
  EXPECT_EQ(store.active()[SchemeSlot::C1], rgb(30, 30, 255));
}

TEST_F(SchemeFolder, SelectionOutOfRangeUsesTheDefault) {
  SchemeStore store(folder());
  for (int bad : {-1, 4, 99}) {
    store.load(bad);
    EXPECT_EQ(store.selected(), 0);
    EXPECT_EQ(store.active(), defaultScheme());
  }
}

TEST_F(SchemeFolder, SwitchingWithYesSavesTheEditedSchemeAndShowsTheNewOne) {
  SchemeStore store(folder());
  store.load(2);
  SchemeEditor editor(store);
  editor.open();
  ASSERT_TRUE(editor.editable());
  editor.pickColour(SchemeSlot::C1, rgb(1, 2, 3));
  EXPECT_EQ(store.active()[SchemeSlot::C1], rgb(1, 2, 3));  // seen at once
  ASSERT_TRUE(editor.switchQuestion().has_value());
  EXPECT_EQ(messageText(*editor.switchQuestion()), "You have changed the colors.\rSave changes?");
  EXPECT_FALSE(editor.switchTo(3, true).has_value());
  EXPECT_FALSE(editor.modified());
  EXPECT_EQ(store.scheme(2)[SchemeSlot::C1], rgb(1, 2, 3));  // written and read back
  EXPECT_EQ(store.active(), defaultScheme());                // scheme 3 as it was
  EXPECT_EQ(editor.working(), defaultScheme());
  EXPECT_EQ(editor.editedIndex(), 3);
}

TEST_F(SchemeFolder, SwitchingWithNoDropsTheChanges) {
  SchemeStore store(folder());
  store.load(1);
  SchemeEditor editor(store);
  editor.open();
  editor.pickColour(SchemeSlot::Background, rgb(9, 9, 9));
  editor.switchTo(2, false);
  EXPECT_FALSE(fs::exists(store.userSchemeFile(1)));
  EXPECT_EQ(store.scheme(1), defaultScheme());
}

TEST_F(SchemeFolder, TheDefaultSchemeCannotBeEditedAndCancelRestores) {
  SchemeStore store(folder());
  store.load(0);
  SchemeEditor editor(store);
  editor.open();
  editor.pickColour(SchemeSlot::C1, rgb(1, 2, 3));
  EXPECT_FALSE(editor.modified());
  EXPECT_EQ(store.active(), defaultScheme());

  editor.switchTo(1, false);
  editor.pickColour(SchemeSlot::C1, rgb(1, 2, 3));
  editor.cancel();
  EXPECT_EQ(store.selected(), 0);
  EXPECT_EQ(store.active(), defaultScheme());
}

TEST_F(SchemeFolder, OkWritesTheUserSchemeAndResetReturnsToTheDefault) {
  SchemeStore store(folder());
  store.load(3);
  SchemeEditor editor(store);
  editor.open();
  editor.pickColour(SchemeSlot::Outline, rgb(4, 5, 6));
  EXPECT_FALSE(editor.accept().has_value());
  SchemeStore again(folder());
  again.load(3);
  EXPECT_EQ(again.active()[SchemeSlot::Outline], rgb(4, 5, 6));

  editor.open();
  editor.resetToDefault();
  EXPECT_TRUE(editor.modified());
  EXPECT_EQ(editor.working(), defaultScheme());
}

TEST(SchemeStore, AnUnwritableFolderIsReported) {
  SchemeStore store("/nonexistent/folder");
  const auto failure = store.writeUserScheme(1, defaultScheme());
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->id, MessageId::FileCannotBeWritten);
}

}  // namespace
}  // namespace trazello
