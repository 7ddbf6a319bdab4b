#include "generation/profession.h"

#include <gtest/gtest.h>

#include "core/scripted_dice.h"

namespace orvandel {
namespace {

TEST(ProfessionTest, ClasseBandsAndSubRolls) {
  static const struct {
    const char* roll;
    const char* script;
    const char* expected;
  } cases[] = {
      {"-5", "10:9", "Assassin"},
      {"0", "10:1", "Guerrier"},
      {"20", "10:8", "Guerrier"},
      {"20", "10:10", "Assassin"},
      {"20,5", "", "Marchand"},
      {"21", "", "Marchand"},
      {"30", "", "Marchand"},
      {"31", "10:9", "Second"},
      {"45", "10:10,10:10", "Capitain"},
      {"45", "10:10,10:9", "Marin"},
      {"45", "10:1,10:1", "Marin"},
      {"45.5", "", "Chasseur"},
      {"46", "", "Chasseur"},
      {"60", "", "Chasseur"},
      {"61", "", "Fermier"},
      {"65", "", "Fermier"},
      {"70", "", "Prêtre"},
      {"71", "", "Noble"},
      {"75", "", "Noble"},
      {"76", "", "Voleur"},
      {"85", "", "Voleur"},
      {"90", "", "Mendiant"},
      {"91", "", "Artisan"},
      {"100", "", "Artisan"},
      {"100.5", "", ""},
      {"101", "", ""},
  };
  for (const auto& c : cases) {
    ScriptedDice dice(c.script);
    EXPECT_EQ(classe(c.roll, dice), c.expected) << c.roll << " " << c.script;
    EXPECT_EQ(dice.remaining(), 0u) << c.roll << " " << c.script;
  }
}

TEST(ProfessionTest, NobleSecondProfession) {
  static const struct {
    const char* profession_nom;
    const char* intl_tot;
    const char* script;
    bool noblesse;
    const char* profession;  // the roll afterwards; the first roll is 72
    const char* expectedNom;
  } cases[] = {
      {"Noble", "12", "", false, "72", "Noble"},
      {"Noble", "13", "100:5,10:9", true, "5", "Assassin"},
      {"Noble", "18", "100:72", true, "72", "Noble"},
      {"Noble", "15", "100:40,10:1,10:10", true, "40", "Capitain"},
      {"Noble Guerrier", "18", "", false, "72", "Noble Guerrier"},
      {"Prêtre", "18", "", false, "72", "Prêtre"},
  };
  for (const auto& c : cases) {
    Personnage sheet;
    sheet.profession = "72";
    sheet.profession_nom = c.profession_nom;
    sheet.intl_tot = c.intl_tot;
    ScriptedDice dice(c.script);
    Generation g{sheet, dice, Entry::Random};
    g.noblesse = true;
    nobleSecondProfession(g);
    EXPECT_EQ(g.noblesse, c.noblesse) << c.profession_nom << " " << c.intl_tot;
    EXPECT_EQ(sheet.profession, c.profession) << c.profession_nom << " " << c.intl_tot;
    EXPECT_EQ(sheet.profession_nom, c.expectedNom) << c.profession_nom << " " << c.intl_tot;
    EXPECT_EQ(dice.remaining(), 0u) << c.profession_nom << " " << c.intl_tot;
  }
}

}  // namespace
}  // namespace orvandel
