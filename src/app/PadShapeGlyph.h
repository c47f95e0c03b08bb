#pragma once

#include <QImage>

namespace trazello {

// The picture of a pad shape (codes 1 to 9) for the pad-shape button: the pad in copper with
// its drill; a through-plated pad in the through-plating colour with a red drill ring.
QImage padShapeGlyph(int shape, bool plated, int size = 24);

}  // namespace trazello
