#include "LayerControl.h"

#include "model/Layer.h"

namespace trazello {

namespace {
bool validLayer(int code) {
  return code >= 1 && code <= layer::kCount;
}

void deselectWhere(ElementList& elements, bool (*pred)(const TObjekt&, uint8_t), uint8_t arg) {
  for (size_t i = 0; i < elements.size(); ++i)
    if (elements[i].Selected && pred(elements[i], arg)) elements.edit(i).Selected = 0;
}
}  // namespace

void SetViewLayer(ElementList& elements, uint8_t layerCode) {
  deselectWhere(
      elements, [](const TObjekt& e, uint8_t l) { return e.Layer == l; }, layerCode);
}

ActiveLayerChange SetActiveLayer(BoardSettings& settings, ElementList& elements, uint8_t layerCode,
                                 LayerCommandSource source) {
  ActiveLayerChange change;
  if (!validLayer(layerCode) || settings.activeLayer == layerCode) return change;
  change.changed = true;
  if (!settings.visible[layerCode]) {
    settings.visible[layerCode] = 1;
    SetViewLayer(elements, layerCode);
    change.madeVisible = true;
  }
  settings.activeLayer = layerCode;
  change.groundPlaneEnabled = isCopperLayer(layerCode);
  change.groundPlanePressed = settings.groundPlane[layerCode] != 0;
  if (source == LayerCommandSource::RadioButton)
    deselectWhere(
        elements, [](const TObjekt& e, uint8_t) { return e.KeepOut != 0; }, 0);
  return change;
}

bool ToggleLayerVisible(BoardSettings& settings, ElementList& elements, uint8_t layerCode,
                        LayerCommandSource source) {
  if (!validLayer(layerCode) || settings.activeLayer == layerCode) return false;
  if (source == LayerCommandSource::Menu)
    deselectWhere(
        elements, [](const TObjekt&, uint8_t) { return true; }, 0);
  settings.visible[layerCode] = settings.visible[layerCode] ? 0 : 1;
  SetViewLayer(elements, layerCode);
  return true;
}

}  // namespace trazello
