#pragma once

#include <QUrl>

#include "AppPaths.h"

namespace trazello {

// Help context numbers of the windows; each is an anchor in the help page.
inline constexpr int kHelpIndex = 0;
inline constexpr int kHelpGrid = 3200;
inline constexpr int kHelpScannedCopy = 3400;
inline constexpr int kHelpLayerInfo = 5500;
inline constexpr int kHelpAutoRouter = 19100;
inline constexpr int kHelpPhotoView = 19300;
inline constexpr int kHelpAutoSave = 25000;

// The local help page at a context number: help/index.html#<number> in the program folder.
QUrl contextHelpUrl(const AppPaths& paths, int context);
// Opens it in the desktop's browser; false when nothing could open it.
bool openContextHelp(const AppPaths& paths, int context);

}  // namespace trazello
