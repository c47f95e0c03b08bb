#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <array>

#include "Captions.h"
#include "output/IsolationMilling.h"

class QLabel;
class QProgressBar;

namespace trazello {

// The window "Isolation outlines" shown while the outlines are computed: the five phases, the
// current one bold with a marker that blinks every 500 ms, and a bar that moves only in steps
// of more than 1/100 so that repainting does not cost more than the work.
class MillingProgress : public QDialog {
  Q_OBJECT

 public:
  MillingProgress(Language language, QWidget* parent = nullptr);

  // Called from inside the computation: repaints at once.
  void advance(IsolationPhase phase, double fraction);

 private:
  std::array<QLabel*, 5> labels_{};
  std::array<QLabel*, 5> markers_{};
  QProgressBar* bar_ = nullptr;
  int phase_ = -1;
  bool markerShown_ = true;
  QElapsedTimer blink_;
};

}  // namespace trazello
