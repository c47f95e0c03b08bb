#pragma once

#include <QMessageBox>
#include <QString>

#include "Captions.h"
#include "model/Message.h"

namespace trazello {

// The text of a message in the language of the user interface.
QString localized(const Message& m, Language language);

// Shows a message in a modal box captioned as the message says ("Trazello" unless told
// otherwise), with the icon of its kind. Questions get Yes and No (and Cancel when asked).
QMessageBox::StandardButton showMessage(QWidget* parent, const Message& m, Language language,
                                        bool withCancel = false);

}  // namespace trazello
