#include "LayerPredicates.h"

#include "Layer.h"

namespace trazello {

namespace {
bool inRange(int code) { return code >= 1 && code <= layer::kCount; }
bool visible(const LayerState& s, int code) { return inRange(code) && s.visible[code]; }
}  // namespace

bool isPlatedPad(const TObjekt& e) { return e.Kind == ElementKind::Pad && e.Plated; }

bool isOnLayer(const TObjekt& e, int layerCode) {
  return e.Layer == layerCode || (isPlatedPad(e) && isCopperLayer(layerCode));
}

bool isShownOnLayer(const TObjekt& e, int layerCode, const LayerState& state) {
  return visible(state, layerCode) && isOnLayer(e, layerCode);
}

bool shareLayer(const TObjekt& a, const TObjekt& b) {
  const bool pa = isPlatedPad(a);
  const bool pb = isPlatedPad(b);
  if (pa && pb) return true;
  if (pa) return isCopperLayer(b.Layer);
  if (pb) return isCopperLayer(a.Layer);
  return a.Layer == b.Layer;
}

bool isDrawn(const TObjekt& e, const LayerState& state) {
  if (e.KeepOut &&
      !(e.Layer == state.activeLayer && inRange(e.Layer) && state.groundPlane[e.Layer]))
    return false;
  if (visible(state, e.Layer)) return true;
  if (!isPlatedPad(e)) return false;
  return visible(state, layer::C1) || visible(state, layer::C2) || visible(state, layer::I1) ||
         visible(state, layer::I2);
}

bool showsThermalRelief(const TObjekt& e, const LayerState& state) {
  if (!e.isPadLike() || !e.Thermal()) return false;
  if (!inRange(state.activeLayer) || !state.groundPlane[state.activeLayer]) return false;
  return e.Layer == state.activeLayer || (e.Plated && isCopperLayer(e.Layer));
}

bool isBareDrill(const TObjekt& e) { return e.Kind == ElementKind::Pad && e.SizeA <= e.SizeB; }

bool hasSolderMaskOpening(const TObjekt& e) {
  return e.SolderMask && !isBareDrill(e) &&
         (e.Layer == layer::C1 || e.Layer == layer::C2 || isPlatedPad(e));
}

}  // namespace trazello
