#include "generation/nationality.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/scripted_dice.h"

namespace orvandel {
namespace {

// Raw rolls of 9 keep every penalty away, so each row rolls only its
// unconditional dice; an "Artisan" of roll 95 meets only the "always" rules.
Personnage sheetWithRolls(const char* raw) {
  Personnage sheet;
  for (const auto& row : kCharacteristics) sheet.*row.roll = raw;
  sheet.profession = "95";
  sheet.profession_nom = "Artisan";
  sheet.nationalite_nom = "avant";
  return sheet;
}

TEST(NationalityTest, EveryBoundaryBelongsToItsRow) {
  static const struct {
    const char* name;
    const char* script;  // all of the row's dice for an unpenalised Artisan
    std::vector<const char*> rolls;
  } rows[] = {
      {"Veskarée", "10:1,6:1,6:1,10:1", {"-3", "0", "2"}},
      {"Kor Duvan", "8:1,8:1,10:1", {"2.5", "3", "5"}},
      {"Ulvareth", "6:1,6:1,6:1", {"6", "8"}},
      {"Quendar", "4:1", {"9", "12"}},
      {"Belvosk", "4:1", {"13", "16"}},
      {"Orthelm", "6:1", {"17", "24"}},
      {"Gavrenne", "4:1", {"25", "29"}},
      {"Hestrune", "", {"30", "37"}},
      {"Brevanor", "4:1", {"38", "44"}},
      {"Ruskemal", "", {"45", "49"}},
      {"Plaine des Cendres", "6:1,6:1,4:1", {"50", "56"}},
      {"Talvane", "4:1,6:1", {"57", "60"}},
      {"Archipel des Tours Grises", "4:1,4:1", {"61", "67"}},
      {"Novendar", "", {"68", "74"}},
      {"Stelmark", "4:1,4:1", {"75", "81"}},
      {"Zandrel", "", {"82", "88"}},
      {"Hadrevin", "4:1", {"89", "95"}},
      {"Ath", "6:1", {"96", "97"}},
      {"Kel", "6:1,6:1", {"98", "99"}},
      {"Dum", "4:1,8:1", {"100", "100,0"}},
      {"avant", "", {"99.5", "99,99", "100.01", "101"}},  // no row: nothing changes
  };
  for (const auto& row : rows) {
    for (const char* roll : row.rolls) {
      Personnage sheet = sheetWithRolls("9");
      sheet.nationalite = roll;
      const Personnage before = sheet;
      ScriptedDice dice(row.script);
      Generation g{sheet, dice, Entry::Random};
      applyNationality(g);
      EXPECT_EQ(sheet.nationalite_nom, row.name) << roll;
      EXPECT_EQ(dice.remaining(), 0u) << roll;
      if (sheet.nationalite_nom != "avant") continue;
      EXPECT_EQ(sheet, before) << roll;
      EXPECT_EQ(g.racial, (std::array<int, kCaracCount>{})) << roll;
      EXPECT_EQ(g.chance_magie, 10) << roll;
    }
  }
}

// Race texts and amounts in sheet order: forc, con, tai, dex, intl, pou, cha.
TEST(NationalityTest, ModifiersWriteTheirDiceTextAndSetTheirAmount) {
  using Texts = std::array<const char*, kCaracCount>;
  using Amounts = std::array<int, kCaracCount>;
  static const struct {
    const char* nationalite;
    const char* raw;
    const char* script;
    Texts texts;
    Amounts amounts;
  } cases[] = {
      {"1", "9", "10:7,6:2,6:5,10:3", {"", "", "+3", "", "1d10", "+2d6", ""}, {0, 0, 3, 0, 7, 7, 0}},
      {"7", "9", "6:1,6:2,6:3", {"", "", "", "", "+1d6", "+1d6", "+1d6*"}, {0, 0, 0, 0, 1, 2, 3}},
      {"13", "9", "4:3", {"", "", "", "+1d4", "", "", ""}, {0, 0, 0, 3, 0, 0, 0}},
      {"13", "10", "4:3,4:2", {"", "-1d4", "", "+1d4", "", "", ""}, {0, -2, 0, 3, 0, 0, 0}},
      {"25", "10", "4:4", {"", "+1d4", "-1", "", "", "", ""}, {0, 4, -1, 0, 0, 0, 0}},
      {"100", "9", "4:2,8:3", {"+1d4", "+1d8", "", "", "", "", ""}, {2, 3, 0, 0, 0, 0, 0}},
      {"100",
       "10",
       "4:2,8:3,6:4,4:1,4:2,6:5,4:3,4:4",
       {"+1d4", "+1d8", "-2", "-1d6", "-1d6", "-2d4", "-2d4"},
       {2, 3, -2, -4, -5, -3, -7}},
      {"100",
       "9,5",
       "4:1,8:1,6:1,4:1,4:1,6:1,4:1,4:1",
       {"+1d4", "+1d8", "-2", "-1d6", "-1d6", "-2d4", "-2d4"},
       {1, 1, -2, -1, -1, -2, -2}},
  };
  for (const auto& c : cases) {
    Personnage sheet = sheetWithRolls(c.raw);
    sheet.nationalite = c.nationalite;
    ScriptedDice dice(c.script);
    Generation g{sheet, dice, Entry::Random};
    applyNationality(g);
    for (std::size_t k = 0; k < kCaracCount; ++k)
      EXPECT_EQ(sheet.*kCharacteristics[k].race, c.texts[k]) << c.nationalite << " " << c.raw << " " << k;
    EXPECT_EQ(g.racial, c.amounts) << c.nationalite << " " << c.raw;
    EXPECT_EQ(dice.remaining(), 0u) << c.nationalite << " " << c.raw;
  }
}

TEST(NationalityTest, ProfessionRulesAndSorceryChance) {
  static const struct {
    const char* nationalite;
    const char* forc;
    const char* profession;  // the roll
    const char* before;
    const char* script;
    const char* after;
    int chance_magie;
  } cases[] = {
      {"1", "9", "95", "Artisan", "10:1,6:1,6:1,10:9", "Noble Assassin", 100},
      {"1", "9", "95", "", "10:1,6:1,6:1,10:8", "Noble Guerrier", 100},
      {"4", "9", "20", "Guerrier", "8:1,8:1,10:10", "Noble Assassin", 100},
      {"4", "9", "20.5", "Marchand", "8:1,8:1,10:8", "Guerrier", 100},
      {"4", "9", "21", "Marchand", "8:1,8:1,10:9", "Assassin", 100},
      {"6", "9", "95", "Voleur", "6:1,6:1,6:1,10:9", "Assassin", 30},
      {"6", "9", "95", "Mendiant", "6:1,6:1,6:1,10:1", "Guerrier", 30},
      {"6", "9", "95", "Marin", "6:1,6:1,6:1,10:8", "Guerrier", 30},
      {"6", "9", "95", "Artisan", "6:1,6:1,6:1", "Artisan", 30},
      {"6", "9", "101", "", "6:1,6:1,6:1", "", 30},
      {"25", "9", "50", "Chasseur", "4:1,10:9", "Second", 10},
      {"25", "9", "62", "Fermier", "4:1,10:10,10:10", "Capitain", 10},
      {"25", "9", "50", "Chasseur", "4:1,10:1,10:9", "Marin", 10},
      {"25", "9", "40", "Marin", "4:1", "Marin", 10},
      {"61", "9", "50", "Chasseur", "4:1,4:1,10:9", "Second", 10},
      {"61", "9", "62", "Fermier", "4:1,4:1", "Fermier", 10},
      {"45", "9", "95", "Noble", "", "Mendiant", 10},
      {"50", "9", "95", "Prêtre", "6:1,6:1,4:1", "Chasseur Guerrier", 10},
      {"57", "12", "68", "Prêtre", "4:1,6:1", "Prêtre", 25},
      {"57", "12,9", "68", "Prêtre", "4:1,6:1", "Prêtre", 25},
      {"57", "13", "68", "Prêtre", "4:1,6:1,10:8", "Prêtre Guerrier", 25},
      {"57", "13", "68", "Prêtre", "4:1,6:1,10:9", "Prêtre Assassin", 25},
      {"57", "18", "95", "Noble Prêtre", "4:1,6:1", "Noble Prêtre", 25},
      {"96", "9", "68", "Prêtre", "6:1", "Fermier", 10},
      {"96", "9", "40", "Marin", "6:1", "Fermier", 10},
      {"96", "9", "25", "Marchand", "6:1", "Marchand", 10},
      {"98", "9", "25", "Marchand", "6:1,6:1", "Chasseur", 10},
      {"98", "9", "95", "Artisan", "6:1,6:1", "Artisan", 10},
      {"100", "9", "20", "Guerrier", "4:1,8:1", "Noble", 10},
      {"100", "9", "21", "Marchand", "4:1,8:1", "Chasseur", 10},
  };
  for (const auto& c : cases) {
    Personnage sheet = sheetWithRolls("9");
    sheet.nationalite = c.nationalite;
    sheet.forc = c.forc;
    sheet.profession = c.profession;
    sheet.profession_nom = c.before;
    ScriptedDice dice(c.script);
    Generation g{sheet, dice, Entry::Random};
    applyNationality(g);
    const std::string label = std::string(c.nationalite) + " " + c.before + " " + c.script;
    EXPECT_EQ(sheet.profession_nom, c.after) << label;
    EXPECT_EQ(sheet.profession, c.profession) << label;
    EXPECT_EQ(g.chance_magie, c.chance_magie) << label;
    EXPECT_EQ(dice.remaining(), 0u) << label;
  }
}

}  // namespace
}  // namespace orvandel
