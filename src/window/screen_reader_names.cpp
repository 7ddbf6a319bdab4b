#include "window/screen_reader_names.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "core/sheet_fields.h"
#include "layout/spoken_names.h"
#include "window/qt_text.h"
#include "window/sheet_widgets.h"

namespace orvandel {
namespace {

// A control that a press acts on, as screen readers see it: a button, whose
// press is the Space key that the sheet takes as a click.
class PressedControl final : public QAccessibleWidget {
 public:
  explicit PressedControl(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {
    addControllingSignal(QStringLiteral("destroyed()"));
  }

  // Its value is the number it shows.
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Value) return QAccessibleWidget::text(t);
    const auto* box = qobject_cast<const QLineEdit*>(widget());
    return box ? box->text() : QString();
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = false;
    s.editable = false;
    return s;
  }

  QStringList actionNames() const override { return {pressAction()}; }

  void doAction(const QString& action) override {
    if (action != pressAction()) return QAccessibleWidget::doAction(action);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(widget(), &press);
  }
};

// The character window is a window to screen readers, not a bare pane.
class SheetWindow final : public QAccessibleWidget {
 public:
  explicit SheetWindow(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}
};

QAccessibleInterface* sheetAccessible(const QString& /*className*/, QObject* object) {
  auto* w = qobject_cast<QWidget*>(object);
  if (!w) return nullptr;
  if (qobject_cast<PressedValue*>(w) || qobject_cast<PressedPicture*>(w)) return new PressedControl(w);
  if (w->isWindow() && w->objectName() == QLatin1String(kClientArea)) return new SheetWindow(w);
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

ScreenReaderNames::ScreenReaderNames(const SheetView& view, const Personnage& sheet) : sheet_(sheet) {
  for (const auto& [w, row] : view.placed()) {
    if (const std::string press = spokenDescription(row->name); !press.empty())
      w->setAccessibleDescription(qtText(press));
    if (std::string source = spokenNameSource(row->name); !source.empty())
      namedBySheet_.push_back({w, row, std::move(source), {}});
    if (const std::string name = spokenName(*row, sheet); !name.empty()) w->setAccessibleName(qtText(name));
    if (const std::string tip = selectorTip(row->name); !tip.empty()) w->setToolTip(qtText(tip));
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
