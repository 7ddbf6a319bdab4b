#include "core/dice.h"

#include <gtest/gtest.h>

#include "core/scripted_dice.h"

namespace orvandel {
namespace {

TEST(DiceTest, RollsStayWithinTheirFaces) {
  FreshDice fresh;
  SeededDice seeded(7);
  for (Dice* dice : {static_cast<Dice*>(&fresh), static_cast<Dice*>(&seeded)}) {
    for (int k = 0; k < 2000; ++k) {
      EXPECT_EQ(dice->des(1), 1);
      const int roll = dice->des(100);
      ASSERT_GE(roll, 1);
      ASSERT_LE(roll, 100);
    }
  }
  EXPECT_EQ(rollFromBits(0, 100), 1);
  EXPECT_EQ(rollFromBits(~0ULL, 100), 100);
  EXPECT_EQ(rollFromBits(~0ULL, 6), 6);
}

// Each generation starts from a seed of its own that tells every roll after
// it; a seeded stream goes on where it stands.
TEST(DiceTest, GenerationsStartFromTheSeedTheyRecord) {
  FreshDice fresh;
  const auto first = fresh.seedForGeneration();
  const auto second = fresh.seedForGeneration();
  ASSERT_TRUE(first && second);
  EXPECT_NE(*first, *second);
  SeededDice same(*second);
  for (int k = 0; k < 50; ++k) EXPECT_EQ(fresh.des(100), same.des(100));
  EXPECT_EQ(fresh.position(), same.position());

  SeededDice stream(7);
  stream.des(6);
  const auto where = stream.position();
  EXPECT_EQ(stream.seedForGeneration(), where);
  EXPECT_FALSE(ScriptedDice("6:1").seedForGeneration());
}

TEST(DiceTest, BonusTable) {
  static const struct {
    double total;
    int expected;
  } cases[] = {{3, -6}, {8, -1}, {9, 0}, {12, 0}, {13, 1}, {18, 6}, {21, 9}, {-2, -11}, {8.5, -1}, {12.5, 0}};
  for (const auto& c : cases) EXPECT_EQ(bonus(c.total), c.expected) << c.total;
}

TEST(ScriptedDiceTest, ReplaysAndReportsMisfits) {
  ScriptedDice dice(" 6:4 ,\n100:57");
  EXPECT_EQ(dice.des(6), 4);
  EXPECT_THROW(dice.des(10), DiceScriptError);  // token names 100 faces
  EXPECT_EQ(dice.des(100), 57);
  EXPECT_THROW(dice.des(6), DiceScriptError);  // none left

  EXPECT_THROW(ScriptedDice("6:7").des(6), DiceScriptError);
  EXPECT_THROW(ScriptedDice("6:0").des(6), DiceScriptError);
  EXPECT_THROW(ScriptedDice("6-3"), DiceScriptError);
  EXPECT_THROW(ScriptedDice("6:3,"), DiceScriptError);
  EXPECT_THROW(ScriptedDice("6:99999999999999999999"), DiceScriptError);
  EXPECT_THROW(ScriptedDice("6:1").expectExhausted(), DiceScriptError);
  EXPECT_NO_THROW(ScriptedDice("  ").expectExhausted());
}

}  // namespace
}  // namespace orvandel
