#pragma once

#include <QDialog>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "Captions.h"

class QComboBox;

namespace trazello {

// Lists the Gerber files chosen for import, each with the layer its copper goes to (C2 unless
// the user chooses another).
class GerberImportDialog : public QDialog {
  Q_OBJECT
 public:
  GerberImportDialog(const QStringList& files, Language language, QWidget* parent = nullptr);
  // The layer code chosen for each file, in the order of the files.
  std::vector<uint8_t> layers() const;

 private:
  std::vector<QComboBox*> boxes_;
};

}  // namespace trazello
