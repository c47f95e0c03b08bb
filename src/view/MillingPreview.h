#pragma once

#include <QImage>
#include <QPainter>
#include <vector>

#include "model/BoardSettings.h"
#include "output/IsolationMilling.h"

namespace trazello {

// The colours of a board as milled.
inline constexpr QRgb kMilledIsland = 0xffe8a050;  // copper the cutter went round
inline constexpr QRgb kMilledGroove = 0xff24402a;  // the cut, down to the substrate
inline constexpr QRgb kMilledBare = 0xff8c6a3c;    // copper between the grooves, left standing

// Paints the board as milled with the painter in board units (y up): bare copper everywhere,
// the islands inside the outlines, the grooves along the outlines with the tool's width.
void paintMilledBoard(QPainter& p, const std::vector<MillingOutline>& outlines, int32_t toolWidth,
                      const BoardSettings& board);

// The milled board as a picture at `dpi` dots per inch.
QImage milledBoardPicture(const std::vector<MillingOutline>& outlines, int32_t toolWidth,
                          const BoardSettings& board, double dpi);

}  // namespace trazello
