#include "ContextHelp.h"

#include <QDesktopServices>

namespace trazello {

QUrl contextHelpUrl(const AppPaths& paths, int context) {
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(paths.helpFolder() + "index.html"));
  if (context != kHelpIndex) url.setFragment(QString::number(context));
  return url;
}

bool openContextHelp(const AppPaths& paths, int context) {
  return QDesktopServices::openUrl(contextHelpUrl(paths, context));
}

}  // namespace trazello
