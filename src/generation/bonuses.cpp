#include "generation/bonuses.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "core/dice.h"
#include "core/number.h"
#include "core/sheet_fields.h"
#include "generation/skills.h"

namespace orvandel {
namespace {

// One characteristic's contribution to a category: its bonus times a factor
// (-1 where size counts against the category).
struct Term {
  Carac carac;
  std::int16_t factor;
};

// Attack and parry are named here; the other six are the headings of their
// skills.
struct Category {
  std::string Personnage::*field;
  const char* name;
  std::array<Term, 4> terms;
  int termCount;
};

constexpr auto kCategories = std::to_array<Category>({
    {&Personnage::bonus_attaque, "Attaque", {{{kForc, 1}, {kIntl, 1}, {kPou, 1}, {kDex, 1}}}, 4},
    {&Personnage::bonus_parade, "Parade", {{{kForc, 1}, {kTai, -1}, {kPou, 1}, {kDex, 1}}}, 4},
    {&Personnage::bonus_agilite, nullptr, {{{kForc, 1}, {kTai, -1}, {kPou, 1}, {kDex, 1}}}, 4},
    {&Personnage::bonus_manipulation, nullptr, {{{kForc, 1}, {kIntl, 1}, {kPou, 1}, {kDex, 1}}}, 4},
    {&Personnage::bonus_perception, nullptr, {{{kPou, 1}, {kIntl, 1}}}, 2},
    {&Personnage::bonus_discretion, nullptr, {{{kIntl, 1}, {kTai, -1}, {kDex, 1}}}, 3},
    {&Personnage::bonus_connaissance, nullptr, {{{kIntl, 2}}}, 1},
    {&Personnage::bonus_communication, nullptr, {{{kCha, 1}, {kIntl, 1}, {kPou, 1}}}, 3},
});

// Damage bonus by size plus strength: the last row whose threshold the sum
// reaches.
struct DamageRow {
  long long from;
  std::string_view text;
};

constexpr auto kDamage = std::to_array<DamageRow>({
    {std::numeric_limits<long long>::min(), "-1d6 / -1d4"},
    {17, "Aucun"},
    {25, "+1d6 / +1d4"},
    {41, "+2d6 / +2d4"},
    {51, "+3d6 / +1d4"},
});

// Each characteristic's bonus, read once from its total for all categories.
using CaracBonuses = std::array<std::int16_t, kCaracCount>;

CaracBonuses caracBonuses(const Personnage& sheet) {
  CaracBonuses bonuses{};
  for (std::size_t k = 0; k < bonuses.size(); ++k)
    bonuses[k] = bonus(numberIn(sheet.*kCharacteristics[k].total));
  return bonuses;
}

// A term as it enters its category's sum.
int termBonus(const CaracBonuses& bonuses, const Term& term) {
  return term.factor * bonuses[static_cast<std::size_t>(term.carac)];
}

std::int16_t categoryBonus(const CaracBonuses& bonuses, const Category& category) {
  std::int16_t sum = 0;
  for (int k = 0; k < category.termCount; ++k)
    sum = static_cast<std::int16_t>(sum + termBonus(bonuses, category.terms[static_cast<std::size_t>(k)]));
  return sum;
}

std::string_view damageBonus(const Personnage& sheet) {
  const long long s = wholeIn(sheet.tai_tot) + wholeIn(sheet.forc_tot);
  std::string_view text;
  for (const DamageRow& row : kDamage)
    if (s >= row.from) text = row.text;
  return text;
}

std::string_view categoryName(const Category& category) {
  if (category.name) return category.name;
  const auto row = std::ranges::find_if(kSkillCategories,
                                        [&](const SkillCategoryRow& r) { return r.bonus == category.field; });
  return row->heading;
}

// "FORce +3, TAIlle -1 (compte contre)": each term as it entered the sum.
void noteTerms(Note& note, const CaracBonuses& bonuses, const Category& category) {
  for (int k = 0; k < category.termCount; ++k) {
    const Term& term = category.terms[static_cast<std::size_t>(k)];
    if (k > 0) note.result(", ");
    note.result(kCharacteristics[static_cast<std::size_t>(term.carac)].caption, " ",
                Signed{termBonus(bonuses, term)});
  }
}

}  // namespace

void computeBonuses(Generation& g) {
  Personnage& sheet = g.sheet;
  const CaracBonuses bonuses = caracBonuses(sheet);
  for (const Category& category : kCategories) {
    sheet.*category.field = writeWhole(categoryBonus(bonuses, category));
    g.note(Stage::Bonus, [&](Note& note) {
      note.subject(categoryName(category))
          .control(fieldName(category.field))
          .result(sheet.*category.field, " (");
      noteTerms(note, bonuses, category);
      note.result(")");
    });
  }
  sheet.bonus_dommages = damageBonus(sheet);
  g.note(Stage::Bonus, [&](Note& note) {
    note.subject("Dommages")
        .control("bonus_dommages")
        .result(sheet.bonus_dommages, " (TAIlle ", sheet.tai_tot, " + FORce ", sheet.forc_tot, " = ",
                wholeIn(sheet.tai_tot) + wholeIn(sheet.forc_tot), ")");
  });
}

}  // namespace orvandel
