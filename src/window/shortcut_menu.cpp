#include "window/shortcut_menu.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QWidget>
#include <algorithm>

namespace orvandel {
namespace {

// Whether an edit box has typing of its own to undo (or redo).
bool hasOwnStep(const QObject* edit, bool redo) {
  if (const auto* line = qobject_cast<const QLineEdit*>(edit))
    return redo ? line->isRedoAvailable() : line->isUndoAvailable();
  if (const auto* multi = qobject_cast<const QPlainTextEdit*>(edit))
    return redo ? multi->document()->isRedoAvailable() : multi->document()->isUndoAvailable();
  return false;
}

bool hasSelection(const QObject* edit) {
  if (const auto* line = qobject_cast<const QLineEdit*>(edit)) return line->hasSelectedText();
  if (const auto* multi = qobject_cast<const QPlainTextEdit*>(edit))
    return multi->textCursor().hasSelection();
  return false;
}

}  // namespace

ShortcutMenu::ShortcutMenu(QWidget& window) : QObject(&window), window_(window) {}

QAction* ShortcutMenu::add(const char* text, const char* keys, CommandRole role, std::function<void()> run) {
  auto* action = new QAction(QString::fromUtf8(text), &window_);
  action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(keys)));
  connect(action, &QAction::triggered, this, std::move(run));
  window_.addAction(action);
  commands_.push_back({action, role});
  return action;
}

void ShortcutMenu::addSeparator() { commands_.push_back({nullptr, CommandRole::Plain}); }

void ShortcutMenu::watch(QWidget* editBox) { editBox->installEventFilter(this); }

void ShortcutMenu::enableSteps(bool undo, bool redo) {
  for (const Command& command : commands_) {
    if (!command.action) continue;
    if (command.role == CommandRole::Undo) command.action->setEnabled(undo);
    if (command.role == CommandRole::Redo) command.action->setEnabled(redo);
  }
}

void ShortcutMenu::shareWith(QWidget& other) {
  QList<QKeySequence> own;
  for (const QAction* action : other.actions()) own += action->shortcuts();
  for (const Command& command : commands_) {
    if (!command.action) continue;
    const auto keys = command.action->shortcuts();
    if (std::none_of(keys.begin(), keys.end(), [&own](const QKeySequence& key) { return own.contains(key); }))
      other.addAction(command.action);
  }
  auto* close = new QAction(&other);
  close->setShortcut(QKeySequence(Qt::Key_Escape));
  connect(close, &QAction::triggered, &other, &QWidget::close);
  other.addAction(close);
}

void ShortcutMenu::popup(const QPoint& at) {
  if (!menu_) {
    menu_ = new QMenu(&window_);
    for (const Command& command : commands_) {
      if (command.action)
        menu_->addAction(command.action);
      else
        menu_->addSeparator();
    }
  }
  menu_->exec(at);
}

bool ShortcutMenu::windowTakesKey(const QObject* edit, const QKeyEvent& key) const {
  const QKeySequence pressed(key.keyCombination());
  for (const Command& command : commands_) {
    if (!command.action || !command.action->isEnabled() || !command.action->shortcuts().contains(pressed))
      continue;
    switch (command.role) {
      case CommandRole::Undo:
      case CommandRole::Redo:
        return !hasOwnStep(edit, command.role == CommandRole::Redo);
      case CommandRole::Copy:
        return !hasSelection(edit);
      case CommandRole::Plain:
        return true;
    }
  }
  return false;
}

bool ShortcutMenu::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && windowTakesKey(watched, *static_cast<QKeyEvent*>(event))) {
    event->ignore();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace orvandel
