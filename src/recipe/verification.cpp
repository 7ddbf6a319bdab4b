#include "recipe/verification.h"

#include <variant>

#include "core/sheet_fields.h"
#include "layout/layout.h"
#include "layout/spoken_names.h"
#include "recipe/replay.h"

namespace orvandel {
namespace {

constexpr std::string_view kConforms = "Conforme : ";
constexpr std::string_view kDiffers = "Non conforme : ";
constexpr std::string_view kNoRecipe = "Sans recette : la fiche ne dit pas comment elle a été faite.";
constexpr std::string_view kUnreplayable = "Recette inutilisable : ";
constexpr std::string_view kRandom = "tiré au hasard";
// The program sees the numbers typed, never the dice on the table.
constexpr std::string_view kTyped = "dés tapés à la main, que le programme ne peut pas voir";
constexpr std::string_view kScript = "dés d’un script";
constexpr std::string_view kRetouched = " ; des cases ont été tapées après le tirage";
constexpr std::string_view kEmpty = "(vide)";

std::string improvementRolls(std::size_t count) {
  if (count == 0) return "aucun jet d’amélioration";
  return std::to_string(count) + (count == 1 ? " jet d’amélioration" : " jets d’amélioration");
}

// "tiré au hasard (graine 42), 3 jets d’amélioration"
std::string recipeSummary(const Recipe& recipe) {
  std::string out(recipe.entry == RecipeEntry::Random ? kRandom : kTyped);
  out += " (";
  if (recipe.seed) {
    out += "graine ";
    out += std::to_string(*recipe.seed);
  } else {
    out += kScript;
  }
  out += "), ";
  out += improvementRolls(recipe.clicks.size());
  return out;
}

std::string shown(const ConstFieldRef& field) {
  if (const auto* ticked = std::get_if<const bool*>(&field)) return **ticked ? "cochée" : "non cochée";
  const std::string& text = *std::get<const std::string*>(field);
  return text.empty() ? std::string(kEmpty) : text;
}

// The box as the sheet names it to a screen reader, or its control name.
std::string boxName(const Personnage& sheet, const std::string& control) {
  if (const ControlRow* row = layoutRow(control))
    if (std::string name = spokenName(*row, sheet); !name.empty()) return name;
  return control;
}

}  // namespace

Verification verify(const Personnage& sheet) {
  if (!sheet.recette) return {};
  auto made = replay(*sheet.recette);
  if (auto* problem = std::get_if<std::string>(&made))
    return {Verification::Outcome::Unreplayable, std::move(*problem), {}};
  const Personnage& replayed = std::get<Replay>(made).sheet;
  Verification verification{Verification::Outcome::Conforms, {}, {}};
  for (const std::string& control : controlNames()) {
    const std::string onSheet = shown(*findField(sheet, control));
    std::string fromDice = shown(*findField(replayed, control));
    if (onSheet != fromDice) verification.differences.push_back({control, onSheet, std::move(fromDice)});
  }
  if (!verification.differences.empty()) verification.outcome = Verification::Outcome::Differs;
  return verification;
}

std::string verdict(const Personnage& sheet, const Verification& verification) {
  using Outcome = Verification::Outcome;
  switch (verification.outcome) {
    case Outcome::NoRecipe:
      return std::string(kNoRecipe);
    case Outcome::Unreplayable:
      return std::string(kUnreplayable) + verification.problem;
    case Outcome::Conforms:
      return std::string(kConforms) + recipeSummary(*sheet.recette);
    case Outcome::Differs:
      break;
  }
  const std::size_t count = verification.differences.size();
  std::string out(kDiffers);
  out += std::to_string(count);
  out += count == 1 ? " case diffère" : " cases diffèrent";
  out += " de ce que donnent les dés ; recette : ";
  out += recipeSummary(*sheet.recette);
  if (sheet.recette->retouched) out += kRetouched;
  out += ".";
  return out;
}

std::vector<std::string> differenceLines(const Personnage& sheet, const Verification& verification) {
  std::vector<std::string> lines;
  for (const BoxDifference& difference : verification.differences) {
    std::string line = boxName(sheet, difference.control);
    line += " : ";
    line += difference.onSheet;
    line += " sur la fiche, ";
    line += difference.fromDice;
    line += " aux dés";
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string verificationText(const Personnage& sheet, const Verification& verification) {
  std::string text = verdict(sheet, verification);
  for (const std::string& line : differenceLines(sheet, verification)) {
    text += '\n';
    text += line;
  }
  return text;
}

}  // namespace orvandel
