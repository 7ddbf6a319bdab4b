// The window's commands on shortcuts and in its right-click menu. While a
// command has something to do, its shortcut comes before an edit box's own,
// except a copy of the text selected in the box and the undoing of the
// box's own typing.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QAction;
class QKeyEvent;
class QMenu;
class QPoint;
class QWidget;

namespace orvandel {

// What a command is to the edit boxes' own keys.
enum class CommandRole {
  Plain,
  Undo,  // the box's own typing is undone first
  Redo,
  Copy,  // text selected in the box is copied first
};

class ShortcutMenu : public QObject {
  Q_OBJECT

 public:
  explicit ShortcutMenu(QWidget& window);

  // `keys`: portable key names, alternatives separated by "; ". Returns the
  // command's action, for its owner to enable.
  QAction* add(const char* text, const char* keys, CommandRole role, std::function<void()> run);
  void addSeparator();

  // An edit box whose shortcuts the commands come before.
  void watch(QWidget* editBox);

  void enableSteps(bool undo, bool redo);

  // Another window of the program (the journal, the roster) takes the
  // commands whose keys it has no use of its own for, so that the player's
  // keys work wherever the focus went; Escape closes it.
  void shareWith(QWidget& other);
  void popup(const QPoint& at);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool windowTakesKey(const QObject* edit, const QKeyEvent& key) const;

  QWidget& window_;
  // Made on the first right click: the window opens sooner without it.
  QMenu* menu_ = nullptr;
  // The commands in the menu's order; a null action stands for a separator.
  struct Command {
    QAction* action;
    CommandRole role;
  };
  std::vector<Command> commands_;
};

}  // namespace orvandel
