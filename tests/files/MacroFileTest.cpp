// Macro files: writing relative to the reference point, reading every version, damaged files.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "files/AtomicFile.h"
#include "files/MacroFile.h"
#include "fixtures/Bytes.h"
#include "fixtures/OldRecords.h"
#include "fixtures/Seeds.h"
#include "model/ElementGeometry.h"
#include "model/ElementRecordBytes.h"
#include "model/Layer.h"
#include "model/PadGeometry.h"
#include "model/StrokeFont.h"

namespace trazello {
namespace {

using testing::Bytes;
using testing::header;
using testing::Rec;
using testing::record49;
using testing::record74;
using testing::record75;

TObjekt trackOf(std::vector<Point> pts, uint8_t l = layer::C1, int32_t width = 20) {
  TObjekt t = newTrack(width, l);
  t.Points = std::move(pts);
  return t;
}

// A small footprint: two pads (the first at (1000, -2000)), an outline on S1, a zone with a
// name and groups, a ring and a text with strokes, all selected.
ElementList footprint() {
  ElementList l;
  TObjekt pad = newPad({1000, -2000}, layer::C1, padshape::Square, 80, 30);
  pad.Name = "1";
  pad.Reserved66[3] = 0x5A;
  pad.Groups = {4};
  l.append(pad);
  TObjekt pad2 = newPad({1254, -2000}, layer::C1, padshape::Round, 80, 30);
  pad2.Name = "2";
  pad2.Groups = {4};
  l.append(pad2);
  l.append(newSmdPad({1500, -2100}, layer::C1, 60, 120));
  TObjekt outline = trackOf({{900, -1900}, {1400, -1900}, {1400, -2100}}, layer::S1);
  outline.Routed = 1;  // cleared in the file: a macro has no pads to route to
  l.append(outline);
  TObjekt zone = newZone(10, layer::C1);
  zone.Points = {{900, -2200}, {1100, -2200}, {1000, -2300}};
  zone.Text = "zone text";
  zone.Groups = {4, 7};
  l.append(zone);
  l.append(newCircle({1100, -1800}, layer::S1, 50, 40));
  TObjekt text = newText({900, -1700}, "U1", layer::S1, 1, 1, 150, 0, false, false);
  generateStrokes(text, layer::S1, 0);
  l.append(text);
  l.editAll([](TObjekt& e) { e.Selected = 1; });
  return l;
}

MacroFile parseOk(const std::vector<uint8_t>& bytes, const std::string& name = "fixture.tzm") {
  testing::writeSeed(name, bytes);
  Result<MacroFile> r = parseMacro(bytes, name);
  EXPECT_TRUE(r.ok()) << (r.ok() ? "" : messageText(r.error()));
  return r.ok() ? std::move(r.value()) : MacroFile{};
}

TEST(MacroFiles, RoundTripKeepsEveryStoredByte) {
  ElementList board = footprint();
  const MacroComments comments{"DIL footprint", std::string(60, 'x')};
  const std::vector<uint8_t> bytes = serializeMacro(board, false, comments, 50, {});
  ASSERT_GE(bytes.size(), 8u);
  EXPECT_EQ((std::vector<uint8_t>(bytes.begin(), bytes.begin() + 8)),
            (std::vector<uint8_t>{0x05, 0x33, 0xAA, 0xFF, 7, 0, 0, 0}));
  // The file ends with an empty link list per pad and SMD pad, then two 51-byte comment lines.
  const size_t tail = bytes.size() - 102;
  EXPECT_EQ(bytes[tail], 13);
  EXPECT_EQ(std::string(bytes.begin() + long(tail) + 1, bytes.begin() + long(tail) + 14),
            "DIL footprint");
  EXPECT_EQ(bytes[tail + 51], 50);  // the second line was cut to 50 characters
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(bytes[tail - 4 - 4 * i], 0) << i;

  const MacroFile read = parseOk(bytes, "roundtrip.tzm");
  EXPECT_EQ(read.version, 5);
  EXPECT_EQ(read.comments[0], "DIL footprint");
  EXPECT_EQ(read.comments[1], std::string(50, 'x'));
  ASSERT_EQ(read.elements.size(), 7u);
  // The first pad is the reference point.
  EXPECT_EQ(read.elements[0].X, 0);
  EXPECT_EQ(read.elements[0].Y, 0);
  EXPECT_EQ(read.elements[1].X, 254);
  EXPECT_EQ(read.elements[3].Points.front(), (Point{-100, 100}));
  for (const TObjekt& e : read.elements) {
    EXPECT_EQ(e.Selected, 0);
    EXPECT_EQ(e.Routed, 0);
  }
  EXPECT_EQ(read.elements[4].Text, "zone text");
  EXPECT_EQ(read.elements[4].Groups, (std::vector<int32_t>{4, 7}));
  EXPECT_EQ(read.elements[0].Name, "1");
  EXPECT_EQ(read.elements[6].Strokes.size(), board[6].Strokes.size());

  // Written again, now at its own reference point, the file is the same byte for byte.
  ElementList again = read.elements;
  EXPECT_EQ(serializeMacro(again, false, read.comments, 50, {}), bytes);
}

TEST(MacroFiles, ReferencePointWithoutPadsIsTheGridPointNearTheTopLeftCorner) {
  ElementList l;
  TObjekt t = trackOf({{1030, -470}, {2000, -900}}, layer::S1, 20);
  t.Clearance = 0;
  t.Selected = 1;
  l.append(t);
  TObjekt far = trackOf({{5000, -5000}, {6000, -5000}}, layer::S1, 20);  // not selected
  l.append(far);
  const IRect box = boundingBox(l[0]);
  const Point ref = macroReferencePoint(l, true, 100, {});
  EXPECT_EQ(ref, (Point{float(std::lround(box.left / 100.0) * 100),
                        float(std::lround(box.bottom / 100.0) * 100)}));
  EXPECT_EQ(ref, (Point{1000, -500}));
  // The grid runs through the user origin.
  EXPECT_EQ(macroReferencePoint(l, true, 100, {30000, 0}), (Point{1030, -500}));

  const MacroFile read = parseOk(serializeMacro(l, true, {}, 100, {}));
  ASSERT_EQ(read.elements.size(), 1u);  // only the selected track
  EXPECT_EQ(read.elements[0].Points, (std::vector<Point>{{30, 30}, {1000, -400}}));
}

TEST(MacroFiles, WritingCleansTheListFirst) {
  ElementList l = footprint();
  l.append(trackOf({{0, 0}}));  // one point: cannot be drawn
  const MacroFile read = parseOk(serializeMacro(l, false, {}, 0, {}));
  EXPECT_EQ(l.size(), 7u);
  EXPECT_EQ(read.elements.size(), 7u);
}

TEST(MacroFiles, Version0HasNoBoardSizeAndConvertsOldElements) {
  EXPECT_EQ(record49({.kind = 2}).size(), 49u);
  Bytes f = header(0);
  f.i16(4);
  f.append(record49({.kind = 2, .x = 100, .y = -100, .a = 50, .b = 20, .layer = 1, .shape = 1}));
  f.append(record49({.kind = 6, .width = 20, .layer = 6}));
  f.i16(2).i16(0).i16(0).i16(300).i16(0);
  f.append(record49({.kind = 1, .x = 0, .y = -50, .a = 200, .b = -50, .width = 15, .layer = 5}));
  f.append(record49(
      {.kind = 3, .x = 10, .y = -200, .a = 60, .b = -20, .width = -16, .layer = 2, .text = "AB"}));
  const MacroFile m = parseOk(f.data, "old-v0.tzm");
  EXPECT_EQ(m.version, 0);
  EXPECT_EQ(m.comments, MacroComments{});
  ASSERT_EQ(m.elements.size(), 4u);
  EXPECT_EQ(m.elements[0].Layer, layer::C2);  // C1 and C2 exchanged as in old layouts
  EXPECT_EQ(m.elements[0].Points, padOutline({100, -100}, padshape::Round, 50, 0));
  EXPECT_EQ(m.elements[1].Layer, layer::S1);          // layer 6 became 2
  EXPECT_EQ(m.elements[2].Kind, ElementKind::Track);  // the old line
  EXPECT_EQ(m.elements[2].Layer, layer::C2);          // layer 5 became 3
  EXPECT_EQ(m.elements[2].Points, (std::vector<Point>{{0, -50}, {200, -50}}));
  EXPECT_EQ(m.elements[3].Kind, ElementKind::Text);  // the system-font text was replaced
  EXPECT_EQ(m.elements[3].Text, "AB");
  EXPECT_FALSE(m.elements[3].Strokes.empty());
}

TEST(MacroFiles, Version3MergesPadPairsAndHasNoComments) {
  EXPECT_EQ(record74({.kind = 2}).size(), 74u);
  Bytes f = header(3);
  f.i32(3);
  f.append(record74({.kind = 2, .x = 0, .y = 0, .a = 60, .b = 25, .layer = 1, .shape = 3}));
  f.i32(0).i32(1);  // no groups, partner 1
  f.append(record74({.kind = 2, .x = 0, .y = 0, .a = 60, .b = 25, .layer = 3, .shape = 3}));
  f.i32(0).i32(0);
  f.append(record74({.kind = 4, .width = 10, .layer = 5}));
  f.i32(1).i32(2).i32(3).i32(0).i32(0).i32(100).i32(0).i32(50).i32(-80);
  f.i32(0).i32(0);  // the pads' link lists
  const MacroFile m = parseOk(f.data, "old-v3.tzm");
  EXPECT_EQ(m.version, 3);
  ASSERT_EQ(m.elements.size(), 2u);
  EXPECT_EQ(m.elements[0].Kind, ElementKind::Pad);
  EXPECT_EQ(m.elements[0].Plated, 1);
  EXPECT_EQ(m.elements[1].Kind, ElementKind::Zone);
  EXPECT_EQ(m.elements[1].Layer, layer::C2);
  EXPECT_EQ(m.elements[1].Groups, std::vector<int32_t>{2});
  EXPECT_EQ(m.elements[1].Value53, 60);
  EXPECT_EQ(m.comments, MacroComments{});
}

TEST(MacroFiles, Version4ReadsTextsLinksAndComments) {
  EXPECT_EQ(record75({.kind = 2}).size(), 75u);
  Bytes f = header(4);
  f.i32(3);
  f.append(record75({.kind = 8, .x = 0, .y = 0, .a = 100, .b = 50, .layer = 1}));
  f.lengthString("").i32(0);  // text, groups
  f.append(record75({.kind = 2, .x = 200, .y = 0, .a = 60, .b = 25, .layer = 6, .shape = 1}));
  f.lengthString("pin").i32(0).i32(-1);  // text, groups, no partner
  f.append(record75({.kind = 7, .x = 0, .y = 100, .layer = 2, .spokes = 1}, 0, 1, 0));
  f.lengthString("R1").i32(0).i32(1);
  f.append(record75({.kind = 6, .width = 12, .layer = 2}));
  f.i32(2).i32(0).i32(100).i32(40).i32(100);
  f.i32(1).i32(1);  // the pad's link to the SMD pad ...
  f.i32(1).i32(0);  // ... and back
  f.shortString("first line", 50).shortString("second", 50);
  const MacroFile m = parseOk(f.data, "old-v4.tzm");
  EXPECT_EQ(m.version, 4);
  EXPECT_EQ(m.comments, (MacroComments{"first line", "second"}));
  ASSERT_EQ(m.elements.size(), 3u);
  EXPECT_EQ(m.elements[0].Kind, ElementKind::SmdPad);
  EXPECT_EQ(m.elements[0].Points, smdCorners({0, 0}, 100, 50));
  EXPECT_EQ(m.elements[0].Links, std::vector<ElementId>{m.elements[1].Id});
  EXPECT_EQ(m.elements[1].Layer, layer::S1);  // layer 6 became 2
  EXPECT_EQ(m.elements[1].Text, "pin");
  EXPECT_EQ(m.elements[2].Kind, ElementKind::Text);
  EXPECT_EQ(m.elements[2].Value53, 90);  // the old rotation code 1
  EXPECT_EQ(m.elements[2].MirrorH(), 1);
  ASSERT_EQ(m.elements[2].Strokes.size(), 1u);
  EXPECT_EQ(m.elements[2].Strokes[0].Points, (std::vector<Point>{{0, 100}, {40, 100}}));
}

// A two-element version-5 macro whose fields the cases break one at a time.
struct V5 {
  uint32_t word = 0xFFAA3305u;
  int32_t elements = 2;
  int32_t nameLength = 0;
  int32_t points = 2;
  int32_t linkCount = 0;
  int32_t link = 0;
  int32_t strokes = 0;
  uint8_t commentLength = 3;
  size_t cut = 0;
};

Bytes build(const V5& v) {
  Bytes f;
  f.u32(v.word).i32(v.elements);
  TObjekt pad = newPad({0, 0}, layer::C1, padshape::Round, 50, 20);
  f.raw(storedBytes(pad).data(), kStoredRecordSize);
  f.i32(0).i32(v.nameLength).zeros(size_t(std::clamp(v.nameLength, 0, 300))).i32(0);
  f.i32(v.points).f32(-50).f32(0).f32(50).f32(0);
  TObjekt text = newText({0, 0}, "A", layer::S1, 1, 1, 100, 0, false, false);
  f.raw(storedBytes(text).data(), kStoredRecordSize);
  f.lengthString("A").i32(0).i32(0).i32(v.strokes);
  if (v.strokes == 1) {
    f.raw(storedBytes(newTrack(10, layer::S1)).data(), kStoredRecordSize);
    f.i32(2).f32(0).f32(0).f32(0).f32(100);
  }
  f.i32(v.linkCount);
  if (v.linkCount == 1) f.i32(v.link);
  f.u8(v.commentLength).raw("abc", 3).zeros(47).shortString("", 50);
  f.data.resize(f.data.size() - v.cut);
  return f;
}

TEST(MacroFiles, TheUntouchedDamageFixtureReads) {
  const MacroFile m = parseOk(build({.strokes = 1}).data, "small-v5.tzm");
  EXPECT_EQ(m.elements.size(), 2u);
  EXPECT_EQ(m.comments[0], "abc");
}

TEST(MacroFiles, DamagedMacrosAreRefusedWithAMessageNamingThem) {
  struct Case {
    const char* what;
    V5 v;
    const char* expected;
  } cases[] = {
      {"unknown version", {.word = 0xFFAA3306u}, "is not a Trazello macro file"},
      {"a layout's neighbour format", {.word = 0x464D2025u}, "is not a Trazello macro file"},
      {"shorter than a version word", {.cut = 0}, "is not a Trazello macro file"},
      {"ends inside the comments", {.strokes = 1, .cut = 60}, "the file ends inside a comment"},
      {"cut inside the elements", {.strokes = 1, .cut = 200}, "runs past the end"},
      {"element count past the end", {.elements = 1000000}, "runs past the end"},
      {"negative element count", {.elements = -3}, "negative count"},
      {"negative point count", {.points = -1}, "negative count"},
      {"point count past the end", {.points = 0x40000000}, "runs past the end"},
      {"name longer than 255", {.nameLength = 256}, "length of a name"},
      {"negative name length", {.nameLength = -1}, "length of a name"},
      {"stroke count past the end", {.strokes = 0x7FFFFFFF}, "runs past the end"},
      {"link outside the macro", {.linkCount = 1, .link = 2}, "names element 2"},
      {"negative link", {.linkCount = 1, .link = -7}, "names element -7"},
      {"comment longer than its field", {.commentLength = 51}, "exceeds its field"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes f = build(c.v);
    if (std::string(c.what) == "shorter than a version word") f.data.resize(3);
    testing::writeSeed(std::string("damaged-") + c.what + ".tzm", f.data);
    Result<MacroFile> r = parseMacro(f.data, "/lib/parts/broken.tzm");
    ASSERT_FALSE(r.ok());
    const std::string text = messageText(r.error());
    EXPECT_NE(text.find("broken.tzm"), std::string::npos) << text;
    EXPECT_NE(text.find(c.expected), std::string::npos) << text;
    EXPECT_EQ(r.error().kind, MessageKind::Error);
  }
}

TEST(MacroFiles, AFailedWriteIsReportedAndLeavesTheOldFile) {
  const auto dir = std::filesystem::temp_directory_path() / "trazello-macro-write";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "part.tzm").string();
  ElementList l = footprint();
  ASSERT_FALSE(writeMacroFile(path, l, false, {"old", ""}));
  const auto before = readWholeFile(path, nullptr);
  ASSERT_TRUE(before);

  const auto missing = writeMacroFile((dir / "no-such-folder" / "x.tzm").string(), l, false, {});
  ASSERT_TRUE(missing);
  EXPECT_NE(messageText(*missing).find("x.tzm"), std::string::npos);
  EXPECT_EQ(readWholeFile(path, nullptr), before);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace trazello
