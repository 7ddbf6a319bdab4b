#include "window/character_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextDocument>
#include <algorithm>
#include <array>

#include "core/sheet_fields.h"
#include "generation/driver.h"
#include "layout/layout.h"
#include "sheet_io/sheet_text.h"
#include "window/fonts.h"
#include "window/qt_text.h"
#include "window/sheet_files.h"
#include "window/sheet_widgets.h"
#include "window/spoken_names.h"
#include "window/zoom.h"

// The artwork lives in a static library: its resources must be pulled in by
// name, from the global namespace.
static void initArtwork() { Q_INIT_RESOURCE(artwork); }

namespace orvandel {
namespace {

constexpr const char* kIcon = ":/artwork/icon.png";

constexpr const char* kMessageTitle = "Orvandel";

// The window's actions on shortcuts, in the order of the context menu; a row
// without a text stands for a separator.
struct WindowAction {
  const char* text;
  const char* keys;  // portable key names, alternatives separated by "; "
  void (CharacterWindow::*run)();
};
constexpr auto kWindowActions = std::to_array<WindowAction>({
    {"Nouveau personnage", "Ctrl+N", &CharacterWindow::randomEntry},
    {nullptr, nullptr, nullptr},
    {"Annuler", "Ctrl+Z", &CharacterWindow::undo},
    {"Rétablir", "Ctrl+Shift+Z; Ctrl+Y", &CharacterWindow::redo},
    {nullptr, nullptr, nullptr},
    {"Ouvrir une fiche…", "Ctrl+O", &CharacterWindow::chooseFileToOpen},
    {"Enregistrer la fiche…", "Ctrl+S", &CharacterWindow::chooseFileToSave},
    {"Imprimer la fiche…", "Ctrl+P", &CharacterWindow::print},
    {nullptr, nullptr, nullptr},
    {"Copier la fiche en texte", "Ctrl+C", &CharacterWindow::copySheet},
    {nullptr, nullptr, nullptr},
    {"Zoom avant", "Ctrl++; Ctrl+=", &CharacterWindow::zoomIn},
    {"Zoom arrière", "Ctrl+-", &CharacterWindow::zoomOut},
    {"Taille réelle", "Ctrl+0", &CharacterWindow::zoomToActualSize},
});

// What a tick does, for its tooltip: %1 is the box it rerolls.
constexpr const char* kRerollTip = "Cochée : « Saisie/Reroll » relance %1 au lieu de garder votre jet.";
constexpr const char* kImprovementRollsTip =
    "Cochée : « Saisie/Reroll » tire aussi les jets d’amélioration (Suplé.).";
constexpr const char* kRerollName = "Relancer %1";
// The box of the improvement rolls, which des_ok(17) gives to the typed entry.
constexpr const char* kImprovementRollsBox = "des_comp";

// Before the window manager has framed the window, its title bar and
// borders are not known: room for those of the usual desktops.
constexpr QSize kUsualDecoration{16, 40};

// Whether an edit box has typing of its own to undo (or redo).
bool hasOwnStep(const QObject* edit, bool redo) {
  if (const auto* line = qobject_cast<const QLineEdit*>(edit))
    return redo ? line->isRedoAvailable() : line->isUndoAvailable();
  if (const auto* multi = qobject_cast<const QPlainTextEdit*>(edit))
    return redo ? multi->document()->isRedoAvailable() : multi->document()->isUndoAvailable();
  return false;
}

QString shownText(const QWidget* w) {
  if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
  if (const auto* line = qobject_cast<const QLineEdit*>(w)) return line->text();
  if (const auto* multi = qobject_cast<const QPlainTextEdit*>(w)) return multi->toPlainText();
  return {};
}

constexpr const char* kSaveTitle = "Enregistrer la fiche";
constexpr const char* kOpenTitle = "Ouvrir une fiche";
constexpr const char* kPrintTitle = "Imprimer la fiche";
constexpr const char* kSuggestedName = "personnage.json";
constexpr const char* kPrintedName = "personnage";  // print queues, and the file when printing to one
constexpr const char* kPrintFailed = "L’impression n’a pas pu commencer : vérifiez l’imprimante choisie.";

// "Image PNG (*.png)" -> "png"
QString suffixOfFilter(const QString& filter) {
  return filter.section(QStringLiteral("*."), 1).section(u')', 0, 0);
}

void display(QLabel* w, const QString& s) { w->setText(s); }
void display(QLineEdit* w, const QString& s) {
  w->setText(s);
  w->setCursorPosition(0);
}
void display(QPlainTextEdit* w, const QString& s) { w->setPlainText(s); }

}  // namespace

CharacterWindow::CharacterWindow(std::unique_ptr<Dice> dice, QWidget* parent)
    : QWidget(parent), dice_(std::move(dice)) {
  initArtwork();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(kWindowTitle));
  setWindowIcon(QIcon(storedPicture(QString::fromUtf8(kIcon))));
  setFixedSize(zoomedClientSize(zoom_));
  setFont(sheetFont(kWindowFont));
  setCursor(artworkCursor(kSheetCursor, zoom_));

  const auto& layout = characterWindowLayout();
  QStyle* style = makeSheetStyle(this);
  QWidget* frame = nullptr;
  for (const auto& row : layout) {
    QWidget* w = makeSheetWidget(row, row.container == Container::Frame ? frame : this, style);
    if (row.kind == ControlKind::Frame) frame = w;
    widgets_.insert(qtText(row.name), w);
    placed_.emplace_back(w, &row);
    bind(row, w);
    takeKeyboardClicks(row, w);
    if (const auto target = improvementTarget(row.name)) {
      clickTargets_.insert(w, *target);
      w->installEventFilter(this);
    }
  }
  for (const auto& row : layout)
    if (standsAbove(row.kind)) widgets_.value(qtText(row.name))->raise();
  for (std::size_t i = 0; i < texts_.size(); ++i) listenToTyping(i);
  for (std::size_t i = 0; i < ticks_.size(); ++i) listenToTicks(i);
  wireActions();
  orderTabs();
  makeKeepingActions();
  nameForScreenReaders();
  showSheet();
  nameSelectors();
}

void CharacterWindow::takeKeyboardClicks(const ControlRow& row, QWidget* w) {
  const auto target = keyedImprovementTarget(row.name);
  if (!target || !qobject_cast<QLineEdit*>(w)) return;
  keyTargets_.insert(w, *target);
  w->setFocusPolicy(Qt::StrongFocus);
  w->installEventFilter(this);
}

CharacterWindow::~CharacterWindow() = default;

void CharacterWindow::bind(const ControlRow& row, QWidget* w) {
  const auto field = findField(sheet_, row.name);
  if (!field) return;
  if (auto* const* tick = std::get_if<bool*>(&*field)) {
    ticks_.push_back({qobject_cast<QCheckBox*>(w), *tick});
    return;
  }
  std::string* value = std::get<std::string*>(*field);
  if (auto* label = qobject_cast<QLabel*>(w))
    texts_.push_back({label, value, {}});
  else if (auto* line = qobject_cast<QLineEdit*>(w))
    texts_.push_back({line, value, {}});
  else
    texts_.push_back({qobject_cast<QPlainTextEdit*>(w), value, {}});
}

void CharacterWindow::listenToTyping(std::size_t i) {
  auto keep = [this, i](const QString& typed) {
    texts_[i].shown = typed.toStdString();
    *texts_[i].field = texts_[i].shown;
  };
  const auto& w = texts_[i].widget;
  if (auto* const* line = std::get_if<QLineEdit*>(&w)) {
    connect(*line, &QLineEdit::textEdited, this, keep);
  } else if (auto* const* multi = std::get_if<QPlainTextEdit*>(&w)) {
    QPlainTextEdit* edit = *multi;
    connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, keep] {
      if (!showing_) keep(edit->toPlainText());
    });
  }
}

void CharacterWindow::listenToTicks(std::size_t i) {
  connect(ticks_[i].box, &QCheckBox::toggled, this, [this, i](bool ticked) {
    if (showing_) return;
    ticks_[i].shown = ticked;
    *ticks_[i].field = ticked;
  });
}

void CharacterWindow::wireActions() {
  connect(qobject_cast<QPushButton*>(widget("Command1")), &QPushButton::clicked, this,
          &CharacterWindow::typedEntry);
  connect(qobject_cast<QPushButton*>(widget("Command2")), &QPushButton::clicked, qApp,
          &QCoreApplication::quit);
  QWidget* title = widget("orvandel");
  title->setCursor(artworkCursor(kTitleCursor, zoom_));
  title->installEventFilter(this);
  title_ = title;
  // Only the window's own surface and the side strips take the sheet cursor.
  widget("Frame1")->setCursor(Qt::ArrowCursor);
  widget("Command2")->setCursor(Qt::ArrowCursor);
}

void CharacterWindow::orderTabs() {
  std::vector<QWidget*> order;
  // The blue boxes in reading order, each followed by its selector.
  for (const auto& blue : kBlueBoxes) {
    order.push_back(widget(blue.name));
    order.push_back(widget(selectorName(blue.selector).c_str()));
  }
  for (const auto& row : characterWindowLayout()) {
    QWidget* w = widgets_.value(qtText(row.name));
    if ((w->focusPolicy() & Qt::TabFocus) && std::find(order.begin(), order.end(), w) == order.end())
      order.push_back(w);
  }
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  order.front()->setFocus();
  for (const auto& blue : kBlueBoxes)
    connect(qobject_cast<QLineEdit*>(widget(blue.name)), &QLineEdit::returnPressed, this,
            &CharacterWindow::typedEntry);
}

void CharacterWindow::makeKeepingActions() {
  menu_ = new QMenu(this);
  for (const WindowAction& entry : kWindowActions) {
    if (!entry.text) {
      menu_->addSeparator();
      continue;
    }
    auto* action = new QAction(QString::fromUtf8(entry.text), this);
    action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(entry.keys)));
    connect(action, &QAction::triggered, this, entry.run);
    addAction(action);
    menu_->addAction(action);
    if (entry.run == &CharacterWindow::undo) undoAction_ = action;
    if (entry.run == &CharacterWindow::redo) redoAction_ = action;
    if (entry.run == &CharacterWindow::copySheet) copyAction_ = action;
  }
  // The edit boxes would take the window's shortcuts for their own text.
  for (const TextBinding& b : texts_)
    if (!std::holds_alternative<QLabel*>(b.widget))
      std::visit([this](auto* w) { w->installEventFilter(this); }, b.widget);
  updateSteps();
}

QWidget* CharacterWindow::widget(const char* name) const { return widgets_.value(QString::fromUtf8(name)); }

void CharacterWindow::showSheet() {
  showing_ = true;
  for (TextBinding& b : texts_) {
    if (*b.field == b.shown) continue;
    b.shown = *b.field;
    std::visit([&](auto* w) { display(w, qtText(b.shown)); }, b.widget);
  }
  for (TickBinding& b : ticks_) {
    if (*b.field == b.shown) continue;
    b.shown = *b.field;
    b.box->setChecked(b.shown);
  }
  showing_ = false;
  renameFromSheet();
}

// Names every control once; those named by what the sheet shows are named
// again by renameFromSheet() after each refresh.
void CharacterWindow::nameForScreenReaders() {
  for (const auto& [w, row] : placed_) {
    if (const QString source = spokenNameSource(w->objectName()); !source.isEmpty())
      namedBySheet_.push_back({w, row, widgets_.value(source), {}});
    const QString name = spokenName(*row, shownBy());
    if (!name.isEmpty()) w->setAccessibleName(name);
  }
}

void CharacterWindow::renameFromSheet() {
  for (NamedBySheet& named : namedBySheet_) {
    const QString source = shownText(named.source);
    if (source == named.sourceText) continue;
    named.sourceText = source;
    named.widget->setAccessibleName(spokenName(*named.row, shownBy()));
  }
}

ShownText CharacterWindow::shownBy() const {
  return [this](const QString& name) { return shownText(widgets_.value(name)); };
}

// A selector is named, and its tooltip says, what it rerolls.
void CharacterWindow::nameSelectors() {
  auto rerolls = [this](const char* box, int selectorIndex, const char* tip) {
    QWidget* selector = widget(selectorName(selectorIndex).c_str());
    const QString boxName = widget(box)->accessibleName();
    selector->setAccessibleName(QString::fromUtf8(kRerollName).arg(boxName));
    selector->setToolTip(QString::fromUtf8(tip).replace(QLatin1String("%1"), boxName));
  };
  for (const auto& blue : kBlueBoxes) rerolls(blue.name, blue.selector, kRerollTip);
  rerolls(kImprovementRollsBox, kDesCompSelector, kImprovementRollsTip);
}

// Typing used by a generation, or passed by a step through the sheet's
// history, belongs to that history from then on: Ctrl+Z no longer takes it
// back box by box.
void CharacterWindow::forgetTypingUndo() {
  for (const TextBinding& b : texts_) {
    if (auto* const* line = std::get_if<QLineEdit*>(&b.widget);
        line && ((*line)->isUndoAvailable() || (*line)->isRedoAvailable())) {
      const int cursor = (*line)->cursorPosition();
      (*line)->setText((*line)->text());
      (*line)->setCursorPosition(cursor);
    } else if (auto* const* multi = std::get_if<QPlainTextEdit*>(&b.widget)) {
      (*multi)->document()->clearUndoRedoStacks();
    }
  }
}

void CharacterWindow::keepStep(Personnage before) {
  if (before == sheet_) return;
  history_.record(std::move(before));
  forgetTypingUndo();
  updateSteps();
}

void CharacterWindow::showStep(std::optional<Personnage> sheet) {
  if (!sheet) return;
  sheet_ = std::move(*sheet);
  showSheet();
  forgetTypingUndo();
  updateSteps();
}

void CharacterWindow::updateSteps() {
  undoAction_->setEnabled(history_.canUndo());
  redoAction_->setEnabled(history_.canRedo());
}

void CharacterWindow::typedEntry() {
  Personnage before = sheet_;
  const auto refusal = generateTyped(sheet_, *dice_);
  if (!refusal) keepStep(std::move(before));
  showSheet();
  if (!refusal) return;
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kMessageTitle), qtText(refusal->message),
                  QMessageBox::Ok, this);
  box.exec();
  if (QWidget* w = widgets_.value(qtText(refusal->field))) w->setFocus();
}

void CharacterWindow::randomEntry() {
  Personnage before = sheet_;
  generateRandom(sheet_, *dice_);
  keepStep(std::move(before));
  showSheet();
}

void CharacterWindow::improvementClick(ImprovementTarget target) {
  Personnage before = sheet_;
  if (improve(sheet_, target, *dice_)) keepStep(std::move(before));
  showSheet();
}

void CharacterWindow::undo() { showStep(history_.undo(sheet_)); }

void CharacterWindow::redo() { showStep(history_.redo(sheet_)); }

std::optional<QString> CharacterWindow::saveTo(const QString& path) {
  auto error = saveSheet(*this, sheet_, path);
  if (!error) lastPath_ = path;
  return error;
}

std::optional<QString> CharacterWindow::openFrom(const QString& path) {
  auto read = readSheet(path);
  if (auto* error = std::get_if<QString>(&read)) return *error;
  Personnage before = sheet_;
  sheet_ = std::get<Personnage>(std::move(read));
  keepStep(std::move(before));
  showSheet();
  lastPath_ = path;
  return std::nullopt;
}

bool CharacterWindow::printOn(QPrinter& printer) { return paintSheet(*this, printer); }

void CharacterWindow::copySheet() { QGuiApplication::clipboard()->setText(qtText(sheetToText(sheet_))); }

QString CharacterWindow::dialogPath(const QString& name) const {
  if (!lastPath_.isEmpty()) return QFileInfo(lastPath_).dir().filePath(name);
  const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  return (documents.exists() ? documents : QDir::home()).filePath(name);
}

void CharacterWindow::chooseFileToSave() {
  const QString suggested = lastPath_.isEmpty() ? dialogPath(QString::fromUtf8(kSuggestedName)) : lastPath_;
  QFileDialog dialog(this, QString::fromUtf8(kSaveTitle), suggested, saveFilters());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // A name typed without a suffix takes the one of the chosen form.
  dialog.setDefaultSuffix(suffixOfFilter(dialog.selectedNameFilter()));
  connect(&dialog, &QFileDialog::filterSelected, &dialog,
          [&dialog](const QString& filter) { dialog.setDefaultSuffix(suffixOfFilter(filter)); });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  if (const auto error = saveTo(dialog.selectedFiles().constFirst())) warn(*error);
}

void CharacterWindow::chooseFileToOpen() {
  const QString path =
      QFileDialog::getOpenFileName(this, QString::fromUtf8(kOpenTitle), dialogPath({}), openFilters());
  if (path.isEmpty()) return;
  if (const auto error = openFrom(path)) warn(*error);
}

void CharacterWindow::print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(sheetPageLayout());
  printer.setDocName(QString::fromUtf8(kPrintedName));
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(QString::fromUtf8(kPrintTitle));
  if (dialog.exec() != QDialog::Accepted) return;
  if (!printOn(printer)) warn(QString::fromUtf8(kPrintFailed));
}

void CharacterWindow::warn(const QString& message) {
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kMessageTitle), message, QMessageBox::Ok, this);
  box.exec();
}

void CharacterWindow::setZoom(double zoom) {
  if (zoom <= 0 || zoom == zoom_) return;
  zoom_ = zoom;
  setFixedSize(zoomedClientSize(zoom_));
  setFont(sheetFont(kWindowFont, zoom_));
  setCursor(artworkCursor(kSheetCursor, zoom_));
  widget("orvandel")->setCursor(artworkCursor(kTitleCursor, zoom_));
  for (const auto& [w, row] : placed_) placeSheetWidget(w, *row, zoom_);
}

void CharacterWindow::zoomIn() { setZoom(zoomedIn(zoom_)); }

void CharacterWindow::zoomOut() { setZoom(zoomedOut(zoom_)); }

void CharacterWindow::zoomToActualSize() { setZoom(1.0); }

void CharacterWindow::fitInto(const QRect& available) {
  QSize decoration = frameGeometry().size() - size();
  if (decoration.isEmpty()) decoration = kUsualDecoration;
  setZoom(fittingZoom(decoration, available.size()));
  const QSize outer = size() + decoration;
  move(available.left() + std::max(0, (available.width() - outer.width()) / 2),
       available.top() + std::max(0, (available.height() - outer.height()) / 2));
}

void CharacterWindow::contextMenuEvent(QContextMenuEvent* event) { menu_->exec(event->globalPos()); }

// The window's shortcuts, while they have something to do, come before the
// edit boxes' own, except a copy of the text selected in the box and the
// undoing of the box's own typing.
bool CharacterWindow::windowTakesKey(const QObject* edit, const QKeyEvent& key) const {
  const QKeySequence pressed(key.keyCombination());
  for (const QAction* action : actions()) {
    if (!action->isEnabled() || !action->shortcuts().contains(pressed)) continue;
    // The box's own typing is undone first, as in any text box.
    if (action == undoAction_ || action == redoAction_) return !hasOwnStep(edit, action == redoAction_);
    if (action != copyAction_) return true;
    if (const auto* line = qobject_cast<const QLineEdit*>(edit)) return !line->hasSelectedText();
    if (const auto* multi = qobject_cast<const QPlainTextEdit*>(edit))
      return !multi->textCursor().hasSelection();
    return true;
  }
  return false;
}

// Space or Enter on a skill or weapon value is a click on it.
bool CharacterWindow::clickByKey(const QObject* watched, const QKeyEvent& key) {
  const auto target = keyTargets_.constFind(watched);
  if (target == keyTargets_.cend() || key.modifiers() & ~Qt::KeypadModifier) return false;
  if (key.key() != Qt::Key_Space && key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return false;
  improvementClick(*target);
  return true;
}

bool CharacterWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && windowTakesKey(watched, *static_cast<QKeyEvent*>(event))) {
    event->ignore();
    return true;
  }
  if (event->type() == QEvent::KeyPress && clickByKey(watched, *static_cast<QKeyEvent*>(event))) return true;
  if (event->type() != QEvent::MouseButtonPress ||
      static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
    return QWidget::eventFilter(watched, event);
  if (watched == title_) {
    randomEntry();
  } else if (const auto target = clickTargets_.constFind(watched); target != clickTargets_.cend()) {
    improvementClick(*target);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace orvandel
