#include <QApplication>
#include <QScreen>
#include <memory>

#include "core/dice.h"
#include "window/character_window.h"
#include "window/fonts.h"
#include "window/qt_french.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Ties the window to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orvandel.Orvandel"));
  orvandel::useFrenchQtTexts(app);
  orvandel::registerSheetFonts();
  orvandel::CharacterWindow window(std::make_unique<orvandel::ClockDice>());
  window.fitInto(window.screen()->availableGeometry());
  window.show();
  return QApplication::exec();
}
