#include "StrokeFont.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "ElementGeometry.h"

namespace trazello {

namespace {

using Polylines = std::vector<std::vector<IPoint>>;

// "+10" -> 10, "-05" -> -5.
int signedTwoDigits(std::string_view t) {
  const int v = (t[1] - '0') * 10 + (t[2] - '0');
  return t[0] == '-' ? -v : v;
}

Polylines parseGlyph(std::string_view s) {
  Polylines strokes;
  for (size_t i = 0; i + 6 <= s.size(); i += 6) {
    const std::string_view token = s.substr(i, 6);
    if (token == "ZZZZZZ") break;
    if (token == "XXXXXX") {
      strokes.emplace_back();
    } else if (!strokes.empty()) {
      strokes.back().push_back(
          {signedTwoDigits(token.substr(0, 3)), signedTwoDigits(token.substr(3, 3))});
    }
  }
  return strokes;
}

// A string of blanks only would give no strokes at all, and a text without strokes can be
// neither seen nor picked.
std::string_view drawnString(const std::string& s) {
  if (s.find_first_not_of(' ') == std::string::npos) return ".";
  return s;
}

void layOutString(TObjekt& text, std::string_view s, const StrokeMetrics& m, uint8_t layer,
                  int32_t clearance) {
  Real px = text.X;
  const Real py = text.Y;
  for (const char ch : s) {
    const auto code = static_cast<uint8_t>(ch);
    for (const std::vector<IPoint>& polyline : glyphStrokes(code)) {
      TObjekt& stroke = text.Strokes.emplace_back(newTrack(m.strokeWidth, layer));
      stroke.Clearance = clearance;
      stroke.Points.reserve(polyline.size());
      for (const IPoint g : polyline) {
        stroke.Points.push_back({static_cast<float>(px + g.x * m.scale * m.widthFactor),
                                 static_cast<float>(py + g.y * m.scale)});
      }
    }
    px += roundInt(glyphAdvance(code) * m.scale * m.widthFactor);
    px += m.gap;
  }
}

// The strokes are laid out unmirrored and unturned, so after mirroring them the flags and the
// rotation must keep the text's own values, which the mirror operations would change.
void mirrorAboutCentre(TObjekt& text) {
  if (!text.MirrorV() && !text.MirrorH()) return;
  const IRect box = boundingBox(text);
  const int32_t cx = box.left + (box.right - box.left) / 2;
  const int32_t cy = box.bottom - (box.bottom - box.top) / 2;
  const int32_t rotation = text.Value53;
  if (const uint8_t flag = text.MirrorV()) {
    mirrorVertically(text, static_cast<float>(cy));
    text.MirrorV() = flag;
    text.Value53 = rotation;
  }
  if (const uint8_t flag = text.MirrorH()) {
    mirrorHorizontally(text, static_cast<float>(cx));
    text.MirrorH() = flag;
    text.Value53 = rotation;
  }
}

// Turning the text as an element would change its rotation and reference point; only the
// strokes turn.
void turnStrokes(TObjekt& text) {
  if (text.Value53 == 0) return;
  const Point reference{text.X, text.Y};
  for (TObjekt& stroke : text.Strokes) rotateElement(stroke, reference, text.Value53);
}

Real centreX(const IRect& r) {
  return r.left + Real(r.right - r.left) / 2;
}
Real centreY(const IRect& r) {
  return r.top + Real(r.bottom - r.top) / 2;
}

void keepCentre(TObjekt& text, const IRect& old) {
  const IRect now = boundingBox(text);
  moveElement(text, static_cast<float>(centreX(old) - centreX(now)),
              static_cast<float>(centreY(old) - centreY(now)));
}

}  // namespace

const std::vector<std::vector<IPoint>>& glyphStrokes(uint8_t code) {
  static const std::array<Polylines, 256> parsed = [] {
    std::array<Polylines, 256> table;
    for (size_t c = 0; c < table.size(); ++c) table[c] = parseGlyph(glyphString(uint8_t(c)));
    return table;
  }();
  return parsed[code];
}

int glyphAdvance(uint8_t code) {
  // A blank has no points, yet it must still push the next character away.
  if (code == ' ') return 1;
  int advance = 0;
  for (const std::vector<IPoint>& polyline : glyphStrokes(code)) {
    for (const IPoint p : polyline) advance = std::max(advance, p.x);
  }
  return advance;
}

StrokeMetrics strokeMetrics(float height, int thicknessCode, int widthCode) {
  StrokeMetrics m;
  m.scale = Real(height) / 90;
  m.widthFactor = widthCode == 0 ? 0.8L : widthCode == 2 ? 1.6L : 1.2L;
  // Thin, normal and thick strokes are height / 162, / 90 and / 63.
  const Real divisor = thicknessCode == 0 ? 1.8L : thicknessCode == 2 ? 0.7L : 1.0L;
  m.strokeWidth = roundInt(m.scale / divisor * 10);
  const int gapUnits = thicknessCode == 0 ? 16 : thicknessCode == 2 ? 28 : 22;
  m.gap = roundInt(gapUnits * m.scale);
  return m;
}

void generateStrokes(TObjekt& text, uint8_t strokeLayer, int32_t clearance) {
  std::optional<IRect> oldBox;
  if (!text.Strokes.empty()) {
    const IRect box = boundingBox(text);
    if (!isEmpty(box)) oldBox = box;
    text.Strokes.clear();
  }
  // The thickness code is held as a float; anything but 0 or 2 draws normal strokes.
  const int thickness = text.SizeB == 0 ? 0 : text.SizeB == 2 ? 2 : 1;
  const StrokeMetrics m = strokeMetrics(text.SizeA, thickness, text.Width);
  layOutString(text, drawnString(text.Text), m, strokeLayer, clearance);
  mirrorAboutCentre(text);
  turnStrokes(text);
  if (oldBox) keepCentre(text, *oldBox);
}

}  // namespace trazello
