#include <gtest/gtest.h>

#include "files/LayoutFormat.h"
#include "fixtures/Seeds.h"
#include "model/ElementRecordBytes.h"
#include "model/Layer.h"
#include "model/LittleEndian.h"

namespace trazello {
namespace {

TObjekt trackOf(std::vector<Point> pts, uint8_t l = layer::C1) {
  TObjekt t = newTrack(25, l);
  t.Points = std::move(pts);
  return t;
}

// Two boards holding every kind, with groups, links, a routed track, strokes, names, odd
// reserved bytes and a project.
Document richDocument() {
  Document d;
  ElementList& a = d.elements();
  TObjekt pad = newPad({100, -100}, layer::C1, padshape::OctagonH, 60, 25);
  pad.Plated = 1;
  pad.Thermal() = 1;
  pad.Name = "J1.1";
  pad.Reserved59 = {1, 2, 3};
  pad.Reserved66[10] = 0xEE;
  pad.Reserved39 = 9;
  pad.Groups = {1, 2};
  const ElementId p1 = a.append(pad).Id;
  const ElementId p2 = a.append(newSmdPad({800, -100}, layer::C2, 120, 60)).Id;
  a.edit(0).Links = {p2, p2};
  a.edit(1).Links = {p1, p1};
  TObjekt routed = trackOf({{100, -100}, {800, -100}});
  routed.Routed = 1;
  routed.RouteFrom = p1;
  routed.RouteTo = p2;
  a.append(routed);
  TObjekt arc = newCircle({400, -400}, layer::S1, 100, 80);
  arc.Spokes = 30;
  arc.Width = 200;
  arc.Filled = 1;
  a.append(arc);
  TObjekt zone = newZone(10, layer::C2);
  zone.Points = {{0, 0}, {300, 0}, {300, -300}};
  zone.Hatched() = 1;
  zone.KeepOut = 1;
  zone.Clearance = 40;
  a.append(zone);
  TObjekt text = newText({50, -900}, "R1 \xB5", layer::S1, 2, 2, 180, 90, true, false);
  text.Strokes.push_back(trackOf({{50, -900}, {50, -720}}, layer::S1));
  text.Strokes.push_back(trackOf({{60, -900}, {60, -900}}, layer::S1));
  a.append(text);
  TObjekt legacy;
  legacy.Kind = ElementKind::LegacyText;
  legacy.Layer = layer::S2;
  legacy.X = 10;
  legacy.Y = -10;
  legacy.SizeA = 90;
  legacy.SizeB = -10;
  legacy.Width = -13;
  legacy.Text = "old";
  a.append(legacy);
  d.working().grid = 7.9375;
  d.working().originX = 1000000;

  d.addBoard("Second");
  TObjekt loose = trackOf({{1, -1}, {2, -2}}, layer::I1);
  loose.Routed = 1;  // its pads are gone
  d.elements().append(loose);
  d.selectBoard(0);
  d.storeWorkingSettings();
  d.replaceProjectInfo({"Board", "Someone", "Works", "line 1\r\nline 2"});
  return d;
}

std::vector<uint8_t> bytesOf(const Document& d) {
  return serializeLayout(d.boards(), d.currentIndex(), d.projectInfo());
}

TEST(LayoutRoundTrip, EveryRecordAndListSurvives) {
  const Document d = richDocument();
  const std::vector<uint8_t> written = bytesOf(d);
  testing::writeSeed("rich.trz", written);
  Result<LayoutFile> read = parseLayout(written, "rich.trz");
  ASSERT_TRUE(read.ok()) << messageText(read.error());
  EXPECT_EQ(read->version, 5);
  EXPECT_EQ(read->currentBoard, 0);
  EXPECT_EQ(read->project, d.projectInfo());
  EXPECT_EQ(read->legacyTextCount, 1u);
  EXPECT_FALSE(read->layersExchanged);
  ASSERT_EQ(read->boards.size(), 2u);
  for (size_t b = 0; b < 2; ++b) {
    const Board& want = d.boards()[b];
    const Board& got = read->boards[b];
    EXPECT_EQ(got.name, want.name);
    EXPECT_EQ(got.settings, want.settings);
    ASSERT_EQ(got.elements.size(), want.elements.size());
    for (size_t i = 0; i < got.elements.size(); ++i) {
      const TObjekt& w = want.elements[i];
      const TObjekt& g = got.elements[i];
      EXPECT_EQ(storedBytes(g), storedBytes(w)) << b << ":" << i;
      EXPECT_EQ(g.Text, w.Text);
      EXPECT_EQ(g.Name, w.Name);
      EXPECT_EQ(g.Groups, w.Groups);
      EXPECT_EQ(g.Points, w.Points);
      ASSERT_EQ(g.Strokes.size(), w.Strokes.size());
      for (size_t s = 0; s < g.Strokes.size(); ++s) {
        EXPECT_EQ(storedBytes(g.Strokes[s]), storedBytes(w.Strokes[s]));
        EXPECT_EQ(g.Strokes[s].Points, w.Strokes[s].Points);
      }
      auto indices = [](const ElementList& l, const std::vector<ElementId>& ids) {
        std::vector<int> out;
        for (ElementId id : ids) out.push_back(l.indexOf(id) ? int(*l.indexOf(id)) : -1);
        return out;
      };
      EXPECT_EQ(indices(got.elements, g.Links), indices(want.elements, w.Links));
      EXPECT_EQ(indices(got.elements, {g.RouteFrom, g.RouteTo}),
                indices(want.elements, {w.RouteFrom, w.RouteTo}));
    }
  }
  // Writing what was read gives the same file again.
  Document again;
  again.replaceBoards(std::move(read->boards), read->currentBoard);
  again.replaceProjectInfo(*read->project);
  EXPECT_EQ(bytesOf(again), written);
}

TEST(LayoutRoundTrip, AnEmptyBoardFileHasItsKnownShape) {
  const Document d;
  const std::vector<uint8_t> b = bytesOf(d);
  ASSERT_EQ(b.size(), 853u);
  const std::vector<uint8_t> start{0x05, 0x33, 0xAA, 0xFF, 0x01, 0x00, 0x00, 0x00, 0x07,
                                   'B',  'o',  'a',  'r',  'd',  ' ',  '1'};
  EXPECT_TRUE(std::equal(start.begin(), start.end(), b.begin()));
}

TEST(LayoutRoundTrip, SizesOfTrackAndPadBlocks) {
  Document d;
  const size_t empty = bytesOf(d).size();
  d.elements().append(trackOf({{0, 0}, {10, 0}}));
  EXPECT_EQ(bytesOf(d).size() - empty, 109u);
  d.elements().append(newPad({0, 0}, 1, 1, 50, 20));
  EXPECT_EQ(bytesOf(d).size() - empty, 109u + 77 + 4 + 4 + 4 + 4 + 16 + 4);
}

TEST(LayoutRoundTrip, LongStringsAreCutAndForeignReferencesWrittenAsNone) {
  Document d;
  TObjekt text = newText({0, 0}, std::string(300, 'x'), layer::S1, 1, 1, 100, 0, false, false);
  text.Strokes.push_back(trackOf({{0, 0}, {1, 1}}, layer::S1));
  text.Name = std::string(256, 'n');
  d.elements().append(text);
  TObjekt pad = newPad({0, 0}, 1, 1, 50, 20);
  pad.Links = {ElementId::fresh()};  // an element of no list here
  d.elements().append(pad);
  TObjekt routed = trackOf({{0, 0}, {1, 1}});
  routed.Routed = 1;
  routed.RouteFrom = ElementId::fresh();
  d.elements().append(routed);
  const std::vector<uint8_t> b = bytesOf(d);
  Result<LayoutFile> read = parseLayout(b, "x.trz");
  ASSERT_TRUE(read.ok()) << messageText(read.error());
  const ElementList& els = read->boards[0].elements;
  EXPECT_EQ(els[0].Text, std::string(255, 'x'));
  EXPECT_EQ(els[0].Name, std::string(255, 'n'));
  EXPECT_TRUE(els[1].Links.empty());
  EXPECT_FALSE(els[2].RouteFrom);
  EXPECT_FALSE(els[2].RouteTo);
  // The pad's link list holds the single index -1.
  const size_t linkList = b.size() - 4 - 303 - 4 - 8 - 8;
  EXPECT_EQ(le::get<int32_t>(&b[linkList]), 1);
  EXPECT_EQ(le::get<int32_t>(&b[linkList + 4]), -1);
}

TEST(LayoutRoundTrip, ThermalDefaultsReplaceSettingsWithoutTheMagicNumber) {
  Document d;
  TObjekt pad = newPad({0, 0}, 1, 1, 50, 20);
  pad.ThermalMagic = 0;
  pad.Spokes = 3;
  pad.Value53 = 40;
  pad.Thermal() = 1;
  d.elements().append(pad);
  Result<LayoutFile> read = parseLayout(bytesOf(d), "x.trz");
  ASSERT_TRUE(read.ok());
  const TObjekt& p = read->boards[0].elements[0];
  EXPECT_EQ(p.Spokes, 85);
  EXPECT_EQ(p.Value53, 100);
  EXPECT_EQ(p.Thermal(), 0);
  EXPECT_EQ(p.ThermalMagic, kThermalMagic);
}

}  // namespace
}  // namespace trazello
