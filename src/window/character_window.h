// The character window: the sheet on screen, and the one place where its
// parts meet. The session carries out what the player does; the view shows
// the sheet and tells what the player did to it; the screen-reader names,
// the commands on shortcuts, the keeping of the character and the status
// line that says what each action did have a part of their own. The window
// composes them and zooms.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "core/dice.h"
#include "core/sheet.h"
#include "generation/improvement.h"
#include "session/sheet_session.h"

class QAction;
class QCloseEvent;
class QContextMenuEvent;
class QPrinter;
class QRect;

namespace orvandel {

class GroupDialog;
class JournalWindow;
class QrCodeDialog;
class RosterWindow;
class ScreenReaderNames;
class SheetKeeping;
class SheetView;
class ShortcutMenu;
class StatusLine;

class CharacterWindow : public QWidget {
  Q_OBJECT

 public:
  // The window at `zoom` (see setZoom), 1 for the sheet's own size.
  explicit CharacterWindow(std::unique_ptr<Dice> dice, double zoom = 1.0);
  ~CharacterWindow() override;

  const Personnage& sheet() const { return session_.sheet(); }

  // The window's actions, as its clicks start them. A generation that ran
  // and a click that spent a roll are steps that undo() takes back.
  void typedEntry();
  void randomEntry();
  void improvementClick(ImprovementTarget target);
  void undo();
  void redo();
  // QUITTER, Ctrl+Q: closes the window as its title bar does (see closeEvent).
  void quit();

  // Keeping the character, as the shortcuts and the context menu start them
  // once the player has picked a file. Saving and opening return what went
  // wrong, in French, or nothing; a failure changes nothing on the sheet.
  std::optional<QString> saveTo(const QString& path);
  std::optional<QString> openFrom(const QString& path);
  bool printOn(QPrinter& printer);
  void copySheet();

  // The same with their dialogs and messages; open() takes a file named
  // outside the window (the command line, a file manager).
  void open(const QString& path);
  void chooseFileToSave();
  void chooseFileToOpen();
  void print();

  // The characters the player keeps ("Personnages"), in a window of their
  // own, made on first use; keepCharacter() asks a name for the sheet on
  // screen and keeps it there.
  RosterWindow& roster();
  void showRoster();
  void keepCharacter();
  // "Préparer un groupe…": the GM's workshop, which puts the groups it
  // finds into the roster; made on first use, and kept as left.
  void prepareGroup();

  // How the sheet was made, in a window of its own made on first use. It
  // opens beside the sheet, which moves within the screen to make room.
  void showJournal();

  // "Vérifier la fiche": says whether the sheet is what its recipe's dice
  // give, and shows the journal, where the boxes that differ are listed,
  // when it is not.
  void verifySheet();
  // "Partager par QR code…": the share link as a QR code, captioned with
  // the verdict, in a dialog that a new share replaces.
  void shareByQrCode();

  // What the last action did, as the status line under the sheet says it.
  QString status() const;

  // The whole sheet (every control, font, picture and cursor) drawn at
  // `zoom`, 1 for its own size; zoomIn() and zoomOut() go to the next zoom
  // step, from 50 % to 250 %. The player's zooming keeps the framed window
  // inside its screen's free area: it moves the window, and zooms in no
  // further than the largest step that fits.
  double zoom() const { return zoom_; }
  void setZoom(double zoom);
  void zoomIn();
  void zoomOut();
  void zoomToActualSize();

  // Takes the largest zoom of at most 100 % at which the window, title bar
  // and borders included, fits `available` (a screen's area left free by
  // panels), and places the window in it.
  void fitInto(const QRect& available);

  // The room that the window manager's frame takes around the window.
  QSize decoration() const;

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  // A character that nothing keeps is not lost unasked: the player keeps it,
  // leaves it, or stays.
  void closeEvent(QCloseEvent* event) override;

 private:
  void listenToView();
  void makeCommands();
  void showChange(SheetChange change);
  void zoomOnScreen(double wanted);
  // Zoom avant and Zoom arrière, each while it has a step to take.
  void enableZoomCommands();
  void say(const std::string& sentence);
  bool mayLeave();

  SheetSession session_;
  SheetView* view_;
  std::unique_ptr<ScreenReaderNames> names_;
  std::unique_ptr<SheetKeeping> keeping_;
  ShortcutMenu* commands_ = nullptr;
  QAction* zoomInCommand_ = nullptr;
  QAction* zoomOutCommand_ = nullptr;
  StatusLine* status_;
  RosterWindow* roster_ = nullptr;
  GroupDialog* group_ = nullptr;
  JournalWindow* journal_ = nullptr;
  QPointer<QrCodeDialog> qrCode_;
  double zoom_ = 1.0;
};

}  // namespace orvandel
