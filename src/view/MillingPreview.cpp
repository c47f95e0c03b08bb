#include "MillingPreview.h"

#include <QPainterPath>
#include <cmath>

namespace trazello {

namespace {

QPainterPath outlinePath(const std::vector<MillingOutline>& outlines) {
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);  // holes, and islands inside holes, by nesting
  for (const MillingOutline& o : outlines) {
    if (o.empty()) continue;
    path.moveTo(o[0].x, o[0].y);
    for (size_t i = 1; i < o.size(); ++i) path.lineTo(o[i].x, o[i].y);
    path.closeSubpath();
  }
  return path;
}

}  // namespace

void paintMilledBoard(QPainter& p, const std::vector<MillingOutline>& outlines, int32_t toolWidth,
                      const BoardSettings& board) {
  p.fillRect(QRectF(0, -board.height, board.width, board.height), QColor(kMilledBare));
  const QPainterPath path = outlinePath(outlines);
  p.fillPath(path, QColor(kMilledIsland));
  QPen groove{QColor(kMilledGroove)};
  groove.setWidthF(toolWidth);  // 0: a hairline, as thin as the device draws
  groove.setCapStyle(Qt::RoundCap);
  groove.setJoinStyle(Qt::RoundJoin);
  p.strokePath(path, groove);
}

QImage milledBoardPicture(const std::vector<MillingOutline>& outlines, int32_t toolWidth,
                          const BoardSettings& board, double dpi) {
  const double scale = dpi / 2540.0;  // pixels per unit of 0.01 mm
  QImage image(std::max(1, int(std::lround(board.width * scale))),
               std::max(1, int(std::lround(board.height * scale))), QImage::Format_RGB32);
  image.fill(QColor(kMilledBare));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.scale(scale, -scale);  // y up
  paintMilledBoard(p, outlines, toolWidth, board);
  return image;
}

}  // namespace trazello
