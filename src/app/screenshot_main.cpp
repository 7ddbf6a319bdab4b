// orvandel-screenshot FILE [SEED]: the window after one random generation
// rolled from SEED (1 by default), written to FILE as a picture.
#include <QApplication>
#include <QPixmap>
#include <QTextStream>
#include <memory>

#include "core/dice.h"
#include "window/character_window.h"
#include "window/startup.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  bool seedRead = true;
  const qulonglong seed = args.size() > 2 ? args[2].toULongLong(&seedRead) : 1;
  if (args.size() < 2 || args.size() > 3 || !seedRead) {
    QTextStream(stderr) << "usage: orvandel-screenshot FILE [SEED]\n";
    return 2;
  }
  orvandel::prepareApplication(app);
  orvandel::CharacterWindow window(std::make_unique<orvandel::SeededDice>(seed));
  window.show();
  window.randomEntry();
  if (!window.grab().save(args[1])) {
    QTextStream(stderr) << "cannot write " << args[1] << "\n";
    return 1;
  }
  return 0;
}
