#include "recipe/recipe_making.h"

#include <variant>

#include "core/scripted_dice.h"
#include "generation/improvement.h"
#include "recipe/replay.h"

namespace orvandel {
namespace {

// Makes the dice roll the click that the recipe will say was rolled.
void rollOnFrom(Recipe& recipe, Dice& dice, ClickDice whose) {
  if (!recipe.seed) return;
  if (whose == ClickDice::FromRecipe && dice.position()) {
    const auto made = replay(recipe);
    if (const auto* replayed = std::get_if<Replay>(&made); replayed && replayed->dicePosition)
      dice.rollFrom(*replayed->dicePosition);
    return;
  }
  if (auto rolls = seedRolls(recipe)) {
    recipe.seed.reset();
    recipe.rolls = std::move(*rolls);
  }
}

void appendRolls(std::string& script, std::string rolls) {
  if (rolls.empty()) return;
  if (!script.empty()) script += ", ";
  script += rolls;
}

}  // namespace

std::optional<Refusal> generateWithRecipe(RecipeEntry entry, Personnage& sheet, Dice& dice,
                                          Journal* journal) {
  Recipe recipe;
  if (entry == RecipeEntry::Typed) {
    if (auto refusal = checkBlueBoxes(sheet)) return refusal;
    recipe = typedRecipe(sheet);
  }
  recipe.seed = dice.seedForGeneration();
  RecordingDice rolls(dice);
  Dice& rolling = recipe.seed ? dice : rolls;
  if (entry == RecipeEntry::Random)
    generateRandom(sheet, rolling, journal);
  else if (auto refusal = generateTyped(sheet, rolling, journal))
    return refusal;
  if (!recipe.seed) recipe.rolls = rolls.takeLine();
  sheet.recette = std::move(recipe);
  return std::nullopt;
}

bool improveWithRecipe(Personnage& sheet, ImprovementTarget target, Dice& dice, ClickDice whose,
                       Journal* journal) {
  std::optional<Recipe> recipe = sheet.recette;
  if (recipe) rollOnFrom(*recipe, dice, whose);
  RecordingDice rolls(dice);
  const bool scripted = recipe && !recipe->seed;
  const std::string countBefore = sheet.des_comp;
  const bool spent = improve(sheet, target, scripted ? rolls : dice, journal);
  // A click that spends nothing still writes an empty count as "-1", which
  // the replay must write too.
  if (!spent && sheet.des_comp == countBefore) return false;
  if (recipe) {
    recipe->clicks.push_back(target);
    if (scripted) appendRolls(recipe->rolls, rolls.takeLine());
    sheet.recette = std::move(recipe);
  }
  return spent;
}

}  // namespace orvandel
