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

// The blue boxes in reading order, each with the selector that rerolls it.
struct BlueBox {
  const char* name;
  std::string Personnage::*box;
  int selector;
  bool isCharacteristic;
};

constexpr std::array<BlueBox, 10> kBlueBoxes{{
    {"forc", &Personnage::forc, 0, true},
    {"con", &Personnage::con, 1, true},
    {"tai", &Personnage::tai, 2, true},
    {"dex", &Personnage::dex, 3, true},
    {"intl", &Personnage::intl, 4, true},
    {"pou", &Personnage::pou, 5, true},
    {"cha", &Personnage::cha, 6, true},
    {"nationalite", &Personnage::nationalite, 14, false},
    {"profession", &Personnage::profession, 15, false},
    {"age", &Personnage::age, 16, false},
}};

constexpr int kNationaliteSelector = 14;
constexpr int kProfessionSelector = 15;
constexpr int kDesCompSelector = 17;

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

std::optional<std::string_view> rerolledField(int selector) {
  if (selector == kDesCompSelector) return "des_comp";
  for (const auto& blue : kBlueBoxes)
    if (blue.selector == selector) return blue.name;
  return std::nullopt;
}

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
