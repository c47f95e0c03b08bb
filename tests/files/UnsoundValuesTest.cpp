// Values no editor writes (NaN, infinities, coordinates far beyond any board) never reach the
// geometry: such elements are left out with a warning, the rest of the file opens.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "files/LayoutFormat.h"
#include "files/LayoutIo.h"
#include "model/Layer.h"

namespace trazello {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

std::vector<uint8_t> layoutOf(const std::vector<TObjekt>& elements) {
  Board b;
  b.name = "Board 1";
  for (const TObjekt& e : elements) b.elements.append(e);
  return serializeLayout({b}, 0, ProjectInfo{});
}

TObjekt track(Point a, Point b, int32_t width = 25) {
  TObjekt t = newTrack(width, layer::C1);
  t.Points = {a, b};
  return t;
}

TEST(UnsoundValues, ElementsWithImpossibleValuesAreLeftOutWithAWarning) {
  struct Case {
    const char* what;
    TObjekt element;
    const char* kinds;
  };
  TObjekt nanPad = newPad({1000, -1000}, layer::C1, padshape::Round, 50, 20);
  nanPad.SizeA = kNaN;
  TObjekt hugeSmd = newSmdPad({1000, -1000}, layer::C1, 100, 60);
  hugeSmd.X = 3e9f;
  TObjekt ring = newCircle({500, -500}, layer::C1, 100, 50);
  ring.Clearance = 2000000000;
  TObjekt zone = newZone(10, layer::C1);
  zone.Points = {{0, 0}, {2e9f, 0}, {2e9f, -2e9f}};
  const std::vector<Case> cases = {
      {"a track from -2e9 to 2e9", track({-2e9f, -2e9f}, {2e9f, 2e9f}), "Track: 1"},
      {"an infinite track point", track({0, 0}, {kInf, 0}), "Track: 1"},
      {"a huge track width", track({0, 0}, {100, 0}, 2000000000), "Track: 1"},
      {"a NaN pad radius", nanPad, "Pad: 1"},
      {"an SMD pad far away", hugeSmd, "SMD-Pad: 1"},
      {"a huge clearance", ring, "Circle: 1"},
      {"a zone of 2e9 units", zone, "Zone: 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TObjekt kept = track({100, -100}, {600, -100});
    Result<LayoutFile> file = parseLayout(layoutOf({kept, c.element, kept}), "x.trz");
    ASSERT_TRUE(file);
    EXPECT_EQ(file.value().boards.at(0).elements.size(), 2u);
    Document doc;
    const OpenOutcome outcome = applyLayout(doc, std::move(file.value()), "x.trz", false);
    ASSERT_EQ(outcome.warnings.size(), 1u);
    EXPECT_EQ(
        messageText(outcome.warnings[0]),
        std::string("1 elements with coordinates or sizes no board can have were left out (") +
            c.kinds + ").\rThe file is unchanged until you save it.");
    EXPECT_FALSE(doc.modified());
  }
}

TEST(UnsoundValues, ALeftOutPadTakesItsRubberbandsAlong) {
  Board b;
  TObjekt good = newPad({1000, -1000}, layer::C1, padshape::Round, 50, 20);
  TObjekt bad = newPad({2000, -1000}, layer::C1, padshape::Round, 50, 20);
  bad.Y = kNaN;
  const ElementId goodId = b.elements.append(good).Id;
  const ElementId badId = b.elements.append(bad).Id;
  b.elements.edit(0).Links = {badId};
  b.elements.edit(1).Links = {goodId};
  Result<LayoutFile> file = parseLayout(serializeLayout({b}, 0, ProjectInfo{}), "x.trz");
  ASSERT_TRUE(file);
  const ElementList& read = file.value().boards.at(0).elements;
  ASSERT_EQ(read.size(), 1u);
  EXPECT_TRUE(read[0].Links.empty());
  EXPECT_EQ(file.value().unsound.at(ElementKind::Pad), 1u);
}

TEST(UnsoundValues, BytesAfterTheDocumentAreAWarning) {
  std::vector<uint8_t> bytes = layoutOf({track({100, -100}, {600, -100})});
  bytes.insert(bytes.end(), 1000, 0xAB);
  Result<LayoutFile> file = parseLayout(bytes, "x.trz");
  ASSERT_TRUE(file);
  EXPECT_EQ(file.value().trailingBytes, 1000u);
  Document doc;
  const OpenOutcome outcome = applyLayout(doc, std::move(file.value()), "x.trz", false);
  ASSERT_EQ(outcome.warnings.size(), 1u);
  EXPECT_EQ(messageText(outcome.warnings[0]),
            "1000 bytes after the end of the layout were ignored.");
  EXPECT_EQ(doc.elements().size(), 1u);
}

TEST(UnsoundValues, BoardsBeyondTheSizeLimitsAreBroughtWithinThem) {
  struct Case {
    int32_t width, height;
    int32_t keptWidth, keptHeight;
  };
  // The first is what the pipeline fuzzer found: a width of -1 and a height of 16,515,071.
  const std::vector<Case> cases = {
      {-1, 16515071, 100, 1000000},
      {0, 0, 100, 100},
      {2000000000, 10000, 1000000, 10000},
      {INT32_MIN, INT32_MAX, 100, 1000000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    Board b;
    b.settings.width = c.width;
    b.settings.height = c.height;
    b.settings.zoom = 5;
    b.elements.append(track({100, -100}, {600, -100}));
    Result<LayoutFile> file = parseLayout(serializeLayout({b, Board{}}, 0, ProjectInfo{}), "x.trz");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->boardsResized, 1u);
    Document doc;
    const OpenOutcome outcome = applyLayout(doc, std::move(file.value()), "x.trz", false);
    EXPECT_EQ(doc.working().width, c.keptWidth);
    EXPECT_EQ(doc.working().height, c.keptHeight);
    EXPECT_EQ(doc.elements().size(), 1u);
    EXPECT_FALSE(doc.modified());
    ASSERT_EQ(outcome.warnings.size(), 1u);
    EXPECT_EQ(messageText(outcome.warnings[0]),
              "1 boards had a size no board can have and were brought within 1 mm to 10 m.\r"
              "The file is unchanged until you save it.");
  }
}

}  // namespace
}  // namespace trazello
