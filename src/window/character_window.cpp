#include "window/character_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QMessageBox>
#include <QRect>
#include <QScreen>
#include <algorithm>
#include <array>

#include "layout/layout.h"
#include "recipe/recipe_link.h"
#include "recipe/verification.h"
#include "session/outcome.h"
#include "sheet_io/refusal_text.h"
#include "window/fonts.h"
#include "window/group_dialog.h"
#include "window/journal_window.h"
#include "window/leaving_prompt.h"
#include "window/message_title.h"
#include "window/qr_dialog.h"
#include "window/qt_text.h"
#include "window/roster_store.h"
#include "window/roster_window.h"
#include "window/screen_reader_names.h"
#include "window/share_link.h"
#include "window/sheet_keeping.h"
#include "window/sheet_view.h"
#include "window/sheet_widgets.h"
#include "window/shortcut_menu.h"
#include "window/side_window_place.h"
#include "window/status_line.h"
#include "window/zoom.h"

// The artwork lives in a static library: its resources must be pulled in by
// name, from the global namespace.
static void initArtwork() { Q_INIT_RESOURCE(artwork); }

namespace orvandel {
namespace {

constexpr const char* kIcon = ":/artwork/icon.pixels";
// What "Partager par QR code…" shows, as the status line says it: the short
// link itself, or the verdict that says why the link carries the sheet.
constexpr const char* kShortLinkShown = "QR code du lien court : ";
constexpr const char* kWholeSheetShown = "QR code du lien qui porte toute la fiche : ";

// The window's commands on shortcuts, in the order of the right-click menu;
// a row without a text stands for a separator.
struct WindowCommand {
  const char* text;
  const char* keys;  // portable key names, alternatives separated by "; "
  CommandRole role;
  void (CharacterWindow::*run)();
};
constexpr auto kWindowCommands = std::to_array<WindowCommand>({
    {"Nouveau personnage", "Ctrl+N", CommandRole::Plain, &CharacterWindow::randomEntry},
    {nullptr, nullptr, CommandRole::Plain, nullptr},
    {"Annuler", "Ctrl+Z", CommandRole::Undo, &CharacterWindow::undo},
    {"Rétablir", "Ctrl+Shift+Z; Ctrl+Y", CommandRole::Redo, &CharacterWindow::redo},
    {nullptr, nullptr, CommandRole::Plain, nullptr},
    {"Ouvrir une fiche…", "Ctrl+O", CommandRole::Plain, &CharacterWindow::chooseFileToOpen},
    {"Enregistrer la fiche…", "Ctrl+S", CommandRole::Plain, &CharacterWindow::chooseFileToSave},
    {"Imprimer la fiche…", "Ctrl+P", CommandRole::Plain, &CharacterWindow::print},
    {nullptr, nullptr, CommandRole::Plain, nullptr},
    {"Copier la fiche en texte", "Ctrl+C", CommandRole::Copy, &CharacterWindow::copySheet},
    {nullptr, nullptr, CommandRole::Plain, nullptr},
    {"Journal des jets…", "Ctrl+J", CommandRole::Plain, &CharacterWindow::showJournal},
    {"Vérifier la fiche", "Ctrl+E", CommandRole::Plain, &CharacterWindow::verifySheet},
    {"Partager par QR code…", "Ctrl+Shift+P", CommandRole::Plain, &CharacterWindow::shareByQrCode},
    {"Garder ce personnage…", "Ctrl+D", CommandRole::Plain, &CharacterWindow::keepCharacter},
    {"Personnages", "Ctrl+L", CommandRole::Plain, &CharacterWindow::showRoster},
    {"Préparer un groupe…", "Ctrl+G", CommandRole::Plain, &CharacterWindow::prepareGroup},
    {nullptr, nullptr, CommandRole::Plain, nullptr},
    {"Zoom avant", "Ctrl++; Ctrl+=", CommandRole::Plain, &CharacterWindow::zoomIn},
    {"Zoom arrière", "Ctrl+-", CommandRole::Plain, &CharacterWindow::zoomOut},
    {"Taille réelle", "Ctrl+0", CommandRole::Plain, &CharacterWindow::zoomToActualSize},
    {nullptr, nullptr, CommandRole::Plain, nullptr},
    {"Quitter", "Ctrl+Q", CommandRole::Plain, &CharacterWindow::quit},
});

}  // namespace

CharacterWindow::CharacterWindow(std::unique_ptr<Dice> dice, double zoom)
    : session_(std::move(dice)), zoom_(zoom) {
  useSheetRoles();
  initArtwork();
  setObjectName(QString::fromUtf8(kClientArea));
  setWindowTitle(QString::fromUtf8(kWindowTitle));
  setWindowIcon(artworkIcon(kIcon));
  setFixedSize(zoomedClientSize(zoom_));
  setFont(sheetFont(kWindowFont, zoom_));
  setCursor(artworkCursor(kSheetCursor, zoom_));

  view_ = new SheetView(*this, session_.sheet(), zoom_);
  status_ = new StatusLine(*this, zoom_);
  view_->widget(kTitlePicture)->setCursor(artworkCursor(kTitleCursor, zoom_));
  names_ = std::make_unique<ScreenReaderNames>(*view_, session_.sheet());
  keeping_ = std::make_unique<SheetKeeping>(*this, session_);
  keeping_->onKept([this](const std::string& sentence) { say(sentence); });
  listenToView();
  makeCommands();
  session_.onChange([this](SheetChange change) { showChange(change); });
}

CharacterWindow::~CharacterWindow() = default;

void CharacterWindow::listenToView() {
  connect(view_, &SheetView::typed, this, [this](const std::string& control, const std::string& text) {
    session_.setText(control, text);
    if (journal_) journal_->showVerification();
  });
  connect(view_, &SheetView::ticked, this, [this](const std::string& control, bool ticked) {
    session_.setTicked(control, ticked);
    if (journal_) journal_->showVerification();
  });
  connect(view_, &SheetView::titlePressed, this, &CharacterWindow::randomEntry);
  connect(view_, &SheetView::typedEntryPressed, this, &CharacterWindow::typedEntry);
  connect(view_, &SheetView::improvementPressed, this, &CharacterWindow::improvementClick);
  connect(view_, &SheetView::quitPressed, this, &CharacterWindow::quit);
}

void CharacterWindow::makeCommands() {
  commands_ = new ShortcutMenu(*this);
  for (const WindowCommand& command : kWindowCommands) {
    if (!command.text) {
      commands_->addSeparator();
      continue;
    }
    QAction* action =
        commands_->add(command.text, command.keys, command.role, [this, command] { (this->*command.run)(); });
    if (command.run == &CharacterWindow::zoomIn) zoomInCommand_ = action;
    if (command.run == &CharacterWindow::zoomOut) zoomOutCommand_ = action;
  }
  for (QWidget* box : view_->editBoxes()) commands_->watch(box);
  commands_->enableSteps(false, false);
  enableZoomCommands();
}

// The sheet shown again after an action; the typing that a step used, or
// that a step passed, belongs to the sheet's history from then on.
void CharacterWindow::showChange(SheetChange change) {
  view_->show();
  names_->refresh();
  if (journal_) journal_->refresh();
  if (change != SheetChange::Stepped) return;
  view_->forgetTypingUndo();
  commands_->enableSteps(session_.canUndo(), session_.canRedo());
}

void CharacterWindow::say(const std::string& sentence) { status_->say(sentence); }

QString CharacterWindow::status() const { return status_->text(); }

// A refusal names the box at fault and puts the cursor there, its text
// selected, ready to be typed over.
void CharacterWindow::typedEntry() {
  const auto refusal = session_.typedEntry();
  say(entryOutcome(refusal, session_.sheet()));
  if (!refusal) return;
  const QString detail = qtText(refusalSentence(*refusal, session_.sheet()));
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kMessageTitle), qtText(refusal->message),
                  QMessageBox::Ok, this);
  box.setInformativeText(detail);
  box.exec();
  QWidget* at = view_->widget(refusal->field);
  at->setFocus();
  if (auto* line = qobject_cast<QLineEdit*>(at)) line->selectAll();
}

void CharacterWindow::randomEntry() {
  session_.randomEntry();
  say(entryOutcome(std::nullopt, session_.sheet()));
}

void CharacterWindow::improvementClick(ImprovementTarget target) {
  const bool spent = session_.improve(target);
  say(improvementOutcome(spent, session_.sheet(), session_.journal()));
}

void CharacterWindow::undo() {
  if (session_.undo()) say(stepOutcome(false));
}

void CharacterWindow::redo() {
  if (session_.redo()) say(stepOutcome(true));
}

void CharacterWindow::quit() { close(); }

void CharacterWindow::closeEvent(QCloseEvent* event) {
  if (mayLeave())
    event->accept();
  else
    event->ignore();
}

bool CharacterWindow::mayLeave() {
  if (!session_.holdsUnkeptCharacter()) return true;
  switch (askBeforeLosing(*this, session_.sheet())) {
    case Leaving::Keep:
      keepCharacter();
      return !session_.holdsUnkeptCharacter();
    case Leaving::Discard:
      return true;
    case Leaving::Stay:
      return false;
  }
  return false;
}

std::optional<QString> CharacterWindow::saveTo(const QString& path) { return keeping_->saveTo(path); }

std::optional<QString> CharacterWindow::openFrom(const QString& path) { return keeping_->openFrom(path); }

bool CharacterWindow::printOn(QPrinter& printer) { return keeping_->printOn(printer); }

void CharacterWindow::copySheet() { keeping_->copy(); }

void CharacterWindow::chooseFileToSave() { keeping_->chooseFileToSave(); }

void CharacterWindow::open(const QString& path) { keeping_->open(path); }

void CharacterWindow::chooseFileToOpen() { keeping_->chooseFileToOpen(); }

void CharacterWindow::print() { keeping_->print(); }

RosterWindow& CharacterWindow::roster() {
  if (!roster_) {
    roster_ = new RosterWindow(session_.sheet(), defaultRosterPath(), this);
    commands_->shareWith(*roster_);
    connect(roster_, &RosterWindow::opened, this, [this](const Personnage& sheet, const QString& name) {
      session_.open(sheet);
      say(rosterOpenedOutcome(name.toStdString()));
    });
    connect(roster_, &RosterWindow::keptShown, this, [this](const QString& name) {
      session_.markKept();
      say(keptOutcome(name.toStdString()));
    });
  }
  return *roster_;
}

void CharacterWindow::showRoster() {
  if (!roster().isVisible()) {
    // Over the sheet's lower right corner, inside the screen.
    const QRect screen = this->screen()->availableGeometry();
    const QRect over(frameGeometry().bottomRight() - QPoint(roster().width(), roster().height()),
                     roster().size());
    roster().move(over.left() < screen.left() || over.top() < screen.top() ? screen.topLeft()
                                                                           : over.topLeft());
  }
  roster().show();
  roster().raise();
  roster().activateWindow();
}

void CharacterWindow::keepCharacter() { roster().askNameAndKeep(); }

void CharacterWindow::prepareGroup() {
  if (!group_) {
    group_ = new GroupDialog(roster(), freshSeed, this);
    connect(group_, &GroupDialog::told, this,
            [this](const QString& sentence) { say(sentence.toStdString()); });
  }
  group_->show();
  group_->raise();
  group_->activateWindow();
}

void CharacterWindow::showJournal() {
  if (!journal_) {
    journal_ = new JournalWindow(session_, this);
    commands_->shareWith(*journal_);
  }
  if (!journal_->isVisible()) {
    const QSize journalFrame = journal_->frameGeometry().size() - journal_->size();
    const QSize around = journalFrame.isEmpty() ? kUsualDecoration : journalFrame;
    const SidePlacement place =
        placeBesideSheet(QRect(pos(), size() + decoration()), screen()->availableGeometry(),
                         JournalWindow::kUsualSize + around, JournalWindow::kSmallestSize + around);
    if (place.sheetFrame != pos()) move(place.sheetFrame);
    journal_->move(place.side.topLeft());
    journal_->resize(place.side.size() - around);
  }
  journal_->show();
  journal_->raise();
  journal_->activateWindow();
}

void CharacterWindow::verifySheet() {
  const Verification verification = verify(sheet());
  say(verdict(sheet(), verification));
  if (verification.outcome != Verification::Outcome::Conforms) showJournal();
}

void CharacterWindow::shareByQrCode() {
  const QString link = shareLink(sheet());
  const QString told = qtText(verdict(sheet(), verify(sheet())));
  const bool shortLink = link.startsWith(QString::fromUtf8(kSiteAddress) + qtText(kRecipeFragment));
  if (qrCode_) qrCode_->close();
  qrCode_ = new QrCodeDialog(link, told, this);
  qrCode_->setAttribute(Qt::WA_DeleteOnClose);
  qrCode_->show();
  say((shortLink ? QString::fromUtf8(kShortLinkShown) + link : QString::fromUtf8(kWholeSheetShown) + told)
          .toStdString());
}

void CharacterWindow::setZoom(double zoom) {
  if (zoom <= 0 || zoom == zoom_) return;
  zoom_ = zoom;
  status_->setZoom(zoom_);
  setFixedSize(zoomedClientSize(zoom_));
  setFont(sheetFont(kWindowFont, zoom_));
  setCursor(artworkCursor(kSheetCursor, zoom_));
  view_->widget(kTitlePicture)->setCursor(artworkCursor(kTitleCursor, zoom_));
  view_->setZoom(zoom_);
  enableZoomCommands();
}

void CharacterWindow::zoomIn() { zoomOnScreen(zoomedIn(zoom_)); }

void CharacterWindow::zoomOut() { zoomOnScreen(zoomedOut(zoom_)); }

void CharacterWindow::zoomToActualSize() { zoomOnScreen(1.0); }

void CharacterWindow::zoomOnScreen(double wanted) {
  const double before = zoom_;
  const QRect available = screen()->availableGeometry();
  if (wanted > zoom_) wanted = std::max(zoom_, fittingZoom(decoration(), available.size(), wanted));
  setZoom(wanted);
  const QRect frame(pos(), size() + decoration());
  if (const QPoint inside = keptInside(frame, available); inside != frame.topLeft()) move(inside);
  enableZoomCommands();
  const ZoomEnd end = !zoomInCommand_->isEnabled()    ? ZoomEnd::Largest
                      : !zoomOutCommand_->isEnabled() ? ZoomEnd::Smallest
                                                      : ZoomEnd::Between;
  say(zoomOutcome(zoom_, end, zoom_ != before));
}

// The largest step is the largest that the screen holds.
void CharacterWindow::enableZoomCommands() {
  const QSize available = screen()->availableGeometry().size();
  zoomInCommand_->setEnabled(fittingZoom(decoration(), available, zoomedIn(zoom_)) > zoom_);
  zoomOutCommand_->setEnabled(zoomedOut(zoom_) < zoom_);
}

QSize CharacterWindow::decoration() const {
  const QSize framed = frameGeometry().size() - size();
  return framed.isEmpty() ? kUsualDecoration : framed;
}

void CharacterWindow::fitInto(const QRect& available) {
  setZoom(fittingZoom(decoration(), available.size()));
  enableZoomCommands();
  const QSize outer = size() + decoration();
  move(available.left() + std::max(0, (available.width() - outer.width()) / 2),
       available.top() + std::max(0, (available.height() - outer.height()) / 2));
}

void CharacterWindow::contextMenuEvent(QContextMenuEvent* event) { commands_->popup(event->globalPos()); }

}  // namespace orvandel
