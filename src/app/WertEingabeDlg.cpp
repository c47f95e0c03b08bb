#include "WertEingabeDlg.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "MessageBoxes.h"
#include "view/NumberFormat.h"

namespace trazello {

WertEingabeDlg::WertEingabeDlg(Language language, QWidget* parent)
    : QDialog(parent), lang_(language) {
  setObjectName("WertEingabeDlg");
  auto* layout = new QVBoxLayout(this);
  edit_ = new QLineEdit(this);
  edit_->setObjectName("Edit1");
  layout->addWidget(edit_);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
  ok->setObjectName("OKBtn");
  ok->setDefault(true);
  const char* cancelTexts[] = {"&Отмена", "&Cancel", "&Annuler"};
  QPushButton* cancel = buttons->addButton(QString::fromUtf8(cancelTexts[int(language)]),
                                           QDialogButtonBox::RejectRole);
  cancel->setObjectName("CancelBtn");
  connect(buttons, &QDialogButtonBox::accepted, this, &WertEingabeDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void WertEingabeDlg::setLimits(double lower, double upper) {
  lower_ = lower;
  upper_ = upper;
}

bool WertEingabeDlg::isNumberWindow() const {
  return std::abs(upper_ - lower_) > 0.001;
}

bool WertEingabeDlg::ask(const QString& title, const QString& text) {
  setWindowTitle(title);
  edit_->setText(text);
  edit_->selectAll();
  edit_->setFocus();
  return exec() == QDialog::Accepted;
}

QString WertEingabeDlg::text() const {
  return edit_->text();
}

void WertEingabeDlg::accept() {
  if (isNumberWindow()) {
    edit_->setText(edit_->text().replace(',', '.'));
    bool ok = false;
    const double v = edit_->text().trimmed().toDouble(&ok);
    // A text that is no number is refused like one out of range: the window stays open.
    if (!ok || !std::isfinite(v) || v < lower_ || v > upper_) {
      Message m{MessageKind::Information,
                MessageId::ValueOutOfRange,
                {formatGeneral(lower_, 15), formatGeneral(upper_, 15)}};
      showMessage(this, m, lang_);
      edit_->setFocus();
      return;
    }
    number_ = v;
  }
  QDialog::accept();
}

}  // namespace trazello
