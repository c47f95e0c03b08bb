#include "TAutoSaveDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ContextHelp.h"

namespace trazello {

namespace {
constexpr int kMinute = 60000;
}

TAutoSaveDlg::TAutoSaveDlg(bool enabled, int intervalMs, Language language, QWidget* parent)
    : QDialog(parent) {
  auto text = [language](const char* c) {
    return QString::fromStdString(caption(c, language)).replace('\r', '\n');
  };
  setObjectName("AutoSaveDlg");
  setWindowTitle(text("TAutoSaveDlg"));
  auto* group = new QGroupBox(text("TAutoSaveDlg.Group"), this);
  auto* grid = new QGridLayout(group);
  on_ = new QCheckBox(group);
  on_->setObjectName("RB_AutoSave");
  explanation_ = new QLabel(text("Label1"), group);
  explanation_->setObjectName("Label1");
  explanation_->installEventFilter(this);
  intervalLabel_ = new QLabel(text("L_Zyklus"), group);
  intervalLabel_->setObjectName("L_Zyklus");
  interval_ = new QSpinBox(group);
  interval_->setObjectName("SE_Zyklus");
  interval_->setRange(1, 60);
  interval_->setSuffix(text("SE_Zyklus.Unit"));
  grid->addWidget(on_, 0, 0);
  grid->addWidget(explanation_, 0, 1, 1, 2);
  grid->addWidget(intervalLabel_, 1, 1);
  grid->addWidget(interval_, 1, 2);

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this,
          [this] { emit helpRequested(kHelpAutoSave); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(buttons);

  on_->setChecked(enabled);
  // Whole minutes, as the window has always shown them; the spin box keeps them within 1 to 60.
  interval_->setValue(intervalMs / kMinute);
  connect(on_, &QCheckBox::toggled, this, &TAutoSaveDlg::refreshEnabled);
  refreshEnabled();
}

bool TAutoSaveDlg::enabled() const {
  return on_->isChecked();
}

int TAutoSaveDlg::intervalMs() const {
  return interval_->value() * kMinute;
}

bool TAutoSaveDlg::eventFilter(QObject* watched, QEvent* e) {
  if (watched == explanation_ && e->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
    on_->toggle();
    return true;
  }
  return QDialog::eventFilter(watched, e);
}

void TAutoSaveDlg::refreshEnabled() {
  intervalLabel_->setEnabled(on_->isChecked());
  interval_->setEnabled(on_->isChecked());
}

}  // namespace trazello
