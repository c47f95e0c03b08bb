#include "model/ElementList.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/Layer.h"

namespace trazello {
namespace {

// Two pads joined by a rubberband, a routed track between them and a zone.
ElementList linkedBoard() {
  ElementList list;
  TObjekt& a = list.append(newPad({0, 0}, layer::C1, 1, 50, 20));
  TObjekt& b = list.append(newPad({500, 0}, layer::C1, 1, 50, 20));
  const ElementId ida = a.Id, idb = b.Id;
  list.edit(0).Links = {idb};
  list.edit(1).Links = {ida};
  TObjekt t = newTrack(30, layer::C1);
  t.Points = {{0, 0}, {500, 0}};
  t.Routed = 1;
  t.RouteFrom = ida;
  t.RouteTo = idb;
  list.append(t);
  TObjekt z = newZone(10, layer::C2);
  z.Points = {{0.4f, 0.5f}, {10.6f, -3.5f}, {-2.5f, 7.49f}};
  list.append(z);
  return list;
}

TEST(ElementList, CopyingBothLinkedPadsKeepsTheLinkBetweenTheCopies) {
  const ElementList source = linkedBoard();
  ElementList target;
  const size_t both[] = {0, 1, 2};
  copyElements(source, both, target);
  ASSERT_EQ(target.size(), 3u);
  EXPECT_NE(target[0].Id, source[0].Id);
  EXPECT_EQ(target[0].Links, std::vector<ElementId>{target[1].Id});
  EXPECT_EQ(target[1].Links, std::vector<ElementId>{target[0].Id});
  EXPECT_EQ(target[2].RouteFrom, target[0].Id);
  EXPECT_EQ(target[2].RouteTo, target[1].Id);
  // The source is untouched.
  EXPECT_EQ(source[0].Links, std::vector<ElementId>{source[1].Id});
}

TEST(ElementList, CopyingOneOfTwoLinkedPadsDropsTheLink) {
  const ElementList source = linkedBoard();
  ElementList target;
  target.append(newCircle({0, 0}, 2, 5, 4));  // copies land after what is there
  const size_t one[] = {1, 2};
  copyElements(source, one, target);
  ASSERT_EQ(target.size(), 3u);
  EXPECT_TRUE(target[1].Links.empty());
  EXPECT_FALSE(target[2].RouteFrom);  // its pad was not copied
  EXPECT_EQ(target[2].RouteTo, target[1].Id);
}

TEST(ElementList, RepeatedLinksAreKeptAndCopiedDense) {
  ElementList list;
  const ElementId a = list.append(newPad({0, 0}, 1, 1, 50, 20)).Id;
  const ElementId b = list.append(newSmdPad({9, 9}, 1, 10, 10)).Id;
  const ElementId c = list.append(newPad({5, 0}, 1, 1, 50, 20)).Id;
  list.edit(0).Links = {b, c, b};
  list.edit(1).Links = {a, a};
  list.edit(2).Links = {a};
  ElementList target;
  const size_t ab[] = {0, 1};
  copyElements(list, ab, target);
  EXPECT_EQ(target[0].Links, (std::vector<ElementId>{target[1].Id, target[1].Id}));
  EXPECT_EQ(target[1].Links, (std::vector<ElementId>{target[0].Id, target[0].Id}));
}

TEST(ElementList, DeepCopyRoundsZonesAndKeepsTracksExact) {
  const ElementList source = linkedBoard();
  const ElementList copy = copyAll(source);
  EXPECT_EQ(copy[3].Points, (std::vector<Point>{{0, 0}, {11, -4}, {-2, 7}}));
  EXPECT_EQ(copy[3].Closed, 1);
  EXPECT_EQ(copy[2].Points, source[2].Points);
}

TEST(ElementList, DeepCopyCopiesStrokesAndClearsHighlight) {
  TObjekt text = newText({0, 0}, "ab", layer::S1, 1, 1, 90, 0, false, false);
  TObjekt stroke = newTrack(10, layer::S1);
  stroke.Points = {{0.3f, 0}, {1, 1}};
  text.Strokes.push_back(stroke);
  text.Highlight = 1;
  text.Groups = {3, 7};
  text.Name = "label";
  const TObjekt copy = deepCopy(text);
  EXPECT_EQ(copy.Highlight, 0);
  EXPECT_EQ(copy.Groups, text.Groups);
  EXPECT_EQ(copy.Name, "label");
  ASSERT_EQ(copy.Strokes.size(), 1u);
  EXPECT_EQ(copy.Strokes[0].Points, stroke.Points);
  EXPECT_NE(copy.Strokes[0].Id, stroke.Id);
}

TEST(ElementList, ASnapshotSharesElementsUntilOneSideChanges) {
  ElementList live = linkedBoard();
  const ElementList snapshot = live;
  EXPECT_TRUE(live.sharesAllWith(snapshot));
  live.edit(2).Width = 99;
  EXPECT_EQ(snapshot[2].Width, 30);
  EXPECT_EQ(live[2].Width, 99);
  EXPECT_EQ(&live[0], &snapshot[0]);  // unchanged elements are still shared
  EXPECT_NE(&live[2], &snapshot[2]);
}

// A stamp names an element as it is: copies share it, every way of changing or adding an
// element renews it, and removals keep the others' stamps beside them.
TEST(ElementList, StampsFollowTheElementsThroughChangesAndRemovals) {
  ElementList live = linkedBoard();
  ASSERT_GE(live.size(), 4u);
  const ElementList snapshot = live;
  for (size_t i = 0; i < live.size(); ++i) EXPECT_EQ(live.stamp(i), snapshot.stamp(i));
  live.edit(1).Width = 7;
  EXPECT_NE(live.stamp(1), snapshot.stamp(1));
  const uint64_t edited = live.stamp(1);
  live.edit(1).Width = 8;  // changed again, no longer shared
  EXPECT_NE(live.stamp(1), edited);
  live.append(newTrack(5, 1));
  live.insert(0, newTrack(6, 1));
  EXPECT_NE(live.stamp(0), live.stamp(live.size() - 1));
  const uint64_t third = live.stamp(3);
  const ElementId thirdId = live[3].Id;
  live.eraseIf([&](const TObjekt& e) { return e.Width == 8 || e.Width == 6; });
  EXPECT_EQ(live[1].Id, thirdId);
  EXPECT_EQ(live.stamp(1), third);
  live.erase(0);
  EXPECT_EQ(live.stamp(0), third);
}

TEST(ElementList, RemovingAPadRemovesItsRubberbandsAndRoutes) {
  ElementList list = linkedBoard();
  const ElementId gone = list[0].Id;
  removeElementAt(list, 0);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_TRUE(list[0].Links.empty());
  EXPECT_FALSE(list[1].RouteFrom);
  EXPECT_EQ(list[1].RouteTo, list[0].Id);
  EXPECT_FALSE(list.indexOf(gone));
  EXPECT_EQ(list.indexOf(list[2].Id), 2u);
}

TEST(ElementList, AppendGivesADuplicateIdAFreshOne) {
  ElementList list;
  const TObjekt& first = list.append(newTrack(1, 1));
  const TObjekt again = first;
  const ElementId second = list.append(again).Id;
  EXPECT_NE(second, list[0].Id);
  list.insert(0, newTrack(2, 1));
  EXPECT_EQ(list.indexOf(second), 2u);
}

TEST(ElementList, TakingBlocksKeepsThemWhenIdsAscendAndCopiesThemOtherwise) {
  // Ids as offsets from one fresh id; -1 stands for none.
  struct Case {
    const char* what;
    std::vector<int> ids;
    bool kept;
  } cases[] = {
      {"ascending, as a reader gives them", {0, 1, 2, 5}, true},
      {"a repeated id", {0, 1, 1, 2}, false},
      {"descending", {3, 2, 1}, false},
      {"one without an id", {0, -1, 2}, false},
      {"empty", {}, true},
  };
  for (const Case& c : cases) {
    const uint64_t base = ElementId::fresh().value;
    for (int i = 0; i < 10; ++i) ElementId::fresh();
    std::vector<std::shared_ptr<TObjekt>> elements;
    for (int id : c.ids) {
      TObjekt t = newTrack(static_cast<int32_t>(elements.size()), layer::C1);
      t.Id = id < 0 ? ElementId{} : ElementId{base + static_cast<uint64_t>(id)};
      elements.push_back(std::make_shared<TObjekt>(t));
    }
    const std::vector<std::shared_ptr<TObjekt>> given = elements;
    const ElementList list(std::move(elements));
    ASSERT_EQ(list.size(), given.size()) << c.what;
    bool allKept = true;
    for (size_t i = 0; i < list.size(); ++i) {
      EXPECT_EQ(list[i].Width, static_cast<int32_t>(i)) << c.what;  // order kept
      EXPECT_TRUE(list[i].Id) << c.what;
      EXPECT_EQ(list.indexOf(list[i].Id), i) << c.what;  // ids distinct, index found
      allKept = allKept && &list[i] == given[i].get() && list[i].Id == given[i]->Id;
      EXPECT_EQ(given[i]->Width, static_cast<int32_t>(i)) << c.what;  // the blocks given are intact
    }
    EXPECT_EQ(allKept, c.kept) << c.what;
  }
}

}  // namespace
}  // namespace trazello
