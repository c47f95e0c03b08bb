#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace trazello {

bool installQtTranslations(Language language, QObject* owner) {
  if (language == Language::English) return false;
  const QLocale locale(language == Language::Russian ? QLocale::Russian : QLocale::French);
  auto* texts = new QTranslator(owner);
  if (!texts->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete texts;
    return false;
  }
  return QCoreApplication::installTranslator(texts);
}

}  // namespace trazello
