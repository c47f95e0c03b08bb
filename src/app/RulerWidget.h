#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "view/GridCaptions.h"

namespace trazello {

class DrawingArea;

// One tick of a ruler: its position along the ruler in widget pixels, its length and its label
// (empty for none).
struct RulerMark {
  int position = 0;
  int length = 0;
  QString label;
};

// A ruler beside the drawing area showing distances from the user origin in the current unit,
// with a marker at the pointer. The horizontal ruler leaves the corner above the vertical ruler
// free.
class RulerWidget : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kThickness = 25;

  RulerWidget(Qt::Orientation orientation, const DrawingArea& area, QWidget* parent = nullptr);

  void setUnit(LengthUnit unit);
  // The pointer in drawing-area viewport pixels along this ruler's axis; nullopt hides the marker.
  void setMarker(std::optional<int> viewportPixel);
  std::optional<int> marker() const { return marker_; }
  // The ticks and labels the ruler shows now, in order.
  std::vector<RulerMark> marks() const;
  // Where viewport pixel 0 of the drawing area lies along the ruler.
  int viewportOffset() const;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  Qt::Orientation orientation_;
  const DrawingArea& area_;
  LengthUnit unit_ = LengthUnit::Millimetre;
  std::optional<int> marker_;
};

}  // namespace trazello
