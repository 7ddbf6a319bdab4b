#include <QApplication>
#include <memory>

#include "core/dice.h"
#include "window/character_window.h"
#include "window/startup.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  orvandel::prepareApplication(app);
  orvandel::CharacterWindow window(std::make_unique<orvandel::ClockDice>());
  orvandel::placeOnScreen(window);
  window.show();
  return QApplication::exec();
}
