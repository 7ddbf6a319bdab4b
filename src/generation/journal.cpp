#include "generation/journal.h"

#include <array>
#include <cstddef>

#include "core/number.h"

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

// About as many steps as a generation takes, so that the journal grows once.
constexpr std::size_t kTypicalSteps = 160;

}  // namespace

std::string signedWhole(double value) {
  std::string text = writeWhole(value);
  return value >= 1 ? "+" + text : text;
}

std::string_view stageName(Stage stage) { return kStageNames[static_cast<std::size_t>(stage)]; }

// The dice are written as the script that --dice replays (F:V).
std::string journalLine(const JournalEntry& entry) {
  std::string line(stageName(entry.stage));
  line.append(" — ").append(entry.subject).append(" : ").append(entry.result);
  if (entry.rolls.empty()) return line;
  line += " [dés";
  for (const JournalRoll& roll : entry.rolls)
    line.append(" ").append(std::to_string(roll.faces)).append(":").append(std::to_string(roll.value));
  line += "]";
  return line;
}

Notebook::Notebook(Dice& dice, Journal* journal) : source_(dice), journal_(journal) {
  if (!journal_) return;
  recorder_.emplace(source_);
  journal_->reserve(kTypicalSteps);
}

int Notebook::Recorder::des(int faces) {
  const int value = source_.des(faces);
  pending_.push_back({faces, value});
  return value;
}

std::vector<JournalRoll> Notebook::Recorder::take() {
  std::vector<JournalRoll> rolls(pending_.begin(), pending_.end());
  pending_.clear();
  return rolls;
}

void Notebook::add(Stage stage, Note note) {
  journal_->push_back(
      {stage, std::move(note.subject), std::move(note.control), recorder_->take(), std::move(note.result)});
}

}  // namespace orvandel
