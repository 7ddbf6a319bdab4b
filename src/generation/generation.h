// One generation in progress: the sheet it writes, the dice it rolls, and the
// working values that live for this generation only and are never shown.
#pragma once

#include <array>
#include <utility>

#include "core/dice.h"
#include "core/sheet.h"
#include "generation/journal.h"

namespace orvandel {

// Which of the two entries started the generation: "Saisie/Reroll" with the
// typed rolls, or the title picture that rolls everything.
enum class Entry { Typed, Random };

struct Generation {
  Personnage& sheet;
  Dice& dice;
  Entry entry;
  // Where the steps are written when a journal is kept; its rolls are those
  // of `dice`.
  Journal* journal = nullptr;
  // Racial amounts, one per characteristic in kCharacteristics order: what the
  // nationality rolled for its modifiers, added into the totals.
  std::array<int, kCaracCount> racial{};
  // Percentage chance of becoming a sorcerer; some nationalities change it.
  int chance_magie = 10;
  // Set once a Noble of high intelligence has taken a second profession.
  bool noblesse = false;

  // Writes the step that just ran into the journal, if one is kept;
  // `describe(Note&)` runs only then.
  template <typename Describe>
  void note(Stage stage, Describe&& describe) {
    if (journal) [[unlikely]]
      journal->write(stage, std::forward<Describe>(describe));
  }
};

}  // namespace orvandel
