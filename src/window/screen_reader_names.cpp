#include "window/screen_reader_names.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "core/sheet_fields.h"
#include "layout/control_catalogue.h"
#include "layout/spoken_names.h"
#include "window/qt_text.h"
#include "window/sheet_widgets.h"
#include "window/spoken_label.h"

namespace orvandel {
namespace {

// A control that a press acts on, as screen readers see it: a button, whose
// press is the Space key that the sheet takes as a click.
class PressedControl : public QAccessibleWidget {
 public:
  explicit PressedControl(QWidget* w, QAccessible::Role role = QAccessible::Button)
      : QAccessibleWidget(w, role) {}

  QStringList actionNames() const override {
    return role() == QAccessible::Button ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action != pressAction() || role() != QAccessible::Button) return QAccessibleWidget::doAction(action);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(widget(), &press);
  }
};

// A box that the sheet writes and the player only reads (a total, a skill's
// value): its text is read out as its value and as text that a reader can
// walk, and it is read-only. A skill's or weapon's value is also a button.
// The box itself announces each new text when the sheet shows it.
class ShownBox final : public PressedControl, public QAccessibleTextInterface {
 public:
  ShownBox(QLineEdit* box, QAccessible::Role role) : PressedControl(box, role) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    s.editable = false;
    s.selectable = true;
    return s;
  }

  void selection(int, int* start, int* end) const override {
    *start = box()->selectionStart();
    *end = *start < 0 ? -1 : *start + static_cast<int>(box()->selectedText().size());
  }
  int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { box()->deselect(); }
  void setSelection(int, int start, int end) override { box()->setSelection(start, end - start); }
  int cursorPosition() const override { return box()->cursorPosition(); }
  void setCursorPosition(int position) override { box()->setCursorPosition(position); }
  QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(box()->text().size()); }
  int offsetAtPoint(const QPoint& point) const override {
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
  }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

  // Where a character stands on the screen, for magnifiers: the text sits
  // centred or at the left of the box, as the box aligns it.
  QRect characterRect(int offset) const override {
    const QString shown = box()->text();
    const QFontMetrics metrics = box()->fontMetrics();
    const QRect inside = box()->contentsRect();
    const int width = metrics.horizontalAdvance(shown);
    const int left = box()->alignment() & Qt::AlignHCenter ? inside.left() + (inside.width() - width) / 2
                                                           : inside.left() + kTextMargin;
    const QRect glyph(left + metrics.horizontalAdvance(shown.left(offset)),
                      inside.top() + (inside.height() - metrics.height()) / 2,
                      metrics.horizontalAdvance(shown.mid(offset, 1)), metrics.height());
    return QRect(box()->mapToGlobal(glyph.topLeft()), glyph.size());
  }

 private:
  // The margin that a box leaves at the left of its text.
  static constexpr int kTextMargin = 2;

  QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
};

// The program's windows, the journal that stays above the sheet included,
// are windows to screen readers, not bare panes; dialogs keep their own role.
class SheetWindow final : public QAccessibleWidget {
 public:
  explicit SheetWindow(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}
};

// A line that says what just happened is a status bar, named by its text.
class SpokenStatus final : public QAccessibleWidget {
 public:
  explicit SpokenStatus(SpokenLabel* line) : QAccessibleWidget(line, QAccessible::StatusBar) {}

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* sheetAccessible(const QString& /*className*/, QObject* object) {
  auto* w = qobject_cast<QWidget*>(object);
  if (!w) return nullptr;
  if (auto* box = qobject_cast<QLineEdit*>(w); box && box->isReadOnly())
    return new ShownBox(box,
                        qobject_cast<PressedValue*>(w) ? QAccessible::Button : QAccessible::EditableText);
  if (qobject_cast<PressedPicture*>(w)) return new PressedControl(w);
  if (auto* line = qobject_cast<SpokenLabel*>(w)) return new SpokenStatus(line);
  if (w->windowType() == Qt::Window || w->windowType() == Qt::Tool) return new SheetWindow(w);
  return nullptr;
}

}  // namespace

void useSheetRoles() {
  static const bool installed = [] {
    QAccessible::installFactory(sheetAccessible);
    return true;
  }();
  (void)installed;
}

namespace {

// The caption of a row tells screen readers that it labels the row's first
// box, through its buddy. A caption that the sheet writes (a skill's name)
// stays without one, as a buddy would take an "&" in it for a shortcut.
void relateLabel(const SheetView& view, const ControlRow& box, QWidget* w) {
  if (box.rowLabel.empty() || !catalogueEntry(box.rowLabel)->value.empty()) return;
  auto* caption = qobject_cast<QLabel*>(view.widget(box.rowLabel));
  if (caption && !caption->buddy()) caption->setBuddy(w);
}

}  // namespace

ScreenReaderNames::ScreenReaderNames(const SheetView& view, const Personnage& sheet) : sheet_(sheet) {
  for (const auto& [w, row] : view.placed()) {
    if (const std::string press = spokenDescription(row->name); !press.empty())
      w->setAccessibleDescription(qtText(press));
    if (std::string source = spokenNameSource(row->name); !source.empty())
      namedBySheet_.push_back({w, row, std::move(source), {}});
    if (const std::string name = spokenName(*row, sheet); !name.empty()) w->setAccessibleName(qtText(name));
    if (const std::string tip = selectorTip(row->name); !tip.empty()) w->setToolTip(qtText(tip));
    relateLabel(view, *row, w);
  }
  refresh();
}

// The names are set again only when a naming field changed, so that a
// refresh costs what it did before screen readers were named; then all of
// them, since a skill's name depends on whether another slot shows the same.
void ScreenReaderNames::refresh() {
  bool changed = false;
  for (NamedBySheet& named : namedBySheet_) {
    const std::string_view source = fieldText(sheet_, named.source);
    if (source == named.sourceText) continue;
    named.sourceText = source;
    changed = true;
  }
  if (!changed) return;
  for (const NamedBySheet& named : namedBySheet_)
    named.widget->setAccessibleName(qtText(spokenName(*named.row, sheet_)));
}

}  // namespace orvandel
