#include "PrintCalibrationDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "MessageBoxes.h"
#include "output/PrintLayout.h"

namespace trazello {

namespace {

QString text(const char* name, Language language) {
  return QString::fromStdString(caption(std::string("TKorrekturDlg.") + name, language));
}

// A decimal number with "." as separator, whatever the desktop's language.
std::optional<double> parseFactor(const QString& s) {
  bool ok = false;
  const double v = QLocale::c().toDouble(s.trimmed(), &ok);
  if (!ok) return std::nullopt;
  return v;
}

}  // namespace

PrintCalibrationDialog::PrintCalibrationDialog(Language language, QWidget* parent)
    : QDialog(parent), language_(language) {
  setObjectName("TKorrekturDlg");
  setWindowTitle(text("Title", language));
  auto* layout = new QVBoxLayout(this);
  auto* info = new QLabel(text("L_Info", language), this);
  info->setWordWrap(true);
  layout->addWidget(info);
  auto* form = new QFormLayout;
  horizontal_ = new QLineEdit(this);
  horizontal_->setObjectName("HKorrektur");
  vertical_ = new QLineEdit(this);
  vertical_->setObjectName("VKorrektur");
  form->addRow(text("L_H", language), horizontal_);
  form->addRow(text("L_V", language), vertical_);
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("OKBtn");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelBtn");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

bool PrintCalibrationDialog::ask(double& horizontal, double& vertical) {
  horizontal_->setText(QString::number(horizontal, 'f', 5));
  vertical_->setText(QString::number(vertical, 'f', 5));
  if (exec() != QDialog::Accepted) return false;
  horizontal = h_;
  vertical = v_;
  return true;
}

void PrintCalibrationDialog::accept() {
  const auto h = parseFactor(horizontal_->text()), v = parseFactor(vertical_->text());
  auto valid = [](const std::optional<double>& f) {
    return f && *f >= PrintLayout::kMinCalibration && *f <= PrintLayout::kMaxCalibration;
  };
  // Text that is no number at all is refused like a number out of range.
  if (!valid(h) || !valid(v)) {
    showMessage(this, {MessageKind::Information, MessageId::CalibrationOutOfRange, {}},
                language_);
    return;
  }
  h_ = *h;
  v_ = *v;
  QDialog::accept();
}

}  // namespace trazello
