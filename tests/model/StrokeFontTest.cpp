#include "model/StrokeFont.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "model/ElementGeometry.h"
#include "model/Layer.h"

namespace trazello {
namespace {

constexpr std::string_view kPeriodGlyph = "XXXXXX+00+00+00+00ZZZZZZ";

// The 91 characters the font has glyphs for; every other code is drawn as a period.
std::vector<uint8_t> coveredCodes() {
  const std::string ascii =
      " !\"#%&()*+,-./0123456789:<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ\\_abcdefghijklmnopqrstuvwxyz";
  std::vector<uint8_t> codes(ascii.begin(), ascii.end());
  for (int c : {181, 196, 214, 220, 223, 228, 246, 252}) codes.push_back(static_cast<uint8_t>(c));
  return codes;
}

bool isCovered(uint8_t code) {
  const std::vector<uint8_t> codes = coveredCodes();
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

TObjekt text(const std::string& s, Point reference, float height, int widthCode = 1,
             int thicknessCode = 1, int32_t angle = 0) {
  return newText(reference, s, layer::S1, widthCode, thicknessCode, height, angle, false, false);
}

TObjekt generated(TObjekt t, uint8_t strokeLayer = layer::S1, int32_t clearance = 0) {
  generateStrokes(t, strokeLayer, clearance);
  return t;
}

struct Centre {
  double x, y;
};
Centre boxCentre(const TObjekt& e) {
  const IRect r = boundingBox(e);
  return {r.left + (r.right - r.left) / 2.0, r.top + (r.bottom - r.top) / 2.0};
}

TEST(StrokeFont, GivenGlyphRowsAreExact) {
  const std::string zero =
      "XXXXXX+40+65+40+15+35+05+25+00+15+00+05+05+00+15+00+65+05+75+15+80+25+80+35+75+40+65ZZZZZZ";
  struct Case {
    uint8_t code;
    std::string glyph;
  } cases[] = {
      {' ', "ZZZZZZ"},
      {'.', "XXXXXX+00+00+00+00ZZZZZZ"},
      {'-', "XXXXXX+00+35+40+35ZZZZZZ"},
      {'1', "XXXXXX+00+50+25+80+25+00ZZZZZZ"},
      {'4', "XXXXXX+30+00+30+80+00+30+00+20+40+20ZZZZZZ"},
      {'7', "XXXXXX+00+80+40+80+35+70+25+55+15+35+10+20+10+00ZZZZZZ"},
      {'0', zero},
      {'O', zero},
      {'A', "XXXXXX+00+00+25+80+50+00XXXXXX+10+30+40+30ZZZZZZ"},
      {'E', "XXXXXX+35+00+00+00+00+80+35+80XXXXXX+00+40+35+40ZZZZZZ"},
      {'H', "XXXXXX+00+00+00+80XXXXXX+40+00+40+80XXXXXX+00+40+40+40ZZZZZZ"},
      {'I', "XXXXXX+00+00+00+80ZZZZZZ"},
      {'l', "XXXXXX+00+00+00+80ZZZZZZ"},
      {'V', "XXXXXX+00+80+25+00+50+80ZZZZZZ"},
      {'x', "XXXXXX+00+45+40+00XXXXXX+00+00+40+45ZZZZZZ"},
      {'y', "XXXXXX+00+45+20+00+40+45XXXXXX+20+00+15-15+10-20+05-20ZZZZZZ"},
      {196, "XXXXXX+00+00+25+80+50+00XXXXXX+10+30+40+30XXXXXX+05+85+05+85XXXXXX+45+85+45+85ZZZZZZ"},
  };
  for (const auto& c : cases) EXPECT_EQ(glyphString(c.code), c.glyph) << "code " << int(c.code);
}

TEST(StrokeFont, EveryCoveredGlyphIsWellFormed) {
  auto isPoint = [](std::string_view t) {
    auto signedDigits = [](std::string_view v) {
      return (v[0] == '+' || v[0] == '-') && std::isdigit(v[1]) && std::isdigit(v[2]);
    };
    return signedDigits(t.substr(0, 3)) && signedDigits(t.substr(3, 3));
  };
  for (const uint8_t code : coveredCodes()) {
    const std::string_view g = glyphString(code);
    SCOPED_TRACE(testing::Message() << "code " << int(code) << ": " << g);
    ASSERT_EQ(g.size() % 6, 0u);
    ASSERT_EQ(g.substr(g.size() - 6), "ZZZZZZ");
    if (code == ' ') continue;
    EXPECT_EQ(g.substr(0, 6), "XXXXXX");
    for (size_t i = 6; i + 6 < g.size(); i += 6) {
      const std::string_view t = g.substr(i, 6);
      EXPECT_TRUE(t == "XXXXXX" || isPoint(t)) << "token " << t;
    }
    // A track needs two vertices; a dot is two equal ones.
    for (const auto& stroke : glyphStrokes(code)) EXPECT_GE(stroke.size(), 2u);
  }
}

TEST(StrokeFont, GlyphsKeepToTheGrid) {
  struct Extent {
    int minY, maxY;
  };
  auto extent = [](uint8_t code) {
    Extent e{1000, -1000};
    for (const auto& stroke : glyphStrokes(code)) {
      for (const IPoint p : stroke) {
        e.minY = std::min(e.minY, p.y);
        e.maxY = std::max(e.maxY, p.y);
        EXPECT_GE(p.x, 0) << "code " << int(code);
        EXPECT_LE(p.x, 50) << "code " << int(code);
      }
    }
    return e;
  };
  for (const char c : std::string("0123456789ABCDEFGHIJKLMNOPRSTUVWXYZ")) {
    EXPECT_EQ(extent(c).maxY, 80) << c;
    EXPECT_EQ(extent(c).minY, 0) << c;
  }
  for (const char c : std::string("acemnorsuvwxz")) {
    EXPECT_EQ(extent(c).maxY, 45) << c;
    EXPECT_EQ(extent(c).minY, 0) << c;
  }
  for (const char c : std::string("bdhkl")) EXPECT_EQ(extent(c).maxY, 80) << c;
  for (const char c : std::string("gjpqy")) EXPECT_EQ(extent(c).minY, -20) << c;
  for (const int c : {196, 214, 220}) EXPECT_GT(extent(uint8_t(c)).maxY, 80) << c;
  for (const int c : {228, 246, 252}) EXPECT_GT(extent(uint8_t(c)).maxY, 45) << c;
}

TEST(StrokeFont, OnlyUncoveredCodesShareThePeriodsGlyph) {
  std::map<std::string_view, std::string> users;
  for (int code = 0; code < 256; ++code) {
    const std::string_view g = glyphString(uint8_t(code));
    if (!isCovered(uint8_t(code))) {
      EXPECT_EQ(g, kPeriodGlyph) << "code " << code;
      continue;
    }
    users[g] += static_cast<char>(code);
  }
  // Lookup is by byte value without case folding: only O/0 and l/I share a glyph.
  for (const auto& [glyph, codes] : users) {
    if (codes.size() > 1) {
      EXPECT_TRUE(codes == "0O" || codes == "Il") << codes;
    }
  }
  EXPECT_EQ(users.size(), 89u);
}

TEST(StrokeFont, Advance) {
  struct Case {
    uint8_t code;
    int advance;
  } cases[] = {{' ', 1},  {'.', 0},  {'$', 0},  {'I', 0},  {'l', 0},
               {'1', 25}, {'-', 40}, {'A', 50}, {'E', 35}, {196, 50}};
  for (const auto& c : cases) EXPECT_EQ(glyphAdvance(c.code), c.advance) << c.code;
}

TEST(StrokeFont, MetricsFollowHeightAndThickness) {
  struct Case {
    float height;
    int thickness;
    int32_t strokeWidth, gap;
  } cases[] = {
      {180, 1, 20, 44},   // 1.8 mm, normal
      {180, 0, 11, 32},   // thin: 180 / 162 = 1.11
      {180, 2, 29, 56},   // thick: 180 / 63 = 2.86
      {500, 1, 56, 122},  // 5 mm: 55.6 and 122.2
      {3, 1, 0, 1},       // too small for a visible stroke
  };
  for (const auto& c : cases) {
    const StrokeMetrics m = strokeMetrics(c.height, c.thickness, 1);
    EXPECT_EQ(m.strokeWidth, c.strokeWidth) << c.height << " " << c.thickness;
    EXPECT_EQ(m.gap, c.gap) << c.height << " " << c.thickness;
  }
}

TEST(GenerateStrokes, HeightOf18mmNormalGivesWidth20AndGap44) {
  const TObjekt t = generated(text("II", {100, -100}, 180));
  ASSERT_EQ(t.Strokes.size(), 2u);
  for (const TObjekt& s : t.Strokes) EXPECT_EQ(s.Width, 20);
  // I has advance 0, so the second one starts one gap further on.
  EXPECT_EQ(t.Strokes[0].Points[0].x, 100);
  EXPECT_EQ(t.Strokes[1].Points[0].x, 144);
}

TEST(GenerateStrokes, LaysGlyphsOutFromTheReferencePoint) {
  // Height 90: one unit per font unit, stretched 1.2 (normal) or 0.8 (narrow) horizontally.
  const TObjekt normal = generated(text("1-", {1000, -2000}, 90), layer::C2, 15);
  ASSERT_EQ(normal.Strokes.size(), 2u);
  EXPECT_EQ(normal.Strokes[0].Points,
            (std::vector<Point>{{1000, -1950}, {1030, -1920}, {1030, -2000}}));
  // The pen moves by round(25 * 1.2) = 30 and the gap of 22.
  EXPECT_EQ(normal.Strokes[1].Points, (std::vector<Point>{{1052, -1965}, {1100, -1965}}));
  for (const TObjekt& s : normal.Strokes) {
    EXPECT_EQ(s.Kind, ElementKind::Track);
    EXPECT_EQ(s.Width, 10);
    EXPECT_EQ(s.Layer, layer::C2);
    EXPECT_EQ(s.Clearance, 15);
  }
  EXPECT_EQ(normal.X, 1000);
  EXPECT_EQ(normal.Y, -2000);

  const TObjekt narrow = generated(text("1-", {0, 0}, 90, 0));
  EXPECT_EQ(narrow.Strokes[0].Points[1], (Point{20, 80}));
  EXPECT_EQ(narrow.Strokes[1].Points.front(), (Point{42, 35}));  // round(25 * 0.8) + 22
}

TEST(GenerateStrokes, BlankEmptyAndUncoveredStringsDrawPeriods) {
  struct Case {
    std::string s;
    std::vector<float> periodX;
  } cases[] = {
      {"", {500}},   {" ", {500}},       {"    ", {500}},
      {"$", {500}},  {"$;", {500, 522}},  // neither is covered; a period has advance 0
      {" .", {523}},                      // a leading blank is drawn: round(1 * 1.2) + 22
  };
  for (const auto& c : cases) {
    const TObjekt t = generated(text(c.s, {500, -700}, 90));
    ASSERT_EQ(t.Strokes.size(), c.periodX.size()) << '"' << c.s << '"';
    for (size_t i = 0; i < c.periodX.size(); ++i) {
      const Point dot{c.periodX[i], -700};
      EXPECT_EQ(t.Strokes[i].Points, (std::vector<Point>{dot, dot})) << '"' << c.s << '"';
    }
    EXPECT_EQ(t.Text, c.s);
  }
}

TEST(GenerateStrokes, EditedRotatedTextKeepsItsCentreAndRotation) {
  for (const int32_t angle : {90, 30, 215}) {
    SCOPED_TRACE(angle);
    TObjekt t = generated(text("-", {5000, -5000}, 180, 1, 1, angle));
    const Centre before = boxCentre(t);
    t.Text = "--- -";
    generateStrokes(t, layer::S1, 0);
    ASSERT_EQ(t.Strokes.size(), 4u);
    EXPECT_EQ(t.Value53, angle);
    const Centre after = boxCentre(t);
    EXPECT_NEAR(after.x, before.x, 1);
    EXPECT_NEAR(after.y, before.y, 1);
    // Each dash runs along the baseline, turned clockwise by the text's angle.
    const double a = angle * std::acos(-1.0) / 180;
    for (const TObjekt& s : t.Strokes) {
      const double dx = s.Points[1].x - s.Points[0].x;
      const double dy = s.Points[1].y - s.Points[0].y;
      const double length = std::hypot(dx, dy);
      EXPECT_NEAR(dx / length, std::cos(a), 1e-4);
      EXPECT_NEAR(dy / length, -std::sin(a), 1e-4);
    }
  }
}

TEST(GenerateStrokes, MirrorFlagsDrawTheTextMirroredInPlace) {
  const TObjekt plain = generated(text("L7", {1000, -1000}, 90));
  const IRect box = boundingBox(plain);
  const float cx = box.left + (box.right - box.left) / 2;
  const float cy = box.bottom - (box.bottom - box.top) / 2;
  TObjekt h = text("L7", {1000, -1000}, 90);
  h.MirrorH() = 1;
  generateStrokes(h, layer::S1, 0);
  TObjekt v = text("L7", {1000, -1000}, 90);
  v.MirrorV() = 1;
  generateStrokes(v, layer::S1, 0);
  ASSERT_EQ(h.Strokes.size(), plain.Strokes.size());
  ASSERT_EQ(v.Strokes.size(), plain.Strokes.size());
  for (size_t i = 0; i < plain.Strokes.size(); ++i) {
    for (size_t k = 0; k < plain.Strokes[i].Points.size(); ++k) {
      const Point p = plain.Strokes[i].Points[k];
      EXPECT_EQ(h.Strokes[i].Points[k], (Point{2 * cx - p.x, p.y}));
      EXPECT_EQ(v.Strokes[i].Points[k], (Point{p.x, 2 * cy - p.y}));
    }
  }
  EXPECT_EQ(h.MirrorH(), 1);
  EXPECT_EQ(v.MirrorV(), 1);
  EXPECT_EQ(h.Value53, 0);
  EXPECT_EQ(v.Value53, 0);
}

TEST(GenerateStrokes, MirroredTextKeepsItsAppearanceWhenRegenerated) {
  struct Case {
    bool horizontal;
    int32_t angle;
  } cases[] = {{true, 0}, {false, 0}, {true, 30}, {false, 120}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.horizontal ? "horizontal " : "vertical ") << c.angle);
    TObjekt t = generated(text("L7", {3000, -3000}, 180, 1, 1, c.angle));
    if (c.horizontal)
      mirrorHorizontally(t, 2000);
    else
      mirrorVertically(t, -2000);
    EXPECT_EQ(c.horizontal ? t.MirrorH() : t.MirrorV(), 1);
    const TObjekt mirrored = t;
    for (int round = 0; round < 2; ++round) {
      generateStrokes(t, layer::S1, 0);
      EXPECT_EQ(t.Value53, mirrored.Value53);
      EXPECT_EQ(t.MirrorH(), mirrored.MirrorH());
      EXPECT_EQ(t.MirrorV(), mirrored.MirrorV());
      ASSERT_EQ(t.Strokes.size(), mirrored.Strokes.size());
      for (size_t i = 0; i < t.Strokes.size(); ++i) {
        ASSERT_EQ(t.Strokes[i].Points.size(), mirrored.Strokes[i].Points.size());
        for (size_t k = 0; k < t.Strokes[i].Points.size(); ++k) {
          EXPECT_NEAR(t.Strokes[i].Points[k].x, mirrored.Strokes[i].Points[k].x, 1);
          EXPECT_NEAR(t.Strokes[i].Points[k].y, mirrored.Strokes[i].Points[k].y, 1);
        }
      }
    }
  }
}

}  // namespace
}  // namespace trazello
