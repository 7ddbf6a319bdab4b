#include "recipe/replay.h"

#include "core/scripted_dice.h"
#include "generation/driver.h"
#include "generation/improvement.h"

namespace orvandel {
namespace {

std::optional<std::string> run(const Recipe& recipe, Personnage& sheet, Dice& dice) {
  if (recipe.entry == RecipeEntry::Random) {
    generateRandom(sheet, dice);
  } else {
    for (std::size_t k = 0; k < kTypedBoxCount; ++k) sheet.*kTypedBoxes[k].box = recipe.typed[k];
    for (const int selector : recipe.ticked)
      if (Selectors::exists(selector)) sheet.des_ok(selector) = true;
    if (auto refusal = generateTyped(sheet, dice))
      return "la saisie de la recette est refusée (case " + refusal->field + ").";
  }
  for (const ImprovementTarget& click : recipe.clicks) improve(sheet, click, dice);
  return std::nullopt;
}

}  // namespace

Recipe typedRecipe(const Personnage& sheet) {
  Recipe recipe;
  recipe.entry = RecipeEntry::Typed;
  for (std::size_t k = 0; k < kTypedBoxCount; ++k) recipe.typed[k] = sheet.*kTypedBoxes[k].box;
  for (const int selector : Selectors::kIndices)
    if (sheet.des_ok(selector)) recipe.ticked.push_back(selector);
  return recipe;
}

std::unique_ptr<Dice> recipeDice(const Recipe& recipe) {
  if (recipe.seed) return std::make_unique<SeededDice>(*recipe.seed);
  return std::make_unique<ScriptedDice>(recipe.rolls);
}

std::variant<Replay, std::string> replay(const Recipe& recipe) {
  Replay made;
  try {
    const std::unique_ptr<Dice> dice = recipeDice(recipe);
    if (auto problem = run(recipe, made.sheet, *dice)) return std::move(*problem);
    if (auto* script = dynamic_cast<ScriptedDice*>(dice.get())) script->expectExhausted();
    made.dicePosition = dice->position();
  } catch (const DiceScriptError& e) {
    return std::string(e.what());
  }
  made.sheet.recette = recipe;
  return made;
}

std::optional<std::string> seedRolls(const Recipe& recipe) {
  if (!recipe.seed) return std::nullopt;
  SeededDice dice(*recipe.seed);
  RecordingDice rolls(dice);
  Personnage sheet;
  if (run(recipe, sheet, rolls)) return std::nullopt;
  return rolls.takeLine();
}

}  // namespace orvandel
