#include "generation/improvement.h"

#include <gtest/gtest.h>

#include "core/scripted_dice.h"

namespace orvandel {
namespace {

TEST(ImprovementTest, Clicks) {
  static const struct {
    const char* what;
    const char* desComp;
    const char* value;
    const char* dice;
    const char* desCompAfter;
    const char* valueAfter;
  } cases[] = {
      {"empty count becomes -1", "", "40", "", "-1", "40"},
      {"zero count spends nothing", "0", "40", "", "0", "40"},
      {"negative count spends nothing", "-1", "40", "", "-1", "40"},
      {"count that is no number", "trois", "40", "", "trois", "40"},
      {"half the roll, rounded down", "3", "40", "100:37", "2", "58"},
      {"ceiling of 90", "3", "80", "100:100", "2", "90"},
      {"above 90 drops to 90", "1", "95", "100:2", "0", "90"},
      {"roll 1 raises by 0", "1", "40", "100:1", "0", "40"},
      {"empty value rises from 0", "4", "", "100:30", "3", "15"},
      {"text value reads leniently", "4", "Int<15", "100:30", "3", "15"},
      {"negative value", "4", "-20", "100:10", "3", "-15"},
  };
  for (const auto& c : cases) {
    Personnage sheet;
    sheet.des_comp = c.desComp;
    sheet.Text1(3) = c.value;
    ScriptedDice dice(c.dice);
    const bool spent = improve(sheet, {ImprovementKind::Skill, 3}, dice);
    EXPECT_EQ(sheet.des_comp, c.desCompAfter) << c.what;
    EXPECT_EQ(sheet.Text1(3), c.valueAfter) << c.what;
    EXPECT_EQ(spent, std::string(c.dice) != "") << c.what;
    EXPECT_EQ(dice.remaining(), 0u) << c.what;
  }
}

TEST(ImprovementTest, OnlyTheClickedValueChanges) {
  Personnage sheet;
  sheet.des_comp = "5";
  sheet.comp(45) = "Parler Commun";
  sheet.Text1(45) = "50";
  sheet.arme_att(2) = "40";
  sheet.arme_par(2) = "40";
  ScriptedDice dice("100:20,100:40,100:60");

  Personnage expected = sheet;
  ASSERT_TRUE(improve(sheet, *improvementTarget("comp(45)"), dice));
  expected.des_comp = "4";
  expected.Text1(45) = "60";
  EXPECT_EQ(sheet, expected);

  ASSERT_TRUE(improve(sheet, *improvementTarget("arme_att(2)"), dice));
  expected.des_comp = "3";
  expected.arme_att(2) = "60";
  EXPECT_EQ(sheet, expected);

  ASSERT_TRUE(improve(sheet, *improvementTarget("arme_par(2)"), dice));
  expected.des_comp = "2";
  expected.arme_par(2) = "70";
  EXPECT_EQ(sheet, expected);
}

TEST(ImprovementTest, TargetsByControlName) {
  EXPECT_EQ(improvementTarget("comp(73)")->index, 73);
  EXPECT_EQ(improvementTarget("arme_par(6)")->kind, ImprovementKind::Parry);
  for (const char* bad : {"comp(74)", "Text1(3)", "arme_att(0)", "arme_nom(1)", "forc", "comp()"})
    EXPECT_FALSE(improvementTarget(bad)) << bad;
}

}  // namespace
}  // namespace orvandel
