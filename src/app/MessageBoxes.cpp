#include "MessageBoxes.h"

#include "MessageTexts.h"
#include "files/TextEncoding.h"

namespace trazello {

QString localized(const Message& m, Language language) {
  // Arguments come from files in Windows-1252; the texts are UTF-8 with CR line breaks.
  Message u = m;
  for (std::string& a : u.args) a = cp1252ToUtf8(a);
  std::string text = messageIn(u, language);
  if (text.empty()) text = messageText(u);
  QString shown = QString::fromUtf8(text);
  shown.replace('\r', '\n');
  return shown;
}

QMessageBox::StandardButton showMessage(QWidget* parent, const Message& m, Language language,
                                        bool withCancel) {
  QMessageBox box(parent);
  box.setWindowTitle(QString::fromStdString(m.caption));
  box.setText(localized(m, language));
  switch (m.kind) {
    case MessageKind::Information: box.setIcon(QMessageBox::Information); break;
    case MessageKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageKind::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageKind::Question: box.setIcon(QMessageBox::Question); break;
  }
  if (m.id == MessageId::DeleteBoardQuestion || m.id == MessageId::ResetSolderMaskQuestion ||
      m.id == MessageId::DeleteMacroQuestion || m.id == MessageId::LargeBitmapQuestion) {
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
  } else if (m.kind == MessageKind::Question) {
    box.setStandardButtons(withCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                      : QMessageBox::Yes | QMessageBox::No);
  }
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace trazello
