// The profession table: the band each roll falls in (upper bound included,
// the next roll in the next band), the sub-rolls of the fighters and the
// sailors, the chance of each profession over a uniform d100, and the second
// profession of a learned Noble.
#include "generation/profession.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/scripted_stage.h"

namespace orvandel {
namespace {

TEST(ProfessionTest, EachRollFallsInItsBand) {
  static const struct {
    const char* roll;
    const char* script;  // the sub-rolls the band takes
    const char* name;
  } cases[] = {
      {"-7", "10:8", "Guerrier"},
      {"0", "10:9", "Assassin"},
      {"20", "10:8", "Guerrier"},
      {"20", "10:9", "Assassin"},
      {"21", "", "Marchand"},
      {"30", "", "Marchand"},
      {"31", "10:9", "Second"},
      {"45", "10:10,10:9", "Marin"},
      {"45", "10:8,10:10", "Capitain"},
      {"45.5", "", "Chasseur"},
      {"60", "", "Chasseur"},
      {"61", "", "Fermier"},
      {"65", "", "Fermier"},
      {"66", "", "Prêtre"},
      {"70", "", "Prêtre"},
      {"71", "", "Noble"},
      {"75", "", "Noble"},
      {"76", "", "Voleur"},
      {"85", "", "Voleur"},
      {"86", "", "Mendiant"},
      {"90", "", "Mendiant"},
      {"91", "", "Artisan"},
      {"100", "", "Artisan"},
      {"100.5", "", ""},
      {"101", "", ""},
  };
  for (const auto& c : cases) {
    ScriptedDice dice{std::string_view(c.script)};
    EXPECT_EQ(classe(c.roll, dice), c.name) << c.roll << " dés " << c.script;
    EXPECT_EQ(dice.remaining(), 0U) << c.roll;
  }
}

TEST(ProfessionTest, EveryProfessionHasItsChance) {
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

// Only a "Noble" of total intelligence 13 or more rolls again, with classe
// alone; the new roll stays in the box.
TEST(ProfessionTest, LearnedNobleTakesASecondProfession) {
  static const struct {
    const char* profession;
    const char* intl_tot;
    const char* script;
    bool noblesse;
    const char* rollAfter;
    const char* nameAfter;
  } cases[] = {
      {"Noble", "12", "", false, "72", "Noble"},
      {"Noble", "13", "100:25", true, "25", "Marchand"},
      {"Noble", "13", "100:72", true, "72", "Noble"},
      {"Noble", "13", "100:5,10:9", true, "5", "Assassin"},
      {"Noble Guerrier", "18", "", false, "72", "Noble Guerrier"},
  };
  for (const auto& c : cases) {
    Personnage sheet;
    sheet.profession = "72";
    sheet.profession_nom = c.profession;
    sheet.intl_tot = c.intl_tot;
    testing::ScriptedGeneration run(sheet, c.script);
    run.g.noblesse = !c.noblesse;  // the step must set it either way
    run.run(nobleSecondProfession, c.script);
    EXPECT_EQ(run.g.noblesse, c.noblesse) << c.profession << " " << c.intl_tot;
    EXPECT_EQ(sheet.profession, c.rollAfter) << c.script;
    EXPECT_EQ(sheet.profession_nom, c.nameAfter) << c.script;
  }
}

}  // namespace
}  // namespace orvandel
