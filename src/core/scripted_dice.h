// Dice that replay a written script of rolls, and a recorder that writes the
// rolls of any source back as such a script. A script is a list of F:V tokens
// separated by commas or line breaks ("6:3, 100:57"): each des(F) call takes
// the next token, which must name the same F and a V from 1 to F. The
// recorder writes one line of tokens a character; a script of one line, as
// older traces were, reads the same.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
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

// Takes a script's tokens one at a time from a stream, holding only the token
// being read, so a script of any length reads in the same small memory.
class ScriptTokens {
 public:
  explicit ScriptTokens(std::istream& script) : script_(script) {}
  // The next roll, or nothing at the end of the script. Throws
  // DiceScriptError for a token not of the form F:V.
  std::optional<ScriptedRoll> next();

 private:
  std::istream& script_;
  std::size_t number_ = 0;
  bool afterComma_ = false;
};

// A script held whole: the window's and the tests' own scripts.
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

// A script read as the rolls ask for it, from a file of any length: the same
// rolls and the same refusals as ScriptedDice, except that a malformed token
// is found when the run reaches it.
class StreamedDice final : public Dice {
 public:
  explicit StreamedDice(std::istream& script) : tokens_(script) {}
  int des(int faces) override;
  // Reads the rest of the script; throws DiceScriptError when tokens were
  // left unused.
  void expectExhausted();

 private:
  ScriptTokens tokens_;
  std::size_t used_ = 0;
};

// Passes every call to another source and keeps what it rolled since the
// last line was taken.
class RecordingDice final : public Dice {
 public:
  explicit RecordingDice(Dice& source) : source_(source) {}
  int des(int faces) override;
  std::optional<std::uint64_t> seedForGeneration() override { return source_.seedForGeneration(); }
  std::optional<std::uint64_t> position() const override { return source_.position(); }
  void rollFrom(std::uint64_t position) override { source_.rollFrom(position); }
  // The rolls since the previous call, as a line of a script that the
  // scripted dice accept, without its line break; they are then forgotten.
  std::string takeLine();

 private:
  Dice& source_;
  std::string line_;
};

}  // namespace orvandel
