// Keeping the character outside the program: saving, opening, printing and
// copying the sheet, with their dialogs and their French messages. Opening
// is an action of the session, so that it is a step to undo; a sheet saved
// as data, which opens again, is kept as far as the session knows.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "session/sheet_session.h"

class QPrinter;
class QWidget;

namespace orvandel {

class SheetKeeping {
 public:
  // `window` is what pictures and paper show; both must outlive this.
  SheetKeeping(QWidget& window, SheetSession& session) : window_(window), session_(session) {}

  // Once the player has picked a file: what went wrong, in French, or
  // nothing. A failure changes nothing on the sheet.
  std::optional<QString> saveTo(const QString& path);
  std::optional<QString> openFrom(const QString& path);
  bool printOn(QPrinter& printer);
  void copy();

  // Told, in French, of each save, opening and copy that succeeded; an
  // opening tells too whether the sheet is what its dice gave.
  void onKept(std::function<void(const std::string&)> listener) { kept_ = std::move(listener); }

  // The same with their dialogs and messages.
  void open(const QString& path);
  void chooseFileToSave();
  void chooseFileToOpen();
  void print();

 private:
  void warn(const QString& message);

  QWidget& window_;
  SheetSession& session_;
  QString lastPath_;  // the sheet's own file, which the next save proposes
  std::function<void(const std::string&)> kept_;
};

}  // namespace orvandel
