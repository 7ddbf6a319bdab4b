// The sheet on screen: every control of the layout table as a widget of the
// window, showing the fields of one sheet, and what the player does to them
// told as signals (typing, ticks, the title picture, the two buttons, the
// improvement clicks by mouse or key). It decides nothing: its owner acts.
#pragma once

#include <QObject>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

#include "core/sheet.h"
#include "generation/improvement.h"
#include "layout/layout.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace orvandel {

class SheetView : public QObject {
  Q_OBJECT

 public:
  // Builds the widgets into `window` at `zoom` and shows `sheet`, which must
  // outlive the view: show() draws it again as it then stands.
  SheetView(QWidget& window, const Personnage& sheet, double zoom = 1.0);

  // Redraws the widgets whose field changed since they were last drawn.
  void show();

  // The widget of the control called `name`, or nullptr.
  QWidget* widget(std::string_view name) const;

  // Every widget with the layout row it was made from, in layout order.
  const std::vector<std::pair<QWidget*, const ControlRow*>>& placed() const { return placed_; }

  // Places every widget, font and picture at `zoom` (1 for the sheet's own size).
  void setZoom(double zoom);

  // The boxes the player types into, whose own undo steps a generation
  // ends: from then on the typing belongs to the sheet's history.
  std::vector<QWidget*> editBoxes() const;
  void forgetTypingUndo();

 signals:
  void typed(const std::string& control, const std::string& text);
  void ticked(const std::string& control, bool ticked);
  void titlePressed();
  void typedEntryPressed();
  void quitPressed();
  void improvementPressed(orvandel::ImprovementTarget target);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A widget that shows one field of the sheet, with what it shows now so
  // that a refresh touches only the widgets whose field changed.
  struct TextBinding {
    std::string_view control;
    std::variant<QLabel*, QLineEdit*, QPlainTextEdit*> widget;
    const std::string* field;
    std::string shown;
  };
  struct TickBinding {
    std::string_view control;
    QCheckBox* box;
    const bool* field;
    bool shown = false;
  };

  void bind(const ControlRow& row, QWidget* widget);
  void listenToTyping(std::size_t binding);
  void listenToTicks(std::size_t binding);
  void wireButtons();
  void orderTabs();
  bool pressByKey(const QObject* watched, const QEvent& event);
  bool pressByMouse(const QObject* watched, const QEvent& event);

  QWidget& window_;
  const Personnage& sheet_;
  std::vector<std::pair<QWidget*, const ControlRow*>> placed_;
  // Looked up for every Tab stop at start-up: by name, not by walking.
  std::unordered_map<std::string_view, QWidget*> byName_;
  std::vector<TextBinding> texts_;
  std::vector<TickBinding> ticks_;
  bool showing_ = false;
};

}  // namespace orvandel
