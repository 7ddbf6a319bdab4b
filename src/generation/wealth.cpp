#include "generation/wealth.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/number.h"
#include "generation/names.h"
#include "generation/profession.h"
#include "generation/skills.h"

namespace orvandel {
namespace {

constexpr std::string_view kEstateMiddle = " GB et tu as en poche ";
constexpr std::string_view kEstateEnd = " GB en poche ainsi que l'armure et les armes de ton choix";
constexpr int kPropertyUnit = 10000;
constexpr int kPocketUnit = 100;

// Nobles and heirs own a property worth the sum of some des(100) in units of
// kPropertyUnit, then carry one des(100) in units of kPocketUnit.
struct Estate {
  std::string_view prefix;  // start of profession_nom
  std::string_view opening;
  int propertyRolls;
};

constexpr auto kEstates = std::to_array<Estate>({
    {names::kNoble, " Tu est riche veinard : tu possèdes un propriété valant ", 1},
    {"Hérit", " Tu as des couilles en OR : tu possèdes un palais valant ", 2},
});

constexpr std::string_view kWarriorKit = " 3 armes et 1 armure au choix, et en poche ";
constexpr std::string_view kOneWeaponKit = " 1 arme au choix, et en poche ";
constexpr std::string_view kHunterKit = " 1 arc et 12 flèches,  1 arme au choix, et en poche ";
constexpr std::string_view kFarmerKit = " 1 bâton, 1 hachette, et en poche ";
constexpr std::string_view kPriestKit = " 1 Dague, et en poche 1 salaire de ";
constexpr std::string_view kArmedPriestKit = " 1 Dague, 3 armes et 1 armure au choix. En poche 1 salaire de ";
constexpr std::string_view kThiefKit = " 1 Dague et 1 arme au choix, en poche ";
constexpr std::string_view kBeggarKit = " Heureux sois-tu ! Tu as en poche ";
constexpr std::string_view kMoneyEnd = " GB";
constexpr std::string_view kSalaryEnd = " GB/Mois si tu rends ton office ...";
constexpr std::string_view kBeggarEnd = " GB, mais";
constexpr std::string_view kMerchantArmour = "L'armure de ton choix et ";

constexpr auto kIntl = &Personnage::intl_tot;
constexpr auto kDex = &Personnage::dex_tot;

// What a rule does besides writing its sentence.
enum Extra { kPlain, kCreditRoll, kInfirmityList };

// The sentence is kit, money, end. The money is the sum of `rolls` des(faces),
// times the total in `factor` when there is one.
struct ProfessionRule {
  std::array<std::string_view, 2> professions;  // the second may be empty
  std::string_view kit;
  std::string Personnage::*factor;
  int rolls;
  int faces;
  std::string_view end;
  Extra extra;
};

constexpr auto kProfessionRules = std::to_array<ProfessionRule>({
    {{names::kAssassin, names::kGuerrier}, kWarriorKit, kIntl, 1, 100, kMoneyEnd, kPlain},
    {{names::kMarchand}, kOneWeaponKit, kIntl, 5, 100, kMoneyEnd, kCreditRoll},
    {{names::kMarin}, kOneWeaponKit, kIntl, 1, 20, kMoneyEnd, kPlain},
    {{names::kSecond}, kOneWeaponKit, kIntl, 5, 20, kMoneyEnd, kPlain},
    {{names::kCapitain}, kOneWeaponKit, kIntl, 10, 20, kMoneyEnd, kPlain},
    {{names::kChasseurGuerrier, names::kChasseur}, kHunterKit, nullptr, 1, 100, kMoneyEnd, kPlain},
    {{names::kFermier}, kFarmerKit, kIntl, 1, 20, kMoneyEnd, kPlain},
    {{names::kPretre}, kPriestKit, nullptr, 5, 100, kSalaryEnd, kPlain},
    {{names::kVoleur}, kThiefKit, nullptr, 5, 20, kMoneyEnd, kPlain},
    {{names::kMendiant, names::kNobleMendiant}, kBeggarKit, nullptr, 1, 6, kBeggarEnd, kInfirmityList},
    {{names::kArtisan}, kOneWeaponKit, kDex, 1, 100, kMoneyEnd, kPlain},
    {{names::kPretreAssassin, names::kPretreGuerrier}, kArmedPriestKit, nullptr, 5, 100, kSalaryEnd, kPlain},
});

constexpr std::string_view kInfirmityListStart = ": ";
constexpr std::string_view kInfirmitySeparator = ", ";

// Row r is drawn by des(20) = r. Two rows carry a number rolled once per
// beggar: the missing fingers come before row 11's text, the intelligence
// lost after row 20's.
constexpr auto kInfirmities = std::to_array<std::string_view>({
    "Cataracte : à moitié aveugle",
    "Une oreille en moins",
    "Muet",
    "Un oeil en moins",
    "Plus de nez",
    "Dents pourries haleine fétide",
    "Plaies ouvertes",
    "Lépreux",
    "Hémophile",
    "Scorbuteux",
    " doigts en moins",
    "Amputé d'une main",
    "Amputé d'un pied",
    "Amputé d'un bras",
    "Amputé d'une jambe",
    "Amputé d'un bras et d'une jambe",
    "Chauve et Galeux",
    "Obèse",
    "Squelette vivant",
    "Attardé mental : Int-",
});
constexpr std::size_t kFingersRow = 11;
constexpr std::size_t kSlowWitRow = 20;

int rollSum(Dice& dice, int rolls, int faces) {
  int sum = 0;
  for (int i = 0; i < rolls; ++i) sum += dice.des(faces);
  return sum;
}

void applyTitle(Generation& g) {
  std::string& nom = g.sheet.profession_nom;
  const std::string title = std::string(names::kNoble) + " ";
  if (g.noblesse) {
    nom.insert(0, title);
    g.note(Stage::Equipement, [&](Note& note) {
      note.subject(kProfessionStep)
          .control("profession_nom")
          .result(std::string_view(nom).substr(title.size()), " devient ", nom, " (noble de naissance)");
    });
  }
  const std::string doubleNoble = title + std::string(names::kNoble);
  if (nom == doubleNoble) {
    nom = std::string(names::kHeirTitle) + std::to_string(g.dice.des(6) + 1);
    g.note(Stage::Equipement, [&](Note& note) {
      note.subject(kProfessionStep)
          .control("profession_nom")
          .result(doubleNoble, " devient ", nom, " (noble de naissance et de profession, 1d6 + 1)");
    });
  }
}

// "370000 GB (10000 × 37)": an amount in units of one or more des(100).
void noteUnits(Note& note, int amount, int unit, int rolls) {
  note.result(amount, kMoneyEnd, " (", unit, " × ");
  if (rolls == 1)
    note.result("1d100)");
  else
    note.result(rolls, "d100)");
}

void applyEstate(Generation& g, const Estate& estate) {
  const int property = kPropertyUnit * rollSum(g.dice, estate.propertyRolls, 100);
  g.note(Stage::Equipement, [&](Note& note) {
    note.subject(estate.propertyRolls == 1 ? "Propriété" : "Palais")
        .control("equipement")
        .dice(DiceReading::Summed);
    noteUnits(note, property, kPropertyUnit, estate.propertyRolls);
  });
  const int pocket = kPocketUnit * g.dice.des(100);
  g.note(Stage::Equipement, [&](Note& note) {
    note.subject("En poche").control("equipement");
    noteUnits(note, pocket, kPocketUnit, 1);
  });
  g.sheet.equipement = std::string(estate.opening) + std::to_string(property) + std::string(kEstateMiddle) +
                       std::to_string(pocket) + std::string(kEstateEnd);
}

std::string infirmities(Generation& g) {
  Dice& dice = g.dice;
  std::array<std::string, kInfirmities.size()> rows;
  std::ranges::copy(kInfirmities, rows.begin());
  const int fingers = dice.des(4) + dice.des(4);
  rows[kFingersRow - 1].insert(0, std::to_string(fingers));
  g.note(Stage::Equipement, [&](Note& note) {
    note.subject("Infirmité ", kFingersRow).result(rows[kFingersRow - 1], " (2d4)").dice(DiceReading::Summed);
  });
  rows[kSlowWitRow - 1] += std::to_string(dice.des(6));
  g.note(Stage::Equipement, [&](Note& note) {
    note.subject("Infirmité ", kSlowWitRow).result(rows[kSlowWitRow - 1], " (1d6)");
  });

  std::string list(kInfirmityListStart);
  const int count = dice.des(4);
  g.note(Stage::Equipement, [&](Note& note) { note.subject("Infirmités").result(count, " (1d4)"); });
  for (int n = count; n > 0; --n) {
    const auto row = static_cast<std::size_t>(dice.des(20));
    list += rows[row - 1];
    list += kInfirmitySeparator;
    g.note(Stage::Equipement, [&](Note& note) {
      note.subject("Infirmité").control("equipement").result(rows[row - 1], " (1d20)");
    });
  }
  return list;
}

std::string sentence(Generation& g, const ProfessionRule& rule) {
  const double factor = rule.factor ? numberIn(g.sheet.*rule.factor) : 1.0;
  const int sum = rollSum(g.dice, rule.rolls, rule.faces);
  const double amount = factor * sum;
  g.note(Stage::Equipement, [&](Note& note) {
    const bool salary = rule.end == kSalaryEnd;
    note.subject(salary ? "Salaire" : "Argent")
        .control("equipement")
        .dice(DiceReading::Summed)
        .result(writeWhole(amount), kMoneyEnd, salary ? " par mois" : "", " (");
    if (rule.factor) {
      const auto row = std::ranges::find_if(
          kCharacteristics, [&](const CharacteristicRow& r) { return r.total == rule.factor; });
      note.result(row->caption, " totale ", g.sheet.*rule.factor, " × ");
    }
    note.result(rule.rolls, "d", rule.faces);
    if (rule.rolls > 1) note.result(" = ", sum);
    note.result(")");
  });
  return std::string(rule.kit) + writeWhole(amount) + std::string(rule.end);
}

void applyProfessionRule(Generation& g, const ProfessionRule& rule) {
  std::string& equipement = g.sheet.equipement;
  if (rule.extra == kInfirmityList) {
    const std::string list = infirmities(g);
    equipement += sentence(g, rule) + list;
    return;
  }
  equipement = sentence(g, rule);
  if (rule.extra != kCreditRoll) return;
  const int roll = g.dice.des(100);
  const long long credit = wholeIn(g.sheet.Text1(skill_slot::kCredit));
  const bool armour = roll <= credit;
  if (armour) equipement.insert(0, kMerchantArmour);
  g.note(Stage::Equipement, [&](Note& note) {
    note.subject("Armure")
        .control("equipement")
        .result(roll, armour ? ", au plus " : ", plus que ", "le Crédit ", credit,
                armour ? " : une armure en plus" : " : pas d'armure");
  });
}

bool isNamed(const ProfessionRule& rule, std::string_view nom) {
  return std::ranges::any_of(rule.professions, [nom](std::string_view n) { return !n.empty() && n == nom; });
}

}  // namespace

void applyWealth(Generation& g) {
  applyTitle(g);
  g.sheet.equipement.clear();
  for (const Estate& estate : kEstates) {
    if (g.sheet.profession_nom.starts_with(estate.prefix)) applyEstate(g, estate);
  }
  const auto rule = std::ranges::find_if(
      kProfessionRules, [&](const ProfessionRule& r) { return isNamed(r, g.sheet.profession_nom); });
  if (rule != kProfessionRules.end()) applyProfessionRule(g, *rule);
}

}  // namespace orvandel
