// One player's sheet and everything the player does to it: the sheet, the
// dice that roll it and the steps to undo and redo. The window and the
// browser page carry out every action here, so an action and the step it
// leaves behind are written once, whatever the front end.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/dice.h"
#include "core/sheet.h"
#include "generation/driver.h"
#include "generation/improvement.h"
#include "generation/journal.h"
#include "history/step_history.h"

namespace orvandel {

// What an action did to the sheet, for its owner to show.
enum class SheetChange {
  Edited,   // the sheet or its journal changed but keeps no step: a click that spent
            // nothing wrote why, and an empty count became "-1"
  Stepped,  // the steps moved: an action kept one, or undo or redo took one
};

class SheetSession {
 public:
  // `depth`: how many steps back the player can go.
  // REQUIRES: dice is not null.
  explicit SheetSession(std::unique_ptr<Dice> dice, std::size_t depth = kHistoryDepth);

  const Personnage& sheet() const { return sheet_; }
  // How the sheet shown was made: the journal of the generation that made
  // it and the improvement clicks since, each entry one line with
  // journalLine(). Empty for a sheet opened from a file or the launch state.
  // It follows undo and redo.
  const Journal& journal() const { return journal_; }

  // Told after every action that changed the sheet. Typing and ticking are
  // not told: the owner shows them already.
  void onChange(std::function<void(SheetChange)> listener) { listener_ = std::move(listener); }

  // Typing into a text field or ticking a selector changes the sheet only;
  // false for a name the sheet does not have or a value of the other kind.
  bool setText(std::string_view control, std::string text);
  bool setTicked(std::string_view control, bool ticked);

  // Typing into a box of a generated sheet is written in its recipe, which
  // then tells that the sheet may no longer be what its dice gave.

  // "Saisie/Reroll". A refusal changes nothing and keeps no step.
  std::optional<Refusal> typedEntry();
  // The title picture.
  void randomEntry();
  // Each entry writes the sheet's recipe: the seed its dice start from (or,
  // for a script, its rolls) and, for "Saisie/Reroll", the boxes as typed.

  // An improvement click; whether it spent a roll. A click that spends
  // nothing keeps no step. A spent click joins the sheet's recipe; on a
  // sheet whose recipe has a seed, it rolls on from that seed's rolls.
  bool improve(ImprovementTarget target);
  // A sheet the player brings in its JSON form (a file, a link): nothing
  // once it is shown, or why it is not a sheet, in French, with the sheet
  // unchanged.
  std::optional<std::string> open(std::string_view json);
  // A sheet already read, such as a kept character: shown as one step.
  void open(Personnage sheet);
  // The sheet that a link's recipe code makes: nothing once it is shown, or
  // why the code makes no sheet, as the end of a French sentence.
  std::optional<std::string> openRecipe(std::string_view code);

  // Stepping back and forth; whether the sheet changed.
  bool undo();
  bool redo();
  bool canUndo() const { return history_.canUndo(); }
  bool canRedo() const { return history_.canRedo(); }

  // The launch state: a fresh sheet, rolled from now on by `dice`. The sheet
  // left behind is one step to undo.
  void restart(std::unique_ptr<Dice> dice);

  // Whether the sheet shown holds a character that leaving would lose: one
  // that a generation made (see holdsCharacter), and that is not, as it
  // stands now, the sheet last kept, saved or opened. Typing, an
  // improvement or a step back after keeping make it one again.
  bool holdsUnkeptCharacter() const;
  // The sheet shown is kept where the player can open it again (a roster, a
  // file); opening a sheet does the same.
  void markKept() { kept_ = sheet_; }

 private:
  // A sheet with the journal that made it: they go back and forth together.
  struct Step {
    Personnage sheet;
    Journal journal;
  };

  // Keeps `before` as a step when the action changed the sheet; `journal`
  // tells how the sheet now shown was made.
  void keepStep(Personnage before, Journal journal);

  // Shows the step that undo or redo gave; whether there was one.
  bool show(std::optional<Step> step);
  void tell(SheetChange change);

  Personnage sheet_;
  std::unique_ptr<Dice> dice_;
  StepHistory<Step> history_;
  Journal journal_;
  std::function<void(SheetChange)> listener_;
  std::optional<Personnage> kept_;
};

}  // namespace orvandel
