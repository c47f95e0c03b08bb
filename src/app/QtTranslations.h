#pragma once

#include <QObject>

#include "app/Captions.h"

namespace trazello {

// Loads Qt's own texts (standard buttons, file dialogs) for the window's language and installs
// them in the application; the English window needs none. Returns whether texts were installed.
// The translator is a child of `owner`, which keeps it as long as it lives.
bool installQtTranslations(Language language, QObject* owner);

}  // namespace trazello
