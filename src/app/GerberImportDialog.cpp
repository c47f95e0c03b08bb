#include "GerberImportDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/Layer.h"

namespace trazello {

namespace {

// The layer names in the order of their codes 1 to 7.
const char* const kLayerNames[] = {"C1", "S1", "C2", "S2", "I1", "I2", "O"};

QString text(const char* component, Language language) {
  return QString::fromStdString(caption(component, language));
}

}  // namespace

GerberImportDialog::GerberImportDialog(const QStringList& files, const std::vector<bool>& drill,
                                       Language language, QWidget* parent)
    : QDialog(parent) {
  setObjectName("GerberImportDialog");
  setWindowTitle(text("GerberImportDialog", language));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(text("L_GerberImportLayer", language), this));
  auto* form = new QFormLayout;
  for (const QString& file : files) {
    auto* box = new QComboBox(this);
    box->setObjectName("CB_Layer" + QString::number(boxes_.size()));
    for (const char* name : kLayerNames) box->addItem(name);
    box->setCurrentIndex(layer::C2 - 1);
    QString label = QFileInfo(file).fileName();
    if (boxes_.size() < drill.size() && drill[boxes_.size()])
      label += " (" + text("L_GerberImportDrill", language) + ")";
    form->addRow(label, box);
    boxes_.push_back(box);
  }
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("OKBtn");
  buttons->button(QDialogButtonBox::Ok)->setText(text("GerberImportDialog.OKBtn", language));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelBtn");
  buttons->button(QDialogButtonBox::Cancel)
      ->setText(text("GerberImportDialog.CancelBtn", language));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

std::vector<uint8_t> GerberImportDialog::layers() const {
  std::vector<uint8_t> out;
  for (const QComboBox* box : boxes_) out.push_back(static_cast<uint8_t>(box->currentIndex() + 1));
  return out;
}

}  // namespace trazello
