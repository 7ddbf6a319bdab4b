// The generations and the improvement clicks that write the sheet's recipe
// as they go, for every front end: the seed the dice start from (or the
// rolls of dice no seed tells), the boxes as typed, each spent click.
#pragma once

#include <optional>

#include "core/dice.h"
#include "core/recipe.h"
#include "core/sheet.h"
#include "generation/driver.h"
#include "generation/journal.h"

namespace orvandel {

// A generation by `entry` (the title picture or "Saisie/Reroll"), as
// generateRandom() and generateTyped() run it, that gives the sheet its
// recipe. A refusal moves no dice and leaves the sheet as it was.
std::optional<Refusal> generateWithRecipe(RecipeEntry entry, Personnage& sheet, Dice& dice,
                                          Journal* journal = nullptr);

// Whose rolls an improvement click takes on a sheet whose recipe has a seed.
enum class ClickDice {
  FromRecipe,  // the seed's, on from where they stand, whatever was undone,
               // opened or refused in between (the window, the page)
  Given,       // the dice given, which someone chose (orvandel-cli --seed, --dice)
};

// An improvement click, as improve() runs it, that joins the sheet's
// recipe when it changed the sheet. When the click's rolls cannot be the recipe seed's own (given
// dice, or a script), the seed's rolls are written out as a script that the
// click's rolls join.
bool improveWithRecipe(Personnage& sheet, ImprovementTarget target, Dice& dice, ClickDice whose,
                       Journal* journal = nullptr);

}  // namespace orvandel
