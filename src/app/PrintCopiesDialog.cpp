#include "PrintCopiesDialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "output/PrintLayout.h"

namespace trazello {

namespace {
QString text(const char* name, Language language) {
  return QString::fromStdString(caption(std::string("TKachel_Dlg.") + name, language));
}
}  // namespace

PrintCopiesDialog::PrintCopiesDialog(Language language, QWidget* parent) : QDialog(parent) {
  setObjectName("TKachel_Dlg");
  setWindowTitle(text("Title", language));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  across_ = new QSpinBox(this);
  across_->setObjectName("KachelX");
  down_ = new QSpinBox(this);
  down_->setObjectName("KachelY");
  for (QSpinBox* box : {across_, down_}) box->setRange(1, PrintLayout::kMaxCopies);
  spacing_ = new QDoubleSpinBox(this);
  spacing_->setObjectName("Abstand");
  spacing_->setRange(0, PrintLayout::kMaxSpacing / 100.0);
  spacing_->setDecimals(1);
  spacing_->setSingleStep(0.1);
  spacing_->setSuffix(" mm");
  grid->addWidget(new QLabel(text("L_Number", language), this), 0, 0);
  grid->addWidget(new QLabel("X:", this), 0, 1);
  grid->addWidget(across_, 0, 2);
  grid->addWidget(new QLabel("Y:", this), 0, 3);
  grid->addWidget(down_, 0, 4);
  grid->addWidget(new QLabel(text("L_Distance", language), this), 1, 0);
  grid->addWidget(spacing_, 1, 2, 1, 3);
  layout->addLayout(grid);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("OKBtn");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelBtn");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

bool PrintCopiesDialog::ask(int& across, int& down, int32_t& spacing) {
  across_->setValue(across);
  down_->setValue(down);
  spacing_->setValue(spacing / 100.0);
  if (exec() != QDialog::Accepted) return false;
  across = across_->value();
  down = down_->value();
  spacing = static_cast<int32_t>(std::lround(spacing_->value() * 100));
  return true;
}

}  // namespace trazello
