#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace trazello {

// The tool codes of the tool bar (one byte; 4 is unused).
enum class ToolCode : uint8_t {
  Edit = 0,
  Track = 1,
  Pad = 2,
  Zoom = 3,  // also the photo view
  Zone = 5,
  Circle = 6,
  Text = 7,
  ConnectionTest = 8,
  Connection = 9,
  SpecialShape = 10,
  Autoroute = 11,
  PastePlacement = 12,  // entered by paste and duplicate; no button
  Measure = 13,
  SmdPad = 14,
  SolderMask = 15,
};

inline constexpr ToolCode kStartTool = ToolCode::Edit;

// The pointer shapes: the arrow and the six custom cursors by their resource names.
enum class PointerShape : uint8_t { Arrow, Lupe, Ring, Test, Connect, Autoroute, Changer };

// A tool as a button selects it: the code and whether it is the photo view (the zoom tool with
// the photo view on).
struct ToolChoice {
  ToolCode code = ToolCode::Edit;
  bool photoView = false;
  friend bool operator==(const ToolChoice&, const ToolChoice&) = default;
};

// Row i of the hotkey string (the settings value "ZLPSRFNTCAXMVO" by default) selects this tool.
inline constexpr std::array<ToolChoice, 14> kHotkeyTools{{
    {ToolCode::Zoom, false},
    {ToolCode::Track, false},
    {ToolCode::Pad, false},
    {ToolCode::SmdPad, false},
    {ToolCode::Circle, false},
    {ToolCode::Zone, false},
    {ToolCode::SpecialShape, false},
    {ToolCode::Text, false},
    {ToolCode::Connection, false},
    {ToolCode::Autoroute, false},
    {ToolCode::ConnectionTest, false},
    {ToolCode::Measure, false},
    {ToolCode::Zoom, true},
    {ToolCode::SolderMask, false},
}};

// The tool of a hotkey row; none outside 0 to 13.
std::optional<ToolChoice> toolOfHotkeyRow(int row);

// The tool for a stored code byte; none for 4 and codes above 15.
std::optional<ToolCode> toolCodeFromByte(int code);

PointerShape pointerShapeOf(ToolCode code);

// Languages by index, as the language byte gives them.
inline constexpr int kRussian = 0;
inline constexpr int kEnglish = 1;
inline constexpr int kFrench = 2;

// The status-line hint of a tool, idle or while drawing (a track, zone, frame or zoom range is
// in progress; for the connection tool: after the first pad), in UTF-8. "|" starts the long part
// and "\r" breaks the line. Empty for paste placement. Languages outside 0 to 2 give English.
std::string_view toolHint(ToolCode code, bool drawing, int language);
// The edit tool's hint while the pointer is over a node handle.
std::string_view nodeHandleHint(int language);

}  // namespace trazello
