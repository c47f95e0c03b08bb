#include "LayerPanel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QPainter>
#include <QRadioButton>
#include <QToolButton>

#include "model/Layer.h"
#include "view/Canvas.h"

namespace trazello {

namespace {

constexpr int kGlyph = 16;
const char* const kVisibleNames[] = {"",      "SB_K1", "SB_B1", "SB_K2",
                                     "SB_B2", "SB_I1", "SB_I2", "SB_U"};
const char* const kActiveNames[] = {"",      "RB_K1", "RB_B1", "RB_K2",
                                    "RB_B2", "RB_I1", "RB_I2", "RB_U"};
// The Russian window names the layers by its own abbreviations: copper "М", silk "К", inner
// "В", outline "Ф".
const char* const kRussian[] = {"", "М1", "К1", "М2", "К2", "В1", "В2", "Ф"};
const char* const kLatin[] = {"", "C1", "S1", "C2", "S2", "I1", "I2", "O"};

}  // namespace

QString LayerPanel::label(uint8_t layerCode, Language language) {
  if (layerCode < layer::C1 || layerCode > layer::O) return {};
  return QString::fromUtf8(language == Language::Russian ? kRussian[layerCode] : kLatin[layerCode]);
}

QImage LayerPanel::glyph(const QString& text, QColor colour, QColor background, bool hidden,
                         const QFont& font) {
  QImage img(kGlyph, kGlyph, QImage::Format_RGB32);
  img.fill(background);
  QPainter p(&img);
  QFont bold = font;
  bold.setBold(true);
  bold.setPixelSize(11);
  p.setFont(bold);
  p.setPen(colour);
  const int textWidth = p.fontMetrics().horizontalAdvance(text);
  p.drawText(QRect((kGlyph - textWidth) / 2, 1, textWidth + 2, kGlyph - 1),
             Qt::AlignLeft | Qt::AlignVCenter, text);
  if (hidden) {
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(1, 14, 15, 0);
  }
  return img;
}

LayerPanel::LayerPanel(Language language, QWidget* parent) : QWidget(parent), language_(language) {
  setObjectName("P_LayerBK");
  setAutoFillBackground(true);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(3, 1, 3, 1);
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(0);
  group_ = new QButtonGroup(this);
  for (uint8_t l = layer::C1; l <= layer::O; ++l) {
    const QString name = label(l, language);
    auto* button = new QToolButton(this);
    button->setObjectName(kVisibleNames[l]);
    button->setIconSize(QSize(kGlyph, kGlyph));
    button->setAutoRaise(true);
    button->setToolTip(QString("%1 (F%2)").arg(name).arg(l + 4));
    button->setStatusTip(button->toolTip());
    connect(button, &QToolButton::clicked, this, [this, l] { emit visibilityClicked(l); });
    auto* radio = new QRadioButton(this);
    radio->setObjectName(kActiveNames[l]);
    radio->setToolTip(l <= layer::S2 ? QString("%1 (F%2)").arg(name).arg(l) : name);
    radio->setStatusTip(radio->toolTip());
    group_->addButton(radio, l);
    connect(radio, &QRadioButton::clicked, this, [this, l] { emit activeClicked(l); });
    grid->addWidget(button, 0, l - 1, Qt::AlignHCenter);
    grid->addWidget(radio, 1, l - 1, Qt::AlignHCenter);
    visible_[l] = button;
    active_[l] = radio;
  }
  info_ = new QToolButton(this);
  info_->setObjectName("SB_LayerInfo");
  info_->setText("?");
  info_->setAutoRaise(true);
  connect(info_, &QToolButton::clicked, this, &LayerPanel::infoClicked);
  grid->addWidget(info_, 0, 7, 2, 1, Qt::AlignVCenter);
}

void LayerPanel::refresh(const BoardSettings& board, const ColourScheme& scheme) {
  const QColor background = toQColor(scheme[SchemeSlot::Background]);
  QPalette pal = palette();
  // A toolbar gives the widgets it holds the button role as background; both roles take the
  // scheme's background so the panel shows it wherever it sits.
  const QColor text = qGray(background.rgb()) < 128 ? Qt::white : Qt::black;
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
    pal.setColor(role, background);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
    pal.setColor(role, text);
  setPalette(pal);
  info_->setPalette(pal);
  for (uint8_t l = layer::C1; l <= layer::O; ++l) {
    const bool inner = l == layer::I1 || l == layer::I2;
    const bool shown = !inner || board.multilayer;
    const bool hidden = board.visible[l] == 0;
    visible_[l]->setVisible(shown);
    active_[l]->setVisible(shown);
    visible_[l]->setIcon(QIcon(QPixmap::fromImage(
        glyph(label(l, language_), toQColor(scheme.layerColour(l)), background, hidden, font()))));
    active_[l]->setChecked(board.activeLayer == l);
    // Each radio button is filled with its layer's colour, so the active layer reads at a glance.
    const QColor colour = toQColor(scheme.layerColour(l));
    QPalette radio = pal;
    radio.setColor(QPalette::Base, colour);
    radio.setColor(QPalette::Text, qGray(colour.rgb()) < 128 ? Qt::white : Qt::black);
    active_[l]->setPalette(radio);
  }
}

}  // namespace trazello
