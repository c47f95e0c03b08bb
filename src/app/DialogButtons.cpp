#include "DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace trazello {

QDialogButtonBox* okCancelHelpButtons(QDialog* dialog, const QString& ok, const QString& cancel,
                                      Language language, std::function<void()> help,
                                      QPushButton** okButton) {
  auto* buttons = new QDialogButtonBox(dialog);
  QPushButton* okBtn = buttons->addButton(ok, QDialogButtonBox::AcceptRole);
  okBtn->setObjectName("OKBtn");
  okBtn->setDefault(true);
  QPushButton* cancelBtn = buttons->addButton(cancel, QDialogButtonBox::RejectRole);
  cancelBtn->setObjectName("CancelBtn");
  QPushButton* helpBtn = buttons->addButton(QDialogButtonBox::Help);
  helpBtn->setObjectName("HelpBtn");
  helpBtn->setText(QString::fromStdString(caption("HelpBtn", language)));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  QObject::connect(buttons, &QDialogButtonBox::helpRequested, dialog, std::move(help));
  if (okButton) *okButton = okBtn;
  return buttons;
}

}  // namespace trazello
