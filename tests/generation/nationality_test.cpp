// The nationality table against the game's rows: which roll gives which
// people (each upper bound in its own row, the next roll in the next), the
// dice and text of each racial modifier, the penalties that only strike a
// raw roll above 9, the profession rules and the sorcery chance.
#include "generation/nationality.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "support/scripted_stage.h"

namespace orvandel {
namespace {

using testing::FieldText;
using testing::ScriptedGeneration;

// Every raw characteristic above 9, so that every penalty strikes unless a
// case says otherwise.
Personnage rolledSheet(const char* nationalite, const std::vector<FieldText>& fields) {
  Personnage sheet;
  for (const CharacteristicRow& row : kCharacteristics) sheet.*row.roll = "10";
  sheet.nationalite = nationalite;
  sheet.profession = "50";
  sheet.nationalite_nom = "avant";
  testing::setFields(sheet, fields);
  return sheet;
}

// Rolls 1 on any die: the bounds cases care about the row, not its rolls.
class LowestDice final : public Dice {
 public:
  int des(int) override { return 1; }
};

TEST(NationalityTest, EachUpperBoundBelongsToItsOwnRow) {
  static const struct {
    const char* roll;
    const char* name;  // nullptr: no row
  } cases[] = {
      // clang-format off
      {"-3", "Veskarée"}, {"2", "Veskarée"}, {"2.5", "Kor Duvan"}, {"5", "Kor Duvan"},
      {"6", "Ulvareth"}, {"8", "Ulvareth"}, {"9", "Quendar"}, {"12", "Quendar"},
      {"13", "Belvosk"}, {"16", "Belvosk"}, {"17", "Orthelm"}, {"24", "Orthelm"},
      {"25", "Gavrenne"}, {"29", "Gavrenne"}, {"30", "Hestrune"}, {"37", "Hestrune"},
      {"38", "Brevanor"}, {"44", "Brevanor"}, {"45", "Ruskemal"}, {"49", "Ruskemal"},
      {"50", "Plaine des Cendres"}, {"56", "Plaine des Cendres"}, {"57", "Talvane"}, {"60", "Talvane"},
      {"61", "Archipel des Tours Grises"}, {"67", "Archipel des Tours Grises"},
      {"68", "Novendar"}, {"74", "Novendar"}, {"75", "Stelmark"}, {"81", "Stelmark"},
      {"82", "Zandrel"}, {"88", "Zandrel"}, {"89", "Hadrevin"}, {"95", "Hadrevin"},
      {"96", "Ath"}, {"97", "Ath"}, {"98", "Kel"}, {"99", "Kel"},
      {"99.5", nullptr}, {"100", "Dum"}, {"101", nullptr},
      // clang-format on
  };
  for (const auto& c : cases) {
    Personnage sheet = rolledSheet(c.roll, {{"profession_nom", "Artisan"}});
    LowestDice dice;
    Generation g{sheet, dice, Entry::Random};
    applyNationality(g);
    EXPECT_EQ(sheet.nationalite_nom, c.name ? c.name : "avant") << c.roll;
    if (c.name) continue;
    EXPECT_EQ(g.racial, (std::array<int, kCaracCount>{})) << c.roll;
    EXPECT_EQ(g.chance_magie, 10) << c.roll;
    EXPECT_EQ(sheet.profession_nom, "Artisan") << c.roll;
    for (const CharacteristicRow& row : kCharacteristics) EXPECT_EQ(sheet.*row.race, "") << c.roll;
  }
}

TEST(NationalityTest, RowsGiveTheirModifiersProfessionAndChance) {
  static const struct {
    const char* roll;
    std::vector<FieldText> before;
    const char* script;
    // forc con tai dex intl pou cha
    std::array<const char*, kCaracCount> race;
    std::array<int, kCaracCount> racial;
    const char* profession;
    int chance;
  } cases[] = {
      // clang-format off
      {"1", {{"profession_nom", "Marchand"}}, "10:7,6:2,6:5,10:9",
       {"", "", "+3", "", "1d10", "+2d6", ""}, {0, 0, 3, 0, 7, 7, 0}, "Noble Assassin", 100},
      {"2", {{"profession_nom", "Marchand"}}, "10:1,6:1,6:1,10:8",
       {"", "", "+3", "", "1d10", "+2d6", ""}, {0, 0, 3, 0, 1, 2, 0}, "Noble Guerrier", 100},
      {"4", {{"profession", "20"}, {"profession_nom", "Guerrier"}}, "8:3,8:8,10:9",
       {"", "", "+1", "", "+1d8", "+1d8", ""}, {0, 0, 1, 0, 3, 8, 0}, "Noble Assassin", 100},
      {"4", {{"profession", "21"}, {"profession_nom", "Noble"}}, "8:1,8:1,10:8",
       {"", "", "+1", "", "+1d8", "+1d8", ""}, {0, 0, 1, 0, 1, 1, 0}, "Guerrier", 100},
      {"7", {{"profession_nom", "Marin"}}, "6:1,6:2,6:3,10:9",
       {"", "", "", "", "+1d6", "+1d6", "+1d6*"}, {0, 0, 0, 0, 1, 2, 3}, "Assassin", 30},
      {"7", {{"profession_nom", "Fermier"}}, "6:1,6:2,6:3",
       {"", "", "", "", "+1d6", "+1d6", "+1d6*"}, {0, 0, 0, 0, 1, 2, 3}, "Fermier", 30},
      {"14", {{"con", "9"}}, "4:2",
       {"", "", "", "+1d4", "", "", ""}, {0, 0, 0, 2, 0, 0, 0}, "", 10},
      {"14", {}, "4:2,4:3",
       {"", "-1d4", "", "+1d4", "", "", ""}, {0, -3, 0, 2, 0, 0, 0}, "", 10},
      {"27", {{"profession_nom", "Chasseur"}}, "4:4,10:9",
       {"", "+1d4", "-1", "", "", "", ""}, {0, 4, -1, 0, 0, 0, 0}, "Second", 10},
      {"27", {{"profession_nom", "Fermier"}, {"tai", "9"}}, "4:1,10:10,10:10",
       {"", "+1d4", "", "", "", "", ""}, {0, 1, 0, 0, 0, 0, 0}, "Capitain", 10},
      {"27", {{"profession_nom", "Marin"}}, "4:4",
       {"", "+1d4", "-1", "", "", "", ""}, {0, 4, -1, 0, 0, 0, 0}, "Marin", 10},
      {"33", {{"profession_nom", "Voleur"}}, "",
       {"", "", "", "", "", "", ""}, {}, "Voleur", 10},
      {"47", {{"con", "9"}}, "6:5",
       {"", "", "", "", "", "", "-1d6"}, {0, 0, 0, 0, 0, 0, -5}, "Mendiant", 10},
      {"53", {}, "6:1,6:2,4:3,4:4",
       {"+1d6", "+1d6", "-1", "+1d4", "", "", "-1d4"}, {1, 2, -1, 3, 0, 0, -4}, "Chasseur Guerrier", 10},
      {"58", {{"profession_nom", "Prêtre"}, {"forc", "12.9"}}, "4:1,6:2",
       {"", "", "-2", "", "+1d4", "+1d6", ""}, {0, 0, -2, 0, 1, 2, 0}, "Prêtre", 25},
      {"58", {{"profession_nom", "Prêtre"}, {"forc", "13"}}, "4:1,6:2,10:8",
       {"", "", "-2", "", "+1d4", "+1d6", ""}, {0, 0, -2, 0, 1, 2, 0}, "Prêtre Guerrier", 25},
      {"58", {{"profession_nom", "Prêtre"}, {"forc", "13"}}, "4:1,6:2,10:9",
       {"", "", "-2", "", "+1d4", "+1d6", ""}, {0, 0, -2, 0, 1, 2, 0}, "Prêtre Assassin", 25},
      {"65", {{"profession_nom", "Chasseur"}}, "4:1,4:2,10:1,10:1",
       {"+1d4", "+1d4", "", "", "", "", ""}, {2, 1, 0, 0, 0, 0, 0}, "Marin", 10},
      {"65", {{"profession_nom", "Fermier"}}, "4:1,4:2",
       {"+1d4", "+1d4", "", "", "", "", ""}, {2, 1, 0, 0, 0, 0, 0}, "Fermier", 10},
      {"80", {}, "4:3,4:4",
       {"+2d4", "", "+1", "", "", "", ""}, {7, 0, 1, 0, 0, 0, 0}, "", 10},
      {"85", {{"intl", "9"}}, "",
       {"", "", "+2", "", "", "", ""}, {0, 0, 2, 0, 0, 0, 0}, "", 10},
      {"85", {}, "4:3",
       {"", "", "+2", "", "-1d4", "", ""}, {0, 0, 2, 0, -3, 0, 0}, "", 10},
      {"96", {{"profession_nom", "Prêtre"}}, "6:1,6:2,6:3,6:4",
       {"", "+1d6", "", "-1d6", "-1d6", "-1d6", ""}, {0, 1, 0, -4, -2, -3, 0}, "Fermier", 10},
      {"98", {{"profession_nom", "Marchand"}}, "6:1,6:2,6:3,6:4,6:5",
       {"+1d6", "+1d6", "", "", "-1d6", "-1d6", "-1d6"}, {1, 2, 0, 0, -4, -3, -5}, "Chasseur", 10},
      {"100", {{"profession", "20"}}, "4:3,8:5,6:2,4:1,4:4,6:6,4:2,4:2",
       {"+1d4", "+1d8", "-2", "-1d6", "-1d6", "-2d4", "-2d4"}, {3, 5, -2, -2, -6, -5, -4}, "Noble", 10},
      {"100", {{"profession", "21"}, {"pou", "9"}, {"dex", "9"}}, "4:1,8:1,6:1,4:1,4:1",
       {"+1d4", "+1d8", "-2", "", "-1d6", "", "-2d4"}, {1, 1, -2, 0, -1, 0, -2}, "Chasseur", 10},
      // clang-format on
  };
  for (const auto& c : cases) {
    const std::string what = std::string("jet ") + c.roll + " dés " + c.script;
    Personnage sheet = rolledSheet(c.roll, c.before);
    ScriptedGeneration run(sheet, c.script);
    run.run(applyNationality, what);
    for (std::size_t k = 0; k < kCaracCount; ++k)
      EXPECT_EQ(sheet.*kCharacteristics[k].race, c.race[k]) << what << " " << kCharacteristics[k].name;
    EXPECT_EQ(run.g.racial, c.racial) << what;
    EXPECT_EQ(sheet.profession_nom, c.profession) << what;
    EXPECT_EQ(run.g.chance_magie, c.chance) << what;
  }
}

}  // namespace
}  // namespace orvandel
