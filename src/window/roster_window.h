// "Personnages": the characters the player keeps, in a window of their own
// beside the sheet. Each is listed with its name and a few facts; it opens in
// a click or a key press, and can be renamed, updated with the sheet on
// screen, removed (and put back), imported and exported; the chosen ones
// printed or saved as PDF, one sheet a page. Every change is written to the
// roster file at once.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "core/sheet.h"
#include "roster/roster.h"

class QLineEdit;
class QListView;
class QPrinter;
class QPushButton;

namespace orvandel {

class RosterFilter;
class RosterModel;
class RosterSession;

class RosterWindow : public QWidget {
  Q_OBJECT

 public:
  // `shown` is the sheet on screen, which "Mettre à jour" and keeping take;
  // it must outlive the window. The roster is read from `path`.
  RosterWindow(const Personnage& shown, QString path, QWidget* parent = nullptr);

  const Roster& roster() const;

  // The actions, as the buttons and keys start them once the player has
  // chosen a name or a file. Each returns what went wrong, in French, or
  // nothing.
  std::optional<QString> keep(const QString& name);
  std::optional<QString> rename(std::size_t at, const QString& name);
  std::optional<QString> updateOpened();
  std::optional<QString> remove(std::size_t at);
  std::optional<QString> undoRemoval();
  void open(std::size_t at);
  // Adds the characters of a roster file or of JSON Lines of sheets; what
  // the import says: how many it added, and why each bad one was left out,
  // a line each.
  QString importFrom(const QString& path);
  // Keeps `characters` last, each under a name of its own (see
  // Roster::keepAll): the characters as kept, and why the roster file could
  // not be written, if it could not. A group that would make the roster
  // file too big to read again is refused: none kept, and why.
  struct KeptGroup {
    std::vector<KeptCharacter> characters;
    std::optional<QString> problem;
  };
  KeptGroup keepGroup(std::vector<KeptCharacter> characters);
  std::optional<QString> exportTo(const QString& path);
  // The chosen characters (those selected in the list, or the current one),
  // one sheet a page.
  bool printOn(QPrinter& printer) const;
  std::optional<QString> saveAsPdf(const QString& path) const;

  // The same with their dialogs.
  void askNameAndKeep();

 signals:
  void opened(const orvandel::Personnage& sheet, const QString& name);
  // The sheet on screen is kept under `name`: a name of its own, or the
  // character opened ("Mettre à jour").
  void keptShown(const QString& name);

 private:
  void build();
  RosterSession& session();
  std::optional<std::size_t> chosen() const;
  void choose(int row);
  void keepACurrentCharacter();
  void showState();
  std::optional<QString> save();
  // A refusal of the session, or else the roster written.
  std::optional<QString> savedUnless(const std::optional<std::string>& refusal);
  void tell(const std::optional<QString>& problem);
  void askNameAndRename();
  void askFileAndImport();
  void askFileAndExport();
  void askPrinterAndPrint();
  void askPrinterAndPrintGmPage();
  void askFileAndSavePdf();
  std::vector<KeptCharacter> chosenCharacters() const;
  // What the player names a character in a dialog titled `title`; nothing
  // when the player cancels.
  std::optional<QString> askName(const char* title, const std::string& proposed);
  // What a keeping of the sheet on screen changed, told on.
  std::optional<QString> keptUnless(const std::optional<std::string>& refusal);

  const Personnage& shown_;
  QString path_;
  RosterModel* model_ = nullptr;
  RosterFilter* filter_ = nullptr;
  QLineEdit* search_ = nullptr;
  QListView* list_ = nullptr;
  QPushButton* update_ = nullptr;
  QPushButton* undoRemoval_ = nullptr;
};

}  // namespace orvandel
