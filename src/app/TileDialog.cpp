#include "TileDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <tuple>

#include "TUnitSpinEdit.h"

namespace trazello {

namespace {

QString text(const char* name, Language language) {
  return QString::fromStdString(caption(std::string("TKachel2Dlg.") + name, language));
}

QSpinBox* countBox(const char* name, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setRange(1, 99);
  box->setValue(2);
  return box;
}

}  // namespace

TileDialog::TileDialog(Language language, QWidget* parent) : QDialog(parent) {
  setObjectName("TKachel2Dlg");
  setWindowTitle(text("Title", language));
  auto* layout = new QVBoxLayout(this);

  auto* distance = new QGroupBox(text("Distance", language), this);
  auto* df = new QFormLayout(distance);
  for (auto [edit, name, label] :
       {std::tuple{&dx_, "SE_dX", "X-Distance"}, std::tuple{&dy_, "SE_dY", "Y-Distance"}}) {
    *edit = new TUnitSpinEdit(distance);
    (*edit)->setObjectName(name);
    (*edit)->setMin(-299.99);
    (*edit)->setMax(299.99);
    (*edit)->setDecimals(2);
    (*edit)->setStep(0.01);
    (*edit)->setWithUnit(true);
    (*edit)->setValue(10);
    df->addRow(text(label, language), *edit);
  }
  layout->addWidget(distance);

  auto* number = new QGroupBox(text("Number", language), this);
  auto* grid = new QGridLayout(number);
  tile_ = new QRadioButton(text("RB_Kacheln", language), number);
  tile_->setObjectName("RB_Kacheln");
  row_ = new QRadioButton(text("RB_Reihe", language), number);
  row_->setObjectName("RB_Reihe");
  tile_->setChecked(true);
  columns_ = countBox("SE_X", number);
  rows_ = countBox("SE_Y", number);
  count_ = countBox("SE_Reihe", number);
  auto* xLabel = new QLabel("X:", number);
  auto* yLabel = new QLabel("Y:", number);
  grid->addWidget(tile_, 0, 0);
  grid->addWidget(squares(4, 3, tileSquares_), 0, 1, 2, 1);
  grid->addWidget(xLabel, 0, 2);
  grid->addWidget(columns_, 0, 3);
  grid->addWidget(yLabel, 1, 2);
  grid->addWidget(rows_, 1, 3);
  grid->addWidget(row_, 2, 0);
  grid->addWidget(squares(4, 1, rowSquares_), 2, 1);
  grid->addWidget(count_, 2, 3);
  tileParts_ = {columns_, rows_, xLabel, yLabel};
  rowParts_ = {count_};
  layout->addWidget(number);
  connect(tile_, &QRadioButton::toggled, this, &TileDialog::refreshEnabled);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("OKBtn");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelBtn");
  buttons->button(QDialogButtonBox::Cancel)->setText(text("CancelBtn", language));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  refreshEnabled();
}

QWidget* TileDialog::squares(int columns, int rows, QList<QFrame*>& into) {
  auto* holder = new QWidget(this);
  auto* grid = new QGridLayout(holder);
  grid->setSpacing(2);
  grid->setContentsMargins(0, 0, 0, 0);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      auto* square = new QFrame(holder);
      square->setFrameShape(QFrame::Box);
      square->setFixedSize(10, 10);
      grid->addWidget(square, r, c);
      into.push_back(square);
    }
  }
  return holder;
}

void TileDialog::refreshEnabled() {
  const bool tile = tile_->isChecked();
  for (QWidget* w : tileParts_) w->setEnabled(tile);
  for (QFrame* f : tileSquares_) f->setEnabled(tile);
  for (QWidget* w : rowParts_) w->setEnabled(!tile);
  for (QFrame* f : rowSquares_) f->setEnabled(!tile);
}

void TileDialog::setValues(const TileValues& v) {
  dx_->setValue(v.dxMm);
  dy_->setValue(v.dyMm);
  (v.row ? row_ : tile_)->setChecked(true);
  columns_->setValue(v.columns);
  rows_->setValue(v.rows);
  count_->setValue(v.count);
  refreshEnabled();
}

TileValues TileDialog::values() const {
  TileValues v;
  v.dxMm = dx_->value();
  v.dyMm = dy_->value();
  v.row = row_->isChecked();
  v.columns = columns_->value();
  v.rows = rows_->value();
  v.count = count_->value();
  return v;
}

void TileDialog::setMil(bool on) {
  dx_->setMil(on);
  dy_->setMil(on);
}

std::optional<TileValues> TileDialog::ask() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return values();
}

}  // namespace trazello
