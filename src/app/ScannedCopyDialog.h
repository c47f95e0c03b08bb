#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "Captions.h"
#include "model/BoardSettings.h"
#include "model/Message.h"
#include "view/ScannedCopy.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace trazello {

// The scanned copies of the current board, one page per side: file, resolution, offsets, colour
// and whether it is shown. Changes go straight into the board's settings and images.
class ScannedCopyDialog : public QDialog {
  Q_OBJECT

 public:
  ScannedCopyDialog(BoardSettings& board, ScannedCopies& scans, std::string& folder,
                    Language language, QWidget* parent = nullptr);

  QTabWidget* pages() const { return pages_; }
  // Loads a bitmap for side 0 or 1; on failure the message is shown and the old image stays.
  bool loadFile(int side, const QString& path);
  void removeFile(int side);

  // After a board switch: both images again from the names the board stores. A file that cannot
  // be read is reported through `report`; the side then keeps the last name that did load, or
  // is hidden when there is none.
  static void reloadAll(BoardSettings& board, ScannedCopies& scans, std::string& lastLoaded,
                        const std::function<void(const Message&)>& report);

 signals:
  // A setting of a side changed; the view shows it at once when that side is active.
  void sideChanged(int side);
  void helpRequested(int context);

 private:
  struct Page {
    QSpinBox* dpi = nullptr;
    QSpinBox* offsetX = nullptr;
    QSpinBox* offsetY = nullptr;
    QPushButton* colour = nullptr;
    QCheckBox* shown = nullptr;
    QLabel* fileName = nullptr;
  };
  QWidget* buildPage(int side);
  void refreshPage(int side);
  void chooseFile(int side);
  void chooseColour(int side);

  BoardSettings& board_;
  ScannedCopies& scans_;
  std::string& folder_;
  Language language_;
  QTabWidget* pages_ = nullptr;
  std::array<Page, 2> page_;
  bool filling_ = false;
};

}  // namespace trazello
