// The roll journal: how a sheet was made, one entry for each step of the
// rules as it ran, with the dice rolled for it and what the sheet then shows.
// The stages write it next to the rolls they describe; nobody pays for it
// unless a journal is asked for.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/dice.h"
#include "generation/journal_text.h"

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

// How the dice of one entry add up, as its line writes them.
enum class DiceReading : unsigned char {
  EachAlone,        // every die read for itself: "1d10 : 5 ; 1d10 : 6"
  Summed,           // dice of one kind rolled in a row add up: "2d6 : 1 + 5 = 6"
  BestOfThreeSums,  // three sums of 3d6, of which the highest is kept
};

// One die: des(faces) gave value.
struct JournalRoll {
  int faces;
  int value;
  bool operator==(const JournalRoll&) const = default;
};

// One entry as the journal holds it; its texts and rolls belong to the
// journal and last as long as the journal is left unchanged.
struct JournalEntry {
  Stage stage;
  std::string_view subject;            // what the step decides: a caption, a skill, a weapon
  std::string_view control;            // the control it writes ("Text1(8)"), empty when none
  std::span<const JournalRoll> rolls;  // in the order rolled; empty for a typed value
  std::string_view result;             // what came of it, in French
  DiceReading reading = DiceReading::EachAlone;
  bool operator==(const JournalEntry& other) const;
};

class Note;

// The entries of one run in order. Their texts and rolls sit end to end in a
// few buffers that a cleared journal keeps, so that a journal used again
// writes a whole generation without asking for memory.
class Journal {
 public:
  class const_iterator {
   public:
    using value_type = JournalEntry;
    using difference_type = std::ptrdiff_t;
    const_iterator() = default;
    const_iterator(const Journal* journal, std::size_t index) : journal_(journal), index_(index) {}
    // An entry is made on demand, so `->` hands out one it holds.
    struct Arrow {
      JournalEntry entry;
      const JournalEntry* operator->() const { return &entry; }
    };
    JournalEntry operator*() const { return (*journal_)[index_]; }
    Arrow operator->() const { return {**this}; }
    const_iterator& operator++() {
      ++index_;
      return *this;
    }
    const_iterator operator++(int) { return {journal_, index_++}; }
    bool operator==(const const_iterator&) const = default;

   private:
    const Journal* journal_ = nullptr;
    std::size_t index_ = 0;
  };
  using iterator = const_iterator;

  Journal() = default;
  Journal(std::initializer_list<JournalEntry> entries);

  std::size_t size() const { return steps_.size(); }
  bool empty() const { return steps_.empty(); }
  JournalEntry operator[](std::size_t index) const;
  JournalEntry front() const { return (*this)[0]; }
  JournalEntry back() const { return (*this)[size() - 1]; }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

  // Forgets the entries and keeps the room they took.
  void clear();
  // Appends a copy of `entry`, which must not be one of this journal's own.
  void add(const JournalEntry& entry);
  // Appends the entry that `describe(Note&)` writes, with the rolls recorded
  // since the previous entry.
  template <typename Describe>
  void write(Stage stage, Describe&& describe);

  bool operator==(const Journal& other) const;

 private:
  friend class Note;
  friend class Notebook;
  struct Range {
    std::uint32_t begin;
    std::uint32_t end;
  };
  struct Step {
    Stage stage;
    Range subject;
    Range control;
    Range result;
    Range rolls;
    DiceReading reading;
  };

  void record(JournalRoll roll) { rolls_.push_back(roll); }
  // Rolls left behind by a run that noted nothing after them are nobody's.
  void dropUnclaimedRolls() { rolls_.resize(claimedRolls_); }
  void close(Stage stage, const Note& note);
  void reserveForOneRun();

  std::vector<Step> steps_;
  JournalText subjects_;
  JournalText controls_;
  JournalText results_;
  std::vector<JournalRoll> rolls_;
  std::size_t claimedRolls_ = 0;
};

// The entry as one French line, its dice written as players write them:
// "Âge — Âge : 24 (18 + 2d6) [2d6 : 1 + 5 = 6]".
std::string journalLine(const JournalEntry& entry);

// How a blue box got its value when the player did not leave it to the
// dice: typed, or rolled again because its selector is ticked.
inline constexpr std::string_view kTyped = "tapé";
inline constexpr std::string_view kRerolled = "case cochée : relancé";

// A whole number written with its sign, as a modifier reads: "+4", "-3", "0".
struct Signed {
  int value;
};

// What a stage writes about one step, straight into the journal: each call
// appends its pieces (texts and whole numbers) to the subject, the control
// or the result, where runs of spaces read as one (the sheet's names are
// padded to line up on paper, the journal's lines are not). Only made when
// a journal is kept.
class Note {
 public:
  template <typename... Pieces>
  Note& subject(const Pieces&... pieces) {
    (put(journal_.subjects_, subjectStart_, pieces), ...);
    return *this;
  }
  template <typename... Pieces>
  Note& control(const Pieces&... pieces) {
    (put(journal_.controls_, controlStart_, pieces), ...);
    return *this;
  }
  template <typename... Pieces>
  Note& result(const Pieces&... pieces) {
    (put(journal_.results_, resultStart_, pieces), ...);
    return *this;
  }
  // The step's dice are read one by one unless told otherwise.
  Note& dice(DiceReading reading) {
    reading_ = reading;
    return *this;
  }

 private:
  friend class Journal;
  explicit Note(Journal& journal)
      : journal_(journal),
        subjectStart_(journal.subjects_.size()),
        controlStart_(journal.controls_.size()),
        resultStart_(journal.results_.size()) {}

  static void put(JournalText& out, std::size_t start, std::string_view text) {
    out.appendWords(text, start);
  }
  static void put(JournalText& out, std::size_t, Signed number) {
    if (number.value > 0) out.append("+");
    out.append(number.value);
  }
  template <std::integral Whole>
  static void put(JournalText& out, std::size_t, Whole number) {
    out.append(number);
  }

  Journal& journal_;
  std::size_t subjectStart_;
  std::size_t controlStart_;
  std::size_t resultStart_;
  DiceReading reading_ = DiceReading::EachAlone;
};

template <typename Describe>
void Journal::write(Stage stage, Describe&& describe) {
  Note note(*this);
  std::forward<Describe>(describe)(note);
  close(stage, note);
}

// Ties a journal to the dice of one run. With a journal, every roll goes
// through a recorder into the journal and waits until the next entry claims
// it, so a roll can be neither lost nor put under another step; without one,
// the dice are used as they are and a note costs one test.
class Notebook {
 public:
  Notebook(Dice& dice, Journal* journal);
  Notebook(const Notebook&) = delete;
  Notebook& operator=(const Notebook&) = delete;

  // The dice the run must roll.
  Dice& dice() { return recorder_ ? static_cast<Dice&>(*recorder_) : source_; }
  // The journal the run writes, or null.
  Journal* journal() const { return journal_; }

  // Appends what `describe(Note&)` writes as the entry of `stage`.
  template <typename Describe>
  void note(Stage stage, Describe&& describe) {
    if (journal_) [[unlikely]]
      journal_->write(stage, std::forward<Describe>(describe));
  }

 private:
  class Recorder final : public Dice {
   public:
    Recorder(Dice& source, Journal& journal) : source_(source), journal_(journal) {}
    int des(int faces) override;

   private:
    Dice& source_;
    Journal& journal_;
  };

  Dice& source_;
  Journal* journal_;
  std::optional<Recorder> recorder_;
};

}  // namespace orvandel
