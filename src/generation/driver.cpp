#include "generation/driver.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/number.h"
#include "generation/bonuses.h"
#include "generation/generation.h"
#include "generation/names.h"
#include "generation/nationality.h"
#include "generation/profession.h"
#include "generation/skills.h"
#include "generation/sorcery.h"
#include "generation/totals.h"
#include "generation/training.h"
#include "generation/wealth.h"

namespace orvandel {
namespace {

// The preparation shared by both entries. The working values start fresh
// with the Generation itself.
void prepare(Personnage& sheet) { sheet.resetOutputs(); }

void runSharedStages(Generation& g) {
  applyNationality(g);
  computeTotals(g);
  rollAge(g);
  priestStudy(g);
  nobleSecondProfession(g);
  computeVitals(g);
  applySorcery(g);
  computeBonuses(g);
  competence(g);
  applyTraining(g);
  applyWealth(g);
}

constexpr std::string_view kBestOfThree = " (la meilleure de trois sommes de 3d6)";

void noteTypedCharacteristic(Generation& g, int k, bool rerolled) {
  const CharacteristicRow& row = kCharacteristics[static_cast<std::size_t>(k)];
  g.note(Stage::Caracteristiques, [&](Note& note) {
    note.subject(row.caption)
        .control(row.name)
        .result(g.sheet.*row.roll, ", ")
        .dice(DiceReading::BestOfThreeSums);
    if (rerolled)
      note.result(kRerolled, kBestOfThree);
    else
      note.result(kTyped);
  });
}

// The nationality and profession rolls of the preparation.
void notePercentile(Generation& g, Stage stage, const char* subject, const BlueBox& box,
                    std::string_view how) {
  g.note(stage, [&](Note& note) {
    note.subject(subject).control(box.name).result(g.sheet.*box.box);
    if (!how.empty()) note.result(", ", how);
  });
}

constexpr const char* kNationaliteRoll = "Jet de nationalité";
const BlueBox& kNationaliteBox = kBlueBoxes[7];
const BlueBox& kProfessionBox = kBlueBoxes[8];

constexpr std::string_view kImprovementRolls = "Suplé.";
constexpr std::string_view kImprovementDice = " (1d6 + 2)";

void rollImprovements(Generation& g, std::string_view how) {
  g.sheet.des_comp = writeWhole(g.dice.des(6) + 2);
  g.note(Stage::Amelioration, [&](Note& note) {
    note.subject(kImprovementRolls).control("des_comp").result(g.sheet.des_comp);
    if (!how.empty()) note.result(", ", how);
    note.result(kImprovementDice);
  });
}

void keepImprovements(Generation& g) {
  g.note(Stage::Amelioration, [&](Note& note) {
    note.subject(kImprovementRolls)
        .control("des_comp")
        .result("« ", g.sheet.des_comp, " » gardé (case non cochée)");
  });
}

// Priests draw their "Elan" at the end of the equipment sentence.
void appendElan(Generation& g) {
  const std::string& name = g.sheet.profession_nom;
  if (!name.starts_with(names::kPretre) && name != names::kNoblePretre) return;
  const int elan = g.dice.des(6) + g.dice.des(6);
  g.sheet.equipement += ". Elan : " + writeWhole(elan);
  g.note(Stage::Equipement, [&](Note& note) {
    note.subject("Elan").control("equipement").result(elan, " (2d6)").dice(DiceReading::Summed);
  });
}

}  // namespace

std::optional<Refusal> checkBlueBoxes(const Personnage& sheet) {
  for (const auto& blue : kBlueBoxes)
    if (blue.isCharacteristic && (sheet.*blue.box).empty())
      return Refusal{kRemplirCasesBleues, blue.name, RefusalReason::Empty};
  for (const auto& blue : kBlueBoxes) {
    if (sheet.des_ok(blue.selector)) continue;
    const auto value = readStrict(sheet.*blue.box);
    if (!value) return Refusal{kRemplirCasesBleues, blue.name, RefusalReason::NotANumber};
    if (std::abs(*value) > kTypedLimit)
      return Refusal{kRemplirCasesBleues, blue.name, RefusalReason::OutOfRange};
  }
  return std::nullopt;
}

std::optional<Refusal> generateTyped(Personnage& sheet, Dice& dice, Journal* journal) {
  if (auto refusal = checkBlueBoxes(sheet)) return refusal;
  if (journal) journal->clear();

  Notebook book(dice, journal);
  Generation g{sheet, book.dice(), Entry::Typed, book.journal()};
  prepare(sheet);
  for (int k = 0; k < kCaracCount; ++k) {
    const bool reroll = sheet.des_ok(k);
    if (reroll) sheet.*kCharacteristics[static_cast<std::size_t>(k)].roll = writeWhole(carac(g.dice));
    noteTypedCharacteristic(g, k, reroll);
  }
  const auto rerolledPercentile = [&g](const BlueBox& box) {
    const bool reroll = g.sheet.des_ok(box.selector);
    if (reroll) g.sheet.*box.box = writeWhole(g.dice.des(100));
    return reroll ? kRerolled : kTyped;
  };
  notePercentile(g, Stage::Nationalite, kNationaliteRoll, kNationaliteBox,
                 rerolledPercentile(kNationaliteBox));
  notePercentile(g, Stage::Profession, kProfessionRollStep, kProfessionBox,
                 rerolledPercentile(kProfessionBox));

  nameProfession(g);
  const std::string keptProfession = sheet.profession;

  runSharedStages(g);

  if (sheet.des_ok(kDesCompSelector))
    rollImprovements(g, kRerolled);
  else
    keepImprovements(g);
  appendElan(g);
  sheet.profession = writeWhole(numberIn(keptProfession));
  if (sheet.profession != keptProfession)
    g.note(Stage::Profession, [&](Note& note) {
      note.subject(kProfessionRollStep)
          .control("profession")
          .result(sheet.profession, ", le jet tapé revient dans la case");
    });
  return std::nullopt;
}

void generateRandom(Personnage& sheet, Dice& dice, Journal* journal) {
  if (journal) journal->clear();
  sheet.des_ok.clearAll();
  Notebook book(dice, journal);
  Generation g{sheet, book.dice(), Entry::Random, book.journal()};
  prepare(sheet);

  // The seven rolls are all made before any is written.
  std::array<int, kCaracCount> rolls{};
  for (std::size_t k = 0; k < rolls.size(); ++k) {
    rolls[k] = carac(g.dice);
    g.note(Stage::Caracteristiques, [&](Note& note) {
      note.subject(kCharacteristics[k].caption)
          .control(kCharacteristics[k].name)
          .result(rolls[k], kBestOfThree)
          .dice(DiceReading::BestOfThreeSums);
    });
  }
  for (std::size_t k = 0; k < rolls.size(); ++k) sheet.*kCharacteristics[k].roll = writeWhole(rolls[k]);
  sheet.nationalite = writeWhole(g.dice.des(100));
  notePercentile(g, Stage::Nationalite, kNationaliteRoll, kNationaliteBox, {});
  sheet.profession = writeWhole(g.dice.des(100));
  notePercentile(g, Stage::Profession, kProfessionRollStep, kProfessionBox, {});

  nameProfession(g);

  runSharedStages(g);

  rollImprovements(g, {});
  appendElan(g);
}

}  // namespace orvandel
