// Dice that replay a written script of rolls, and a recorder that writes the
// rolls of any source back as such a script. A script is a comma-separated
// list of F:V tokens ("6:3, 100:57"): each des(F) call takes the next token,
// which must name the same F and a V from 1 to F.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/dice.h"

namespace orvandel {

struct ScriptedRoll {
  long long faces;
  long long value;
};

// A script that cannot be replayed: malformed, a call that meets another
// face count or a value out of range, no token left, or tokens left over.
class DiceScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ScriptedDice final : public Dice {
 public:
  // Throws DiceScriptError when a token is not of the form F:V.
  explicit ScriptedDice(std::string_view script);
  explicit ScriptedDice(std::vector<ScriptedRoll> rolls) : rolls_(std::move(rolls)) {}

  // Throws DiceScriptError when the next token does not fit this call.
  int des(int faces) override;

  std::size_t remaining() const { return rolls_.size() - next_; }
  // Throws DiceScriptError when tokens were left unused.
  void expectExhausted() const;

 private:
  std::vector<ScriptedRoll> rolls_;
  std::size_t next_ = 0;
};

// Passes every call to another source and keeps what it rolled.
class RecordingDice final : public Dice {
 public:
  explicit RecordingDice(Dice& source) : source_(source) {}
  int des(int faces) override;
  // The rolls so far as a script that ScriptedDice accepts.
  std::string script() const;

 private:
  Dice& source_;
  std::vector<ScriptedRoll> rolls_;
};

}  // namespace orvandel
