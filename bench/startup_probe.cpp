// startup_probe bare|fonts|sheet: starts as the program does, paints the
// first frame of a bare window of the sheet's size (one label), of the same
// window with one line of text in each font the sheet uses (the floor that
// the sheet's fonts set), or of the character window, and exits.
// window_bench times whole runs of it.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <tuple>

#include "core/dice.h"
#include "layout/layout.h"
#include "window/character_window.h"
#include "window/fonts.h"
#include "window/sheet_widgets.h"
#include "window/startup.h"

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

// One label for each distinct font of the sheet's layout.
void addFontSamples(QWidget& window) {
  std::set<std::tuple<std::string, double, bool, bool>> seen;
  int top = 0;
  for (const auto& row : orvandel::characterWindowLayout()) {
    const auto& font = row.look.font;
    if (!seen.emplace(font.family, font.points, font.bold, font.underline).second) continue;
    auto* sample = new QLabel(QStringLiteral("Générateur Personnage ORVANDEL 0123456789"), &window);
    sample->setFont(orvandel::sheetFont(font));
    sample->setGeometry(0, top, window.width(), 24);
    top += 24;
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const char* mode = argc > 1 ? argv[1] : "sheet";
  if (std::strcmp(mode, "bare") == 0 || std::strcmp(mode, "fonts") == 0) {
    QWidget window;
    window.setFixedSize(orvandel::clientPixelSize());
    if (std::strcmp(mode, "fonts") == 0) {
      orvandel::registerSheetFonts();
      addFontSamples(window);
    } else {
      new QLabel(QStringLiteral("Générateur Personnage ORVANDEL"), &window);
    }
    paintFirstFrame(window);
  }
  orvandel::prepareApplication(app);
  orvandel::CharacterWindow window(std::make_unique<orvandel::FreshDice>(), orvandel::startupZoom());
  orvandel::placeOnScreen(window);
  paintFirstFrame(window);
}
