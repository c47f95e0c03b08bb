#include "AutoSaveTimer.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "MessageBoxes.h"

namespace trazello {

AutoSaveTimer::AutoSaveTimer(Document& doc, QLabel* status, Language language, QWidget* window)
    : QObject(window),
      doc_(doc),
      status_(status),
      language_(language),
      window_(window),
      timer_(new QTimer(this)) {
  timer_->setObjectName("AutoSaveTimer");
  timer_->setInterval(300000);
  connect(timer_, &QTimer::timeout, this, [this] { tick(); });
}

void AutoSaveTimer::configure(bool enabled, int intervalMs) {
  timer_->setInterval(intervalMs);
  if (enabled) {
    timer_->start();
  } else {
    timer_->stop();
  }
}

bool AutoSaveTimer::enabled() const {
  return timer_->isActive();
}

int AutoSaveTimer::intervalMs() const {
  return timer_->interval();
}

Autosave::Outcome AutoSaveTimer::tick() {
  if (!backupFileName(doc_.fileName())) return autosave_.tick(doc_);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const QString before = status_->text();
  status_->setText(QString::fromStdString(caption("StatusAutosave", language_)));
  status_->repaint();
  Autosave::Outcome out = autosave_.tick(doc_);
  status_->setText(before);
  status_->repaint();
  QApplication::restoreOverrideCursor();
  if (out.error) showMessage(window_, *out.error, language_);
  return out;
}

}  // namespace trazello
