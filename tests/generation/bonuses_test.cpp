#include "generation/bonuses.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace orvandel {
namespace {

void runBonuses(Personnage& sheet) {
  SeededDice dice(1);
  Generation g{sheet, dice, Entry::Random};
  computeBonuses(g);
}

Personnage withTotals(const std::array<int, kCaracCount>& totals) {
  Personnage sheet;
  for (std::size_t k = 0; k < totals.size(); ++k)
    sheet.*kCharacteristics[k].total = std::to_string(totals[k]);
  return sheet;
}

TEST(BonusesTest, CategoryBonuses) {
  static const struct {
    const char* what;
    std::array<int, kCaracCount> totals;  // forc con tai dex intl pou cha
    std::array<const char*, 8> expected;  // attaque parade agilite manipulation
                                          // perception discretion connaissance communication
  } cases[] = {
      {"average", {9, 18, 12, 10, 11, 12, 9}, {"0", "0", "0", "0", "0", "0", "0", "0"}},
      {"worked example", {15, 11, 14, 16, 13, 8, 10}, {"7", "4", "4", "7", "0", "3", "2", "0"}},
      {"small", {10, 10, 6, 10, 10, 10, 10}, {"0", "3", "3", "0", "0", "3", "0", "0"}},
      // Bonuses 1, 2, 4, 8, 16, 32 tell every term apart; con enters nothing.
      {"one bit per term", {13, 40, 28, 20, 14, 16, 44}, {"15", "-3", "-3", "15", "6", "-6", "4", "38"}},
  };
  for (const auto& c : cases) {
    Personnage sheet = withTotals(c.totals);
    runBonuses(sheet);
    const std::array<std::string, 8> got{
        sheet.bonus_attaque,    sheet.bonus_parade,     sheet.bonus_agilite,      sheet.bonus_manipulation,
        sheet.bonus_perception, sheet.bonus_discretion, sheet.bonus_connaissance, sheet.bonus_communication};
    for (std::size_t k = 0; k < got.size(); ++k) EXPECT_EQ(got[k], c.expected[k]) << c.what << " #" << k;
  }
}

TEST(BonusesTest, DamageBonusBySizePlusStrength) {
  static const struct {
    int tai, forc;
    const char* expected;
  } cases[] = {
      {8, 8, "-1d6 / -1d4"},   {9, 8, "Aucun"},         {12, 12, "Aucun"},       {12, 13, "+1d6 / +1d4"},
      {15, 25, "+1d6 / +1d4"}, {20, 21, "+2d6 / +2d4"}, {30, 20, "+2d6 / +2d4"}, {25, 26, "+3d6 / +1d4"},
  };
  for (const auto& c : cases) {
    Personnage sheet = withTotals({c.forc, 10, c.tai, 10, 10, 10, 10});
    sheet.bonus_dommages = "stale";
    runBonuses(sheet);
    EXPECT_EQ(sheet.bonus_dommages, c.expected) << c.tai << "+" << c.forc;
  }
}

}  // namespace
}  // namespace orvandel
