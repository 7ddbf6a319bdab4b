// startup_probe bare|sheet: starts as the program does, paints the first frame
// of either a bare window (one label, the sheet's size) or the character
// window, and exits. window_bench times whole runs of it.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/dice.h"
#include "window/character_window.h"
#include "window/fonts.h"
#include "window/qt_french.h"

namespace {

// Start-up ends with the first frame: leave at once, without the tear-down
// that a real session pays only when the player quits.
[[noreturn]] void paintFirstFrame(QWidget& window) {
  window.show();
  QImage frame(window.size(), QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&frame);
  window.render(&painter);
  std::_Exit(frame.isNull() ? 1 : 0);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc > 1 && std::strcmp(argv[1], "bare") == 0) {
    QWidget window;
    window.setFixedSize(894, 751);
    QLabel label(QStringLiteral("Générateur Personnage ORVANDEL"), &window);
    paintFirstFrame(window);
  }
  // The program's own start-up, as in main().
  orvandel::useFrenchQtTexts(app);
  orvandel::registerSheetFonts();
  orvandel::CharacterWindow window(std::make_unique<orvandel::ClockDice>());
  paintFirstFrame(window);
}
