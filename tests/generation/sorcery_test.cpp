// Sorcery against the game's rules: the capability (a sum of 32 and an
// intelligence of 15), the chance a profession sets, the rank bands of the
// sum, the abilities each rank writes into slots 51 to 73, and the peoples
// whose sorcerers become priests.
#include "generation/sorcery.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/scripted_stage.h"

namespace orvandel {
namespace {

using Slots = std::map<int, std::string>;

struct Case {
  const char* intl_tot;
  const char* pou_tot;
  const char* profession;
  const char* nationalite;
  int chance;
  const char* script;
  const char* sorcier;
  Slots slots;                            // every other slot of 51..73 stays empty
  const char* professionAfter = nullptr;  // nullptr: unchanged
  const char* forc_tot = "10";
};

void expectSorcery(const Case& c) {
  Personnage sheet;
  sheet.intl_tot = c.intl_tot;
  sheet.pou_tot = c.pou_tot;
  sheet.forc_tot = c.forc_tot;
  sheet.profession_nom = c.profession;
  sheet.nationalite_nom = c.nationalite;
  testing::ScriptedGeneration run(sheet, c.script);
  run.g.chance_magie = c.chance;
  const std::string what = std::string(c.profession) + " de " + c.nationalite + ", INT " + c.intl_tot +
                           " POU " + c.pou_tot + ", dés " + c.script;
  run.run(applySorcery, what);
  EXPECT_EQ(sheet.sorcier, c.sorcier) << what;
  for (int slot = 51; slot <= 73; ++slot) {
    const auto granted = c.slots.find(slot);
    EXPECT_EQ(sheet.Text1(slot), granted == c.slots.end() ? "" : granted->second)
        << what << ", slot " << slot;
  }
  EXPECT_EQ(sheet.profession_nom, c.professionAfter ? c.professionAfter : c.profession) << what;
}

TEST(SorceryTest, CapabilityAndChance) {
  const Case cases[] = {
      {"16", "15", "Prêtre", "Hestrune", 100, "", "Aucune capacité en Magie", {}},
      {"14", "20", "Prêtre", "Hestrune", 100, "", "Aucune capacité en Magie", {}},
      {"15", "17", "Artisan", "Hestrune", 10, "100:10,4:3", "Sorcier Rang 1", {{53, "50"}}},
      {"15", "17", "Artisan", "Hestrune", 10, "100:11", "Capacités de Sorcier", {}},
      {"15", "17", "Artisan", "Talvane", 25, "100:25,4:1", "Sorcier Rang 1", {{51, "50"}}, "Prêtre"},
      {"16", "16", "Noble", "Veskarée", 100, "100:50,4:1", "Sorcier Rang 1", {{51, "50"}}},
      {"16", "16", "Noble", "Veskarée", 100, "100:51", "Capacités de Sorcier", {}},
      {"16", "16", "Marchand", "Hestrune", 10, "100:50,4:4", "Sorcier Rang 1", {{54, "50"}}},
      {"16", "16", "Noble Prêtre", "Hestrune", 10, "100:11", "Capacités de Sorcier", {}},
      {"16", "16", "Prêtre", "Hestrune", 10, "100:100,4:2", "Sorcier Rang 1", {{52, "50"}}},
      {"16", "16", "Prêtre Guerrier", "Hestrune", 10, "100:100,4:2", "Sorcier Rang 1", {{52, "50"}}},
  };
  for (const Case& c : cases) expectSorcery(c);
}

TEST(SorceryTest, RankBandsAndTheirAbilities) {
  const Slots rank4{{51, "50"}, {52, "50"}, {53, "50"}, {54, "50"}, {55, "80"}, {56, "60"},
                    {57, "60"}, {58, "60"}, {59, "60"}, {60, "60"}, {67, "1"},  {70, "1"}};
  Slots veskareeRank4 = rank4;
  veskareeRank4[72] = "1";
  Slots rank5 = rank4;
  rank5.erase(67);
  rank5.erase(70);
  rank5.insert({{68, "1"}, {69, "1"}, {66, "1"}});
  Slots veskareeRank5 = rank5;
  veskareeRank5.erase(66);
  veskareeRank5.insert({{65, "1"}, {71, "1"}, {72, "1"}, {73, "1"}});
  const Case cases[] = {
      {"15", "20", "Artisan", "Hestrune", 10, "100:1,4:1", "Sorcier Rang 1", {{51, "50"}}},
      {"15",
       "21",
       "Artisan",
       "Hestrune",
       10,
       "100:1,4:1,4:2,10:1,10:10",
       "Sorcier Rang 2",
       {{51, "50"}, {52, "50"}, {55, "60"}, {64, "45"}}},
      {"19",
       "20",
       "Artisan",
       "Hestrune",
       10,
       "100:1,4:3,4:3,10:10,10:10",
       "Sorcier Rang 2",
       {{53, "50"}, {64, "57"}}},
      {"20",
       "20",
       "Artisan",
       "Hestrune",
       10,
       "100:1,2:2,4:1,2:1,5:5,5:1,10:2,4:4",
       "Sorcier Rang 3",
       {{51, "50"}, {52, "50"}, {53, "50"}, {59, "80"}, {60, "60"}, {56, "60"}, {70, "1"}}},
      // Two picks on slot 55: the later one stands.
      {"20",
       "23",
       "Artisan",
       "Hestrune",
       10,
       "100:1,2:1,4:4,2:2,5:1,5:5,10:1,4:1",
       "Sorcier Rang 3",
       {{51, "50"}, {54, "50"}, {55, "60"}, {64, "60"}, {67, "1"}}},
      {"20", "24", "Artisan", "Hestrune", 10, "100:1,2:1,2:2", "Sorcier Rang 4", rank4},
      {"20", "27", "Artisan", "Veskarée", 10, "100:1,2:1,2:2,3:2", "Sorcier Rang 4", veskareeRank4},
      {"20", "28", "Artisan", "Hestrune", 10, "100:1,2:2,2:1,2:2", "Sorcier Rang 5", rank5},
      {"20", "40", "Artisan", "Veskarée", 10, "100:1,2:2,2:1,2:1", "Sorcier Rang 5", veskareeRank5},
  };
  for (const Case& c : cases) expectSorcery(c);
}

// A sorcerer of three peoples is ordained; the chance was the one of the
// profession held before.
TEST(SorceryTest, SorcerersOfSomePeoplesBecomePriests) {
  const Case cases[] = {
      {"16", "16", "Guerrier", "Kor Duvan", 100, "100:100,4:1", "Sorcier Rang 1", {{51, "50"}}, "Prêtre"},
      {"16",
       "16",
       "Noble Assassin",
       "Kor Duvan",
       100,
       "100:100,4:1",
       "Sorcier Rang 1",
       {{51, "50"}},
       "Noble Prêtre"},
      {"16", "15", "Noble Assassin", "Kor Duvan", 100, "", "Aucune capacité en Magie", {}},
      {"16", "16", "Assassin", "Ulvareth", 30, "100:30,4:1", "Sorcier Rang 1", {{51, "50"}}, "Prêtre"},
      {"16", "16", "Noble Guerrier", "Ulvareth", 30, "100:30,4:1", "Sorcier Rang 1", {{51, "50"}}},
      {"16", "16", "Guerrier", "Hestrune", 10, "100:10,4:1", "Sorcier Rang 1", {{51, "50"}}},
      {"16",
       "16",
       "Marin",
       "Talvane",
       25,
       "100:25,4:1",
       "Sorcier Rang 1",
       {{51, "50"}},
       "Prêtre Guerrier",
       "13"},
      {"16", "16", "Marin", "Talvane", 25, "100:25,4:1", "Sorcier Rang 1", {{51, "50"}}, "Prêtre", "12"},
      {"16", "16", "Marin", "Talvane", 25, "100:26", "Capacités de Sorcier", {}, nullptr, "14"},
  };
  for (const Case& c : cases) expectSorcery(c);
}

}  // namespace
}  // namespace orvandel
