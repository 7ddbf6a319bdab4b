// The character window: the sheet on screen. It owns the sheet and the dice,
// writes what the player types or ticks into the sheet, starts the engine's
// actions on the clicks and shows the sheet again after each of them. The
// rules live in the engine; the window decides nothing from what it shows.
// Out of sight, on shortcuts and a context menu, it keeps the character
// (undo and redo, save, open, print and copy) and zooms the sheet.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/dice.h"
#include "core/sheet.h"
#include "generation/improvement.h"
#include "history/sheet_history.h"
#include "window/spoken_names.h"

class QAction;
class QCheckBox;
class QContextMenuEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QRect;

namespace orvandel {

struct ControlRow;

class CharacterWindow : public QWidget {
  Q_OBJECT

 public:
  explicit CharacterWindow(std::unique_ptr<Dice> dice, QWidget* parent = nullptr);
  ~CharacterWindow() override;

  const Personnage& sheet() const { return sheet_; }

  // The window's actions, as its clicks start them. A generation that ran
  // and a click that spent a roll are steps that undo() takes back.
  void typedEntry();
  void randomEntry();
  void improvementClick(ImprovementTarget target);

  // Keeping the character, as the shortcuts and the context menu start them
  // once the player has picked a file. Saving and opening return what went
  // wrong, in French, or nothing; a failure changes nothing on the sheet.
  void undo();
  void redo();
  std::optional<QString> saveTo(const QString& path);
  std::optional<QString> openFrom(const QString& path);
  bool printOn(QPrinter& printer);
  void copySheet();

  // The same with their dialogs and messages.
  void chooseFileToSave();
  void chooseFileToOpen();
  void print();

  // The whole sheet (every control, font, picture and cursor) drawn at
  // `zoom`, 1 for its own size; zoomIn() and zoomOut() go to the next zoom
  // step, from 50 % to 250 %.
  double zoom() const { return zoom_; }
  void setZoom(double zoom);
  void zoomIn();
  void zoomOut();
  void zoomToActualSize();

  // Takes the largest zoom of at most 100 % at which the window, title bar
  // and borders included, fits `available` (a screen's area left free by
  // panels), and places the window in it.
  void fitInto(const QRect& available);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // A widget that shows one field of the sheet, with what it shows now so
  // that a refresh touches only the widgets whose field changed.
  struct TextBinding {
    std::variant<QLabel*, QLineEdit*, QPlainTextEdit*> widget;
    std::string* field;
    std::string shown;
  };
  struct TickBinding {
    QCheckBox* box;
    bool* field;
    bool shown = false;
  };

  void bind(const ControlRow& row, QWidget* widget);
  void takeKeyboardClicks(const ControlRow& row, QWidget* widget);
  void nameForScreenReaders();
  void renameFromSheet();
  ShownText shownBy() const;
  void nameSelectors();
  void forgetTypingUndo();
  void listenToTyping(std::size_t binding);
  void listenToTicks(std::size_t binding);
  void wireActions();
  void orderTabs();
  void makeKeepingActions();
  void showSheet();
  void keepStep(Personnage before);
  void showStep(std::optional<Personnage> sheet);
  void updateSteps();
  bool windowTakesKey(const QObject* edit, const QKeyEvent& key) const;
  bool clickByKey(const QObject* watched, const QKeyEvent& key);
  void warn(const QString& message);
  QString dialogPath(const QString& name) const;
  QWidget* widget(const char* name) const;

  Personnage sheet_;
  std::unique_ptr<Dice> dice_;
  std::vector<TextBinding> texts_;
  std::vector<TickBinding> ticks_;
  QHash<QString, QWidget*> widgets_;
  std::vector<std::pair<QWidget*, const ControlRow*>> placed_;
  // A control named by another one's text, and that text when it was named.
  struct NamedBySheet {
    QWidget* widget;
    const ControlRow* row;
    const QWidget* source;
    QString sourceText;
  };
  std::vector<NamedBySheet> namedBySheet_;
  QHash<const QObject*, ImprovementTarget> clickTargets_;
  QHash<const QObject*, ImprovementTarget> keyTargets_;
  double zoom_ = 1.0;
  const QObject* title_ = nullptr;
  bool showing_ = false;
  SheetHistory history_;
  QMenu* menu_ = nullptr;
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;
  QAction* copyAction_ = nullptr;
  QString lastPath_;
};

}  // namespace orvandel
