#include "PrintOptionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "TUnitSpinEdit.h"

namespace trazello {

namespace {

QString text(const char* name, Language language) {
  return QString::fromStdString(caption(std::string("TPrintOptionsDlg.") + name, language));
}

TUnitSpinEdit* lengthEdit(const char* name, double lo, double hi, int decimals, double mm,
                          bool mil, QWidget* parent) {
  auto* edit = new TUnitSpinEdit(parent);
  edit->setObjectName(name);
  edit->setMin(lo);
  edit->setMax(hi);
  edit->setDecimals(decimals);
  edit->setStep(decimals == 2 ? 0.01 : 0.1);
  edit->setWithUnit(true);
  edit->setValue(mm);
  edit->setMil(mil);
  return edit;
}

int32_t units(const TUnitSpinEdit* edit) {
  return static_cast<int32_t>(std::lround(edit->value() * 100));
}

}  // namespace

PrintOptionsDialog::PrintOptionsDialog(const PrintContent& content, bool mil, Language language,
                                       QWidget* parent)
    : QDialog(parent) {
  setObjectName("TPrintOptionsDlg");
  setWindowTitle(text("Title", language));
  auto* layout = new QVBoxLayout(this);
  auto* mask = new QGroupBox(text("GB_Mask", language), this);
  auto* grid = new QGridLayout(mask);
  grid->addWidget(new QLabel(text("L_Offset", language), mask), 0, 1);
  const bool on[3] = {content.maskPads, content.maskSmdPads, content.maskOthers};
  const int32_t growth[3] = {content.padGrowth, content.smdGrowth, content.otherGrowth};
  const char* boxes[3] = {"CB_Loetaugen", "CB_SMDPads", "CB_Sonstige"};
  const char* edits[3] = {"SE_LABreite", "SE_SMDBreite", "SE_SonstigeBreite"};
  for (size_t i = 0; i < 3; ++i) {
    includes_[i] = new QCheckBox(text(boxes[i], language), mask);
    includes_[i]->setObjectName(boxes[i]);
    includes_[i]->setChecked(on[i]);
    growths_[i] = lengthEdit(edits[i], 0.01, 9.99, 2, growth[i] / 100.0, mil, mask);
    growths_[i]->setEnabled(on[i]);
    connect(includes_[i], &QCheckBox::toggled, growths_[i], &QWidget::setEnabled);
    grid->addWidget(includes_[i], int(i) + 1, 0);
    grid->addWidget(growths_[i], int(i) + 1, 1);
  }
  layout->addWidget(mask);
  auto* drill = new QGroupBox(text("GB_Drill", language), this);
  auto* row = new QHBoxLayout(drill);
  row->addWidget(new QLabel(text("L_Texthoehe", language), drill));
  textHeight_ = lengthEdit("SE_Texthoehe", 0.1, 9.9, 1, content.drillTextHeight / 100.0, mil, drill);
  row->addWidget(textHeight_);
  layout->addWidget(drill);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("OKBtn");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelBtn");
  buttons->button(QDialogButtonBox::Cancel)->setText(
      QString::fromStdString(caption("TPrint_Dlg.CancelBtn", language)).remove('&'));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void PrintOptionsDialog::takeInto(PrintContent& content) const {
  content.maskPads = includes_[0]->isChecked();
  content.maskSmdPads = includes_[1]->isChecked();
  content.maskOthers = includes_[2]->isChecked();
  content.padGrowth = units(growths_[0]);
  content.smdGrowth = units(growths_[1]);
  content.otherGrowth = units(growths_[2]);
  content.drillTextHeight = units(textHeight_);
}

}  // namespace trazello
