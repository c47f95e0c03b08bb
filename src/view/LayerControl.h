#pragma once

#include <cstdint>

#include "model/BoardSettings.h"
#include "model/ElementList.h"

namespace trazello {

// Where an active-layer or visibility command came from; the panel's radio buttons and the
// menu entries have slightly different side effects.
enum class LayerCommandSource { RadioButton, Menu, Key };

// What the window must show after the active layer changed.
struct ActiveLayerChange {
  bool changed = false;
  bool madeVisible = false;         // the layer was hidden and its button needs a refresh
  bool groundPlanePressed = false;  // SB_AutoMasse down: the ground plane is on for the layer
  bool groundPlaneEnabled = false;  // only copper layers have a ground plane
};

// Makes `layerCode` the active layer of the working settings; a hidden layer becomes visible.
// From the radio buttons every keep-out element also loses its selection.
ActiveLayerChange SetActiveLayer(BoardSettings& settings, ElementList& elements, uint8_t layerCode,
                                 LayerCommandSource source);

// Refreshing a layer's button deselects every element on the layer, so that nothing hidden stays
// selected (and would be moved or deleted unseen).
void SetViewLayer(ElementList& elements, uint8_t layerCode);

// Shows or hides a layer; the active layer cannot be hidden. Returns whether anything changed.
// The menu entries deselect every element of the board first.
bool ToggleLayerVisible(BoardSettings& settings, ElementList& elements, uint8_t layerCode,
                        LayerCommandSource source);

}  // namespace trazello
