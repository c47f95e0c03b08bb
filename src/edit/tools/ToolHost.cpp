#include "ToolHost.h"

namespace trazello {

double ToolHost::grid() {
  return document().working().grid;
}

IPoint ToolHost::originMilli() {
  const BoardSettings& s = document().working();
  return {s.originX, s.originY};
}

LayerState ToolHost::layers() {
  return layerState(document().working());
}

uint8_t ToolHost::activeLayer() {
  return static_cast<uint8_t>(document().working().activeLayer);
}

}  // namespace trazello
