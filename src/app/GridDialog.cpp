#include "GridDialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QVBoxLayout>
#include <cmath>

namespace trazello {

namespace {
constexpr double kMilPerMm = 1 / 0.0254;
QString text(const char* component, Language language) {
  return QString::fromStdString(caption(component, language));
}
}  // namespace

GridDialog::GridDialog(Language language, bool mil, QWidget* parent) : QDialog(parent), mil_(mil) {
  setWindowTitle(text("RasterDlg", language));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(text("RasterDlg.Size", language), this);
  auto* inner = new QVBoxLayout(group);
  value_ = new QDoubleSpinBox(group);
  value_->setObjectName("SE_Raster");
  if (mil_) {
    value_->setRange(std::ceil(0.01 * kMilPerMm * 10) / 10, std::floor(99.9 * kMilPerMm * 10) / 10);
    value_->setDecimals(1);
    value_->setSingleStep(1);
    value_->setValue(std::round(0.5 * kMilPerMm * 10) / 10);
    value_->setSuffix(" " + text("UnitMil", language));
  } else {
    value_->setRange(0.01, 99.9);
    value_->setDecimals(2);
    value_->setSingleStep(0.01);
    value_->setValue(0.5);
    value_->setSuffix(" " + text("UnitMm", language));
  }
  inner->addWidget(value_);
  layout->addWidget(group);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

int GridDialog::tag() const {
  const double mm = mil_ ? value_->value() / kMilPerMm : value_->value();
  // Never zero: a grid of no size would hang every snapping loop.
  return std::clamp(static_cast<int>(std::lround(mm * 100)), 1, 9990);
}

std::optional<int> GridDialog::ask(QWidget* parent, Language language, bool mil) {
  GridDialog dialog(language, mil, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.tag();
}

}  // namespace trazello
