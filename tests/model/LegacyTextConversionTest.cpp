#include "model/LegacyTextConversion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/ElementGeometry.h"
#include "model/Layer.h"

namespace trazello {
namespace {

TObjekt legacyText(const std::string& s, Point at, int32_t fontHeight, int32_t angle,
                   uint8_t layer = layer::S1, std::vector<int32_t> groups = {}) {
  TObjekt e;
  e.Kind = ElementKind::LegacyText;
  e.X = at.x;
  e.Y = at.y;
  e.SizeA = at.x + 300;
  e.SizeB = at.y - 100;
  e.Width = fontHeight;
  e.Spokes = angle;
  e.Layer = layer;
  e.Text = s;
  e.Groups = std::move(groups);
  return e;
}

// Converts a list holding only `legacy` and returns the text that took its place.
TObjekt converted(const TObjekt& legacy, const LegacyTextConversion& settings = {}) {
  ElementList list;
  list.append(legacy);
  EXPECT_EQ(convertLegacyTexts(list, settings), 1u);
  EXPECT_EQ(list.size(), 1u);
  return list.size() == 1 ? list[0] : TObjekt{};
}

TEST(LegacyTextConversion, HeightComesFromTheFontHeight) {
  struct Case {
    int32_t fontHeight;
    double pixelsPerInch;
    float height;
  } cases[] = {
      {-667, 96, 450},      // the font height a 5 mm text got: 90 % of it, 4.5 mm
      {-667, 120, 360},     // 3.60 mm on a screen of 120 pixels per inch
      {-349, 96, 240},      // 2.356 mm rounded to one decimal
      {-13, 96, 10},        // raised to the smallest height, 0.1 mm
      {-100000, 96, 5000},  // limited to 50 mm
      {40, 96, 10},         // a positive (cell) height gives the smallest height
  };
  for (const auto& c : cases) {
    LegacyTextConversion settings;
    settings.pixelsPerInch = c.pixelsPerInch;
    const TObjekt t = converted(legacyText("AB", {0, 0}, c.fontHeight, 0), settings);
    EXPECT_EQ(t.SizeA, c.height) << c.fontHeight << " at " << c.pixelsPerInch;
    EXPECT_EQ(t.Kind, ElementKind::Text);
    EXPECT_EQ(t.SizeB, 2);  // thick
    EXPECT_EQ(t.Width, 1);  // normal width
    EXPECT_EQ(t.MirrorH(), 0);
    EXPECT_EQ(t.MirrorV(), 0);
  }
}

TEST(LegacyTextConversion, RotationIsKeptForQuarterTurnsOnly) {
  struct Case {
    int32_t angle, fallback, expected;
  } cases[] = {{0, 45, 0},    {90, 45, 90},   {180, 0, 180},
               {270, 0, 270}, {45, 180, 180}, {300, 15, 15}};
  for (const auto& c : cases) {
    LegacyTextConversion settings;
    settings.fallbackRotation = c.fallback;
    const TObjekt t = converted(legacyText("R", {0, 0}, -667, c.angle), settings);
    EXPECT_EQ(t.Value53, c.expected) << c.angle;
  }
}

TEST(LegacyTextConversion, PutsTheStartCornerOfTheTextOnTheOldPoint) {
  const Point at{1000, -2000};
  struct Case {
    int32_t angle;
    IPoint corner;  // of the new text's box, in terms of the box
  } cases[] = {{0, {0, 1}}, {90, {1, 1}}, {180, {1, 0}}, {270, {0, 0}}};
  for (const auto& c : cases) {
    const TObjekt t = converted(legacyText("Ab1", at, -667, c.angle));
    const IRect box = boundingBox(t);
    const IPoint corner{c.corner.x ? box.right : box.left, c.corner.y ? box.bottom : box.top};
    EXPECT_EQ(corner, (IPoint{1000, -2000})) << c.angle;
  }
  // A free angle has no corner to anchor: the text stays at the old point.
  LegacyTextConversion settings;
  settings.fallbackRotation = 30;
  const TObjekt free = converted(legacyText("Ab1", at, -667, 45), settings);
  EXPECT_EQ(free.X, at.x);
  EXPECT_EQ(free.Y, at.y);
}

TEST(LegacyTextConversion, ReplacesOldTextsByTextsAtTheEndOfTheList) {
  ElementList list;
  const ElementId track = list.append(newTrack(10, layer::C1)).Id;
  list.append(legacyText("AB", {0, 0}, -667, 0, layer::S2, {3, 7}));
  const ElementId pad = list.append(newPad({50, 50}, layer::C1, padshape::Round, 30, 10)).Id;
  list.append(legacyText("x", {500, 0}, -667, 90, layer::C1));

  LegacyTextConversion settings;
  settings.strokeLayer = layer::C2;
  settings.clearance = 12;
  EXPECT_EQ(convertLegacyTexts(list, settings), 2u);

  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0].Id, track);
  EXPECT_EQ(list[1].Id, pad);
  const TObjekt& first = list[2];
  const TObjekt& second = list[3];
  EXPECT_EQ(first.Kind, ElementKind::Text);
  EXPECT_EQ(first.Text, "AB");
  EXPECT_EQ(first.Layer, layer::S2);
  EXPECT_EQ(first.Groups, (std::vector<int32_t>{3, 7}));
  EXPECT_EQ(first.Clearance, 12);
  ASSERT_FALSE(first.Strokes.empty());
  for (const TObjekt& s : first.Strokes) {
    EXPECT_EQ(s.Layer, layer::C2);
    EXPECT_EQ(s.Clearance, 12);
  }
  EXPECT_EQ(second.Kind, ElementKind::Text);
  EXPECT_EQ(second.Text, "x");
  EXPECT_EQ(second.Layer, layer::C1);
  EXPECT_TRUE(second.Groups.empty());
  EXPECT_EQ(second.Value53, 90);

  // A list without old texts is left as it was.
  const ElementList before = list;
  EXPECT_EQ(convertLegacyTexts(list, settings), 0u);
  EXPECT_TRUE(list.sharesAllWith(before));
}

}  // namespace
}  // namespace trazello
