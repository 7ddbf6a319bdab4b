// Many generations with random inputs, each followed by random improvement
// clicks: every sheet must keep the shape the window expects.
#include <gtest/gtest.h>

#include <string>

#include "core/dice.h"
#include "core/number.h"
#include "generation/driver.h"
#include "generation/improvement.h"
#include "support/sheet_invariants.h"

namespace orvandel {
namespace {

constexpr int kRandomRuns = 200000;
constexpr int kTypedRuns = 20000;

std::string describe(const std::vector<std::string>& violations) {
  std::string all;
  for (const auto& v : violations) all += "\n  " + v;
  return all;
}

void clickAFew(Personnage& sheet, Dice& dice, Dice& choices) {
  const int clicks = choices.des(10) - 1;
  for (int k = 0; k < clicks; ++k) {
    ImprovementTarget target{ImprovementKind::Skill, choices.des(73)};
    switch (choices.des(3)) {
      case 1: target = {ImprovementKind::Attack, choices.des(6)}; break;
      case 2: target = {ImprovementKind::Parry, choices.des(6)}; break;
      default: break;
    }
    improve(sheet, target, dice);
  }
}

// A typed box: a roll in the range the box expects, sometimes with a decimal
// part written with either mark.
std::string typedBox(Dice& choices, int low, int high) {
  std::string text = writeWhole(low - 1 + choices.des(high - low + 1));
  if (choices.des(10) == 1) text += (choices.des(2) == 1 ? ",5" : ".25");
  return text;
}

TEST(SoakTest, RandomEntries) {
  SeededDice dice(20261206);
  SeededDice choices(7);
  Personnage sheet;
  for (int run = 0; run < kRandomRuns; ++run) {
    generateRandom(sheet, dice);
    const bool clicked = run % 2 == 1;
    if (clicked) clickAFew(sheet, dice, choices);
    const auto violations = testing::sheetViolations(sheet, {Entry::Random, nullptr, clicked});
    ASSERT_TRUE(violations.empty()) << "run " << run << describe(violations);
  }
}

TEST(SoakTest, TypedEntries) {
  SeededDice dice(99);
  SeededDice choices(5);
  Personnage sheet;
  for (int run = 0; run < kTypedRuns; ++run) {
    for (const auto& row : kCharacteristics) sheet.*row.roll = typedBox(choices, 3, 18);
    sheet.nationalite = typedBox(choices, -5, 110);
    sheet.profession = typedBox(choices, -5, 110);
    sheet.age = typedBox(choices, 15, 60);
    for (int i : Selectors::kIndices) sheet.des_ok(i) = choices.des(4) == 1;
    const Personnage before = sheet;
    ASSERT_FALSE(generateTyped(sheet, dice)) << "run " << run;
    clickAFew(sheet, dice, choices);
    const auto violations = testing::sheetViolations(sheet, {Entry::Typed, &before, true});
    ASSERT_TRUE(violations.empty()) << "run " << run << describe(violations);
  }
}

}  // namespace
}  // namespace orvandel
