#include "core/scripted_dice.h"

#include <charconv>
#include <istream>
#include <sstream>
#include <utility>

#include "core/excerpt.h"

namespace orvandel {
namespace {

// No token is longer than two numbers and a colon; a script that runs on
// past this without a separator is not a script, and is not read further.
constexpr std::size_t kLongestToken = 64;

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

DiceScriptError malformed(std::size_t number, std::string_view token) {
  return DiceScriptError("script de dés : le jeton " + std::to_string(number) + " " + excerpt(token) +
                         " n'est pas de la forme F:V (par exemple 6:4)");
}

// The value of `roll` for the `ordinal`-th call des(faces), or why it does
// not fit (`roll` empty: the script has ended).
int fit(const std::optional<ScriptedRoll>& roll, std::size_t ordinal, int faces) {
  if (roll && roll->faces == faces && roll->value >= 1 && roll->value <= faces)
    return static_cast<int>(roll->value);
  const std::string asked =
      "script de dés : le jet " + std::to_string(ordinal) + " demande des(" + std::to_string(faces) + ")";
  if (!roll) throw DiceScriptError(asked + " mais il ne reste aucun jeton");
  if (roll->faces != faces)
    throw DiceScriptError(asked + " mais le jeton suivant est \"" + describe(*roll) + "\"");
  throw DiceScriptError(asked + " mais le jeton \"" + describe(*roll) + "\" est hors de 1.." +
                        std::to_string(faces));
}

DiceScriptError leftOver(std::size_t left, std::size_t used) {
  return DiceScriptError("script de dés : " + std::to_string(left) + " jeton(s) inutilisé(s) après " +
                         std::to_string(used) + " jet(s)");
}

}  // namespace

std::optional<ScriptedRoll> ScriptTokens::next() {
  std::streambuf& in = *script_.rdbuf();
  while (true) {
    std::string piece;
    int c = in.sbumpc();
    for (; c != std::char_traits<char>::eof() && c != ',' && c != '\n'; c = in.sbumpc()) {
      piece += static_cast<char>(c);
      if (piece.size() > kLongestToken) throw malformed(number_ + 1, piece);
    }
    const bool atEnd = c == std::char_traits<char>::eof();
    const std::string_view token = trim(piece);
    // A line break ends a token as a comma does, and blank lines are
    // skipped; but a comma promises a token, so ",," and a closing comma
    // stay refused, as they always were.
    if (token.empty() && (c == ',' || (atEnd && afterComma_))) throw malformed(number_ + 1, token);
    if (token.empty()) {
      if (atEnd) return std::nullopt;
      continue;
    }
    ++number_;
    afterComma_ = c == ',';
    const auto colon = token.find(':');
    ScriptedRoll roll{};
    if (colon == std::string_view::npos || !parseCount(token.substr(0, colon), roll.faces) ||
        !parseCount(token.substr(colon + 1), roll.value))
      throw malformed(number_, token);
    return roll;
  }
}

ScriptedDice::ScriptedDice(std::string_view script) {
  std::istringstream in{std::string(script)};
  ScriptTokens tokens(in);
  while (const auto roll = tokens.next()) rolls_.push_back(*roll);
}

int ScriptedDice::des(int faces) {
  const auto roll = next_ < rolls_.size() ? std::optional(rolls_[next_]) : std::nullopt;
  const int value = fit(roll, next_ + 1, faces);
  ++next_;
  return value;
}

void ScriptedDice::expectExhausted() const {
  if (remaining() != 0) throw leftOver(remaining(), next_);
}

int StreamedDice::des(int faces) {
  const int value = fit(tokens_.next(), used_ + 1, faces);
  ++used_;
  return value;
}

void StreamedDice::expectExhausted() {
  std::size_t left = 0;
  while (tokens_.next()) ++left;
  if (left != 0) throw leftOver(left, used_);
}

int RecordingDice::des(int faces) {
  const int value = source_.des(faces);
  if (!line_.empty()) line_ += ',';
  line_ += describe({faces, value});
  return value;
}

std::string RecordingDice::takeLine() { return std::exchange(line_, {}); }

}  // namespace orvandel
