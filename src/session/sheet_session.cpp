#include "session/sheet_session.h"

#include <utility>
#include <variant>

#include "core/sheet_fields.h"
#include "recipe/recipe_link.h"
#include "recipe/recipe_making.h"
#include "recipe/replay.h"
#include "sheet_io/sheet_reasons.h"

namespace orvandel {
namespace {

// Typing that changes a box of a generated sheet is written in its recipe.
template <typename Value>
void setField(Personnage& sheet, Value& field, Value value) {
  if (field == value) return;
  field = std::move(value);
  if (sheet.recette) sheet.recette->retouched = true;
}

}  // namespace

SheetSession::SheetSession(std::unique_ptr<Dice> dice, std::size_t depth)
    : dice_(std::move(dice)), history_(depth) {}

bool SheetSession::setText(std::string_view control, std::string text) {
  const auto field = findField(sheet_, control);
  if (!field || !std::holds_alternative<std::string*>(*field)) return false;
  setField(sheet_, *std::get<std::string*>(*field), std::move(text));
  return true;
}

bool SheetSession::setTicked(std::string_view control, bool ticked) {
  const auto field = findField(sheet_, control);
  if (!field || !std::holds_alternative<bool*>(*field)) return false;
  setField(sheet_, *std::get<bool*>(*field), ticked);
  return true;
}

std::optional<Refusal> SheetSession::typedEntry() {
  Personnage before = sheet_;
  Journal journal;
  auto refusal = generateWithRecipe(RecipeEntry::Typed, sheet_, *dice_, &journal);
  if (!refusal) keepStep(std::move(before), std::move(journal));
  return refusal;
}

void SheetSession::randomEntry() {
  Personnage before = sheet_;
  Journal journal;
  generateWithRecipe(RecipeEntry::Random, sheet_, *dice_, &journal);
  keepStep(std::move(before), std::move(journal));
}

bool SheetSession::improve(ImprovementTarget target) {
  Personnage before = sheet_;
  Journal journal = journal_;
  if (improveWithRecipe(sheet_, target, *dice_, ClickDice::FromRecipe, &journal)) {
    keepStep(std::move(before), std::move(journal));
    return true;
  }
  journal_ = std::move(journal);
  tell(SheetChange::Edited);
  return false;
}

std::optional<std::string> SheetSession::open(std::string_view json) {
  auto read = sheetForPlayer(json);
  if (auto* reason = std::get_if<std::string>(&read)) return std::move(*reason);
  open(std::get<Personnage>(std::move(read)));
  return std::nullopt;
}

void SheetSession::open(Personnage sheet) {
  keepStep(std::exchange(sheet_, std::move(sheet)), {});
  markKept();
}

std::optional<std::string> SheetSession::openRecipe(std::string_view code) {
  const auto recipe = readRecipeCode(code);
  if (!recipe) return std::string("le lien est abîmé.");
  auto made = replay(*recipe);
  if (auto* problem = std::get_if<std::string>(&made)) return std::move(*problem);
  open(std::move(std::get<Replay>(made).sheet));
  return std::nullopt;
}

bool SheetSession::undo() { return show(history_.undo({sheet_, journal_})); }

bool SheetSession::redo() { return show(history_.redo({sheet_, journal_})); }

void SheetSession::restart(std::unique_ptr<Dice> dice) {
  dice_ = std::move(dice);
  keepStep(std::exchange(sheet_, Personnage{}), {});
}

bool SheetSession::holdsUnkeptCharacter() const { return holdsCharacter(sheet_) && kept_ != sheet_; }

void SheetSession::keepStep(Personnage before, Journal journal) {
  if (before == sheet_) {
    journal_ = std::move(journal);
    return;
  }
  history_.record({std::move(before), std::exchange(journal_, std::move(journal))});
  tell(SheetChange::Stepped);
}

bool SheetSession::show(std::optional<Step> step) {
  if (!step) return false;
  sheet_ = std::move(step->sheet);
  journal_ = std::move(step->journal);
  tell(SheetChange::Stepped);
  return true;
}

void SheetSession::tell(SheetChange change) {
  if (listener_) listener_(change);
}

}  // namespace orvandel
