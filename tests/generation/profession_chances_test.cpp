// Over a uniform d100 and its sub-rolls, classe gives each profession the
// chance the game's table promises: enumerated exactly, not sampled.
#include <gtest/gtest.h>

#include <map>

#include "core/scripted_dice.h"
#include "generation/profession.h"

namespace orvandel {
namespace {

TEST(ProfessionChancesTest, EveryProfessionHasItsChance) {
  std::map<std::string, double> percent;
  for (int p = 1; p <= 100; ++p)
    for (int first = 1; first <= 10; ++first)
      for (int second = 1; second <= 10; ++second) {
        // Each (first, second) pair has weight 1/100 whether classe reads
        // none, one or both sub-rolls.
        ScriptedDice dice({{10, first}, {10, second}});
        percent[classe(std::to_string(p), dice)] += 1.0 / 100;
      }
  const std::map<std::string, double> expected{
      {"Guerrier", 16}, {"Assassin", 4},  {"Marchand", 10}, {"Second", 1.5}, {"Capitain", 1.35},
      {"Marin", 12.15}, {"Chasseur", 15}, {"Fermier", 5},   {"Prêtre", 5},   {"Noble", 5},
      {"Voleur", 10},   {"Mendiant", 5},  {"Artisan", 10}};
  ASSERT_EQ(percent.size(), expected.size());
  for (const auto& [name, chance] : expected) EXPECT_NEAR(percent[name], chance, 1e-9) << name;
}

}  // namespace
}  // namespace orvandel
