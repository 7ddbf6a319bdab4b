// A group's search against the plain batch it filters: same dice, same
// characters, in the same order; and the conditions read at their edges.
#include "group/group_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "core/dice.h"
#include "core/number.h"
#include "generation/driver.h"
#include "recipe/recipe_making.h"
#include "recipe/verification.h"

namespace orvandel {
namespace {

Conditions marinsOfStrength(int forc) {
  Conditions conditions;
  conditions.professions = {"Marin"};
  conditions.bounds[kForc].min = forc;
  return conditions;
}

// The first `wanted` characters of the plain batch of `seed` that meet the
// conditions, with their places in it.
std::vector<FoundCharacter> filteredBatch(std::uint64_t seed, const Conditions& conditions, int wanted) {
  SeededDice dice(seed);
  std::vector<FoundCharacter> kept;
  for (std::int64_t draw = 1; static_cast<int>(kept.size()) < wanted; ++draw) {
    Personnage sheet;
    generateWithRecipe(RecipeEntry::Random, sheet, dice);
    if (meets(sheet, conditions)) kept.push_back({sheet, draw});
  }
  return kept;
}

TEST(GroupSearchTest, KeepsThePlainBatchsMatchesInOrder) {
  const Conditions conditions = marinsOfStrength(12);
  SeededDice dice(2024);
  GroupSearch search(conditions, 25, dice);
  // Small steps, as a window takes them, end where one long step would.
  while (!search.advance(37)) {
  }
  ASSERT_TRUE(search.complete());
  const auto expected = filteredBatch(2024, conditions, 25);
  ASSERT_EQ(search.found().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(search.found()[i].draw, expected[i].draw);
    EXPECT_EQ(search.found()[i].sheet, expected[i].sheet);
    EXPECT_EQ(verify(search.found()[i].sheet).outcome, Verification::Outcome::Conforms);
    EXPECT_EQ(search.found()[i].sheet.profession_nom, "Marin");
    EXPECT_GE(wholeIn(search.found()[i].sheet.forc_tot), 12);
  }
  EXPECT_EQ(search.rolled(), expected.back().draw);
}

// Asking for a profession must not change who holds it: the nationalities
// and strengths of 1 500 searched "Marin" match those of 1 500 found by
// hand in another batch. Some peoples never keep a sailor (Ruskemal makes
// everyone a beggar), which a search that forced the profession would show.
TEST(GroupSearchTest, AProfessionKeepsTheOddsOfRollingByHand) {
  Conditions conditions;
  conditions.professions = {"Marin"};
  constexpr int kWanted = 1500;
  SeededDice dice(99);
  GroupSearch search(conditions, kWanted, dice);
  search.advance(10'000'000);
  ASSERT_TRUE(search.complete());
  const auto byHand = filteredBatch(7, conditions, kWanted);
  std::map<std::string, double> share;
  double strength = 0;
  for (const auto& c : search.found()) {
    share[c.sheet.nationalite_nom] += 1.0 / kWanted;
    strength += static_cast<double>(wholeIn(c.sheet.forc_tot)) / kWanted;
  }
  for (const auto& c : byHand) {
    share[c.sheet.nationalite_nom] -= 1.0 / kWanted;
    strength -= static_cast<double>(wholeIn(c.sheet.forc_tot)) / kWanted;
  }
  // Five standard errors or more: a fair search never fails by chance.
  for (const auto& [nationality, difference] : share) EXPECT_LT(std::abs(difference), 0.06) << nationality;
  EXPECT_LT(std::abs(strength), 0.6);
  EXPECT_FALSE(share.contains("Ruskemal"));
}

TEST(GroupSearchTest, GivesUpAfterTheCapNamingTheRarestCondition) {
  Conditions conditions;
  conditions.professions = {"Guerrier"};
  conditions.nationalities = {"Ruskemal"};  // every Ruskemal is a beggar
  SeededDice dice(5);
  GroupSearch search(conditions, 4, dice, 3000);
  EXPECT_TRUE(search.advance(1'000'000));
  EXPECT_TRUE(search.givenUp());
  EXPECT_EQ(search.rolled(), 3000);
  const std::string reason = search.giveUpReason();
  EXPECT_NE(reason.find("aucun des 3\u00a0000 personnages tirés de suite"), std::string::npos) << reason;
  EXPECT_NE(reason.find("la plus rare, « de Ruskemal »"), std::string::npos) << reason;
  EXPECT_NE(reason.find("Rien n'est gardé."), std::string::npos) << reason;
}

// A plain batch's characters all end with a profession the conditions
// accept, and within the ranges a bound is checked against; otherwise a GM
// could not ask for some of them.
TEST(GroupSearchTest, EveryRolledCharacterIsWithinTheKnownNamesAndRanges) {
  const auto professions = knownProfessions();
  SeededDice dice(31);
  std::set<std::string> unknown;
  for (int n = 0; n < 150'000; ++n) {
    Personnage sheet;
    generateRandom(sheet, dice);
    Conditions asked;
    asked.professions = {sheet.profession_nom.starts_with("Héritier du trône") ? "Héritier du trône"
                                                                               : sheet.profession_nom};
    if (std::ranges::find(professions, asked.professions.front()) == professions.end())
      unknown.insert(sheet.profession_nom);
    else
      ASSERT_TRUE(meets(sheet, asked)) << sheet.profession_nom;
    for (int m = 0; m < kMeasureCount; ++m) {
      const MeasureRow& row = kMeasures[static_cast<std::size_t>(m)];
      const int value = measureOf(sheet, m);
      ASSERT_TRUE(value >= row.lowest && value <= row.highest) << row.key << " " << value;
    }
  }
  EXPECT_TRUE(unknown.empty()) << *unknown.begin();
}

// Each bound at its edge, on every measure: the value itself meets it, one
// step beyond does not.
TEST(ConditionsTest, BoundsHoldTheirEdges) {
  SeededDice dice(3);
  Personnage sheet;
  generateRandom(sheet, dice);
  for (int m = 0; m < kMeasureCount; ++m) {
    const int value = measureOf(sheet, m);
    Conditions at, above, below;
    at.bounds[static_cast<std::size_t>(m)] = {value, value};
    above.bounds[static_cast<std::size_t>(m)].min = value + 1;
    below.bounds[static_cast<std::size_t>(m)].max = value - 1;
    EXPECT_TRUE(meets(sheet, at)) << kMeasures[static_cast<std::size_t>(m)].key;
    EXPECT_FALSE(meets(sheet, above)) << kMeasures[static_cast<std::size_t>(m)].key;
    EXPECT_FALSE(meets(sheet, below)) << kMeasures[static_cast<std::size_t>(m)].key;
  }
}

TEST(ConditionsTest, SorceryChoicesSortTheOutcomes) {
  const struct {
    const char* sorcier;
    bool sorcerer, capable, none;
  } cases[] = {
      {"Aucune capacité en Magie", false, false, true},
      {"Capacités de Sorcier", false, true, false},
      {"Sorcier Rang 3", true, true, false},
  };
  for (const auto& c : cases) {
    Personnage sheet;
    sheet.sorcier = c.sorcier;
    Conditions conditions;
    for (const auto& [wish, expected] :
         {std::pair{Sorcery::Sorcerer, c.sorcerer}, std::pair{Sorcery::Capable, c.capable},
          std::pair{Sorcery::None, c.none}}) {
      conditions.sorcery = wish;
      EXPECT_EQ(meets(sheet, conditions), expected) << c.sorcier;
    }
  }
}

TEST(ConditionsTest, NamesAsPeopleTypeAndAsTheRosterShowsThem) {
  EXPECT_EQ(readProfession("pretre guerrier").name, "Prêtre Guerrier");
  EXPECT_EQ(readProfession("HÉRITIER DU TRÔNE").name, "Héritier du trône");
  EXPECT_EQ(readNationality("veskaree").name, "Veskarée");
  EXPECT_FALSE(readNationality("Atlantide").name);
  Conditions conditions;
  conditions.professions = {"Guerrier"};
  conditions.nationalities = {"Orthelm"};
  EXPECT_EQ(proposedGroupName(conditions), "Guerrier d'Orthelm");
  conditions.nationalities = {"Stelmark", "Zandrel"};
  EXPECT_EQ(proposedGroupName(conditions), "Guerrier");
  EXPECT_EQ(describeConditions(conditions), "Guerrier, de Stelmark ou de Zandrel");
  Personnage sheet;
  sheet.profession_nom = "Marin";
  EXPECT_EQ(memberName("Garde de Stelmark", sheet, 3), "Garde de Stelmark 3");
  EXPECT_EQ(memberName("", sheet, 2), "Marin 2");
}

}  // namespace
}  // namespace orvandel
