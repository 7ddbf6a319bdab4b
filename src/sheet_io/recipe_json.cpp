#include "sheet_io/recipe_json.h"

#include <algorithm>
#include <array>

#include "core/excerpt.h"
#include "core/improving_controls.h"
#include "core/scripted_dice.h"
#include "core/seed.h"
#include "core/sheet.h"
#include "sheet_io/sheet_reasons.h"

namespace orvandel {
namespace {

using Json = nlohmann::json;

constexpr const char* kVersion = "version";
constexpr const char* kEntry = "entree";
constexpr const char* kSeed = "graine";
constexpr const char* kRolls = "des";
constexpr const char* kTyped = "saisie";
constexpr const char* kTicked = "cochees";
constexpr const char* kClicks = "ameliorations";
constexpr const char* kRetouched = "retouchee";
constexpr std::array<const char*, 8> kKeys{kVersion, kEntry,  kSeed,   kRolls,
                                           kTyped,   kTicked, kClicks, kRetouched};

constexpr const char* kRandomEntry = "hasard";
constexpr const char* kTypedEntry = "saisie";

std::string selectorName(int selector) { return "des_ok(" + std::to_string(selector) + ")"; }

// Each reader fills its part of the recipe, or says what is wrong.
using Problem = std::optional<std::string>;

Problem readShape(const Json& value) {
  if (!value.is_object()) return "doit être un objet.";
  for (const auto& [key, item] : value.items())
    if (std::ranges::find(kKeys, key) == kKeys.end()) return "a une clé inconnue " + excerpt(key) + ".";
  const auto version = value.find(kVersion);
  if (version == value.end() || !version->is_number_integer()) return "n’a pas de version.";
  if (*version != kRecipeVersion)
    return "est d’une version que ce programme ne connaît pas (" + version->dump() +
           ") : mettez Orvandel à jour.";
  return std::nullopt;
}

Problem readDice(const Json& value, Recipe& recipe) {
  const auto seed = value.find(kSeed);
  const auto rolls = value.find(kRolls);
  if ((seed == value.end()) == (rolls == value.end())) return "doit donner soit une graine, soit des dés.";
  if (seed != value.end()) {
    recipe.seed = seed->is_string() ? readSeed(seed->get_ref<const std::string&>()) : std::nullopt;
    if (!recipe.seed) return "a une graine qui n’est pas un nombre entier positif écrit entre guillemets.";
    return std::nullopt;
  }
  if (!rolls->is_string()) return "a des dés qui ne sont pas un texte.";
  recipe.rolls = rolls->get<std::string>();
  try {
    ScriptedDice check(recipe.rolls);
  } catch (const DiceScriptError& e) {
    return "a des dés illisibles : " + std::string(e.what());
  }
  return std::nullopt;
}

Problem readTyped(const Json& value, Recipe& recipe) {
  const auto typed = value.find(kTyped);
  const auto ticked = value.find(kTicked);
  if (recipe.entry == RecipeEntry::Random) {
    if (typed != value.end() || ticked != value.end()) return "d’un tirage au hasard n’a rien de tapé.";
    return std::nullopt;
  }
  if (typed == value.end() || !typed->is_object() || typed->size() != kTypedBoxCount)
    return "d’une saisie doit donner les onze cases tapées.";
  for (std::size_t k = 0; k < kTypedBoxCount; ++k) {
    const auto box = typed->find(std::string_view(kTypedBoxes[k].name));
    if (box == typed->end() || !box->is_string() ||
        charactersIn(box->get_ref<const std::string&>()) > kLongestBoxText)
      return "a une case tapée " + excerpt(std::string_view(kTypedBoxes[k].name)) +
             " absente ou qui n’est pas un texte de case.";
    recipe.typed[k] = box->get<std::string>();
  }
  if (ticked == value.end() || !ticked->is_array()) return "d’une saisie doit donner les cases cochées.";
  for (const Json& name : *ticked) {
    const auto known = std::ranges::find_if(Selectors::kIndices, [&](int selector) {
      return name.is_string() && name.get_ref<const std::string&>() == selectorName(selector);
    });
    if (known == Selectors::kIndices.end()) return "a une case cochée inconnue " + excerpt(name.dump()) + ".";
    recipe.ticked.push_back(*known);
  }
  std::sort(recipe.ticked.begin(), recipe.ticked.end());
  recipe.ticked.erase(std::unique(recipe.ticked.begin(), recipe.ticked.end()), recipe.ticked.end());
  return std::nullopt;
}

Problem readClicks(const Json& value, Recipe& recipe) {
  const auto clicks = value.find(kClicks);
  if (clicks == value.end()) return std::nullopt;
  if (!clicks->is_array()) return "doit donner ses améliorations en liste.";
  for (const Json& name : *clicks) {
    const auto target =
        name.is_string() ? improvementOf(name.get_ref<const std::string&>(), PressBy::Key) : std::nullopt;
    if (!target) return "a une amélioration inconnue " + excerpt(name.dump()) + ".";
    recipe.clicks.push_back(*target);
  }
  return std::nullopt;
}

}  // namespace

Json recipeToJson(const Recipe& recipe) {
  Json out = {{kVersion, kRecipeVersion},
              {kEntry, recipe.entry == RecipeEntry::Random ? kRandomEntry : kTypedEntry}};
  if (recipe.seed)
    out[kSeed] = std::to_string(*recipe.seed);
  else
    out[kRolls] = recipe.rolls;
  if (recipe.entry == RecipeEntry::Typed) {
    Json typed = Json::object();
    for (std::size_t k = 0; k < kTypedBoxCount; ++k)
      typed[std::string(std::string_view(kTypedBoxes[k].name))] = recipe.typed[k];
    out[kTyped] = std::move(typed);
    Json ticked = Json::array();
    for (const int selector : recipe.ticked) ticked.push_back(selectorName(selector));
    out[kTicked] = std::move(ticked);
  }
  Json clicks = Json::array();
  for (const ImprovementTarget& click : recipe.clicks) clicks.push_back(raisedControl(click));
  out[kClicks] = std::move(clicks);
  out[kRetouched] = recipe.retouched;
  return out;
}

std::variant<Recipe, std::string> recipeFromJson(const Json& value) {
  if (auto problem = readShape(value)) return *problem;
  Recipe recipe;
  const auto entry = value.find(kEntry);
  if (entry == value.end() || (*entry != kRandomEntry && *entry != kTypedEntry))
    return std::string("doit dire son entrée, « hasard » ou « saisie ».");
  recipe.entry = *entry == kRandomEntry ? RecipeEntry::Random : RecipeEntry::Typed;
  if (auto problem = readDice(value, recipe)) return *problem;
  if (auto problem = readTyped(value, recipe)) return *problem;
  if (auto problem = readClicks(value, recipe)) return *problem;
  const auto retouched = value.find(kRetouched);
  if (retouched != value.end()) {
    if (!retouched->is_boolean()) return std::string("dit « retouchee » autrement que par true ou false.");
    recipe.retouched = retouched->get<bool>();
  }
  return recipe;
}

}  // namespace orvandel
