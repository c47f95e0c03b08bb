#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ElementId.h"
#include "Point.h"

namespace trazello {

enum class ElementKind : uint8_t {
  LegacyLine = 1,  // straight segment of old files, turned into a Track on load
  Pad = 2,
  LegacyText = 3,  // system-font text of old files, drawn but never created
  Zone = 4,
  Circle = 5,
  Track = 6,
  Text = 7,
  SmdPad = 8,
};

// Pad shapes of a Pad's PadShape byte. 0 or 10 and above draw nothing.
namespace padshape {
inline constexpr uint8_t Round = 1;
inline constexpr uint8_t Octagon = 2;
inline constexpr uint8_t Square = 3;
inline constexpr uint8_t OblongH = 4;
inline constexpr uint8_t OctagonH = 5;
inline constexpr uint8_t RectH = 6;
inline constexpr uint8_t OblongV = 7;
inline constexpr uint8_t OctagonV = 8;
inline constexpr uint8_t RectV = 9;
}  // namespace padshape

inline constexpr uint32_t kThermalMagic = 123456789;
inline constexpr int32_t kDefaultSpokes = 85;  // up, right, down, left

// One drawable thing on a board. The fields up to Reserved66 are the 77-byte stored part that
// files carry byte for byte (see ElementRecordBytes.h); the lists, strings and the fields after
// them live in memory only. Value semantics: copying the struct copies everything, including Id,
// so a plain copy is the same element (as in an undo snapshot); use deepCopy() for a new one.
struct TObjekt {
  // --- stored part ---
  ElementKind Kind = ElementKind::Track;
  float X = 0;
  float Y = 0;
  float SizeA = 0;
  float SizeB = 0;
  int32_t Width = 0;
  uint8_t Selected = 0;
  uint8_t Layer = 0;
  uint8_t PadShape = 0;
  int16_t GroupNo = 0;
  uint8_t Mark = 0;
  int32_t Spokes = 0;
  uint8_t Reserved39 = 0;
  uint8_t Filled = 0;
  int32_t Clearance = 0;
  uint8_t Routed = 0;
  uint8_t Flag50 = 0;  // Pad/SmdPad: Thermal; Zone: Hatched; Text: MirrorH
  uint8_t Flag51 = 0;  // Zone: HatchAsOutline; Text: MirrorV
  uint8_t KeepOut = 0;
  int32_t Value53 = 0;
  uint8_t Plated = 0;
  uint8_t SolderMask = 0;
  std::array<uint8_t, 3> Reserved59{};
  uint32_t ThermalMagic = 0;
  std::array<uint8_t, 11> Reserved66{};

  // --- owned lists and strings ---
  std::vector<Point> Points;
  std::vector<int32_t> Groups;  // innermost group first, outermost last
  std::vector<ElementId> Links;  // rubberbands to pads of the same board; symmetric
  std::vector<TObjekt> Strokes;  // Text only: Track strokes from the stroke font
  std::string Text;              // Windows-1252 bytes
  std::string Name;              // Windows-1252 bytes

  // --- memory-only state ---
  ElementId Id;          // identity within the program; references use it
  uint8_t Closed = 1;    // Zone: polygon complete
  int32_t Partner = -1;  // pad pair partner while reading old files
  uint8_t Highlight = 0;
  ElementId RouteFrom;  // routed Track: the pads it joins
  ElementId RouteTo;

  uint8_t& Thermal() { return Flag50; }
  uint8_t Thermal() const { return Flag50; }
  uint8_t& Hatched() { return Flag50; }
  uint8_t Hatched() const { return Flag50; }
  uint8_t& MirrorH() { return Flag50; }
  uint8_t MirrorH() const { return Flag50; }
  uint8_t& HatchAsOutline() { return Flag51; }
  uint8_t HatchAsOutline() const { return Flag51; }
  uint8_t& MirrorV() { return Flag51; }
  uint8_t MirrorV() const { return Flag51; }

  bool is(ElementKind k) const { return Kind == k; }
  bool isPadLike() const { return Kind == ElementKind::Pad || Kind == ElementKind::SmdPad; }
  bool hasPointList() const {
    return Kind == ElementKind::Pad || Kind == ElementKind::SmdPad || Kind == ElementKind::Track ||
           Kind == ElementKind::Zone;
  }
};

// Constructors: complete elements with their defaults. The caller sets Clearance and appends
// the element to a list.
// The kind's name as users read it in messages and reports, the same in every language.
const char* kindName(ElementKind k);

TObjekt newPad(Point centre, uint8_t layer, uint8_t shape, float outerRadius, float drillRadius);
TObjekt newSmdPad(Point centre, uint8_t layer, float sizeX, float sizeY);
TObjekt newCircle(Point centre, uint8_t layer, float outerRadius, float innerRadius);
TObjekt newTrack(int32_t width, uint8_t layer);
// cutOut: made by the cut-out tool; such a zone is a KeepOut on the copper of its side.
TObjekt newZone(int32_t outlineWidth, uint8_t layer, bool cutOut = false);
// A Text without strokes; the stroke font generates them.
TObjekt newText(Point reference, const std::string& text, uint8_t layer, int32_t widthCode,
                int thicknessCode, float height, int32_t angle, bool mirrorH, bool mirrorV);

void appendPoint(TObjekt& e, Point p);
void pushGroup(TObjekt& e, int32_t id);
void popGroup(TObjekt& e);
// Releases every owned list and string.
void dispose(TObjekt& e);

// A copy that is a new element: new Id, zone vertices rounded to whole units, strokes copied,
// Highlight cleared. Links and routes still name the source's elements; copyElements() of
// ElementList redirects them.
TObjekt deepCopy(const TObjekt& source);

}  // namespace trazello
