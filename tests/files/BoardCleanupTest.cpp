#include "files/BoardCleanup.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "files/RecentFiles.h"
#include "model/BoardSettings.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/Layer.h"

namespace trazello {
namespace {

TEST(BoardCleanup, RemovesWhatCannotBeDrawnAndMendsTheRest) {
  ElementList list;
  const ElementId pad = list.append(newPad({0, 0}, layer::S1, 1, 50, 20)).Id;
  list.edit(0).Plated = 1;
  TObjekt single = newTrack(10, layer::C1);
  single.Points = {{0, 0}};
  list.append(single);
  TObjekt noLayer = newTrack(10, 0);
  noLayer.Points = {{0, 0}, {1, 1}};
  list.append(noLayer);
  list.append(newText({0, 0}, "x", layer::S1, 1, 1, 90, 0, false, false));  // no strokes
  TObjekt other = newSmdPad({10, 10}, layer::C1, 20, 20);
  other.Links = {pad};
  const ElementId smd = list.append(other).Id;
  list.edit(0).Links = {smd};
  list.append(newCircle({0, 0}, layer::S1, 40, 60));
  TObjekt zoneKind0 = newZone(10, layer::C1);
  zoneKind0.Kind = static_cast<ElementKind>(0);
  zoneKind0.Points = {{0, 0}, {1, 0}, {1, 1}};
  list.append(zoneKind0);

  EXPECT_EQ(cleanBoard(list), 4u);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].Plated, 0);  // a pad on silkscreen is not through-plated
  EXPECT_EQ(list[1].Links, std::vector<ElementId>{pad});
  EXPECT_EQ(list[2].SizeA, 51);
  EXPECT_EQ(list[2].SizeB, 49);
}

// Saving drops the elements whose box misses the board; most are settled from one point without
// their box, which must keep exactly the same elements, at the edges and for odd sizes too.
TEST(BoardCleanup, ElementsOutsideTheBoardAreThoseWhoseBoxMissesIt) {
  BoardSettings board;
  board.width = 1000;
  board.height = 500;
  board.groundPlane[layer::C1] = 1;  // thermal reliefs widen the boxes of pads on C1
  const LayerState state = layerState(board);
  const float xs[] = {-300, -31, -20.5f, -1,     -0.5f, 0,    0.4f,    0.5f,
                      1,    500, 999,    999.5f, 1000,  1001, 1020.5f, 1300};
  const float ys[] = {-800, -520.5f, -500, -499.5f, -250, -0.5f, 0, 0.5f, 20, 300};
  const float sizes[] = {-40, 0, 1, 30};
  const int32_t clearances[] = {-25, 0, 10};
  std::vector<TObjekt> all;
  for (float x : xs)
    for (float y : ys)
      for (float size : sizes)
        for (int32_t clearance : clearances) {
          std::vector<TObjekt> made;
          for (uint8_t shape : {padshape::Round, padshape::OblongH, padshape::Octagon,
                                padshape::RectV, uint8_t(99)}) {
            TObjekt pad = newPad({x, y}, layer::C1, shape, 30, 10);
            pad.SizeA = size;
            pad.Thermal() = 1;
            made.push_back(pad);
          }
          TObjekt smd = newSmdPad({x, y}, layer::C1, 40, 20);
          smd.SizeB = size;
          smd.Thermal() = 1;
          made.push_back(smd);
          TObjekt track = newTrack(static_cast<int32_t>(size), layer::C2);
          track.Points = {{x, y}, {x + 2000, y}};
          made.push_back(track);
          TObjekt zone = newZone(static_cast<int32_t>(size), layer::C2);
          zone.Points = {{x, y}, {x + 5, y}, {x + 5, y - 5}};
          made.push_back(zone);
          TObjekt circle = newCircle({x, y}, layer::S1, 40, 30);
          circle.SizeA = size + 1;
          circle.SizeB = size;
          made.push_back(circle);
          TObjekt text = newText({x, y}, "T", layer::S1, 1, 1, 90, 0, false, false);
          TObjekt stroke = newTrack(static_cast<int32_t>(size), layer::S1);
          stroke.Points = {{x, y}, {x + 30, y + 60}};
          stroke.Clearance = clearance;
          text.Strokes = {stroke, stroke};
          text.Strokes[1].Points = {{x - 2000, y}};
          made.push_back(text);
          for (TObjekt& e : made) {
            e.Clearance = clearance;
            all.push_back(e);
          }
        }
  ElementList list;
  std::vector<ElementId> expected;
  const IRect area{0, -board.height, board.width, 0};
  for (const TObjekt& e : all) {
    const ElementId id = list.append(e).Id;
    if (overlaps(boundingBox(list.back(), &state), area)) expected.push_back(id);
  }
  ASSERT_GT(expected.size(), 0u);
  ASSERT_LT(expected.size(), all.size());

  removeElementsOutsideBoard(list, board);
  std::vector<ElementId> kept;
  for (const TObjekt& e : list) kept.push_back(e.Id);
  EXPECT_EQ(kept, expected);
}

// Saving makes the removals of both in one walk; the board comes out as the two in turn leave it.
TEST(BoardCleanup, SavingCleansAsRemovingOutsideAndThenCleaningDo) {
  BoardSettings board;
  board.width = 1000;
  board.height = 500;
  ElementList list;
  const ElementId inside = list.append(newPad({100, -100}, layer::C1, 1, 30, 10)).Id;
  const ElementId outside = list.append(newPad({3000, -100}, layer::C1, 1, 30, 10)).Id;
  const ElementId silk = list.append(newPad({200, -100}, layer::S1, 1, 30, 10)).Id;
  list.edit(2).Plated = 1;
  list.edit(0).Links = {outside, silk};
  list.edit(1).Links = {inside};
  list.edit(2).Links = {inside};
  TObjekt single = newTrack(10, layer::C1);
  single.Points = {{50, -50}};
  list.append(single);
  TObjekt ring = newCircle({5000, 5000}, layer::S1, 40, 60);  // mended only if kept
  list.append(ring);
  ring.X = 300;
  ring.Y = -300;
  list.append(ring);

  ElementList twoSteps = list;
  removeElementsOutsideBoard(twoSteps, board);
  cleanBoard(twoSteps);
  EXPECT_EQ(cleanBoardForSave(list, board), 3u);
  ASSERT_EQ(list.size(), twoSteps.size());
  for (size_t i = 0; i < list.size(); ++i) {
    EXPECT_EQ(list[i].Id, twoSteps[i].Id);
    EXPECT_EQ(list[i].Links, twoSteps[i].Links);
    EXPECT_EQ(list[i].Plated, twoSteps[i].Plated);
    EXPECT_EQ(list[i].SizeA, twoSteps[i].SizeA);
  }
  EXPECT_EQ(list[0].Links, std::vector<ElementId>{silk});
  EXPECT_EQ(list[1].Plated, 0);
  EXPECT_EQ(list[2].SizeA, 51);
}

ElementList withGroups(std::vector<std::vector<int32_t>> groups) {
  ElementList list;
  for (auto& g : groups) {
    TObjekt t = newTrack(1, 1);
    t.Groups = g;
    list.append(t);
  }
  return list;
}

std::vector<std::vector<int32_t>> groupsOf(const ElementList& list) {
  std::vector<std::vector<int32_t>> g;
  for (const TObjekt& e : list) g.push_back(e.Groups);
  return g;
}

TEST(BoardCleanup, CompactingGroupIdsClosesGapsWithoutMergingGroups) {
  struct Case {
    std::vector<std::vector<int32_t>> before, after;
  } cases[] = {
      // After a shift the loop goes on from where it was, so a gap can remain.
      {{{3}, {3}, {7}}, {{1}, {1}, {4}}},
      {{{1}, {2, 4}}, {{1}, {2, 3}}},
      {{{}, {}}, {{}, {}}},
      {{{1, 2}, {5}}, {{1, 2}, {3}}},
      {{{2}, {5}, {9}}, {{1}, {3}, {5}}},
      {{{1}, {3}, {5}}, {{1}, {2}, {4}}},
      {{{2}, {3}}, {{1}, {2}}},
  };
  for (const auto& c : cases) {
    ElementList list = withGroups(c.before);
    compactGroupIds(list);
    EXPECT_EQ(groupsOf(list), c.after);
  }
}

TEST(RecentFilesList, NewestFirstWithoutBackupsOrRepeats) {
  RecentFiles r;
  for (const char* name : {"/a/1.trz", "/a/2.trz", "/a/3.trz", "/a/4.trz", "/a/5.trz"})
    r.offer(name);
  EXPECT_EQ(r.entries(),
            (std::vector<std::string>{"/a/5.trz", "/a/4.trz", "/a/3.trz", "/a/2.trz"}));
  r.offer("/A/3.TRZ");  // already listed: order unchanged
  r.offer("/a/x.BAK");
  EXPECT_EQ(r.entries().front(), "/a/5.trz");
  EXPECT_EQ(r.menuCaptions(),
            (std::vector<std::string>{"&1 5.trz", "&2 4.trz", "&3 3.trz", "&4 2.trz"}));
}

TEST(RecentFilesList, RelativeNamesAreStoredWithTheirFullPath) {
  namespace fs = std::filesystem;
  const fs::path before = fs::current_path();
  const fs::path dir =
      fs::temp_directory_path() / ("trazello-recent-" + std::to_string(::getpid()));
  fs::create_directories(dir / "sub");
  fs::current_path(dir / "sub");
  RecentFiles r;
  r.offer("board.trz");
  r.offer("../other.trz");
  fs::current_path(before);
  fs::remove_all(dir);
  const std::string full = fs::weakly_canonical(dir).string();
  EXPECT_EQ(r.entries(), (std::vector<std::string>{full + "/other.trz", full + "/sub/board.trz"}));
  EXPECT_EQ(r.menuCaptions().front(), "&1 other.trz");
}

}  // namespace
}  // namespace trazello
