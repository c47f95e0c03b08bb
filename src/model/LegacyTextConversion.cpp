#include "LegacyTextConversion.h"

#include <algorithm>
#include <optional>

#include "ElementGeometry.h"
#include "Geometry.h"
#include "StrokeFont.h"

namespace trazello {

namespace {

// The old font height is a negative character height in screen pixels; the result is rounded to
// what the text tool's height field can hold (0.1 to 50 mm in steps of 0.1 mm).
float heightFromFontHeight(int32_t fontHeight, double pixelsPerInch) {
  const Real ppi = pixelsPerInch > 0 ? Real(pixelsPerInch) : 96;
  const Real mm = std::clamp(-Real(fontHeight) / ppi * 72 / 100 * 0.9L, 0.1L, 50.0L);
  return static_cast<float>(roundInt(mm * 10) * 10);
}

// Stroke texts turn freely, the old texts only in quarter turns.
int32_t rotationOf(const TObjekt& legacy, int32_t fallback) {
  const int32_t a = legacy.Spokes;
  return a == 0 || a == 90 || a == 180 || a == 270 ? a : fallback;
}

// The corner of the new text's box that lies where the old text was anchored: the start of the
// text at the top of its characters.
std::optional<IPoint> anchorCorner(const IRect& box, int32_t rotation) {
  switch (rotation) {
    case 0:
      return IPoint{box.left, box.bottom};
    case 90:
      return IPoint{box.right, box.bottom};
    case 180:
      return IPoint{box.right, box.top};
    case 270:
      return IPoint{box.left, box.top};
    default:
      return std::nullopt;
  }
}

TObjekt textFromLegacy(const TObjekt& legacy, const LegacyTextConversion& settings) {
  const int32_t rotation = rotationOf(legacy, settings.fallbackRotation);
  TObjekt text =
      newText({legacy.X, legacy.Y}, legacy.Text, legacy.Layer, /*widthCode=*/1,
              /*thicknessCode=*/2, heightFromFontHeight(legacy.Width, settings.pixelsPerInch),
              rotation, false, false);
  text.Clearance = settings.clearance;
  generateStrokes(text, settings.strokeLayer, settings.clearance);
  if (const std::optional<IPoint> corner = anchorCorner(boundingBox(text), rotation)) {
    moveElement(text, static_cast<float>(Real(legacy.X) - corner->x),
                static_cast<float>(Real(legacy.Y) - corner->y));
  }
  text.Groups = legacy.Groups;
  return text;
}

}  // namespace

size_t convertLegacyTexts(ElementList& list, const LegacyTextConversion& settings) {
  const size_t before = list.size();
  size_t legacyCount = 0;
  size_t converted = 0;
  for (size_t i = 0; i < before; ++i) {
    if (!list[i].is(ElementKind::LegacyText)) continue;
    ++legacyCount;
    TObjekt text = textFromLegacy(list[i], settings);
    if (text.Strokes.empty() || text.Strokes.front().Points.empty()) continue;
    list.append(std::move(text));
    ++converted;
  }
  // Removing them all at once leaves the same order as removing each after its conversion.
  if (legacyCount > 0)
    removeElements(list, [](const TObjekt& e) { return e.is(ElementKind::LegacyText); });
  return converted;
}

}  // namespace trazello
