#include "LayerInfoDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include "ContextHelp.h"

namespace trazello {

namespace {

QColor qcolor(ColorRef c) {
  return QColor(redOf(c), greenOf(c), blueOf(c));
}

struct Band {
  SchemeSlot slot;
  const char* ru;
  const char* other;
  int thickness;
};

// Side 1 on top, the inner copper between, side 2 below; silk screens thicker than copper so
// that the two kinds are told apart at a glance.
constexpr Band kStack[] = {
    {SchemeSlot::S1, "К1", "S1", 8}, {SchemeSlot::C1, "М1", "C1", 5},
    {SchemeSlot::I1, "В1", "I1", 5}, {SchemeSlot::I2, "В2", "I2", 5},
    {SchemeSlot::C2, "М2", "C2", 5}, {SchemeSlot::S2, "К2", "S2", 8},
};

QPixmap stackPicture(const ColourScheme& scheme, Language language) {
  constexpr int kWidth = 280, kRow = 34, kLeft = 60;
  QPixmap picture(kWidth, kRow * 6 + 20);
  picture.fill(qcolor(scheme[SchemeSlot::Background]));
  QPainter p(&picture);
  QFont font = p.font();
  font.setBold(true);
  p.setFont(font);
  const QColor substrate = qcolor(scheme[SchemeSlot::Grid]);
  p.fillRect(QRect(kLeft, kRow + 20, kWidth - kLeft - 10, kRow * 3 + 5), substrate);
  int y = 10;
  for (const Band& b : kStack) {
    const QColor c = qcolor(scheme[b.slot]);
    p.fillRect(QRect(kLeft, y + kRow / 2 - b.thickness / 2, kWidth - kLeft - 10, b.thickness), c);
    p.setPen(c);
    p.drawText(QRect(8, y, kLeft - 16, kRow), Qt::AlignVCenter | Qt::AlignLeft,
               QString::fromUtf8(language == Language::Russian ? b.ru : b.other));
    p.drawLine(kLeft - 10, y + kRow / 2, kLeft, y + kRow / 2);
    y += kRow;
  }
  return picture;
}

}  // namespace

LayerInfoDialog::LayerInfoDialog(const ColourScheme& scheme, Language language, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QString::fromStdString(caption("LayerInfo", language)));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  auto* picture = new QLabel(this);
  picture->setObjectName("LayerStack");
  picture->setPixmap(stackPicture(scheme, language));
  layout->addWidget(picture);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this,
          [this] { emit helpRequested(kHelpLayerInfo); });
  layout->addWidget(buttons);
}

}  // namespace trazello
