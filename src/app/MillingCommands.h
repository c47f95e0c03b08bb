#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "AppSettings.h"
#include "Captions.h"
#include "SaveFileChooser.h"
#include "model/Document.h"
#include "output/IsolationJob.h"
#include "view/SchemeStore.h"
#include "view/ViewMapping.h"

class QPainter;
class QPushButton;
class QWidget;

namespace trazello {

class TKonturFraesenDlg;
class TUmrissDlg;

// Isolation milling and outline milling: their windows (made once, keeping their choices),
// the outlines shown on the drawing until they are deleted, and the places where the cutter
// would leave two nets joined.
class MillingCommands : public QObject {
  Q_OBJECT

 public:
  struct Context {
    QWidget* window = nullptr;
    Document* doc = nullptr;
    AppSettings* settings = nullptr;
    const SchemeStore* schemes = nullptr;
    Language language = Language::English;
    std::function<void()> repaint;  // the drawing area, after the outlines changed
  };

  MillingCommands(Context context, QObject* parent = nullptr);

  void isolationMilling();  // UmrissHPGLplt1Click
  void outlineMilling();    // PlatinenkonturHPGLplt1Click
  void deleteOutlines();    // B_UmrisseEntfernenClick; also when a new document starts

  // Over the board: the outlines in white, or the board as milled while the preview is on,
  // and a marker at every short.
  void paintOutlines(QPainter& p, const ViewMapping& mapping) const;

  bool hasOutlines() const { return shown_; }
  const std::vector<MillingOutline>& outlines() const { return outlines_; }
  const std::vector<MillingShort>& shorts() const { return shorts_; }
  // "Delete outlines" and "Milled preview": visible exactly while outlines exist.
  QPushButton* deleteButton() const { return deleteButton_; }
  QPushButton* previewButton() const { return previewButton_; }
  TUmrissDlg* isolationDialog() const { return isolation_; }
  TKonturFraesenDlg* outlineDialog() const { return outline_; }
  void setSaveFileChooser(SaveFileChooser chooser) { choose_ = std::move(chooser); }

 signals:
  void helpRequested(int context);

 private:
  QString askForFile();
  // Writes `text` to `path`; tells the user when that failed.
  bool write(const QString& path, const std::string& text);
  void showOutlines(bool on);
  void warnAboutShorts();
  QString isolationCaption() const;

  Context c_;
  SaveFileChooser choose_ = chooseSaveFile;
  TUmrissDlg* isolation_ = nullptr;
  TKonturFraesenDlg* outline_ = nullptr;
  QPushButton* deleteButton_ = nullptr;
  QPushButton* previewButton_ = nullptr;
  bool shown_ = false;
  std::vector<MillingOutline> outlines_;
  std::vector<MillingShort> shorts_;
  int32_t toolWidth_ = 0;
};

}  // namespace trazello
