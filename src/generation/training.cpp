#include "generation/training.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "core/number.h"
#include "core/sheet_fields.h"
#include "generation/names.h"
#include "generation/skills.h"

namespace orvandel {
namespace {

using Bonus = std::string Personnage::*;

constexpr Bonus kAttaque = &Personnage::bonus_attaque;
constexpr Bonus kParade = &Personnage::bonus_parade;
constexpr Bonus kAgilite = &Personnage::bonus_agilite;
constexpr Bonus kManipulation = &Personnage::bonus_manipulation;
constexpr Bonus kPerception = &Personnage::bonus_perception;
constexpr Bonus kDiscretion = &Personnage::bonus_discretion;
constexpr Bonus kConnaissance = &Personnage::bonus_connaissance;
constexpr Bonus kCommunication = &Personnage::bonus_communication;

// One numbered cell of the sheet: a skill value or name, a weapon value or name.
using Cell = std::string& (*)(Personnage&, int);

constexpr Cell kText1 = [](Personnage& s, int i) -> std::string& { return s.Text1(i); };
constexpr Cell kComp = [](Personnage& s, int i) -> std::string& { return s.comp(i); };
constexpr Cell kArmeNom = [](Personnage& s, int i) -> std::string& { return s.arme_nom(i); };
constexpr Cell kArmeAtt = [](Personnage& s, int i) -> std::string& { return s.arme_att(i); };
constexpr Cell kArmePar = [](Personnage& s, int i) -> std::string& { return s.arme_par(i); };

enum class Kind {
  kRaise,        // target := bonus + amount
  kRolledRaise,  // target := bonus + des(100)
  kWeapon,       // attack := bonus_attaque + amount, then parry := bonus_parade + parry
  kCaption,      // target := text
  kRiding,       // Chevaucher, better or worse on one des(100)
  kDexterity,    // dex_tot := its whole part + amount
};

struct TrainingEntry {
  Kind kind;
  Cell target = nullptr;
  int slot = 0;
  Bonus bonus = nullptr;
  int amount = 0;
  int parry = 0;
  std::string_view text = {};
};

constexpr TrainingEntry skill(int slot, Bonus bonus, int amount) {
  return {Kind::kRaise, kText1, slot, bonus, amount};
}
constexpr TrainingEntry rolledSkill(int slot, Bonus bonus) {
  return {Kind::kRolledRaise, kText1, slot, bonus};
}
constexpr TrainingEntry skillName(int slot, std::string_view text) {
  return {Kind::kCaption, kComp, slot, nullptr, 0, 0, text};
}
constexpr TrainingEntry weapon(int slot, int attack, int parry) {
  return {Kind::kWeapon, nullptr, slot, nullptr, attack, parry};
}
constexpr TrainingEntry attackOnly(int slot, int attack) {
  return {Kind::kRaise, kArmeAtt, slot, kAttaque, attack};
}
constexpr TrainingEntry rolledAttack(int slot) { return {Kind::kRolledRaise, kArmeAtt, slot, kAttaque}; }
constexpr TrainingEntry rolledParry(int slot) { return {Kind::kRolledRaise, kArmePar, slot, kParade}; }
constexpr TrainingEntry weaponName(int slot, std::string_view text) {
  return {Kind::kCaption, kArmeNom, slot, nullptr, 0, 0, text};
}
constexpr TrainingEntry dexterity(int amount) { return {Kind::kDexterity, nullptr, 0, nullptr, amount}; }
constexpr TrainingEntry kRidingRoll{Kind::kRiding};

// A roll of at most kRiderRoll makes a practised rider.
constexpr int kRiderRoll = 60;
constexpr int kPractisedRider = 65;
constexpr int kOccasionalRider = 25;

constexpr std::string_view kDague = "Dague";
constexpr std::string_view kForgeron = "Forgeron";

constexpr auto kGuerrierEntries = std::to_array<TrainingEntry>({
    weapon(1, 50, 50),
    weapon(2, 40, 40),
    weapon(3, 30, 30),
    kRidingRoll,
});

// What every assassin learns on top of a warrior's training.
constexpr auto kAssassinArts = std::to_array<TrainingEntry>({
    skill(36, kConnaissance, 30),
    skill(22, kPerception, 25),
    skill(1, kDiscretion, 50),
    skill(2, kDiscretion, 40),
    skill(3, kDiscretion, 50),
    skill(18, kPerception, 50),
});

constexpr auto kMarchandEntries = std::to_array<TrainingEntry>({
    weapon(1, 40, 40),
    skill(24, kConnaissance, 70),
    skill(39, kCommunication, 50),
    skill(40, kCommunication, 40),
    skill(28, kConnaissance, 80),
});

constexpr auto kMarinEntries = std::to_array<TrainingEntry>({
    weapon(1, 40, 40),
    skill(7, kAgilite, 50),
    skill(12, kManipulation, 25),
    skill(8, kAgilite, 40),
    skill(46, kAgilite, 75),
    skillName(46, "Grimper aux Gréments"),
    skill(21, kPerception, 50),
});

// The officers' addition to a sailor's training.
constexpr auto kNavigation = std::to_array<TrainingEntry>({skill(29, kConnaissance, 80)});

constexpr auto kChasseurWeapons = std::to_array<TrainingEntry>({
    weapon(1, 30, 30),
    attackOnly(2, 25),
});

// Traps, ambush, tracking and the forge, shared by both kinds of hunter.
constexpr auto kHuntersCraft = std::to_array<TrainingEntry>({
    skill(13, kManipulation, 50),
    skill(3, kDiscretion, 50),
    skill(23, kPerception, 50),
    skill(30, kConnaissance, 30),
    skillName(30, kForgeron),
});

constexpr auto kFermierEntries = std::to_array<TrainingEntry>({
    skill(30, kConnaissance, 20),
    skillName(30, kForgeron),
    skill(23, kPerception, 20),
    weapon(1, 30, 30),
    weaponName(1, "Bâton 2 Mains"),
    weapon(2, 30, 30),
    weaponName(2, "Hachette"),
    weapon(3, 20, 20),
    weaponName(3, "Lance 2 Mains"),
    skill(37, kConnaissance, 20),
});

// A priest's letters, dagger and care; only the weapon slot of the dagger
// differs between the priestly professions.
constexpr std::array<TrainingEntry, 8> priestTeaching(int daggerSlot) {
  return {
      skill(24, kConnaissance, 80), skill(25, kConnaissance, 60),   skill(26, kConnaissance, 40),
      weapon(daggerSlot, 30, 30),   weaponName(daggerSlot, kDague), skill(37, kConnaissance, 40),
      skill(33, kConnaissance, 40), skill(40, kCommunication, 25),
  };
}

constexpr auto kPretreEntries = priestTeaching(1);

constexpr auto kNobleCredit = std::to_array<TrainingEntry>({skill(40, kCommunication, 40)});

// A noble's weapons, taught again by the supplement of noble birth.
constexpr auto kNobleWeapons = std::to_array<TrainingEntry>({
    weapon(5, 40, 40),
    weapon(6, 20, 20),
});

constexpr auto kVoleurEntries = std::to_array<TrainingEntry>({
    weapon(1, 45, 45),
    weaponName(1, kDague),
    weapon(2, 35, 35),
    skill(24, kConnaissance, 25),
    rolledSkill(8, kAgilite),
    rolledSkill(4, kDiscretion),
    rolledSkill(9, kAgilite),
    rolledSkill(16, kManipulation),
    skill(18, kPerception, 70),
    rolledSkill(17, kPerception),
    rolledSkill(22, kPerception),
    skill(1, kDiscretion, 50),
    rolledSkill(5, kDiscretion),
    skill(28, kConnaissance, 50),
});

constexpr auto kMendiantEntries = std::to_array<TrainingEntry>({
    skill(39, kConnaissance, 60),
    skill(17, kPerception, 60),
    skill(22, kPerception, 25),
    skill(16, kManipulation, 50),
    weapon(1, 10, 10),
});

constexpr auto kArtisanEntries = std::to_array<TrainingEntry>({
    dexterity(3),
    skill(30, kManipulation, 70),
    rolledAttack(1),
    rolledParry(1),
    weapon(2, 15, 15),
});

constexpr auto kNobleGuerrierEntries = std::to_array<TrainingEntry>({
    skill(40, kCommunication, 40),
    weapon(1, 50, 50),
    weapon(2, 40, 40),
    weapon(3, 30, 30),
    weapon(4, 40, 40),
    weapon(5, 20, 20),
    kRidingRoll,
});

constexpr auto kWarPriestTeaching = priestTeaching(3);

// What a war priest learns after the priest's teaching.
constexpr auto kWarPriestWeapons = std::to_array<TrainingEntry>({
    weapon(1, 50, 50),
    weapon(2, 40, 40),
    weapon(4, 30, 30),
    kRidingRoll,
});

constexpr auto kChasseurGuerrierWeapons = std::to_array<TrainingEntry>({
    weapon(1, 50, 50),
    weapon(2, 40, 40),
    weapon(3, 30, 30),
    weapon(4, 30, 30),
    attackOnly(5, 25),
    kRidingRoll,
});

constexpr auto kNoblePretreWeapons = std::to_array<TrainingEntry>({
    weapon(1, 40, 40),
    weapon(3, 20, 20),
});

constexpr auto kNoblePretreTeaching = priestTeaching(2);

using Entries = std::span<const TrainingEntry>;

// A profession's training: the entries of its parts, one part after another.
struct Block {
  std::string_view profession;
  std::array<Entries, 3> parts;
};

constexpr auto kBlocks = std::to_array<Block>({
    {names::kGuerrier, {kGuerrierEntries}},
    {names::kAssassin, {kGuerrierEntries, kAssassinArts}},
    {names::kMarchand, {kMarchandEntries}},
    {names::kMarin, {kMarinEntries}},
    {names::kCapitain, {kMarinEntries, kNavigation}},
    {names::kSecond, {kMarinEntries, kNavigation}},
    {names::kChasseur, {kChasseurWeapons, kHuntersCraft}},
    {names::kFermier, {kFermierEntries}},
    {names::kPretre, {kPretreEntries}},
    {names::kNoble, {kNobleCredit, kNobleWeapons}},
    {names::kVoleur, {kVoleurEntries}},
    {names::kMendiant, {kMendiantEntries}},
    {names::kArtisan, {kArtisanEntries}},
    {names::kNobleGuerrier, {kNobleGuerrierEntries}},
    {names::kNobleAssassin, {kNobleGuerrierEntries, kAssassinArts}},
    {names::kPretreGuerrier, {kWarPriestTeaching, kWarPriestWeapons}},
    {names::kPretreAssassin, {kWarPriestTeaching, kWarPriestWeapons, kAssassinArts}},
    {names::kChasseurGuerrier, {kHuntersCraft, kChasseurGuerrierWeapons}},
    {names::kNoblePretre, {kNoblePretreWeapons, kNoblePretreTeaching}},
});

// A raise replaces the value in place; it never adds to it.
void raise(std::string& target, const std::string& bonus, int amount) {
  target = writeWhole(numberIn(bonus) + amount);
}

// The cell a training step writes, as the journal names it, and its control name.
void noteCell(Note& note, const TrainingEntry& entry, const Personnage& sheet) {
  if (entry.target == kArmeAtt)
    note.subject(kAttackStep, ", ", weaponTitle(sheet, entry.slot))
        .control(indexedName("arme_att", entry.slot));
  else if (entry.target == kArmePar)
    note.subject(kParryStep, ", ", weaponTitle(sheet, entry.slot))
        .control(indexedName("arme_par", entry.slot));
  else if (entry.target == kArmeNom)
    note.subject(weaponTitle(sheet, entry.slot)).control(indexedName("arme_nom", entry.slot));
  else if (entry.target == kComp)
    note.subject(skillTitle(sheet, entry.slot)).control(indexedName("comp", entry.slot));
  else
    note.subject(skillTitle(sheet, entry.slot)).control(indexedName("Text1", entry.slot));
}

// "43 (bonus 3 + 40)", or with the roll: "60 (bonus 3 + jet 57)".
void noteRaised(Note& note, const std::string& value, const std::string& bonus, int amount, bool rolled) {
  note.result(value, " (bonus ", bonus, rolled ? " + jet " : " + ", amount, ")");
}

void apply(const TrainingEntry& entry, Generation& g) {
  Personnage& sheet = g.sheet;
  switch (entry.kind) {
    case Kind::kRaise:
    case Kind::kRolledRaise: {
      const bool rolled = entry.kind == Kind::kRolledRaise;
      const int amount = rolled ? g.dice.des(100) : entry.amount;
      std::string& target = entry.target(sheet, entry.slot);
      raise(target, sheet.*entry.bonus, amount);
      g.note(Stage::Formation, [&](Note& note) {
        noteCell(note, entry, sheet);
        noteRaised(note, target, sheet.*entry.bonus, amount, rolled);
      });
      break;
    }
    case Kind::kWeapon:
      raise(sheet.arme_att(entry.slot), sheet.bonus_attaque, entry.amount);
      raise(sheet.arme_par(entry.slot), sheet.bonus_parade, entry.parry);
      g.note(Stage::Formation, [&](Note& note) {
        note.subject(weaponTitle(sheet, entry.slot)).control("arme_att(", entry.slot, ")").result("attaque ");
        noteRaised(note, sheet.arme_att(entry.slot), sheet.bonus_attaque, entry.amount, false);
        note.result(", parade ");
        noteRaised(note, sheet.arme_par(entry.slot), sheet.bonus_parade, entry.parry, false);
      });
      break;
    case Kind::kCaption:
      // Noted before the change, under the name the cell had until then.
      g.note(Stage::Formation, [&](Note& note) {
        noteCell(note, entry, sheet);
        note.result("devient « ", entry.text, " »");
      });
      entry.target(sheet, entry.slot) = entry.text;
      break;
    case Kind::kRiding: {
      const int roll = g.dice.des(100);
      const bool rider = roll <= kRiderRoll;
      std::string& riding = sheet.Text1(skill_slot::kChevaucher);
      raise(riding, sheet.bonus_agilite, rider ? kPractisedRider : kOccasionalRider);
      g.note(Stage::Formation, [&](Note& note) {
        note.subject(sheet.comp(skill_slot::kChevaucher))
            .control("Text1(", skill_slot::kChevaucher, ")")
            .result("jet ", roll, rider ? ", au plus " : ", plus que ", kRiderRoll, " : ");
        noteRaised(note, riding, sheet.bonus_agilite, rider ? kPractisedRider : kOccasionalRider, false);
      });
      break;
    }
    case Kind::kDexterity: {
      const std::string before = g.journal ? sheet.dex_tot : std::string();
      sheet.dex_tot = writeWhole(static_cast<double>(wholeIn(sheet.dex_tot) + entry.amount));
      g.note(Stage::Formation, [&](Note& note) {
        note.subject("DEXtérité totale")
            .control("dex_tot")
            .result(sheet.dex_tot, " (", before, " + ", entry.amount, ")");
      });
      break;
    }
  }
}

void applyAll(Entries entries, Generation& g) {
  for (const TrainingEntry& entry : entries) apply(entry, g);
}

constexpr double kNobleCreditGain = 40;

// Noble birth adds to the Crédit of whatever profession the noble took, and
// brings the noble's weapons. An empty Crédit counts as 0.
void nobleSupplement(Generation& g) {
  std::string& credit = g.sheet.Text1(skill_slot::kCredit);
  const std::string before = credit.empty() ? "0" : credit;
  credit = writeWhole(numberIn(g.sheet.bonus_communication) +
                      (readRounded(credit).value_or(0) + kNobleCreditGain));
  g.note(Stage::Formation, [&](Note& note) {
    note.subject(g.sheet.comp(skill_slot::kCredit))
        .control("Text1(", skill_slot::kCredit, ")")
        .result(credit, " (noblesse : bonus ", g.sheet.bonus_communication, " + ", before, " + ",
                writeWhole(kNobleCreditGain), ")");
  });
  applyAll(kNobleWeapons, g);
}

constexpr int kLastCappedSkill = 50;
constexpr double kSkillCeiling = 90;

// Invocations (slots 51 to 73) and weapons may stay above the ceiling.
void capSkills(Generation& g) {
  Personnage& sheet = g.sheet;
  for (int i = 1; i <= kLastCappedSkill; ++i) {
    const auto value = readStrict(sheet.Text1(i));
    if (!value || *value <= kSkillCeiling) continue;
    const std::string above = g.journal ? sheet.Text1(i) : std::string();
    sheet.Text1(i) = writeWhole(kSkillCeiling);
    g.note(Stage::Formation, [&](Note& note) {
      note.subject(skillTitle(sheet, i))
          .control("Text1(", i, ")")
          .result(above, " ramené à ", sheet.Text1(i));
    });
  }
}

constexpr double kHautVeskareenIntl = 15;

// The high script is beyond a character of low intelligence, whatever the
// training gave.
void checkHautVeskareen(Generation& g) {
  Personnage& sheet = g.sheet;
  std::string& value = sheet.Text1(skill_slot::kHautVeskareen);
  if (value.empty() || numberIn(sheet.intl_tot) >= kHautVeskareenIntl) return;
  value = "Int<15";
  g.note(Stage::Formation, [&](Note& note) {
    note.subject(sheet.comp(skill_slot::kHautVeskareen))
        .control("Text1(", skill_slot::kHautVeskareen, ")")
        .result(value, " (INTelligence totale ", sheet.intl_tot, ", moins de ",
                writeWhole(kHautVeskareenIntl), ")");
  });
}

}  // namespace

std::string weaponTitle(const Personnage& sheet, int slot) {
  std::string name = "Arme " + std::to_string(slot);
  if (sheet.arme_nom(slot) != kBlankWeaponName) name += " (" + sheet.arme_nom(slot) + ")";
  return name;
}

void applyTraining(Generation& g) {
  for (const Block& block : kBlocks) {
    if (g.sheet.profession_nom != block.profession) continue;
    for (Entries part : block.parts) applyAll(part, g);
  }
  if (g.noblesse) nobleSupplement(g);
  capSkills(g);
  checkHautVeskareen(g);
}

}  // namespace orvandel
