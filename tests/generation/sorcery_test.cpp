#include "generation/sorcery.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

#include "core/scripted_dice.h"

namespace orvandel {
namespace {

struct Character {
  const char* nationalite;
  const char* profession;
  int intl, pou, forc, chance;
};

// Runs the stage and returns the granted abilities: every non-empty Text1.
std::map<int, std::string> runSorcery(Personnage& sheet, const Character& who, const char* script) {
  sheet.nationalite_nom = who.nationalite;
  sheet.profession_nom = who.profession;
  sheet.intl_tot = std::to_string(who.intl);
  sheet.pou_tot = std::to_string(who.pou);
  sheet.forc_tot = std::to_string(who.forc);
  ScriptedDice dice(script);
  Generation g{sheet, dice, Entry::Random};
  g.chance_magie = who.chance;
  applySorcery(g);
  EXPECT_EQ(dice.remaining(), 0u) << script;
  std::map<int, std::string> granted;
  for (int i = 1; i <= 73; ++i)
    if (!sheet.Text1(i).empty()) granted[i] = sheet.Text1(i);
  return granted;
}

TEST(SorceryTest, OutcomeAndNationalityRules) {
  static const struct {
    Character who;
    const char* script;
    const char* sorcier;
    const char* professionAfter;
  } cases[] = {
      {{"Hestrune", "Guerrier", 16, 15, 10, 100}, "", "Aucune capacité en Magie", "Guerrier"},
      {{"Hestrune", "Guerrier", 14, 20, 10, 100}, "", "Aucune capacité en Magie", "Guerrier"},
      {{"Hestrune", "Guerrier", 15, 17, 10, 10}, "100:10,4:1", "Sorcier Rang 1", "Guerrier"},
      {{"Hestrune", "Guerrier", 15, 17, 10, 10}, "100:11", "Capacités de Sorcier", "Guerrier"},
      {{"Hestrune", "Prêtre", 15, 17, 10, 10}, "100:100,4:1", "Sorcier Rang 1", "Prêtre"},
      {{"Hestrune", "Prêtre Guerrier", 15, 17, 10, 10}, "100:100,4:1", "Sorcier Rang 1", "Prêtre Guerrier"},
      {{"Hestrune", "Prêtre Assassin", 15, 17, 10, 10}, "100:100,4:1", "Sorcier Rang 1", "Prêtre Assassin"},
      {{"Hestrune", "Noble Prêtre", 15, 17, 10, 10}, "100:11", "Capacités de Sorcier", "Noble Prêtre"},
      {{"Veskarée", "Noble", 15, 17, 10, 100}, "100:51", "Capacités de Sorcier", "Noble"},
      {{"Hestrune", "Marchand", 15, 17, 10, 100}, "100:51", "Capacités de Sorcier", "Marchand"},
      {{"Hestrune", "Marchand", 15, 17, 10, 10}, "100:50,4:1", "Sorcier Rang 1", "Marchand"},
      // Rank boundaries of intelligence plus power.
      {{"Hestrune", "Marin", 15, 20, 10, 100}, "100:1,4:1", "Sorcier Rang 1", "Marin"},
      {{"Hestrune", "Marin", 15, 21, 10, 100}, "100:1,4:1,4:1,10:1,10:1", "Sorcier Rang 2", "Marin"},
      {{"Hestrune", "Marin", 19, 20, 10, 100}, "100:1,4:1,4:1,10:1,10:1", "Sorcier Rang 2", "Marin"},
      {{"Hestrune", "Marin", 20, 20, 10, 100},
       "100:1,2:1,4:1,2:1,5:1,5:1,10:1,4:1",
       "Sorcier Rang 3",
       "Marin"},
      {{"Hestrune", "Marin", 20, 23, 10, 100},
       "100:1,2:1,4:1,2:1,5:1,5:1,10:1,4:1",
       "Sorcier Rang 3",
       "Marin"},
      {{"Hestrune", "Marin", 20, 24, 10, 100}, "100:1,2:1,2:1", "Sorcier Rang 4", "Marin"},
      {{"Hestrune", "Marin", 20, 27, 10, 100}, "100:1,2:1,2:1", "Sorcier Rang 4", "Marin"},
      {{"Hestrune", "Marin", 20, 28, 10, 100}, "100:1,2:1,2:1,2:1", "Sorcier Rang 5", "Marin"},
      {{"Hestrune", "Marin", 30, 40, 10, 100}, "100:1,2:1,2:1,2:1", "Sorcier Rang 5", "Marin"},
      // Peoples whose sorcerers become priests.
      {{"Kor Duvan", "Noble Assassin", 15, 17, 10, 100}, "100:100,4:1", "Sorcier Rang 1", "Noble Prêtre"},
      {{"Kor Duvan", "Noble Assassin", 14, 20, 10, 100}, "", "Aucune capacité en Magie", "Noble Assassin"},
      {{"Kor Duvan", "Noble Guerrier", 15, 17, 10, 10}, "100:1,4:1", "Sorcier Rang 1", "Noble Prêtre"},
      {{"Kor Duvan", "Guerrier", 15, 17, 10, 10}, "100:1,4:1", "Sorcier Rang 1", "Prêtre"},
      {{"Kor Duvan", "Assassin", 15, 17, 10, 10}, "100:1,4:1", "Sorcier Rang 1", "Prêtre"},
      {{"Kor Duvan", "Marin", 15, 17, 10, 10}, "100:1,4:1", "Sorcier Rang 1", "Marin"},
      {{"Kor Duvan", "Guerrier", 15, 17, 10, 10}, "100:50", "Capacités de Sorcier", "Guerrier"},
      {{"Ulvareth", "Assassin", 15, 17, 10, 10}, "100:1,4:1", "Sorcier Rang 1", "Prêtre"},
      {{"Ulvareth", "Guerrier", 15, 17, 10, 10}, "100:1,4:1", "Sorcier Rang 1", "Prêtre"},
      {{"Ulvareth", "Noble Guerrier", 15, 17, 10, 10}, "100:1,4:1", "Sorcier Rang 1", "Noble Guerrier"},
      {{"Talvane", "Marin", 15, 17, 14, 25}, "100:25,4:1", "Sorcier Rang 1", "Prêtre Guerrier"},
      {{"Talvane", "Marin", 15, 17, 13, 25}, "100:25,4:1", "Sorcier Rang 1", "Prêtre Guerrier"},
      {{"Talvane", "Marin", 15, 17, 12, 25}, "100:25,4:1", "Sorcier Rang 1", "Prêtre"},
      {{"Talvane", "Marin", 15, 17, 14, 25}, "100:26", "Capacités de Sorcier", "Marin"},
      {{"Talvane", "Noble", 15, 17, 12, 25}, "100:50,4:1", "Sorcier Rang 1", "Prêtre"},
  };
  for (const auto& c : cases) {
    Personnage sheet;
    const auto granted = runSorcery(sheet, c.who, c.script);
    const std::string what = std::string(c.who.nationalite) + " " + c.who.profession + " " + c.script;
    EXPECT_EQ(sheet.sorcier, c.sorcier) << what;
    EXPECT_EQ(sheet.profession_nom, c.professionAfter) << what;
    if (!std::string_view(c.sorcier).starts_with("Sorcier Rang")) {
      EXPECT_TRUE(granted.empty()) << what;
    }
  }
}

TEST(SorceryTest, AbilitiesOfEachRank) {
  using Granted = std::map<int, std::string>;
  const Granted kMaster{{51, "50"}, {52, "50"}, {53, "50"}, {54, "50"}, {55, "80"},
                        {56, "60"}, {57, "60"}, {58, "60"}, {59, "60"}, {60, "60"}};
  auto with = [](Granted slots, const Granted& more) {
    slots.insert(more.begin(), more.end());
    return slots;
  };
  static const struct {
    Character who;
    const char* script;
  } cases[] = {
      {{"Hestrune", "Marin", 15, 17, 10, 100}, "100:1,4:3"},
      {{"Hestrune", "Marin", 18, 18, 10, 100}, "100:1,4:2,4:2,10:3,10:3"},
      {{"Hestrune", "Marin", 20, 20, 10, 100}, "100:1,2:2,4:1,2:1,5:5,5:1,10:10,4:4"},
      {{"Hestrune", "Marin", 20, 24, 10, 100}, "100:1,2:1,2:2"},
      {{"Veskarée", "Marin", 20, 24, 10, 100}, "100:1,2:1,2:2,3:2"},
      {{"Hestrune", "Marin", 20, 28, 10, 100}, "100:1,2:2,2:1,2:2"},
      {{"Veskarée", "Marin", 20, 28, 10, 100}, "100:1,2:2,2:1,2:1"},
  };
  const Granted expected[] = {
      {{53, "50"}},
      // The two picks of one slot: the later write stands.
      {{52, "50"}, {57, "54"}},
      {{51, "50"}, {52, "50"}, {53, "50"}, {59, "80"}, {60, "60"}, {64, "60"}, {70, "1"}},
      with(kMaster, {{67, "1"}, {70, "1"}}),
      with(kMaster, {{67, "1"}, {70, "1"}, {72, "1"}}),
      with(kMaster, {{68, "1"}, {69, "1"}, {66, "1"}}),
      with(kMaster, {{68, "1"}, {69, "1"}, {71, "1"}, {72, "1"}, {73, "1"}, {65, "1"}}),
  };
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    Personnage sheet;
    EXPECT_EQ(runSorcery(sheet, cases[k].who, cases[k].script), expected[k]) << cases[k].script;
  }
}

}  // namespace
}  // namespace orvandel
