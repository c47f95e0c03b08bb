// Damaged layout files are refused with a message naming them, never read past their end.
#include <gtest/gtest.h>

#include "files/LayoutFormat.h"
#include "fixtures/Bytes.h"
#include "fixtures/Seeds.h"
#include "model/ElementRecordBytes.h"

namespace trazello {
namespace {

using testing::Bytes;

// The fields of a small version-5 file that the cases below break one at a time.
struct V5 {
  uint32_t word = 0xFFAA3305u;
  int32_t boards = 1;
  uint8_t nameLength = 1;
  uint8_t templateNameLength = 0;
  int32_t elements = 2;
  int32_t textLength = 0;
  int32_t groups = 0;
  int32_t points = 2;
  int32_t linkCount = 1;
  int32_t link = 0;  // the pad links itself: odd but in range
  int32_t routeFrom = 0;
  int32_t current = 0;
  uint8_t titleLength = 0;
  int32_t commentLength = 0;
  size_t cut = 0;  // bytes removed from the end
};

Bytes build(const V5& v) {
  Bytes f;
  f.u32(v.word).i32(v.boards);
  f.u8(v.nameLength).raw("B", 1).zeros(29);
  BoardSettingsBytes s = boardSettingsBytes(BoardSettings{});
  s[257] = v.templateNameLength;
  f.raw(s.data(), s.size());
  f.i32(v.elements);
  TObjekt pad = newPad({0, 0}, 1, 1, 50, 20);
  f.raw(storedBytes(pad).data(), kStoredRecordSize);
  f.i32(v.textLength).zeros(size_t(std::max(0, std::min(v.textLength, 300))));
  f.i32(0).i32(v.groups).i32(v.points).f32(-50).f32(0).f32(50).f32(0);
  TObjekt track = newTrack(20, 1);
  track.Routed = 1;
  f.raw(storedBytes(track).data(), kStoredRecordSize);
  f.i32(0).i32(0).i32(0).i32(2).f32(0).f32(0).f32(10).f32(0);
  f.i32(v.linkCount).i32(v.link);
  f.i32(v.routeFrom).i32(-1);
  f.i32(v.current).u8(v.titleLength).zeros(100).shortString("", 100).shortString("", 100);
  f.i32(v.commentLength);
  f.data.resize(f.data.size() - v.cut);
  return f;
}

TEST(DamagedFiles, TheUntouchedFixtureReads) {
  testing::writeSeed("small-v5.trz", build({}).data);
  Result<LayoutFile> r = parseLayout(build({}).data, "/tmp/good.trz");
  ASSERT_TRUE(r.ok()) << messageText(r.error());
  EXPECT_EQ(r->boards[0].elements.size(), 2u);
}

TEST(DamagedFiles, AreRefusedWithAMessageNamingTheFile) {
  struct Case {
    const char* what;
    V5 v;
    const char* expected;  // part of the message
  } cases[] = {
      {"unknown version", {.word = 0xFFAA3306u}, "is not a Trazello file"},
      {"not a layout at all", {.word = 0x464D2025u}, "is not a Trazello file"},
      {"ends early", {.cut = 1}, "the file ends inside"},
      {"ends inside the elements", {.cut = 350}, "the file ends inside"},
      {"element count past the end", {.elements = 1000000}, "runs past the end"},
      {"board count past the end", {.boards = 70000}, "runs past the end"},
      {"negative element count", {.elements = -1}, "negative count"},
      {"negative board count", {.boards = -5}, "negative count"},
      {"negative point count", {.points = -2}, "negative count"},
      {"group count past the end", {.groups = 0x7FFFFFFF}, "runs past the end"},
      {"text longer than 255", {.textLength = 256}, "length of a text"},
      {"negative text length", {.textLength = -1}, "length of a text"},
      {"board name length byte above 30", {.nameLength = 31}, "length byte"},
      {"template name length byte above 200", {.templateNameLength = 201}, "length byte"},
      {"project title length byte above 100", {.titleLength = 101}, "length byte"},
      {"comment past the end", {.commentLength = 10}, "length of the project comment"},
      {"link outside its board", {.link = 2}, "link names element 2"},
      {"negative link", {.link = -7}, "link names element -7"},
      {"route outside its board", {.routeFrom = 5}, "routed track names element 5"},
      {"current board outside the list", {.current = 1}, "current board 1"},
      {"negative current board", {.current = -1}, "current board -1"},
  };
  for (const auto& c : cases) {
    Result<LayoutFile> r = parseLayout(build(c.v).data, "/tmp/boards/broken.trz");
    ASSERT_FALSE(r.ok()) << c.what;
    const std::string text = messageText(r.error());
    EXPECT_NE(text.find(c.expected), std::string::npos) << c.what << ": " << text;
    EXPECT_NE(text.find("broken.trz\""), std::string::npos) << c.what << ": " << text;
    EXPECT_EQ(r.error().kind, MessageKind::Error);
  }
}

TEST(DamagedFiles, OldVersionsToo) {
  Bytes v0;
  v0.u32(0xFFAA3300u).i32(100).i32(100).i16(-1);
  EXPECT_FALSE(parseLayout(v0.data, "a.trz").ok());
  Bytes v2;
  v2.u32(0xFFAA3302u).i32(100).i32(100).i16(1).u8(3).zeros(13).u8(16).zeros(34);
  Result<LayoutFile> r = parseLayout(v2.data, "b.trz");
  ASSERT_FALSE(r.ok());
  EXPECT_NE(messageText(r.error()).find("length byte of a text"), std::string::npos);
  EXPECT_FALSE(parseLayout(std::vector<uint8_t>{}, "empty.trz").ok());
  EXPECT_FALSE(parseLayout(std::vector<uint8_t>{0x05, 0x33, 0xAA}, "short.trz").ok());
}

}  // namespace
}  // namespace trazello
