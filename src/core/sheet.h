// The character sheet `personnage`: every field of the character window under
// its control name, each holding the text the window shows. It is the only
// state of the program; the rules read and write it, the window displays it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "core/recipe.h"

namespace orvandel {

// A numbered row of sheet fields addressed with the game's own indices, so
// that `sheet.comp(12)` reads like the rules. An index outside First..Last is
// a programming error and throws std::out_of_range.
template <int First, int Last>
class Slots {
 public:
  static constexpr int kFirst = First;
  static constexpr int kLast = Last;
  static constexpr bool exists(int i) { return i >= First && i <= Last; }

  std::string& operator()(int i) { return items_.at(position(i)); }
  const std::string& operator()(int i) const { return items_.at(position(i)); }

  bool operator==(const Slots&) const = default;

 private:
  static constexpr std::size_t kCount = static_cast<std::size_t>(Last - First + 1);
  // An index below First maps past the end, so that at() refuses it too.
  static constexpr std::size_t position(int i) {
    return i < First ? kCount : static_cast<std::size_t>(i - First);
  }
  std::array<std::string, kCount> items_{};
};

// The eleven reroll selectors des_ok(0)..des_ok(6) and des_ok(14)..des_ok(17).
// Indices 7 to 13 do not exist; addressing them throws std::out_of_range.
class Selectors {
 public:
  static constexpr std::array<int, 11> kIndices{0, 1, 2, 3, 4, 5, 6, 14, 15, 16, 17};
  static constexpr bool exists(int i) { return (i >= 0 && i <= 6) || (i >= 14 && i <= 17); }

  bool& operator()(int i) { return ticked_.at(position(i)); }
  bool operator()(int i) const { return ticked_.at(position(i)); }
  void clearAll() { ticked_.fill(false); }

  bool operator==(const Selectors&) const = default;

 private:
  static constexpr std::size_t position(int i) {
    if (i >= 0 && i <= 6) return static_cast<std::size_t>(i);
    if (i >= 14 && i <= 17) return static_cast<std::size_t>(i - 7);
    return kIndices.size();
  }
  std::array<bool, 11> ticked_{};
};

// Row fillers used at launch and by the reset of every generation.
inline constexpr const char* kBlankWeaponName = "............................";  // 28
inline constexpr const char* kBlankWeaponDamage =
    "....................................................";  // 52

// The numbered rows of the sheet: the skill slots (comp, Text1) and the
// weapon rows (arme_nom, arme_deg, arme_att, arme_par). Every loop over a
// row and every bound of a slot index reads its first and last from here.
using SkillSlots = Slots<1, 73>;
using WeaponSlots = Slots<1, 6>;

struct Personnage {
  // The blue boxes: rolls typed by the player or rolled by the generation.
  std::string forc, con, tai, dex, intl, pou, cha;
  std::string nationalite, profession, age;

  std::string nationalite_nom, profession_nom;
  std::string forc_race, con_race, tai_race, dex_race, intl_race, pou_race, cha_race;
  std::string forc_tot, con_tot, tai_tot, dex_tot, intl_tot, pou_tot, cha_tot;
  std::string pv, blessure_majeure, san, sft, sorcier;
  std::string bonus_attaque, bonus_parade, bonus_agilite, bonus_manipulation;
  std::string bonus_perception, bonus_discretion, bonus_connaissance, bonus_communication;
  std::string bonus_dommages, equipement, des_comp;

  SkillSlots comp, Text1;
  WeaponSlots arme_nom, arme_deg, arme_att, arme_par;
  Selectors des_ok;

  // How the sheet was made, when it is known: the generations write it.
  std::optional<Recipe> recette;

  // The launch state: every text empty, weapon rows dotted, nothing ticked.
  Personnage();

  // The reset that opens every generation: race fields, skill slots, weapon
  // slots and the recipe. Nothing else is cleared.
  void resetOutputs();

  bool operator==(const Personnage&) const = default;
};

// Whether a generation made the sheet (or a file brought one that a
// generation made): the launch state and typing alone leave the profession
// and the nationality blank, as no rule has named them yet.
bool holdsCharacter(const Personnage& sheet);

// The seven characteristics in sheet order, with the three fields of each row
// and the caption the sheet shows before it.
enum Carac : int { kForc, kCon, kTai, kDex, kIntl, kPou, kCha, kCaracCount };

struct CharacteristicRow {
  const char* name;
  std::string Personnage::*roll;
  std::string Personnage::*race;
  std::string Personnage::*total;
  const char* caption;
};

inline constexpr std::array<CharacteristicRow, kCaracCount> kCharacteristics{{
    {"forc", &Personnage::forc, &Personnage::forc_race, &Personnage::forc_tot, "FORce"},
    {"con", &Personnage::con, &Personnage::con_race, &Personnage::con_tot, "CONstitution"},
    {"tai", &Personnage::tai, &Personnage::tai_race, &Personnage::tai_tot, "TAIlle"},
    {"dex", &Personnage::dex, &Personnage::dex_race, &Personnage::dex_tot, "DEXtérité"},
    {"intl", &Personnage::intl, &Personnage::intl_race, &Personnage::intl_tot, "INTelligence"},
    {"pou", &Personnage::pou, &Personnage::pou_race, &Personnage::pou_tot, "POUvoir"},
    {"cha", &Personnage::cha, &Personnage::cha_race, &Personnage::cha_tot, "CHArisme"},
}};

// The selectors that reroll something other than a characteristic; the
// characteristic k is rerolled by des_ok(k).
inline constexpr int kNationaliteSelector = 14;
inline constexpr int kProfessionSelector = 15;
inline constexpr int kAgeSelector = 16;
inline constexpr int kDesCompSelector = 17;  // the improvement rolls

// The ten blue boxes in reading order, each with the selector that rerolls it
// and the dice a player rolls at the table to fill it.
struct BlueBox {
  const char* name;
  std::string Personnage::*box;
  int selector;
  bool isCharacteristic;
  const char* dice;
};

inline constexpr std::array<BlueBox, 10> kBlueBoxes{{
    {"forc", &Personnage::forc, kForc, true, "3d6"},
    {"con", &Personnage::con, kCon, true, "3d6"},
    {"tai", &Personnage::tai, kTai, true, "3d6"},
    {"dex", &Personnage::dex, kDex, true, "3d6"},
    {"intl", &Personnage::intl, kIntl, true, "3d6"},
    {"pou", &Personnage::pou, kPou, true, "3d6"},
    {"cha", &Personnage::cha, kCha, true, "3d6"},
    {"nationalite", &Personnage::nationalite, kNationaliteSelector, false, "d100"},
    {"profession", &Personnage::profession, kProfessionSelector, false, "d100"},
    {"age", &Personnage::age, kAgeSelector, false, "18 + 2d6"},
}};

// The boxes a typed entry reads, in the order a recipe keeps them: the blue
// boxes, then the improvement count, which the entry keeps when not rerolled.
struct TypedBox {
  const char* name;
  std::string Personnage::*box;
};

constexpr std::array<TypedBox, kTypedBoxCount> typedBoxes() {
  static_assert(kTypedBoxCount == kBlueBoxes.size() + 1);
  std::array<TypedBox, kTypedBoxCount> boxes{};
  for (std::size_t k = 0; k < kBlueBoxes.size(); ++k) boxes[k] = {kBlueBoxes[k].name, kBlueBoxes[k].box};
  boxes.back() = {"des_comp", &Personnage::des_comp};
  return boxes;
}

inline constexpr std::array<TypedBox, kTypedBoxCount> kTypedBoxes = typedBoxes();

}  // namespace orvandel
