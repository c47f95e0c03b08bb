#include "MacroBuffer.h"

#include <set>

#include "AtomicFile.h"
#include "model/ElementGeometry.h"
#include "model/Layer.h"
#include "model/LayerPredicates.h"

namespace trazello {

void mirrorMacro(ElementList& list) {
  list.editAll([](TObjekt& e) { mirrorHorizontally(e, 0); });
}

void swapMacroSides(ElementList& list) {
  static constexpr uint8_t kOpposite[] = {0, layer::C2, layer::S2, layer::C1, layer::S1};
  list.editAll([](TObjekt& e) {
    if (e.Layer >= layer::C1 && e.Layer <= layer::S2) e.Layer = kOpposite[e.Layer];
  });
}

void setMacroPlating(ElementList& list, bool on) {
  list.editAll([on](TObjekt& e) {
    if (e.Kind != ElementKind::Pad) return;
    if (!on)
      e.Plated = 0;
    else if (isCopperLayer(e.Layer))
      e.Plated = 1;
  });
}

bool hasMacroExtension(const std::string& path) {
  if (path.size() < 4) return false;
  std::string ext = path.substr(path.size() - 4);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".tzm";
}

void MacroBuffer::setComment(size_t line, std::string text) {
  if (line >= comments_.size()) return;
  if (text.size() > kMacroCommentLength) text.resize(kMacroCommentLength);
  if (comments_[line] == text) return;
  comments_[line] = std::move(text);
  modified_ = true;
}

// Only the comments changed, so the file's own elements are written again with them: undoing
// the buttons on the buffer would unplate pads that the file had plated.
void MacroBuffer::writeBack(const MacroLoadOptions& options) {
  modified_ = false;
  Result<MacroFile> file = readMacroFile(path_, options.legacy);
  if (!file) return;
  // The user chose another macro; a file that cannot take the comments is no reason to stop.
  (void)writeMacroFile(path_, file->elements, false, comments_, options.grid, options.originMilli);
}

std::optional<Message> MacroBuffer::load(const std::string& path, const MacroLoadOptions& options) {
  if (!hasMacroExtension(path) || !fileExists(path)) return std::nullopt;
  if (modified_ && !path_.empty() && fileExists(path_)) writeBack(options);
  Result<MacroFile> file = readMacroFile(path, options.legacy);
  if (!file) return file.error();
  path_ = path;
  elements_ = std::move(file->elements);
  comments_ = file->comments;
  if (mirror_) mirrorMacro(elements_);
  if (opposite_) swapMacroSides(elements_);
  if (options.autoMirror) chooseSide(options.activeLayer);
  if (plating_) setMacroPlating(elements_, true);
  modified_ = false;
  return std::nullopt;
}

// A macro drawn for the other side than the active layer's is turned over, and both buttons
// show it.
void MacroBuffer::chooseSide(int activeLayer) {
  if (activeLayer < layer::C1 || activeLayer > layer::S2) return;
  std::set<uint8_t> copper, silk;
  for (const TObjekt& e : elements_) {
    if (isCopperLayer(e.Layer)) copper.insert(e.Layer);
    if (isSilkscreenLayer(e.Layer)) silk.insert(e.Layer);
  }
  if (copper.size() > 1 || silk.size() > 1) return;
  const int b = copper.empty() ? 0 : *copper.begin();
  const int a = silk.empty() ? 0 : *silk.begin();
  if (b != 0 && b != layer::C1 && b != layer::C2) return;
  const bool onSide2 = b == layer::C2 || (b == 0 && a == layer::S2);
  const bool onSide1 = b == layer::C1 || (b == 0 && a == layer::S1);
  const bool activeSide1 = activeLayer == layer::C1 || activeLayer == layer::S1;
  if ((activeSide1 && onSide2) || (!activeSide1 && onSide1)) {
    mirrorMacro(elements_);
    swapMacroSides(elements_);
    mirror_ = !mirror_;
    opposite_ = !opposite_;
  }
}

void MacroBuffer::setMirrored(bool on) {
  if (on == mirror_) return;
  mirror_ = on;
  mirrorMacro(elements_);
}

void MacroBuffer::setOppositeSide(bool on) {
  if (on == opposite_) return;
  opposite_ = on;
  swapMacroSides(elements_);
}

void MacroBuffer::setPlated(bool on) {
  if (on == plating_) return;
  plating_ = on;
  setMacroPlating(elements_, on);
}

void MacroBuffer::clear() {
  elements_.clear();
  path_.clear();
  comments_ = {};
  modified_ = false;
}

}  // namespace trazello
