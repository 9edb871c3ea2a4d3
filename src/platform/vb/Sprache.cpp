#include "platform/vb/Sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace Sprache {

bool einrichten() {
  const QLocale deutsch(QLocale::German, QLocale::Germany);
  QLocale::setDefault(deutsch);
  // Lives as long as the program: the application keeps only a pointer to it.
  static QTranslator* qt = nullptr;
  if (qt) return true;
  auto uebersetzung = std::make_unique<QTranslator>();
  if (!uebersetzung->load(deutsch, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  if (!QCoreApplication::installTranslator(uebersetzung.get())) return false;
  qt = uebersetzung.release();
  return true;
}

}  // namespace Sprache
