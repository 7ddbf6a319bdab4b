#include "window/qt_french.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orvandel {

bool useFrenchQtTexts(QCoreApplication& app) {
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  auto* catalogue = new QTranslator(&app);
  if (!catalogue->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete catalogue;
    return false;
  }
  return QCoreApplication::installTranslator(catalogue);
}

}  // namespace orvandel
