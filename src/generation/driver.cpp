#include "generation/driver.h"

#include <array>
#include <cmath>

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
  computeBonuses(g.sheet);
  competence(g.sheet);
  applyTraining(g);
  applyWealth(g);
}

void rollImprovements(Generation& g) { g.sheet.des_comp = writeWhole(g.dice.des(6) + 2); }

// Priests draw their "Elan" at the end of the equipment sentence.
void appendElan(Generation& g) {
  const std::string& name = g.sheet.profession_nom;
  if (!name.starts_with(names::kPretre) && name != names::kNoblePretre) return;
  const int elan = g.dice.des(6) + g.dice.des(6);
  g.sheet.equipement += ". Elan : " + writeWhole(elan);
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

std::optional<Refusal> generateTyped(Personnage& sheet, Dice& dice) {
  if (auto refusal = checkBlueBoxes(sheet)) return refusal;

  Generation g{sheet, dice, Entry::Typed};
  prepare(sheet);
  for (int k = 0; k < kCaracCount; ++k)
    if (sheet.des_ok(k)) sheet.*kCharacteristics[static_cast<std::size_t>(k)].roll = writeWhole(carac(dice));
  if (sheet.des_ok(kNationaliteSelector)) sheet.nationalite = writeWhole(dice.des(100));
  if (sheet.des_ok(kProfessionSelector)) sheet.profession = writeWhole(dice.des(100));

  sheet.profession_nom = classe(sheet.profession, dice);
  const std::string keptProfession = sheet.profession;

  runSharedStages(g);

  if (sheet.des_ok(kDesCompSelector)) rollImprovements(g);
  appendElan(g);
  sheet.profession = writeWhole(numberIn(keptProfession));
  return std::nullopt;
}

void generateRandom(Personnage& sheet, Dice& dice) {
  sheet.des_ok.clearAll();
  Generation g{sheet, dice, Entry::Random};
  prepare(sheet);

  std::array<int, kCaracCount> rolls{};
  for (int& roll : rolls) roll = carac(dice);
  for (std::size_t k = 0; k < rolls.size(); ++k) sheet.*kCharacteristics[k].roll = writeWhole(rolls[k]);
  sheet.nationalite = writeWhole(dice.des(100));
  sheet.profession = writeWhole(dice.des(100));

  sheet.profession_nom = classe(sheet.profession, dice);

  runSharedStages(g);

  rollImprovements(g);
  appendElan(g);
}

}  // namespace orvandel
