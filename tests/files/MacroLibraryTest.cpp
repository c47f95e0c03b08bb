// The macro library on disk and the buffer of the chosen macro.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "files/AtomicFile.h"
#include "files/MacroBuffer.h"
#include "files/MacroLibrary.h"
#include "model/Layer.h"
#include "model/PadGeometry.h"

namespace fs = std::filesystem;

namespace trazello {
namespace {

// A fresh library folder per test, removed afterwards.
class MacroLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("trazello-lib-" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  std::string path(const std::string& rel) const { return (root_ / rel).string(); }

  // A macro of one pad on `padLayer` (0: none) and an outline track on `silkLayer`.
  std::string writeMacro(const std::string& rel, uint8_t padLayer, uint8_t silkLayer,
                         MacroComments comments = {}) {
    fs::create_directories(fs::path(path(rel)).parent_path());
    ElementList l;
    if (padLayer) l.append(newPad({0, 0}, padLayer, padshape::Round, 60, 25));
    TObjekt t = newTrack(15, silkLayer);
    t.Points = {{100, 0}, {300, -50}};
    l.append(t);
    EXPECT_FALSE(writeMacroFile(path(rel), l, false, comments));
    return path(rel);
  }

  fs::path root_;
};

std::vector<std::string> names(const std::vector<MacroNode>& nodes) {
  std::vector<std::string> out;
  for (const MacroNode& n : nodes) out.push_back(n.name);
  return out;
}

TEST_F(MacroLibraryTest, ScanListsFoldersAndMacroFilesSortedAtEveryLevel) {
  writeMacro("resistors/R0805.tzm", layer::C1, layer::S1);
  writeMacro("resistors/r0603.TZM", layer::C1, layer::S1);
  writeMacro("Zeners/ZD.tzm", layer::C1, layer::S1);
  writeMacro("connector.tzm", layer::C1, layer::S1);
  writeMacro(".hidden/x.tzm", layer::C1, layer::S1);
  writeMacro(".skipped.tzm", layer::C1, layer::S1);
  std::ofstream(path("notes.txt")) << "not a macro";
  fs::create_directories(root_ / "empty");

  std::vector<std::string> read;
  const auto nodes =
      scanMacroLibrary(root_.string(), [&](const std::string& f) { read.push_back(f); });
  EXPECT_EQ(names(nodes),
            (std::vector<std::string>{"connector.tzm", "empty", "resistors", "Zeners"}));
  EXPECT_FALSE(nodes[0].folder);
  EXPECT_TRUE(nodes[2].folder);
  EXPECT_EQ(names(nodes[2].children), (std::vector<std::string>{"r0603.TZM", "R0805.tzm"}));
  EXPECT_EQ(read.size(), 4u);  // the library and its three visible folders
  EXPECT_EQ(macroNodePath(root_.string(), {"resistors", "R0805.tzm"}), path("resistors/R0805.tzm"));
  EXPECT_TRUE(scanMacroLibrary(path("missing")).empty());
}

TEST_F(MacroLibraryTest, AFolderLinkedIntoItselfIsReadOnce) {
  writeMacro("a/part.tzm", layer::C1, layer::S1);
  fs::create_directory_symlink(root_ / "a", root_ / "a" / "loop");
  const auto nodes = scanMacroLibrary(root_.string());
  ASSERT_EQ(nodes.size(), 1u);
  EXPECT_EQ(names(nodes[0].children), (std::vector<std::string>{"loop", "part.tzm"}));
  EXPECT_TRUE(nodes[0].children[0].children.empty());
}

TEST_F(MacroLibraryTest, LoadTakesOnlyExistingMacroFilesAndKeepsTheBufferOtherwise) {
  const std::string good = writeMacro("good.tzm", layer::C1, layer::S1, {"one", "two"});
  std::ofstream(path("broken.tzm"), std::ios::binary) << "\x05\x33\xAA\xFF\x09";
  std::ofstream(path("other.trz"), std::ios::binary) << "x";
  ElementList elements;
  MacroBuffer buffer(elements);
  EXPECT_FALSE(buffer.load(good, {}));
  EXPECT_EQ(buffer.path(), good);
  EXPECT_EQ(buffer.elements().size(), 2u);
  EXPECT_EQ(buffer.comments(), (MacroComments{"one", "two"}));

  EXPECT_FALSE(buffer.load(path("other.trz"), {}));
  EXPECT_FALSE(buffer.load(path("gone.tzm"), {}));
  EXPECT_FALSE(buffer.load(root_.string(), {}));
  const auto refused = buffer.load(path("broken.tzm"), {});
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->id, MessageId::DamagedMacroFile);
  EXPECT_EQ(refused->args[0], path("broken.tzm"));
  EXPECT_EQ(buffer.path(), good);
  EXPECT_EQ(buffer.elements().size(), 2u);
}

TEST_F(MacroLibraryTest, AnEditedCommentIsWrittenBackWhenAnotherMacroIsChosen) {
  const std::string first = writeMacro("first.tzm", layer::C1, layer::S1, {"old", "keep"});
  const std::string second = writeMacro("second.tzm", layer::C1, layer::S1);
  ElementList elements;
  MacroBuffer buffer(elements);
  buffer.load(first, {});
  buffer.setPlated(true);  // the file's pads must not change by the write-back
  buffer.setMirrored(true);
  buffer.setComment(0, "new comment");
  EXPECT_TRUE(buffer.modified());
  buffer.load(second, {});
  EXPECT_FALSE(buffer.modified());
  Result<MacroFile> rewritten = readMacroFile(first);
  ASSERT_TRUE(rewritten.ok());
  EXPECT_EQ(rewritten->comments, (MacroComments{"new comment", "keep"}));
  ASSERT_EQ(rewritten->elements.size(), 2u);
  EXPECT_EQ(rewritten->elements[0].Plated, 0);
  EXPECT_EQ(rewritten->elements[1].Points, (std::vector<Point>{{100, 0}, {300, -50}}));

  // Without an edit nothing is written.
  const auto before = readWholeFile(second, nullptr);
  buffer.load(first, {});
  EXPECT_EQ(readWholeFile(second, nullptr), before);
}

TEST_F(MacroLibraryTest, ButtonsTransformTheBufferAndStayForTheNextMacro) {
  const std::string m = writeMacro("m.tzm", layer::C1, layer::S1);
  ElementList elements;
  MacroBuffer buffer(elements);
  buffer.load(m, {});
  buffer.setMirrored(true);
  EXPECT_EQ(buffer.elements()[1].Points, (std::vector<Point>{{-100, 0}, {-300, -50}}));
  buffer.setOppositeSide(true);
  EXPECT_EQ(buffer.elements()[0].Layer, layer::C2);
  EXPECT_EQ(buffer.elements()[1].Layer, layer::S2);
  buffer.setPlated(true);
  EXPECT_EQ(buffer.elements()[0].Plated, 1);
  buffer.load(m, {});  // loaded again: the buttons still down
  EXPECT_EQ(buffer.elements()[1].Points, (std::vector<Point>{{-100, 0}, {-300, -50}}));
  EXPECT_EQ(buffer.elements()[0].Layer, layer::C2);
  EXPECT_EQ(buffer.elements()[0].Plated, 1);
  buffer.setMirrored(false);
  buffer.setOppositeSide(false);
  buffer.setPlated(false);
  EXPECT_EQ(buffer.elements()[1].Points, (std::vector<Point>{{100, 0}, {300, -50}}));
  EXPECT_EQ(buffer.elements()[0].Layer, layer::C1);
  EXPECT_EQ(buffer.elements()[0].Plated, 0);
}

TEST_F(MacroLibraryTest, AutomaticSideTurnsAMacroOfTheOtherSide) {
  struct Case {
    const char* what;
    uint8_t pad, silk;
    int active;
    bool turned;
  } cases[] = {
      {"side-2 macro, C1 active", layer::C2, layer::S2, layer::C1, true},
      {"side-2 silkscreen only, S1 active", 0, layer::S2, layer::S1, true},
      {"side-1 macro, S2 active", layer::C1, layer::S1, layer::S2, true},
      {"side-1 macro, C1 active", layer::C1, layer::S1, layer::C1, false},
      {"side-2 macro, inner layer active", layer::C2, layer::S2, layer::I1, false},
      {"copper on an inner layer", layer::I1, layer::S2, layer::C1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string m = writeMacro("auto.tzm", c.pad, c.silk);
    ElementList elements;
    MacroBuffer buffer(elements);
    buffer.load(m, {.autoMirror = true, .activeLayer = c.active});
    EXPECT_EQ(buffer.mirrored(), c.turned);
    EXPECT_EQ(buffer.oppositeSide(), c.turned);
    const TObjekt& outline = buffer.elements().back();
    EXPECT_EQ(outline.Points.front().x > outline.Points.back().x, c.turned);
    // Without the option the macro stays as drawn.
    ElementList plain;
    MacroBuffer off(plain);
    off.load(m, {.autoMirror = false, .activeLayer = c.active});
    EXPECT_FALSE(off.mirrored());
  }
}

}  // namespace
}  // namespace trazello
