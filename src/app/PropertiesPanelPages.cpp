// The pages of the properties panel for single elements, and what they show beside the fields.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <cmath>

#include "PropertiesPanel.h"
#include "TUnitSpinEdit.h"
#include "files/TextEncoding.h"
#include "model/Layer.h"
#include "view/NumberFormat.h"

namespace trazello {

namespace {

// The buttons of the eight spoke directions, clockwise from up, around the pad in the middle.
constexpr int kSpokeCell[8][2] = {{0, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1}, {2, 0}, {1, 0}, {0, 0}};

QString spokeButtonStyle() {
  // Black: the spoke is there; white: it is not.
  return "QToolButton { background: white; border: 1px solid gray; }"
         "QToolButton:checked { background: black; }";
}

}  // namespace

QToolButton* PropertiesPanel::menuButton(const char* name) {
  auto* b = new QToolButton(this);
  b->setObjectName(name);
  b->setPopupMode(QToolButton::InstantPopup);
  b->setArrowType(Qt::DownArrow);
  return b;
}

void PropertiesPanel::setPadMenus(QMenu* shapes, QMenu* padSizes, QMenu* smdSizes,
                                  QAction* plating) {
  menuButtons_[0]->setMenu(shapes);
  menuButtons_[1]->setMenu(padSizes);
  menuButtons_[2]->setMenu(smdSizes);
  plating_ = plating;
}

QWidget* PropertiesPanel::spokePanel(Page page, const char* prefix, QSlider** width,
                                     QLabel** label) {
  auto* panel = new QWidget(notebook_->widget(page));
  panel->setObjectName(page == PadPage ? "Panel_TH" : "Panel_SMD_TH");
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  std::array<QToolButton*, 8> buttons{};
  for (int k = 0; k < 8; ++k) {
    auto* b = new QToolButton(panel);
    b->setObjectName(QString("%1%2").arg(prefix).arg(k + 1));
    b->setCheckable(true);
    b->setFixedSize(14, 14);
    b->setStyleSheet(spokeButtonStyle());
    grid->addWidget(b, kSpokeCell[k][0], kSpokeCell[k][1]);
    buttons[static_cast<size_t>(k)] = b;
  }
  auto mask = [buttons] {
    int m = 0;
    for (int k = 0; k < 8; ++k) m |= buttons[static_cast<size_t>(k)]->isChecked() ? 1 << k : 0;
    return m;
  };
  for (QToolButton* b : buttons) {
    connect(b, &QToolButton::clicked, this, [this, mask, panel] {
      apply(Property::SpokeButtons, PropertyValue{double(mask()), {}}, panel, false);
    });
  }
  bind(page, Property::SpokeButtons, panel, [buttons](const PropertyValue& v) {
    for (int k = 0; k < 8; ++k)
      buttons[static_cast<size_t>(k)]->setChecked((static_cast<int>(v.number) >> k) & 1);
  });
  *width = new QSlider(Qt::Horizontal, panel);
  (*width)->setObjectName(page == PadPage ? "TB_ThermalWidth" : "TB_SMD_ThermalWidth");
  (*width)->setRange(50, 300);
  (*width)->installEventFilter(this);
  QSlider* slider = *width;
  connect(slider, &QSlider::valueChanged, this, [this, slider](int v) {
    apply(Property::SpokeWidth, PropertyValue{double(v), {}}, slider, true);
  });
  bind(page, Property::SpokeWidth, slider,
       [slider](const PropertyValue& v) { slider->setValue(static_cast<int>(v.number)); });
  *label = new QLabel(panel);
  (*label)->setObjectName(page == PadPage ? "L_THWidth" : "L_SMD_THWidth");
  grid->addWidget(slider, 0, 3, 1, 2);
  grid->addWidget(*label, 1, 3, 1, 2);
  return panel;
}

void PropertiesPanel::buildPadPage() {
  QFormLayout* form = nullptr;
  QWidget* page = newPage(PadPage, &form);
  form->addRow(text("Prop.Centre"), centreRow(PadPage, "SE_PadX", "SE_PadY"));
  form->addRow(text("Prop.Diameter"),
               lengthField(PadPage, Property::PadOuter, "SE_Aussen", 0.05, 99.99));
  form->addRow(text("Prop.Drill"), lengthField(PadPage, Property::PadDrill, "SE_Innen", 0, 99.99));
  auto* shape = new QWidget(page);
  auto* row = new QHBoxLayout(shape);
  row->setContentsMargins(0, 0, 0, 0);
  menuButtons_[0] = menuButton("SB_LAForm");
  menuButtons_[1] = menuButton("SB_LoetaugenContainer");
  row->addWidget(menuButtons_[0]);
  row->addWidget(menuButtons_[1]);
  row->addStretch(1);
  form->addRow(text("Prop.Shape"), shape);
  // Through-plating goes through the window's command, which also sets it for new pads.
  via_ = new QCheckBox(text("CB_Via"), page);
  via_->setObjectName("CB_Via");
  connect(via_, &QCheckBox::clicked, this, [this](bool on) {
    if (!plating_ || filling_) return;
    if (plating_->isChecked() == on) plating_->setChecked(!on);
    plating_->trigger();
  });
  form->addRow(via_);
  thermal_[0] = checkBox(PadPage, Property::Thermal, "CB_ThermalPad", "Prop.Thermal");
  form->addRow(thermal_[0]);
  QSlider* width = nullptr;
  spokes_[0] = spokePanel(PadPage, "SB_TH", &width, &spokeLabels_[0]);
  form->addRow(spokes_[0]);
}

void PropertiesPanel::buildSmdPage() {
  QFormLayout* form = nullptr;
  newPage(SmdPage, &form);
  form->addRow(text("Prop.Centre"), centreRow(SmdPage, "SE_SMDX", "SE_SMDY"));
  form->addRow("X:", lengthField(SmdPage, Property::SmdSizeX, "SE_SMDPad_X", 0.05, 99.99));
  form->addRow("Y:", lengthField(SmdPage, Property::SmdSizeY, "SE_SMDPad_Y", 0.05, 99.99));
  menuButtons_[2] = menuButton("SB_SMDContainer");
  form->addRow(menuButtons_[2]);
  thermal_[1] = checkBox(SmdPage, Property::Thermal, "CB_SMD_ThermalPad", "Prop.Thermal");
  form->addRow(thermal_[1]);
  QSlider* width = nullptr;
  spokes_[1] = spokePanel(SmdPage, "SB_SMD_TH", &width, &spokeLabels_[1]);
  form->addRow(spokes_[1]);
}

void PropertiesPanel::buildTrackPage() {
  QFormLayout* form = nullptr;
  QWidget* page = newPage(TrackPage, &form);
  form->addRow(text("Prop.Width"), lengthField(TrackPage, Property::Width, "SE_Breite1", 0, 99.99));
  length_ = new QLabel(page);
  length_->setObjectName("L_Laenge");
  form->addRow(text("Prop.Length"), length_);
  trackNodes_ = new QLabel(page);
  trackNodes_->setObjectName("L_KnotenAnz");
  form->addRow(text("Prop.Nodes"), trackNodes_);
  capacity_ = new QLabel(page);
  capacity_->setObjectName("L_IMax");
  capacityButton_ = new QToolButton(page);
  capacityButton_->setObjectName("SB_Imax");
  capacityButton_->setAutoRaise(true);
  connect(capacityButton_, &QToolButton::clicked, this,
          &PropertiesPanel::capacitySettingsRequested);
  auto* row = new QWidget(page);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, 0, 0, 0);
  line->addWidget(capacity_);
  line->addWidget(capacityButton_);
  line->addStretch(1);
  form->addRow("Imax:", row);
  keepOut_[0] = checkBox(TrackPage, Property::KeepOut, "CB_TrackSperrflaeche", "Prop.KeepOut");
  form->addRow(keepOut_[0]);
}

void PropertiesPanel::buildZonePage() {
  QFormLayout* form = nullptr;
  QWidget* page = newPage(ZonePage, &form);
  auto* outline = new QGroupBox(text("Prop.Outline"), page);
  auto* outlineForm = new QFormLayout(outline);
  outlineForm->addRow(text("Prop.Width"),
                      lengthField(ZonePage, Property::Width, "SE_Breite2", 0, 99.99));
  zoneNodes_ = new QLabel(outline);
  zoneNodes_->setObjectName("L_KnotenAnz2");
  outlineForm->addRow(text("Prop.Nodes"), zoneNodes_);
  form->addRow(outline);
  hatched_ = checkBox(ZonePage, Property::Hatched, "CB_Hatch", "CB_Hatch");
  form->addRow(hatched_);
  auto* pitchBox = new QWidget(page);
  // Id 1 is "outline" (HatchAsOutline set), id 0 "self-defined".
  pitchChoice_ =
      choice(ZonePage, Property::HatchAsOutline, pitchBox,
             {{"RB_HatchRaster", "RB_HatchRaster"}, {"RB_Aussenlinie", "RB_Aussenlinie"}});
  form->addRow(pitchBox);
  pitch_ = lengthField(ZonePage, Property::HatchPitch, "SE_HatchRaster", 0, 99.99);
  form->addRow(pitch_);
  keepOut_[1] = checkBox(ZonePage, Property::KeepOut, "CB_Sperrflaeche", "Prop.KeepOut");
  form->addRow(keepOut_[1]);
}

void PropertiesPanel::buildTextPage() {
  QFormLayout* form = nullptr;
  QWidget* page = newPage(TextPage, &form);
  auto* edit = new QLineEdit(page);
  edit->setObjectName("E_Text");
  edit->setMaxLength(255);
  edit->installEventFilter(this);
  connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& s) {
    apply(Property::Text, PropertyValue{0, utf8ToCp1252(s.toStdString())}, edit, true);
  });
  bind(TextPage, Property::Text, edit, [edit](const PropertyValue& v) {
    edit->setText(QString::fromStdString(cp1252ToUtf8(v.text)));
  });
  form->addRow(edit);
  form->addRow(text("Prop.TextHeight"),
               lengthField(TextPage, Property::TextHeight, "SE_Hoehe", 0.1, 99.99, 1));
  auto* thickness = new QGroupBox(text("Prop.Thickness"), page);
  choice(TextPage, Property::TextThickness, thickness,
         {{"RB_Duenn", "RB_Duenn"}, {"RB_Normal", "RB_Normal"}, {"RB_Dick", "RB_Dick"}});
  auto* style = new QGroupBox(text("Prop.Style"), page);
  choice(TextPage, Property::TextWidth, style,
         {{"RB_Stil_Eng", "RB_Stil_Eng"},
          {"RB_Stil_Normal", "RB_Stil_Normal"},
          {"RB_Stil_Weit", "RB_Stil_Weit"}});
  auto* styles = new QWidget(page);
  auto* row = new QHBoxLayout(styles);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(thickness);
  row->addWidget(style);
  form->addRow(styles);
  auto* mirror = new QGroupBox(text("Prop.Mirror"), page);
  auto* mirrorRow = new QHBoxLayout(mirror);
  mirrorRow->addWidget(checkBox(TextPage, Property::MirrorH, "CB_Horz", "CB_Horz"));
  mirrorRow->addWidget(checkBox(TextPage, Property::MirrorV, "CB_Vert", "CB_Vert"));
  form->addRow(mirror);
  auto* angle = new QGroupBox(text("Prop.Angle"), page);
  auto* angleRow = new QHBoxLayout(angle);
  QSpinBox* degrees = angleField(TextPage, Property::Angle, "SE_Winkel");
  angleRow->addWidget(degrees);
  for (int a : {0, 90, 180, 270}) {
    auto* quick = new QPushButton(QString::number(a), angle);
    quick->setObjectName(QString("B_W%1").arg(a));
    quick->setFixedWidth(32);
    connect(quick, &QPushButton::clicked, this, [this, a, quick] {
      apply(Property::Angle, PropertyValue{double(a), {}}, quick, false);
    });
    angleRow->addWidget(quick);
  }
  form->addRow(angle);
  keepOut_[2] = checkBox(TextPage, Property::KeepOut, "CB_TextSperrflaeche", "Prop.KeepOut");
  form->addRow(keepOut_[2]);
}

void PropertiesPanel::buildCirclePage() {
  QFormLayout* form = nullptr;
  QWidget* page = newPage(CirclePage, &form);
  form->addRow(text("Prop.Centre"), centreRow(CirclePage, "SE_RingX", "SE_RingY"));
  form->addRow(text("Prop.TrackWidth"),
               lengthField(CirclePage, Property::Width, "SE_Breite3", 0, 99.99));
  form->addRow(text("Prop.Diameter"),
               lengthField(CirclePage, Property::Diameter, "SE_Durchmesser", 0.01, 500));
  form->addRow(text("Prop.StartAngle"),
               angleField(CirclePage, Property::StartAngle, "SE_StartWinkel"));
  form->addRow(text("Prop.StopAngle"),
               angleField(CirclePage, Property::StopAngle, "SE_StopWinkel"));
  form->addRow(checkBox(CirclePage, Property::Filled, "CB_Fuellung", "CB_Fuellung"));
  filledNote_ = new QLabel(text("L_Fuellung"), page);
  filledNote_->setObjectName("L_Fuellung");
  filledNote_->setWordWrap(true);
  form->addRow(filledNote_);
  keepOut_[3] = checkBox(CirclePage, Property::KeepOut, "CB_RingSperrflaeche", "Prop.KeepOut");
  form->addRow(keepOut_[3]);
  auto* note = new QLabel(text("Prop.ArcNote"), page);
  note->setWordWrap(true);
  form->addRow(note);
}

void PropertiesPanel::enableControls(const TObjekt& e) {
  const bool planeBoxes = groundPlaneBoxesEnabled(e, doc_.working());
  for (QCheckBox* box : keepOut_) box->setEnabled(planeBoxes);
  for (size_t i = 0; i < 2; ++i) {
    thermal_[i]->setEnabled(planeBoxes);
    // The spokes are edited only where they show.
    spokes_[i]->setVisible(planeBoxes && thermal_[i]->isChecked());
  }
  via_->setEnabled(isCopperLayer(e.Layer));
  via_->setChecked(e.Plated != 0);
  // Hatching is for copper zones, not cutouts; a pitch of its own only when chosen.
  const bool hatchable = !e.KeepOut;
  hatched_->setEnabled(hatchable);
  for (QAbstractButton* b : pitchChoice_->buttons()) b->setEnabled(hatchable && e.Hatched());
  pitch_->setEnabled(hatchable && e.Hatched() && !e.HatchAsOutline());
  filledNote_->setEnabled(e.Filled != 0);
}

void PropertiesPanel::fillLabels(const TObjekt& e, const std::optional<Drawing>& drawing) {
  const QString mm = " " + text("UnitMm"), mil = " " + text("UnitMil");
  auto millimetres = [&](double hundredths) {
    if (mil_) return QString::number(std::round(hundredths * 39.37 / 10) / 10) + mil;
    return QString::fromStdString(formatGeneral(hundredths / 100, 8)) + mm;
  };
  if (e.isPadLike()) {
    spokeLabels_[e.is(ElementKind::SmdPad) ? 1 : 0]->setText(millimetres(spokeWidthMm(e) * 100));
  }
  if (e.is(ElementKind::Track)) {
    const double length = trackLength(e, drawing ? drawing->rubber : std::vector<Point>{});
    length_->setText(mil_ ? QString::number(std::lround(length * 39.37 / 100)) + mil
                          : QString::fromStdString(formatGeneral(std::lround(length) / 100.0, 8)) +
                                mm);
    trackNodes_->setText(QString::number(e.Points.size()));
    const double amps = currentCapacity(e.Width / 100.0, copperMicrons_ / 1000.0, riseKelvin_);
    capacity_->setText(QString::number(amps, 'g', 3) + " A");
    capacityButton_->setText(
        QString::fromUtf8(" * (%1µ / %2°)").arg(copperMicrons_).arg(riseKelvin_));
  }
  if (e.is(ElementKind::Zone)) zoneNodes_->setText(QString::number(e.Points.size()));
}

}  // namespace trazello
