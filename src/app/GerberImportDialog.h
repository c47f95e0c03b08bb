#pragma once

#include <QDialog>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "Captions.h"

class QComboBox;

namespace trazello {

// Lists the Gerber files chosen for import, each with the layer its copper goes to (C2 unless
// the user chooses another). Drill files are marked as such; their layer takes the holes that
// hit no pad.
class GerberImportDialog : public QDialog {
  Q_OBJECT
 public:
  // `drill` marks the files that are drill files, in the order of the files.
  GerberImportDialog(const QStringList& files, const std::vector<bool>& drill, Language language,
                     QWidget* parent = nullptr);
  // The layer code chosen for each file, in the order of the files.
  std::vector<uint8_t> layers() const;

 private:
  std::vector<QComboBox*> boxes_;
};

}  // namespace trazello
