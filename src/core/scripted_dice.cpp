#include "core/scripted_dice.h"

#include <charconv>

#include "core/excerpt.h"

namespace orvandel {
namespace {

std::string_view trim(std::string_view text) {
  constexpr std::string_view kBlank = " \t\r\n";
  const auto first = text.find_first_not_of(kBlank);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

bool parseCount(std::string_view digits, long long& out) {
  if (digits.empty()) return false;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), out);
  return error == std::errc{} && end == digits.data() + digits.size();
}

std::string describe(const ScriptedRoll& roll) {
  return std::to_string(roll.faces) + ":" + std::to_string(roll.value);
}

}  // namespace

ScriptedDice::ScriptedDice(std::string_view script) {
  if (trim(script).empty()) return;
  std::size_t number = 0;
  while (true) {
    ++number;
    const auto comma = script.find(',');
    const std::string_view token = trim(script.substr(0, comma));
    const auto colon = token.find(':');
    ScriptedRoll roll{};
    if (colon == std::string_view::npos || !parseCount(token.substr(0, colon), roll.faces) ||
        !parseCount(token.substr(colon + 1), roll.value))
      throw DiceScriptError("script de dés : le jeton " + std::to_string(number) + " " + excerpt(token) +
                            " n'est pas de la forme F:V (par exemple 6:4)");
    rolls_.push_back(roll);
    if (comma == std::string_view::npos) break;
    script.remove_prefix(comma + 1);
  }
}

int ScriptedDice::des(int faces) {
  const bool left = next_ < rolls_.size();
  if (left && rolls_[next_].faces == faces && rolls_[next_].value >= 1 && rolls_[next_].value <= faces)
    return static_cast<int>(rolls_[next_++].value);

  const std::string asked =
      "script de dés : le jet " + std::to_string(next_ + 1) + " demande des(" + std::to_string(faces) + ")";
  if (!left) throw DiceScriptError(asked + " mais il ne reste aucun jeton");
  const ScriptedRoll roll = rolls_[next_];
  if (roll.faces != faces)
    throw DiceScriptError(asked + " mais le jeton suivant est \"" + describe(roll) + "\"");
  throw DiceScriptError(asked + " mais le jeton \"" + describe(roll) + "\" est hors de 1.." +
                        std::to_string(faces));
}

void ScriptedDice::expectExhausted() const {
  if (remaining() != 0)
    throw DiceScriptError("script de dés : " + std::to_string(remaining()) + " jeton(s) inutilisé(s) après " +
                          std::to_string(next_) + " jet(s)");
}

int RecordingDice::des(int faces) {
  const int value = source_.des(faces);
  rolls_.push_back({faces, value});
  return value;
}

std::string RecordingDice::script() const {
  std::string out;
  for (const auto& roll : rolls_) {
    if (!out.empty()) out += ',';
    out += describe(roll);
  }
  return out;
}

}  // namespace orvandel
