#include "session/sheet_session.h"

#include <utility>
#include <variant>

#include "core/sheet_fields.h"
#include "sheet_io/sheet_reasons.h"

namespace orvandel {

SheetSession::SheetSession(std::unique_ptr<Dice> dice) : dice_(std::move(dice)) {}

bool SheetSession::setText(std::string_view control, std::string text) {
  const auto field = findField(sheet_, control);
  if (!field || !std::holds_alternative<std::string*>(*field)) return false;
  *std::get<std::string*>(*field) = std::move(text);
  return true;
}

bool SheetSession::setTicked(std::string_view control, bool ticked) {
  const auto field = findField(sheet_, control);
  if (!field || !std::holds_alternative<bool*>(*field)) return false;
  *std::get<bool*>(*field) = ticked;
  return true;
}

std::optional<Refusal> SheetSession::typedEntry() {
  Personnage before = sheet_;
  auto refusal = generateTyped(sheet_, *dice_);
  if (!refusal) keepStep(std::move(before));
  return refusal;
}

void SheetSession::randomEntry() {
  Personnage before = sheet_;
  generateRandom(sheet_, *dice_);
  keepStep(std::move(before));
}

bool SheetSession::improve(ImprovementTarget target) {
  Personnage before = sheet_;
  if (orvandel::improve(sheet_, target, *dice_)) {
    keepStep(std::move(before));
    return true;
  }
  if (sheet_ != before) tell(SheetChange::Edited);
  return false;
}

std::optional<std::string> SheetSession::open(std::string_view json) {
  auto read = sheetForPlayer(json);
  if (auto* reason = std::get_if<std::string>(&read)) return std::move(*reason);
  Personnage before = std::exchange(sheet_, std::get<Personnage>(std::move(read)));
  keepStep(std::move(before));
  return std::nullopt;
}

bool SheetSession::undo() { return show(history_.undo(sheet_)); }

bool SheetSession::redo() { return show(history_.redo(sheet_)); }

void SheetSession::restart(std::unique_ptr<Dice> dice) {
  dice_ = std::move(dice);
  keepStep(std::exchange(sheet_, Personnage{}));
}

void SheetSession::keepStep(Personnage before) {
  if (before == sheet_) return;
  history_.record(std::move(before));
  tell(SheetChange::Stepped);
}

bool SheetSession::show(std::optional<Personnage> sheet) {
  if (!sheet) return false;
  sheet_ = std::move(*sheet);
  tell(SheetChange::Stepped);
  return true;
}

void SheetSession::tell(SheetChange change) {
  if (listener_) listener_(change);
}

}  // namespace orvandel
