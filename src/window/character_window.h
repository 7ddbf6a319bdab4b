// The character window: the sheet on screen. It owns the sheet and the dice,
// writes what the player types or ticks into the sheet, starts the engine's
// actions on the clicks and shows the sheet again after each of them. The
// rules live in the engine; the window decides nothing from what it shows.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "core/dice.h"
#include "core/sheet.h"
#include "generation/improvement.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace orvandel {

struct ControlRow;

class CharacterWindow : public QWidget {
  Q_OBJECT

 public:
  explicit CharacterWindow(std::unique_ptr<Dice> dice, QWidget* parent = nullptr);
  ~CharacterWindow() override;

  const Personnage& sheet() const { return sheet_; }

  // The window's actions, as its clicks start them.
  void typedEntry();
  void randomEntry();
  void improvementClick(ImprovementTarget target);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

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
  void listenToTyping(std::size_t binding);
  void listenToTicks(std::size_t binding);
  void wireActions();
  void orderTabs();
  void showSheet();
  QWidget* widget(const char* name) const;

  Personnage sheet_;
  std::unique_ptr<Dice> dice_;
  std::vector<TextBinding> texts_;
  std::vector<TickBinding> ticks_;
  QHash<QString, QWidget*> widgets_;
  QHash<const QObject*, ImprovementTarget> clickTargets_;
  const QObject* title_ = nullptr;
  bool showing_ = false;
};

}  // namespace orvandel
