#include <QApplication>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "core/dice.h"
#include "window/character_window.h"
#include "window/startup.h"

namespace {

std::vector<std::string> argumentsOf(int argc, char* argv[]) { return {argv + 1, argv + argc}; }

}  // namespace

int main(int argc, char* argv[]) {
  using Answer = orvandel::LaunchRequest::Answer;
  // --help and --version answer before Qt starts: no window, no display.
  const auto early = orvandel::readWindowCommandLine(argumentsOf(argc, argv));
  if (early.answer == Answer::Help || early.answer == Answer::Version) {
    std::fputs(early.text.c_str(), stdout);
    return 0;
  }
  QApplication app(argc, argv);  // takes Qt's own options out of argv
  const auto request = orvandel::readWindowCommandLine(argumentsOf(argc, argv));
  if (request.answer == Answer::Refused) {
    std::fputs(request.text.c_str(), stderr);
    return orvandel::kRefusedArguments;
  }
  orvandel::prepareApplication(app);
  orvandel::CharacterWindow window(std::make_unique<orvandel::FreshDice>(), orvandel::startupZoom());
  orvandel::placeOnScreen(window);
  window.show();
  if (!request.sheetFile.empty()) window.open(QString::fromLocal8Bit(request.sheetFile.c_str()));
  return QApplication::exec();
}
