#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/ElementList.h"
#include "model/LegacyTextConversion.h"
#include "model/Message.h"
#include "model/Result.h"

namespace trazello {

inline constexpr size_t kMacroCommentLength = 50;
using MacroComments = std::array<std::string, 2>;  // Windows-1252 bytes, at most 50 each

// A macro file as loaded: its elements relative to the macro's reference point (0, 0), already
// converted into the current model, and its two comment lines (empty before version 4).
struct MacroFile {
  int version = 5;
  ElementList elements;
  MacroComments comments;
};

// Where the macro's origin lies on the board: the centre of the first written pad or SMD pad,
// rounded to whole units; without one, the top-left corner of the written elements' boxes on
// the grid of step `grid` through the user origin (thousandths of a unit).
Point macroReferencePoint(const ElementList& list, bool onlySelected, double grid,
                          IPoint originMilli);

// The version-5 bytes of a macro made of the selected elements (or all). The list is cleaned
// first, as before every save; the written elements are copies moved by minus the reference
// point, unselected and not routed, with empty link lists. Comments are cut to 50 characters.
std::vector<uint8_t> serializeMacro(ElementList& list, bool onlySelected,
                                    const MacroComments& comments, double grid, IPoint originMilli);

// Reads a macro file of versions 0 to 5 from memory, with the element code of layout files and
// their conversions; then old system-font texts become stroke texts, the inner layers of
// versions up to 4 move to C2 and S1, and the list is cleaned. A file that is not a macro or is
// damaged is refused with a message naming `fileName`.
Result<MacroFile> parseMacro(std::span<const uint8_t> data, const std::string& fileName,
                             const LegacyTextConversion& legacy = {});

Result<MacroFile> readMacroFile(const std::string& path, const LegacyTextConversion& legacy = {});
// Writes through a temporary file, so a failed write leaves the old macro whole.
std::optional<Message> writeMacroFile(const std::string& path, ElementList& list, bool onlySelected,
                                      const MacroComments& comments, double grid = 0,
                                      IPoint originMilli = {});

}  // namespace trazello
