#pragma once

#include <optional>
#include <string>

#include "MacroFile.h"
#include "model/ElementList.h"

namespace trazello {

// What loading a macro needs from the editor.
struct MacroLoadOptions {
  bool autoMirror = false;  // settings key AutoSpiegeln: show a macro of the other side mirrored
  int activeLayer = 1;
  double grid = 0;  // the board's grid and origin, for writing a changed macro back
  IPoint originMilli{};
  LegacyTextConversion legacy{};
};

// The macro chosen in the library, as the preview shows it and a drop places it: the elements
// (the document's macro buffer), the file they came from, the two comment lines and the three
// panel switches. The elements are always transformed as the switches say.
class MacroBuffer {
 public:
  explicit MacroBuffer(ElementList& elements) : elements_(elements) {}

  const ElementList& elements() const { return elements_; }
  const std::string& path() const { return path_; }
  const MacroComments& comments() const { return comments_; }
  bool modified() const { return modified_; }
  bool mirrored() const { return mirror_; }
  bool oppositeSide() const { return opposite_; }
  bool plated() const { return plating_; }

  // An edit of a comment line (cut to 50 characters); the file takes it when another macro is
  // chosen.
  void setComment(size_t line, std::string text);

  // Loads the macro at `path` when it is an existing ".tzm" file (any case); anything else
  // leaves the buffer as it was and returns nothing. A changed buffer is first written back to
  // its file. A file that cannot be read is refused with the message, and the buffer keeps the
  // macro it held.
  std::optional<Message> load(const std::string& path, const MacroLoadOptions& options);

  // The panel buttons: each applies its transform when pressed and undoes it when released.
  void setMirrored(bool on);
  void setOppositeSide(bool on);
  void setPlated(bool on);

  // Forgets the macro (its file was deleted).
  void clear();

 private:
  void writeBack(const MacroLoadOptions& options);
  void chooseSide(int activeLayer);

  ElementList& elements_;
  std::string path_;
  MacroComments comments_;
  bool modified_ = false;
  bool mirror_ = false;
  bool opposite_ = false;
  bool plating_ = false;
};

// The transforms of the buffer, each its own inverse except plating.
void mirrorMacro(ElementList& list);
void swapMacroSides(ElementList& list);
void setMacroPlating(ElementList& list, bool on);

// Whether `path` names a macro file by its extension ".tzm", in any case.
bool hasMacroExtension(const std::string& path);

}  // namespace trazello
