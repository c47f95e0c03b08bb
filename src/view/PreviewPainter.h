#pragma once

#include <QPainter>

#include "ColourScheme.h"
#include "RenderOptions.h"
#include "ViewMapping.h"
#include "edit/tools/Preview.h"
#include "model/ElementList.h"
#include "model/LayerPredicates.h"

namespace trazello {

// What a preview is drawn against: the board's elements (for the moved selection and its
// rubberbands), the clipboard (paste placement) and the drawing state of the board picture.
struct PreviewScene {
  const ElementList& elements;
  const ElementList* clipboard = nullptr;
  const ColourScheme& scheme;
  const RenderOptions& options;
  LayerState layers;
};

// Draws a tool's preview over the board picture on `painter` (a surface of `size` pixels mapped
// by `mapping`). Rubber lines and shapes invert what lies below (not-xor with a black pen), so
// they show on every background; the frame and snap markers are xor white; the measure box and
// the name tip are opaque boxes in pixel space.
void PaintPreview(QPainter& painter, const ViewMapping& mapping, QSize size,
                  const PreviewScene& scene, const Preview& preview);

}  // namespace trazello
