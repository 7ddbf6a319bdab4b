#include "window/sheet_view.h"

#include <QCheckBox>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <algorithm>

#include "core/sheet_fields.h"
#include "layout/control_catalogue.h"
#include "window/qt_text.h"
#include "window/sheet_widgets.h"

namespace orvandel {
namespace {

void display(QLabel* w, const QString& s) { w->setText(s); }
void display(QLineEdit* w, const QString& s) {
  w->setText(s);
  w->setCursorPosition(0);
}
void display(QPlainTextEdit* w, const QString& s) { w->setPlainText(s); }

// Qt lays out every new edit box once in the application's font before the
// box takes its own: in the desktop's font, that first layout loaded a font
// that nothing on the sheet shows, two font engines and about a tenth of the
// window's construction. While the sheet is built, the application's font is
// the window's, which is loaded already; the desktop's comes back after. Set
// as the GUI's font, not the widgets': that keeps the desktop's own fonts for
// menus, tooltips and message boxes, which QApplication::setFont forgets.
class WindowFontForNewBoxes {
 public:
  explicit WindowFontForNewBoxes(const QWidget& window) : desktop_(QGuiApplication::font()) {
    QGuiApplication::setFont(window.font());
  }
  ~WindowFontForNewBoxes() { QGuiApplication::setFont(desktop_); }
  WindowFontForNewBoxes(const WindowFontForNewBoxes&) = delete;
  WindowFontForNewBoxes& operator=(const WindowFontForNewBoxes&) = delete;

 private:
  QFont desktop_;
};

// Space or Enter, without a modifier, presses what has the focus.
bool isPressKey(const QKeyEvent& key) {
  if (key.modifiers() & ~Qt::KeypadModifier) return false;
  return key.key() == Qt::Key_Space || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

}  // namespace

SheetView::SheetView(QWidget& window, const Personnage& sheet, double zoom)
    : QObject(&window), window_(window), sheet_(sheet) {
  const WindowFontForNewBoxes windowFont(window);
  QStyle* style = makeSheetStyle(this);
  QWidget* frame = nullptr;
  for (const auto& row : characterWindowLayout()) {
    QWidget* w = makeSheetWidget(row, row.container == Container::Frame ? frame : &window, style, zoom);
    if (row.kind == ControlKind::Frame) frame = w;
    placed_.emplace_back(w, &row);
    byName_.emplace(row.name, w);
    bind(row, w);
    if (const PressAction press = catalogueEntry(row.name)->press;
        press == PressAction::Improve || press == PressAction::RollCharacter)
      w->installEventFilter(this);
  }
  for (const auto& [w, row] : placed_)
    if (standsAbove(row->kind)) w->raise();
  for (std::size_t i = 0; i < texts_.size(); ++i) listenToTyping(i);
  for (std::size_t i = 0; i < ticks_.size(); ++i) listenToTicks(i);
  wireButtons();
  orderTabs();
  show();
}

QWidget* SheetView::widget(std::string_view name) const {
  const auto found = byName_.find(name);
  return found == byName_.end() ? nullptr : found->second;
}

void SheetView::bind(const ControlRow& row, QWidget* w) {
  const auto field = findField(sheet_, row.name);
  if (!field) return;
  if (const auto* const* tick = std::get_if<const bool*>(&*field)) {
    ticks_.push_back({row.name, qobject_cast<QCheckBox*>(w), *tick});
    return;
  }
  const std::string* value = std::get<const std::string*>(*field);
  if (auto* label = qobject_cast<QLabel*>(w))
    texts_.push_back({row.name, label, value, {}});
  else if (auto* line = qobject_cast<QLineEdit*>(w))
    texts_.push_back({row.name, line, value, {}});
  else
    texts_.push_back({row.name, qobject_cast<QPlainTextEdit*>(w), value, {}});
}

void SheetView::listenToTyping(std::size_t i) {
  auto keep = [this, i](const QString& text) {
    texts_[i].shown = text.toStdString();
    emit typed(std::string(texts_[i].control), texts_[i].shown);
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

void SheetView::listenToTicks(std::size_t i) {
  connect(ticks_[i].box, &QCheckBox::toggled, this, [this, i](bool tick) {
    if (showing_) return;
    ticks_[i].shown = tick;
    emit ticked(std::string(ticks_[i].control), tick);
  });
}

void SheetView::wireButtons() {
  connect(qobject_cast<QPushButton*>(widget(kTypedEntryButton)), &QPushButton::clicked, this,
          &SheetView::typedEntryPressed);
  connect(qobject_cast<QPushButton*>(widget(kQuitButton)), &QPushButton::clicked, this,
          &SheetView::quitPressed);
  // Enter in a blue box is "Saisie/Reroll".
  for (const auto& blue : kBlueBoxes)
    connect(qobject_cast<QLineEdit*>(widget(blue.name)), &QLineEdit::returnPressed, this,
            &SheetView::typedEntryPressed);
  // Only the window's own surface and the side strips take the sheet cursor.
  widget(kSheetFrame)->setCursor(Qt::ArrowCursor);
  widget(kQuitButton)->setCursor(Qt::ArrowCursor);
}

void SheetView::orderTabs() {
  const auto& order = tabOrder();
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(widget(order[i - 1]), widget(order[i]));
  widget(order.front())->setFocus();
}

void SheetView::show() {
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

void SheetView::setZoom(double zoom) {
  for (const auto& [w, row] : placed_) placeSheetWidget(w, *row, zoom);
}

std::vector<QWidget*> SheetView::editBoxes() const {
  std::vector<QWidget*> boxes;
  for (const TextBinding& b : texts_)
    if (!std::holds_alternative<QLabel*>(b.widget))
      boxes.push_back(std::visit([](QWidget* w) { return w; }, b.widget));
  return boxes;
}

void SheetView::forgetTypingUndo() {
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

// Space or Enter on the title picture rolls a character; on a skill or
// weapon value it is a click on it.
bool SheetView::pressByKey(const QObject* watched, const QEvent& event) {
  if (event.type() != QEvent::KeyPress || !isPressKey(static_cast<const QKeyEvent&>(event))) return false;
  if (watched->objectName() == QLatin1String(kTitlePicture)) {
    emit titlePressed();
    return true;
  }
  const auto target = keyedImprovementTarget(watched->objectName().toStdString());
  if (!target || !qobject_cast<const QLineEdit*>(watched)) return false;
  emit improvementPressed(*target);
  return true;
}

bool SheetView::pressByMouse(const QObject* watched, const QEvent& event) {
  if (event.type() != QEvent::MouseButtonPress ||
      static_cast<const QMouseEvent&>(event).button() != Qt::LeftButton)
    return false;
  if (watched->objectName() == QLatin1String(kTitlePicture))
    emit titlePressed();
  else if (const auto target = improvementTarget(watched->objectName().toStdString()))
    emit improvementPressed(*target);
  return false;  // the press goes on: a value box still takes the focus
}

bool SheetView::eventFilter(QObject* watched, QEvent* event) {
  if (pressByKey(watched, *event)) return true;
  pressByMouse(watched, *event);
  return QObject::eventFilter(watched, event);
}

}  // namespace orvandel
