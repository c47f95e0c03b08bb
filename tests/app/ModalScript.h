#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace trazello::testing {

// Plays the user at the modal windows a command opens, one step per window in order: each
// step waits until a window of its type is the active modal one. A window nobody expected is
// closed after a few seconds, failing the test instead of hanging it.
class ModalScript {
 public:
  template <typename W>
  ModalScript& at(std::function<void(W*)> act) {
    steps_.push_back({[](QWidget* w) { return qobject_cast<W*>(w) && w->isVisible(); },
                      [act](QWidget* w) { act(qobject_cast<W*>(w)); }});
    return *this;
  }

  void start() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    timer_.start(5);
  }
  bool finished() const { return steps_.empty() && !busy_; }

 private:
  struct Step {
    std::function<bool(QWidget*)> matches;
    std::function<void(QWidget*)> act;
  };

  // A step acts from its own event, not from the timer's: what it clicks may open a nested
  // modal loop, and a timer is not run again while its handler is still running.
  void tick() {
    QWidget* w = QApplication::activeModalWidget();
    if (busy_ || steps_.empty() || !w) return;
    if (steps_.front().matches(w)) {
      Step step = steps_.front();
      steps_.pop_front();
      idle_ = 0;
      busy_ = true;
      QTimer::singleShot(0, w, [this, step, w] {
        busy_ = false;
        step.act(w);
      });
    } else if (++idle_ > 600) {
      ADD_FAILURE() << "an unexpected window: " << w->metaObject()->className() << " "
                    << w->windowTitle().toStdString();
      idle_ = 0;
      if (auto* d = qobject_cast<QDialog*>(w))
        d->reject();
      else
        w->close();
    }
  }

  std::deque<Step> steps_;
  QTimer timer_;
  int idle_ = 0;
  bool busy_ = false;
};

}  // namespace trazello::testing
