#include "window/startup.h"

#include <QApplication>
#include <QScreen>

#include "window/character_window.h"
#include "window/fonts.h"
#include "window/qt_french.h"
#include "window/zoom.h"

namespace orvandel {

void prepareApplication(QApplication& app) {
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orvandel.Orvandel"));
  useFrenchQtTexts(app);
  registerSheetFonts();
}

double startupZoom() {
  return fittingZoom(kUsualDecoration, QGuiApplication::primaryScreen()->availableGeometry().size());
}

void placeOnScreen(CharacterWindow& window) { window.fitInto(window.screen()->availableGeometry()); }

}  // namespace orvandel
