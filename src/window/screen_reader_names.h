// The names a screen reader says for the window's controls, from the
// program's one table of spoken names: every control is named once, and the
// skills and weapons again when the sheet renames them; each caption that
// labels a box is related to it.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "core/sheet.h"
#include "window/sheet_view.h"

namespace orvandel {

// Gives screen readers the program's roles: each window is a window, a box
// the player only reads is read-only and reads out its text, and a skill or
// weapon value and the title picture are buttons that a press acts on. Call
// before the windows are built; later calls do nothing.
void useSheetRoles();

class ScreenReaderNames {
 public:
  // Names every control of `view` for `sheet`, which must outlive this.
  ScreenReaderNames(const SheetView& view, const Personnage& sheet);

  // Names again the controls whose naming field changed since.
  void refresh();

 private:
  struct NamedBySheet {
    QWidget* widget;
    const ControlRow* row;
    std::string source;  // the field whose text names the control
    std::string sourceText;
  };

  const Personnage& sheet_;
  std::vector<NamedBySheet> namedBySheet_;
};

}  // namespace orvandel
