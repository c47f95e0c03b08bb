#include "DrillListDialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "MessageBoxes.h"

namespace trazello {

namespace {

// The decimal separator the user's locale writes, when it is a single byte.
char localeSeparator() {
  const QString point = QLocale().decimalPoint();
  return point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode())
                                                        : '.';
}

}  // namespace

DrillListDialog::DrillListDialog(const ElementList& elements, bool mil, Language language,
                                 QWidget* parent)
    : QDialog(parent),
      language_(language),
      state_(elements, {mil, localeSeparator(), static_cast<int>(language)}) {
  setObjectName("TBohrInfoDlg");
  setWindowTitle(text("TBohrInfoDlg"));
  auto* layout = new QVBoxLayout(this);
  auto* filters = new QHBoxLayout;
  bohrungen_ = new QCheckBox(text("CB_Bohrungen"), this);
  bohrungen_->setObjectName("CB_Bohrungen");
  vias_ = new QCheckBox(text("CB_Vias"), this);
  vias_->setObjectName("CB_Vias");
  bohrungen_->setChecked(state_.CB_Bohrungen());
  vias_->setChecked(state_.CB_Vias());
  filters->addWidget(bohrungen_);
  filters->addWidget(vias_);
  layout->addLayout(filters);
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo1");
  memo_->setReadOnly(true);
  // The counts and diameters are aligned in columns.
  memo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  memo_->setMinimumSize(260, 220);
  layout->addWidget(memo_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* copy = buttons->addButton(text("Button1"), QDialogButtonBox::ActionRole);
  copy->setObjectName("Button1");
  QPushButton* close = buttons->button(QDialogButtonBox::Close);
  close->setObjectName("CloseBtn");
  close->setText(QString::fromStdString(caption("CloseBtn", language_)));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(copy, &QPushButton::clicked, this, &DrillListDialog::copyToClipboard);
  layout->addWidget(buttons);
  connect(bohrungen_, &QCheckBox::clicked, this, [this](bool on) {
    state_.CB_BohrungenClick(on);
    refresh();
  });
  connect(vias_, &QCheckBox::clicked, this, [this](bool on) {
    state_.CB_ViasClick(on);
    refresh();
  });
  refresh();
}

QString DrillListDialog::text(std::string_view control) const {
  return QString::fromUtf8(
      captionOf(TBohrInfoDlg::captions(), control, static_cast<int>(language_)));
}

void DrillListDialog::refresh() {
  QStringList lines;
  for (const std::string& line : state_.memoLines()) lines << QString::fromStdString(line);
  memo_->setPlainText(lines.join('\n'));
}

QString DrillListDialog::memoText() const {
  return memo_->toPlainText();
}

void DrillListDialog::copyToClipboard() {
  // Qt gives the clipboard the platform's line ends itself.
  QGuiApplication::clipboard()->setText(memoText());
  showMessage(this, TBohrInfoDlg::clipboardMessage(), language_);
}

}  // namespace trazello
