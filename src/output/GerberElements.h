#pragma once

#include <cstdint>

#include "GerberFile.h"
#include "model/TObjekt.h"

namespace trazello {

// How one layout element becomes Gerber commands. `offset` moves every edge of the element
// outward (negative: inward); clearance mode writes the shape that a ground plane keeps free
// around the element, so hatched zones become solid there.

// A THT pad grown by `offset`: a flash for round pads, a stroke for oblong ones, a region for
// the polygonal shapes. Unknown shapes write nothing.
void writePad(TGerberFile& f, const TObjekt& pad, int32_t offset);
// The SMD pad's rectangle, each side moved outward by `offset`.
void writeSmdRect(TGerberFile& f, const TObjekt& smd, int32_t offset = 0);
void writePadSpokes(TGerberFile& f, const TObjekt& pad);
void writeSmdSpokes(TGerberFile& f, const TObjekt& smd);
void writeElement(TGerberFile& f, const TObjekt& e, int32_t offset, bool clearanceMode);

}  // namespace trazello
