#include "TBohrInfoDlg.h"

namespace trazello {

namespace {

constexpr ControlCaption kCaptions[] = {
    {"TBohrInfoDlg", {{"Отверстия", "Drillings", "Perçages"}}},
    {"CB_Bohrungen", {{"Простые отверстия", "Simple drillings", "Perçages simples"}}},
    {"CB_Vias", {{"Сквозные площадки", "Through-Hole pads", "Pastilles traversantes"}}},
    {"Button1", {{"В &буфер обмена...", "Clip&board...", "Presse-&papiers..."}}},
};

}  // namespace

TBohrInfoDlg::TBohrInfoDlg(const ElementList& elements, DrillListStyle style)
    : elements_(elements), style_(style) {
  fill();
}

void TBohrInfoDlg::CB_BohrungenClick(bool checked) {
  filter_.unplated = checked;
  fill();
}

void TBohrInfoDlg::CB_ViasClick(bool checked) {
  filter_.plated = checked;
  fill();
}

void TBohrInfoDlg::fill() {
  lines_ = drillListLines(elements_, filter_, style_);
}

std::string TBohrInfoDlg::memoText() const {
  std::string text;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines_[i];
  }
  return text;
}

Message TBohrInfoDlg::clipboardMessage() {
  return {MessageKind::Information, MessageId::TextInClipboard, {}, "Trazello"};
}

std::span<const ControlCaption> TBohrInfoDlg::captions() {
  return kCaptions;
}

}  // namespace trazello
