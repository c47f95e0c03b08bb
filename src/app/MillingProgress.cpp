#include "MillingProgress.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

namespace trazello {

namespace {
constexpr const char* kPhaseNames[] = {"L_Segmente", "L_Vektoren", "L_Vektorliste", "L_Umrisse",
                                       "L_Optimieren"};
constexpr int kRange = 1000;
}  // namespace

MillingProgress::MillingProgress(Language language, QWidget* parent) : QDialog(parent) {
  setObjectName("TUmrissProgress");
  setWindowTitle(QString::fromStdString(caption("TUmrissProgress", language)));
  auto* grid = new QGridLayout(this);
  for (size_t i = 0; i < labels_.size(); ++i) {
    markers_[i] = new QLabel(QStringLiteral("\u25B6"), this);
    markers_[i]->setVisible(false);
    labels_[i] = new QLabel(
        QString::fromStdString(caption(std::string("TUmrissProgress.") + kPhaseNames[i], language)), this);
    labels_[i]->setObjectName(kPhaseNames[i]);
    grid->addWidget(markers_[i], int(i), 0);
    grid->addWidget(labels_[i], int(i), 1);
  }
  bar_ = new QProgressBar(this);
  bar_->setRange(0, kRange);
  bar_->setTextVisible(false);
  grid->addWidget(bar_, int(labels_.size()), 0, 1, 2);
  blink_.start();
}

void MillingProgress::advance(IsolationPhase phase, double fraction) {
  const int p = static_cast<int>(phase);
  bool changed = false;
  if (p != phase_) {
    for (size_t i = 0; i < labels_.size(); ++i) {
      QFont f = labels_[i]->font();
      f.setBold(int(i) == p);
      labels_[i]->setFont(f);
      markers_[i]->setVisible(int(i) == p);
    }
    phase_ = p;
    markerShown_ = true;
    blink_.restart();
    changed = true;
  } else if (blink_.elapsed() >= 500) {
    markerShown_ = !markerShown_;
    markers_[size_t(p)]->setVisible(markerShown_);
    blink_.restart();
    changed = true;
  }
  const int value = int((p + std::clamp(fraction, 0.0, 1.0)) * kRange / 5);
  if (value - bar_->value() > kRange / 100) {
    bar_->setValue(value);
    changed = true;
  }
  if (changed) repaint();
}

}  // namespace trazello
