#include "window/startup.h"

#include <QApplication>

#include "window/fonts.h"
#include "window/qt_french.h"

namespace orvandel {

void prepareApplication(QApplication& app) {
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orvandel.Orvandel"));
  useFrenchQtTexts(app);
  registerSheetFonts();
}

}  // namespace orvandel
