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
#include <QPixmap>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <algorithm>
#include <array>

#include "sheet_io/sheet_text.h"
#include "core/sheet_fields.h"
#include "generation/driver.h"
#include "window/fonts.h"
#include "layout/layout.h"
#include "window/qt_text.h"
#include "window/sheet_files.h"
#include "window/sheet_widgets.h"

// The artwork lives in a static library: its resources must be pulled in by
// name, from the global namespace.
static void initArtwork() { Q_INIT_RESOURCE(artwork); }

namespace orvandel {
namespace {

constexpr const char* kIcon = ":/artwork/icon.png";

constexpr CursorArt kSheetCursor{":/artwork/cursor_sheet.png", 12, 1};
constexpr CursorArt kTitleCursor{":/artwork/cursor_title.png", 6, 0};

constexpr const char* kMessageTitle = "Orvandel";

// What keeps the character, in the order of the context menu; a row without
// a text stands for a separator.
struct KeepingAction {
  const char* text;
  const char* keys;  // portable key names, alternatives separated by "; "
  void (CharacterWindow::*run)();
};
constexpr auto kKeepingActions = std::to_array<KeepingAction>({
    {"Annuler", "Ctrl+Z", &CharacterWindow::undo},
    {"Rétablir", "Ctrl+Shift+Z; Ctrl+Y", &CharacterWindow::redo},
    {nullptr, nullptr, nullptr},
    {"Ouvrir une fiche…", "Ctrl+O", &CharacterWindow::chooseFileToOpen},
    {"Enregistrer la fiche…", "Ctrl+S", &CharacterWindow::chooseFileToSave},
    {"Imprimer la fiche…", "Ctrl+P", &CharacterWindow::print},
    {nullptr, nullptr, nullptr},
    {"Copier la fiche en texte", "Ctrl+C", &CharacterWindow::copySheet},
});

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
  setFixedSize(clientPixelSize());
  setFont(sheetFont(kWindowFont));
  setCursor(artworkCursor(kSheetCursor));

  const auto& layout = characterWindowLayout();
  QStyle* style = makeSheetStyle(this);
  QWidget* frame = nullptr;
  for (const auto& row : layout) {
    QWidget* w = makeSheetWidget(row, row.container == Container::Frame ? frame : this, style);
    if (row.kind == ControlKind::Frame) frame = w;
    widgets_.insert(qtText(row.name), w);
    bind(row, w);
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
  showSheet();
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
  title->setCursor(artworkCursor(kTitleCursor));
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
}

void CharacterWindow::makeKeepingActions() {
  menu_ = new QMenu(this);
  for (const KeepingAction& entry : kKeepingActions) {
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
}

void CharacterWindow::keepStep(Personnage before) {
  if (before == sheet_) return;
  history_.record(std::move(before));
  updateSteps();
}

void CharacterWindow::showStep(std::optional<Personnage> sheet) {
  if (!sheet) return;
  sheet_ = std::move(*sheet);
  showSheet();
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
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kMessageTitle),
                  qtText(refusal->message),
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

void CharacterWindow::contextMenuEvent(QContextMenuEvent* event) { menu_->exec(event->globalPos()); }

// The window's shortcuts, while they have something to do, come before the
// edit boxes' own, except a copy of the text selected in the box.
bool CharacterWindow::windowTakesKey(const QObject* edit, const QKeyEvent& key) const {
  const QKeySequence pressed(key.keyCombination());
  for (const QAction* action : actions()) {
    if (!action->isEnabled() || !action->shortcuts().contains(pressed)) continue;
    if (action != copyAction_) return true;
    if (const auto* line = qobject_cast<const QLineEdit*>(edit)) return !line->hasSelectedText();
    if (const auto* multi = qobject_cast<const QPlainTextEdit*>(edit))
      return !multi->textCursor().hasSelection();
    return true;
  }
  return false;
}

bool CharacterWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && windowTakesKey(watched, *static_cast<QKeyEvent*>(event))) {
    event->ignore();
    return true;
  }
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
