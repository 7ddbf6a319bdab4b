#include "generation/bonuses.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "core/dice.h"
#include "core/number.h"

namespace orvandel {
namespace {

// One characteristic's contribution to a category: its bonus times a factor
// (-1 where size counts against the category).
struct Term {
  Carac carac;
  std::int16_t factor;
};

struct Category {
  std::string Personnage::*field;
  std::array<Term, 4> terms;
  int termCount;
};

constexpr auto kCategories = std::to_array<Category>({
    {&Personnage::bonus_attaque, {{{kForc, 1}, {kIntl, 1}, {kPou, 1}, {kDex, 1}}}, 4},
    {&Personnage::bonus_parade, {{{kForc, 1}, {kTai, -1}, {kPou, 1}, {kDex, 1}}}, 4},
    {&Personnage::bonus_agilite, {{{kForc, 1}, {kTai, -1}, {kPou, 1}, {kDex, 1}}}, 4},
    {&Personnage::bonus_manipulation, {{{kForc, 1}, {kIntl, 1}, {kPou, 1}, {kDex, 1}}}, 4},
    {&Personnage::bonus_perception, {{{kPou, 1}, {kIntl, 1}}}, 2},
    {&Personnage::bonus_discretion, {{{kIntl, 1}, {kTai, -1}, {kDex, 1}}}, 3},
    {&Personnage::bonus_connaissance, {{{kIntl, 2}}}, 1},
    {&Personnage::bonus_communication, {{{kCha, 1}, {kIntl, 1}, {kPou, 1}}}, 3},
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

std::int16_t categoryBonus(const Personnage& sheet, const Category& category) {
  std::int16_t sum = 0;
  for (int k = 0; k < category.termCount; ++k) {
    const Term& term = category.terms[static_cast<std::size_t>(k)];
    const std::string& total = sheet.*kCharacteristics[static_cast<std::size_t>(term.carac)].total;
    sum = static_cast<std::int16_t>(sum + term.factor * bonus(numberIn(total)));
  }
  return sum;
}

std::string_view damageBonus(const Personnage& sheet) {
  const long long s = wholeIn(sheet.tai_tot) + wholeIn(sheet.forc_tot);
  std::string_view text;
  for (const DamageRow& row : kDamage)
    if (s >= row.from) text = row.text;
  return text;
}

}  // namespace

void computeBonuses(Personnage& sheet) {
  for (const Category& category : kCategories)
    sheet.*category.field = writeWhole(categoryBonus(sheet, category));
  sheet.bonus_dommages = damageBonus(sheet);
}

}  // namespace orvandel
