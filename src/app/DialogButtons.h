#pragma once

#include <QString>
#include <functional>

#include "Captions.h"

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace trazello {

// The button row of a dialog: OK (the default button), Cancel or Close, and Help, named as
// their components (`OKBtn`, `CancelBtn`, `HelpBtn`). OK accepts, Cancel rejects, Help calls
// `help`. Returns the row; `okButton` receives the OK button when asked for.
QDialogButtonBox* okCancelHelpButtons(QDialog* dialog, const QString& ok, const QString& cancel,
                                      Language language, std::function<void()> help,
                                      QPushButton** okButton = nullptr);

}  // namespace trazello
