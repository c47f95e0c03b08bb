#include "ExportDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "DialogButtons.h"
#include "MessageBoxes.h"

namespace trazello {

ExportDialog::ExportDialog(const TExportDlg& initial, Language language, QWidget* parent)
    : QDialog(parent), language_(language), state_(initial) {
  setObjectName("TExportDlg");
  setWindowTitle(QString::fromUtf8(state_.caption(static_cast<int>(language_))));
  auto* layout = new QVBoxLayout(this);

  auto* resolution = new QGroupBox(text("GB_Aufloesung"), this);
  resolution->setObjectName("GB_Aufloesung");
  auto* column = new QVBoxLayout(resolution);
  slider_ = new QSlider(Qt::Horizontal, resolution);
  slider_->setObjectName("TrackBar");
  slider_->setRange(TExportDlg::kMinDpi, TExportDlg::kMaxDpi);
  slider_->setTickInterval(TExportDlg::kTickDpi);
  slider_->setTickPosition(QSlider::TicksBelow);
  slider_->setSingleStep(1);
  slider_->setPageStep(TExportDlg::kTickDpi);
  slider_->setMinimumWidth(320);
  slider_->setValue(state_.dpi());
  column->addWidget(slider_);
  auto* form = new QFormLayout;
  original_ = label("L_Original");
  dpi_ = label("L_dpi");
  pixels_ = label("L_Pixel");
  memory_ = label("L_Speicher");
  form->addRow(text("L_GroesseCaption"), original_);
  form->addRow(text("GB_Aufloesung") + ":", dpi_);
  form->addRow(text("L_PixelCaption"), pixels_);
  form->addRow(text("L_SpeicherCaption"), memory_);
  column->addLayout(form);
  layout->addWidget(resolution);

  auto* colours = new QGroupBox(this);
  auto* radios = new QVBoxLayout(colours);
  auto* group = new QButtonGroup(colours);
  mono_ = new QRadioButton(text("RB_SW"), colours);
  mono_->setObjectName("RB_SW");
  colour_ = new QRadioButton(text("RB_Farbe"), colours);
  colour_->setObjectName("RB_Farbe");
  for (QRadioButton* b : {mono_, colour_}) {
    group->addButton(b);
    radios->addWidget(b);
  }
  (state_.monochrome() ? mono_ : colour_)->setChecked(true);
  mono_->setEnabled(state_.monochromeAllowed());
  layout->addWidget(colours);

  layout->addWidget(okCancelHelpButtons(this, text("OKBtn"), text("CancelBtn"), language_,
                                       [this] { emit helpRequested(state_.helpContext()); }));
  connect(slider_, &QSlider::valueChanged, this, [this](int dpi) {
    state_.setDpi(dpi);
    refresh();
  });
  connect(mono_, &QRadioButton::toggled, this, [this](bool on) {
    state_.setMonochrome(on);
    refresh();
  });
  refresh();
}

QString ExportDialog::text(std::string_view control) const {
  return QString::fromUtf8(captionOf(TExportDlg::captions(), control, static_cast<int>(language_)));
}

QLabel* ExportDialog::label(const char* name) {
  auto* l = new QLabel(this);
  l->setObjectName(name);
  return l;
}

void ExportDialog::refresh() {
  original_->setText(QString::fromStdString(state_.originalText(static_cast<int>(language_))));
  dpi_->setText(QString::fromStdString(state_.dpiText()));
  pixels_->setText(QString::fromStdString(state_.pixelText()));
  memory_->setText(QString::fromStdString(state_.memoryText()));
}

void ExportDialog::accept() {
  if (state_.needsLargeBitmapQuestion()) {
    const Message question{MessageKind::Warning, MessageId::LargeBitmapQuestion, {}};
    if (showMessage(this, question, language_) != QMessageBox::Ok) return;
  }
  QDialog::accept();
}

}  // namespace trazello
