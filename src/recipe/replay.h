// A sheet made again from its recipe: the same entry, the same dice, the
// same clicks, from the launch state.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "core/dice.h"
#include "core/recipe.h"
#include "core/sheet.h"

namespace orvandel {

// The recipe of a typed entry about to run on `sheet`: its boxes as typed
// and its ticked selectors; the dice are for the caller to add.
Recipe typedRecipe(const Personnage& sheet);

// The dice a recipe names: its seed's, or its script's. Throws
// DiceScriptError for a script that is not one.
std::unique_ptr<Dice> recipeDice(const Recipe& recipe);

struct Replay {
  Personnage sheet;  // with the recipe as its own
  // Where the seed's rolls stand after the last click, so that the next
  // click goes on from there; nothing for a script.
  std::optional<std::uint64_t> dicePosition;
};

// The sheet the recipe makes, or why it makes none, as the end of a French
// sentence ("le script de dés ...", "la saisie est refusée ...").
std::variant<Replay, std::string> replay(const Recipe& recipe);

// Every roll the recipe's seed gives it, as a dice script; nothing for a
// recipe without a seed or one that makes no sheet.
std::optional<std::string> seedRolls(const Recipe& recipe);

}  // namespace orvandel
