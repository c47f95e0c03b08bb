// trazello: the editor.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QScreen>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>

#include "MainWindow.h"
#include "QtTranslations.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Trazello 5.0");
  QApplication::setWindowIcon(QIcon(":/trazello.svg"));
  QGuiApplication::setDesktopFileName("trazello");
  const trazello::AppPaths paths = trazello::AppPaths::locate(
      QCoreApplication::applicationDirPath().toStdString(),
      QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString());
  trazello::installQtTranslations(
      trazello::languageFromByte(trazello::readLanguageByte(paths.languageFile())), &app);
  trazello::MainWindow window(paths);
  if (window.settings().windowMax) {
    // Without a window manager "maximised" means nothing; fill the screen ourselves.
    window.setGeometry(window.screen()->availableGeometry());
    window.showMaximized();
  } else {
    window.show();
  }
  // All arguments joined with blanks name one layout, so that unquoted paths with spaces work.
  const QStringList args = QCoreApplication::arguments().mid(1);
  window.openFromCommandLine(args.join(' '));
  // A layout opened at start shows whole; the drawing area has its final size only once the
  // shown window has been laid out.
  if (!args.isEmpty())
    QTimer::singleShot(0, &window, [&window] { window.drawingArea()->zoomBoard(); });
  return QApplication::exec();
}
