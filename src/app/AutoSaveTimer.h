#pragma once

#include <QObject>

#include "Captions.h"
#include "files/Autosave.h"

class QLabel;
class QTimer;
class QWidget;

namespace trazello {

// The window timer of the periodic backup. Ticks are ordinary timer events, so a backup always
// sees the document between two commands; while it is written the status line says so.
class AutoSaveTimer : public QObject {
  Q_OBJECT

 public:
  AutoSaveTimer(Document& doc, QLabel* status, Language language, QWidget* window);

  void configure(bool enabled, int intervalMs);
  bool enabled() const;
  int intervalMs() const;
  Autosave& autosave() { return autosave_; }

  // One tick; a failed write is reported in a message box and the timer keeps running.
  Autosave::Outcome tick();

 private:
  Document& doc_;
  QLabel* status_;
  Language language_;
  QWidget* window_;
  QTimer* timer_;
  Autosave autosave_;
};

}  // namespace trazello
