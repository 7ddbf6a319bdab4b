// The skill catalogue: the name of every skill slot and the base values every
// character starts with.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/sheet.h"
#include "generation/generation.h"

namespace orvandel {

// The headings under which the skills stand on the sheet, each with the
// category bonus its skills start from.
enum class SkillCategory {
  Discretion,
  Agilite,
  Manipulation,
  Perception,
  Connaissance,
  Communication,
  Invocation
};

struct SkillCategoryRow {
  SkillCategory category;
  const char* heading;
  std::string Personnage::*bonus;  // nullptr: the summonings have no bonus
};

inline constexpr std::array<SkillCategoryRow, 7> kSkillCategories{{
    {SkillCategory::Discretion, "Discrétion", &Personnage::bonus_discretion},
    {SkillCategory::Agilite, "Agilité", &Personnage::bonus_agilite},
    {SkillCategory::Manipulation, "Manipulation", &Personnage::bonus_manipulation},
    {SkillCategory::Perception, "Perception", &Personnage::bonus_perception},
    {SkillCategory::Connaissance, "Connaissance", &Personnage::bonus_connaissance},
    {SkillCategory::Communication, "Communication", &Personnage::bonus_communication},
    {SkillCategory::Invocation, "Invocation", nullptr},
}};

static_assert(
    [] {
      for (std::size_t i = 0; i < kSkillCategories.size(); ++i)
        if (static_cast<std::size_t>(kSkillCategories[i].category) != i) return false;
      return true;
    }(),
    "kSkillCategories lists the categories in their enum order");

const SkillCategoryRow& categoryRow(SkillCategory category);

// The skill slots that rules single out by name, beyond the training tables.
namespace skill_slot {
inline constexpr int kChevaucher = 6;
inline constexpr int kHautVeskareen = 26;
inline constexpr int kCredit = 40;
}  // namespace skill_slot

// Writes the skill names and the base values of the skills that have one.
void competence(Generation& g);

// The catalogue name of skill slot `slot`, as competence writes it
// into comp(slot). Throws std::out_of_range for any other slot.
std::string_view catalogueName(int slot);

// The value competence writes into Text1(slot) for this sheet's totals and
// bonuses; nothing for a skill that starts without a value. Throws
// std::out_of_range for any other slot.
std::optional<int> catalogueBase(const Personnage& sheet, int slot);

// The heading under which slot `slot` stands. Throws std::out_of_range
// for any other slot.
SkillCategory catalogueCategory(int slot);

// A skill slot by its heading and number, "Agilité, compétence 43": how a
// free slot (a row of dots, or nothing) is named to the player.
std::string slotByHeading(int slot);

// How the journal names skill slot `slot`: by the name the sheet shows, or,
// while the slot is free, by slotByHeading.
std::string skillTitle(const Personnage& sheet, int slot);

}  // namespace orvandel
