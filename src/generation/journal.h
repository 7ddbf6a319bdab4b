// The roll journal: how a sheet was made, one entry for each step of the
// rules as it ran, with the dice rolled for it and what the sheet then shows.
// The stages write it next to the rolls they describe; nobody pays for it
// unless a journal is asked for.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/dice.h"

namespace orvandel {

// The stages of the rules in the order a generation meets them, then the
// improvement clicks.
enum class Stage : unsigned char {
  Caracteristiques,
  Nationalite,
  Profession,
  Totaux,
  Age,
  Sorcellerie,
  Bonus,
  Competences,
  Formation,
  Equipement,
  Amelioration,
};

// The stage as the journal names it, in French.
std::string_view stageName(Stage stage);

// One die: des(faces) gave value.
struct JournalRoll {
  int faces;
  int value;
  bool operator==(const JournalRoll&) const = default;
};

struct JournalEntry {
  Stage stage;
  std::string subject;             // what the step decides: a caption, a skill, a weapon
  std::string control;             // the control it writes ("Text1(8)"), empty when none
  std::vector<JournalRoll> rolls;  // in the order rolled; empty for a typed value
  std::string result;              // what came of it, in French
  bool operator==(const JournalEntry&) const = default;
};

using Journal = std::vector<JournalEntry>;

// The entry as one French line: "Profession — Jet de profession : 57 [dés 100:57]".
std::string journalLine(const JournalEntry& entry);

// How a blue box got its value when the player did not leave it to the
// dice: typed, or rolled again because its selector is ticked.
inline constexpr std::string_view kTyped = "tapé";
inline constexpr std::string_view kRerolled = "case cochée : relancé";

// A whole number with its sign, as a modifier reads: "+4", "-3", "0".
std::string signedWhole(double value);

// What a stage writes about one step; built only when a journal is kept.
struct Note {
  std::string subject;
  std::string result;
  std::string control = {};
};

// Ties a journal to the dice of one run. With a journal, every roll goes
// through a recorder and waits until the next note takes it, so a roll can
// be neither lost nor put under another step; without one, the dice are
// used as they are and a note costs one test.
class Notebook {
 public:
  Notebook(Dice& dice, Journal* journal);
  Notebook(const Notebook&) = delete;
  Notebook& operator=(const Notebook&) = delete;

  // The dice the run must roll.
  Dice& dice() { return recorder_ ? static_cast<Dice&>(*recorder_) : source_; }
  bool keeping() const { return journal_ != nullptr; }

  // Adds what `describe()` returns as the entry of `stage`, with the rolls
  // made since the previous note.
  template <typename Describe>
  void note(Stage stage, Describe&& describe) {
    if (journal_) add(stage, std::forward<Describe>(describe)());
  }

 private:
  class Recorder final : public Dice {
   public:
    explicit Recorder(Dice& source) : source_(source) {}
    int des(int faces) override;
    // The rolls waiting for their step, in a vector of their own size; the
    // waiting room keeps its room for the next step.
    std::vector<JournalRoll> take();

   private:
    Dice& source_;
    std::vector<JournalRoll> pending_;
  };

  void add(Stage stage, Note note);

  Dice& source_;
  Journal* journal_;
  std::optional<Recorder> recorder_;
};

}  // namespace orvandel
