#include "PolygonSpiralDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "DialogButtons.h"
#include "TUnitSpinEdit.h"

namespace trazello {

namespace {

QString text(const char* name, Language language) {
  return QString::fromStdString(caption(std::string("VielEckDlg.") + name, language));
}

}  // namespace

PolygonSpiralDialog::PolygonSpiralDialog(Language language, QWidget* parent) : QDialog(parent) {
  setObjectName("VielEckDlg");
  setWindowTitle(QString::fromStdString(caption("VielEckDlg", language)));
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  layout->addWidget(pages_);

  auto* polygon = new QWidget(pages_);
  polygon->setObjectName("TS_Vieleck");
  auto* pf = new QFormLayout(polygon);
  corners_ = new QSpinBox(polygon);
  corners_->setObjectName("SE_Ecken");
  corners_->setRange(1, 99);
  corners_->setValue(6);
  radius_ = length("SE_Radius", 1, 149.9, 12.0, 1);
  lineWidth_ = length("SE_Linienbreite", 0, 99.99, 0.40, 2);
  offset_ = new QDoubleSpinBox(polygon);
  offset_->setObjectName("SE_Winkeloffset");
  offset_->setRange(-180, 180);
  offset_->setDecimals(1);
  filled_ = new QCheckBox(text("CB_Gefuellt", language), polygon);
  filled_->setObjectName("CB_Gefuellt");
  pf->addRow(text("SE_Ecken", language), corners_);
  pf->addRow(text("SE_Radius", language), radius_);
  pf->addRow(text("SE_Linienbreite", language), lineWidth_);
  pf->addRow(text("SE_Winkeloffset", language), offset_);
  pf->addRow(filled_);
  pages_->addTab(polygon, text("TS_Vieleck", language));

  auto* spiral = new QWidget(pages_);
  spiral->setObjectName("TS_Spirale");
  auto* sf = new QFormLayout(spiral);
  start_ = length("SE_Spirale_Startradius", 0.1, 149.9, 2.0, 1);
  distance_ = length("SE_Spirale_Abstand", 0.1, 99.9, 2.0, 1);
  trackWidth_ = length("SE_Spirale_Linienbreite", 0, 99.99, 0.40, 2);
  turns_ = new QDoubleSpinBox(spiral);
  turns_->setObjectName("SE_Spirale_Umdrehungen");
  turns_->setRange(1, 99.9);
  turns_->setDecimals(1);
  turns_->setValue(6.0);
  sf->addRow(text("SE_Spirale_Startradius", language), start_);
  sf->addRow(text("SE_Spirale_Abstand", language), distance_);
  sf->addRow(text("SE_Spirale_Linienbreite", language), trackWidth_);
  sf->addRow(text("SE_Spirale_Umdrehungen", language), turns_);
  pages_->addTab(spiral, text("TS_Spirale", language));

  layout->addWidget(okCancelHelpButtons(
      this, QStringLiteral("OK"),
      QString::fromStdString(caption("VielEckDlg.CancelBtn", language)), language, [this] {
        if (help_) help_();
      }));
}

TUnitSpinEdit* PolygonSpiralDialog::length(const char* name, double min, double max, double value,
                                           int decimals) {
  auto* e = new TUnitSpinEdit(this);
  e->setObjectName(name);
  e->setMin(min);
  e->setMax(max);
  e->setDecimals(decimals);
  e->setStep(decimals == 1 ? 0.1 : 0.01);
  e->setWithUnit(true);
  e->setValue(value);
  return e;
}

void PolygonSpiralDialog::setMil(bool on) {
  for (TUnitSpinEdit* e : {radius_, lineWidth_, start_, distance_, trackWidth_}) e->setMil(on);
}

void PolygonSpiralDialog::setValues(const PolygonSpiralValues& v) {
  pages_->setCurrentIndex(v.shape == PolygonSpiralValues::Shape::Spiral ? 1 : 0);
  corners_->setValue(v.corners);
  radius_->setValue(v.radiusMm);
  lineWidth_->setValue(v.lineWidthMm);
  offset_->setValue(v.angleOffset);
  filled_->setChecked(v.filled);
  start_->setValue(v.spiralStartMm);
  distance_->setValue(v.spiralDistanceMm);
  trackWidth_->setValue(v.spiralWidthMm);
  turns_->setValue(v.turns);
}

PolygonSpiralValues PolygonSpiralDialog::values() const {
  PolygonSpiralValues v;
  v.shape = pages_->currentIndex() == 1 ? PolygonSpiralValues::Shape::Spiral
                                        : PolygonSpiralValues::Shape::Polygon;
  v.corners = corners_->value();
  v.radiusMm = radius_->value();
  v.lineWidthMm = lineWidth_->value();
  v.angleOffset = offset_->value();
  v.filled = filled_->isChecked();
  v.spiralStartMm = start_->value();
  v.spiralDistanceMm = distance_->value();
  v.spiralWidthMm = trackWidth_->value();
  v.turns = turns_->value();
  return v;
}

std::optional<PolygonSpiralValues> PolygonSpiralDialog::ask() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return values();
}

}  // namespace trazello
