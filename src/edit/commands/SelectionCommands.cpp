#include "SelectionCommands.h"

#include <optional>
#include <vector>

#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/Layer.h"
#include "model/LayerPredicates.h"

namespace trazello {

namespace {

Change elementsChanged(Change c = {}) {
  c.elements = true;
  c.selection = true;
  return c;
}

}  // namespace

Change deselectAll(Document& doc) {
  ElementList& list = doc.elements();
  Change c;
  for (size_t i = 0; i < list.size(); ++i) {
    if (!list[i].Selected) continue;
    list.edit(i).Selected = 0;
    c.addArea(boundingBox(list[i]));
    c.selection = true;
  }
  return c;
}

Change selectAll(Document& doc) {
  ElementList& list = doc.elements();
  const LayerState layers = layerState(doc.working());
  Change c;
  for (size_t i = 0; i < list.size(); ++i) {
    if (!list[i].Selected && isDrawn(list[i], layers)) {
      list.edit(i).Selected = 1;
      c.addArea(boundingBox(list[i]));
      c.selection = true;
    }
  }
  return c;
}

Change deleteSelection(Document& doc, const UndoHistory& undo) {
  ElementList& list = doc.elements();
  Change c;
  for (const TObjekt& e : list) {
    if (e.Selected) c.addArea(boundingBox(e));
  }
  if (!c.hasArea) return {};
  undo.recordStep(doc);
  removeElements(list, [](const TObjekt& e) { return e.Selected != 0; });
  return elementsChanged(c);
}

Change deleteOutsideBoard(Document& doc, const UndoHistory& undo) {
  const BoardSettings& s = doc.working();
  const IRect board{0, -s.height, s.width, 0};
  auto outside = [&](const TObjekt& e) { return !overlaps(boundingBox(e), board); };
  ElementList& list = doc.elements();
  bool any = false;
  for (const TObjekt& e : list) any = any || outside(e);
  if (!any) return {};
  undo.recordStep(doc);
  removeElements(list, outside);
  Change c = elementsChanged();
  c.all = true;
  return c;
}

Change changeBoardSide(Document& doc, const UndoHistory& undo) {
  ElementList& list = doc.elements();
  Change c;
  bool recorded = false;
  for (size_t i = 0; i < list.size(); ++i) {
    const TObjekt& e = list[i];
    if (!e.Selected) continue;
    uint8_t to = e.Layer;
    switch (e.Layer) {
      case layer::C1:
        to = layer::C2;
        break;
      case layer::C2:
        to = layer::C1;
        break;
      case layer::S1:
        to = layer::S2;
        break;
      case layer::S2:
        to = layer::S1;
        break;
      default:
        continue;
    }
    if (!recorded) undo.recordStep(doc);
    recorded = true;
    c.addArea(boundingBox(e));
    list.edit(i).Layer = to;
  }
  return recorded ? elementsChanged(c) : Change{};
}

Change setSelectionLayer(Document& doc, const UndoHistory& undo, uint8_t layerCode) {
  if (layerCode < layer::C1 || layerCode > layer::O) return {};
  ElementList& list = doc.elements();
  Change c;
  bool recorded = false;
  for (size_t i = 0; i < list.size(); ++i) {
    const TObjekt& e = list[i];
    if (!e.Selected) continue;
    const bool keepOutCleared = !isCopperLayer(layerCode) && e.KeepOut;
    if (e.Layer == layerCode && !keepOutCleared) continue;
    if (!recorded) undo.recordStep(doc);
    recorded = true;
    c.addArea(boundingBox(e));
    TObjekt& changed = list.edit(i);
    changed.Layer = layerCode;
    if (keepOutCleared) changed.KeepOut = 0;
  }
  return recorded ? elementsChanged(c) : Change{};
}

size_t copySelection(Document& doc) {
  const ElementList& list = doc.elements();
  std::vector<size_t> selected;
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].Selected) selected.push_back(i);
  }
  if (selected.empty()) return 0;
  ElementList& clipboard = doc.clipboard();
  clipboard = ElementList();
  const size_t n = copyElements(list, selected, clipboard);
  for (size_t i = 0; i < clipboard.size(); ++i) clipboard.edit(i).Selected = 0;
  doc.setClipboardLayer(doc.working().activeLayer);
  return n;
}

Change cutSelection(Document& doc, const UndoHistory& undo) {
  if (copySelection(doc) == 0) return {};
  return deleteSelection(doc, undo);
}

std::string firstSelectedName(const ElementList& list) {
  for (const TObjekt& e : list) {
    if (e.Selected && !e.Name.empty()) return e.Name;
  }
  return {};
}

Change nameSelection(Document& doc, const std::string& name) {
  const size_t first = name.find_first_not_of(' ');
  const std::string trimmed = first == std::string::npos
                                  ? std::string()
                                  : name.substr(first, name.find_last_not_of(' ') - first + 1);
  ElementList& list = doc.elements();
  Change c;
  for (size_t i = 0; i < list.size(); ++i) {
    const TObjekt& e = list[i];
    if (!e.Selected || e.Name == trimmed) continue;
    list.edit(i).Name = trimmed;
    c.elements = true;
  }
  if (c.elements) doc.setModified();
  return c;
}

Change selectByName(Document& doc, const std::string& name) {
  ElementList& list = doc.elements();
  const LayerState layers = layerState(doc.working());
  Change c;
  for (size_t i = 0; i < list.size(); ++i) {
    const uint8_t wanted = list[i].Name == name && isDrawn(list[i], layers) ? 1 : 0;
    if (list[i].Selected == wanted) continue;
    list.edit(i).Selected = wanted;
    c.addArea(boundingBox(list[i]));
    c.selection = true;
  }
  return c;
}

Change resetSolderMask(Document& doc) {
  ElementList& list = doc.elements();
  Change c;
  for (size_t i = 0; i < list.size(); ++i) {
    const TObjekt& e = list[i];
    const uint8_t wanted = e.isPadLike() && isCopperLayer(e.Layer) ? 1 : 0;
    if (e.SolderMask == wanted) continue;
    list.edit(i).SolderMask = wanted;
    c.elements = true;
  }
  if (c.elements) {
    c.all = true;
    doc.setModified();
  }
  return c;
}

CommandAvailability commandAvailability(const Document& doc) {
  CommandAvailability a;
  const ElementList& list = doc.elements();
  size_t selected = 0;
  bool oneGroup = true;
  std::optional<int32_t> group;
  for (const TObjekt& e : list) {
    if (e.isPadLike() && !e.Links.empty()) a.hasLinks = true;
    if (!e.Selected) continue;
    ++selected;
    if (!e.Groups.empty()) a.canSplitGroup = true;
    if (e.Groups.empty() || (group && *group != e.Groups.back())) oneGroup = false;
    if (!e.Groups.empty()) group = e.Groups.back();
  }
  a.anySelected = selected > 0;
  a.canGroup = selected > 1 && !oneGroup;
  a.canPaste = !doc.clipboard().empty();
  a.hasElements = !list.empty();
  a.severalBoards = doc.boards().size() > 1;
  return a;
}

}  // namespace trazello
