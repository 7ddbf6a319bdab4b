// The generation driver: the two entries of a generation, the preparation of
// the sheet, the reroll selectors, the rule stages in their fixed order and
// the final stage.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/dice.h"
#include "core/sheet.h"
#include "generation/journal.h"

namespace orvandel {

// The one message the program has for the player.
inline constexpr std::string_view kRemplirCasesBleues = "Remplir les cases bleues";

// Typed numbers are kept between -kTypedLimit and kTypedLimit so that no
// rule meets an absurd value (a typed age of a million would keep the priest
// studying for ages).
inline constexpr int kTypedLimit = 999;

// What was wrong with the refused blue box.
enum class RefusalReason {
  Empty,       // a characteristic box holds nothing
  NotANumber,  // the box does not hold a number
  OutOfRange,  // the number lies outside -kTypedLimit..kTypedLimit
};

// Why the typed entry did not run: the message to show, the first blue box
// at fault (its control name), where the window puts the keyboard focus, and
// what was wrong with it.
struct Refusal {
  std::string_view message;
  std::string field;
  RefusalReason reason;
};

// "Saisie/Reroll": a generation from the rolls typed into the blue boxes,
// rerolling the boxes whose selector is ticked. Refuses, with the sheet
// unchanged and no die rolled, when a characteristic box is empty or a box
// the run reads as a number does not hold one between -999 and 999.
// Given a journal, a run replaces its entries with the steps it took; a
// refusal leaves it as it was.
std::optional<Refusal> generateTyped(Personnage& sheet, Dice& dice, Journal* journal = nullptr);

// The title picture: clears the selectors and rolls everything; given a
// journal, replaces its entries with the steps it took.
void generateRandom(Personnage& sheet, Dice& dice, Journal* journal = nullptr);

// The first blue box that keeps the typed entry from running, if any.
std::optional<Refusal> checkBlueBoxes(const Personnage& sheet);

}  // namespace orvandel
