#include "generation/journal.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string>

namespace orvandel {
namespace {

constexpr auto kStageNames = std::to_array<std::string_view>({
    "Caractéristiques",
    "Nationalité",
    "Profession",
    "Totaux",
    "Âge",
    "Sorcellerie",
    "Bonus",
    "Compétences",
    "Formation",
    "Équipement et argent",
    "Amélioration",
});
static_assert(kStageNames.size() == static_cast<std::size_t>(Stage::Amelioration) + 1);

// About as much as a generation writes, so that a new journal grows once.
constexpr std::size_t kTypicalSteps = 160;
constexpr std::size_t kTypicalRolls = 320;
constexpr std::size_t kTypicalSubjectBytes = 16 * kTypicalSteps;
constexpr std::size_t kTypicalControlBytes = 12 * kTypicalSteps;
constexpr std::size_t kTypicalResultBytes = 48 * kTypicalSteps;

}  // namespace

std::string_view stageName(Stage stage) { return kStageNames[static_cast<std::size_t>(stage)]; }

void Journal::reserveForOneRun() {
  steps_.reserve(kTypicalSteps);
  subjects_.reserve(kTypicalSubjectBytes);
  controls_.reserve(kTypicalControlBytes);
  results_.reserve(kTypicalResultBytes);
  rolls_.reserve(kTypicalRolls);
}

namespace {

// "1d100 : 57", "2d6 : 1 + 5 = 6": dice of one kind, and their sum when
// there are several; a further sum of the same dice goes without "3d6 : ".
void writeSum(std::string& line, std::span<const JournalRoll> dice, bool namesTheDice) {
  int sum = 0;
  if (namesTheDice)
    line.append(std::to_string(dice.size()))
        .append("d")
        .append(std::to_string(dice.front().faces))
        .append(" : ");
  for (std::size_t k = 0; k < dice.size(); ++k) {
    if (k > 0) line += " + ";
    line += std::to_string(dice[k].value);
    sum += dice[k].value;
  }
  if (dice.size() > 1) line.append(" = ").append(std::to_string(sum));
}

// The length of the run of dice of one kind that starts `rolls`.
std::size_t sameDice(std::span<const JournalRoll> rolls) {
  std::size_t length = 1;
  while (length < rolls.size() && rolls[length].faces == rolls.front().faces) ++length;
  return length;
}

// "3d6 : 3 + 1 + 6 = 10 ; 4 + 3 + 2 = 9 ; 3 + 2 + 1 = 6, gardée 10".
void writeBestOfThreeSums(std::string& line, std::span<const JournalRoll> rolls) {
  constexpr std::size_t kDiceInSum = 3;
  int best = 0;
  for (std::size_t first = 0; first < rolls.size(); first += kDiceInSum) {
    const auto dice = rolls.subspan(first, std::min(kDiceInSum, rolls.size() - first));
    if (first > 0) line += " ; ";
    writeSum(line, dice, first == 0);
    int sum = 0;
    for (const JournalRoll& roll : dice) sum += roll.value;
    best = std::max(best, sum);
  }
  line.append(", gardée ").append(std::to_string(best));
}

void writeDice(std::string& line, std::span<const JournalRoll> rolls, DiceReading reading) {
  if (reading == DiceReading::BestOfThreeSums) return writeBestOfThreeSums(line, rolls);
  for (std::size_t first = 0; first < rolls.size();) {
    const std::size_t length = reading == DiceReading::Summed ? sameDice(rolls.subspan(first)) : 1;
    if (first > 0) line += " ; ";
    writeSum(line, rolls.subspan(first, length), true);
    first += length;
  }
}

}  // namespace

std::string journalLine(const JournalEntry& entry) {
  constexpr std::size_t kFrame = 48;        // the stage, the separators, the brackets
  constexpr std::size_t kLongestRoll = 12;  // " ; 1d100 : 100" and the like
  std::string line;
  line.reserve(kFrame + entry.subject.size() + entry.result.size() + kLongestRoll * entry.rolls.size());
  line.append(stageName(entry.stage));
  line.append(" — ").append(entry.subject).append(" : ").append(entry.result);
  if (entry.rolls.empty()) return line;
  line += " [";
  writeDice(line, entry.rolls, entry.reading);
  line += "]";
  return line;
}

// std::equal rather than ranges::equal, here and below: the browser
// edition's standard library has no ranges::equal yet.
bool JournalEntry::operator==(const JournalEntry& other) const {
  return stage == other.stage && subject == other.subject && control == other.control &&
         std::equal(rolls.begin(), rolls.end(), other.rolls.begin(), other.rolls.end()) &&
         result == other.result && reading == other.reading;
}

Journal::Journal(std::initializer_list<JournalEntry> entries) {
  for (const JournalEntry& entry : entries) add(entry);
}

JournalEntry Journal::operator[](std::size_t index) const {
  const Step& step = steps_[index];
  const auto text = [](const JournalText& texts, Range range) { return texts.view(range.begin, range.end); };
  return {step.stage,
          text(subjects_, step.subject),
          text(controls_, step.control),
          std::span(rolls_).subspan(step.rolls.begin, step.rolls.end - step.rolls.begin),
          text(results_, step.result),
          step.reading};
}

void Journal::clear() {
  steps_.clear();
  subjects_.clear();
  controls_.clear();
  results_.clear();
  rolls_.clear();
  claimedRolls_ = 0;
}

void Journal::add(const JournalEntry& entry) {
  dropUnclaimedRolls();
  rolls_.insert(rolls_.end(), entry.rolls.begin(), entry.rolls.end());
  write(entry.stage, [&](Note& note) {
    note.subject(entry.subject).control(entry.control).result(entry.result).dice(entry.reading);
  });
}

void Journal::close(Stage stage, const Note& note) {
  const auto range = [](std::size_t begin, std::size_t end) {
    return Range{static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(end)};
  };
  if (steps_.capacity() == 0) reserveForOneRun();
  steps_.push_back({stage, range(note.subjectStart_, subjects_.size()),
                    range(note.controlStart_, controls_.size()), range(note.resultStart_, results_.size()),
                    range(claimedRolls_, rolls_.size()), note.reading_});
  claimedRolls_ = rolls_.size();
}

bool Journal::operator==(const Journal& other) const {
  return std::equal(begin(), end(), other.begin(), other.end());
}

Notebook::Notebook(Dice& dice, Journal* journal) : source_(dice), journal_(journal) {
  if (!journal_) return;
  journal_->dropUnclaimedRolls();
  recorder_.emplace(source_, *journal_);
}

int Notebook::Recorder::des(int faces) {
  const int value = source_.des(faces);
  journal_.record({faces, value});
  return value;
}

}  // namespace orvandel
