// The skill catalogue against the game's table: names spelled with their
// runs of spaces, the heading each slot stands under, and the base values
// that only some slots start with, each from its own category bonus.
#include "generation/skills.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>

#include "support/scripted_stage.h"

namespace orvandel {
namespace {

TEST(SkillsTest, CatalogueRowsAsTheGameWritesThem) {
  using enum SkillCategory;
  static const struct {
    int slot;
    const char* name;
    SkillCategory category;
  } cases[] = {
      // clang-format off
      {1, "Déplacemnts silencieux (10%)", Discretion}, {2, "Se cacher  (10%)", Discretion},
      {5, "Couper une bourse", Discretion}, {6, "Chevaucher", Agilite}, {8, "Grimper    (10%)", Agilite},
      {9, "Sauter      (10%)", Agilite}, {11, "Eviter", Agilite}, {12, "Faire/défaire des noeuds", Manipulation},
      {16, "crocheter", Manipulation}, {17, "Voir          (10%)", Perception},
      {18, "Ecouter   (10%)", Perception}, {21, "Equilibre   (10%)", Perception}, {23, "Pister", Perception},
      {24, "Lier/écrire langue Commune", Connaissance}, {25, "Lire/écrire         Bas Veskaréen", Connaissance},
      {26, "Lire/écrire       Haut Veskaréen", Connaissance}, {32, "Artisanat", Connaissance},
      {36, "Connaissance   des plantes", Connaissance}, {38, "Connaissance     de la musique", Connaissance},
      {39, "Persuader (10%)", Communication}, {40, "Crédit", Communication}, {42, "Chanter", Communication},
      {43, "....................", Connaissance}, {45, "Parler Commun", Connaissance},
      {46, "....................", Agilite}, {47, "....................", Manipulation},
      {48, "....................", Perception}, {49, "....................", Discretion},
      {50, "....................", Communication}, {51, "Elémentaire de Feu", Invocation},
      {55, "Demon Désir", Invocation}, {64, "Vertu Protection", Invocation}, {67, "Ferovax", Invocation},
      {70, "Terrabon", Invocation}, {73, "Seigneur_bete3", Invocation},
      // clang-format on
  };
  Personnage sheet;
  testing::ScriptedGeneration run(sheet, "");
  run.run(competence, "catalogue");
  for (const auto& c : cases) {
    EXPECT_EQ(catalogueName(c.slot), c.name) << c.slot;
    EXPECT_EQ(sheet.comp(c.slot), c.name) << c.slot;
    EXPECT_EQ(catalogueCategory(c.slot), c.category) << c.slot;
  }
  for (int outside : {0, 74}) {
    EXPECT_THROW(catalogueName(outside), std::out_of_range) << outside;
    EXPECT_THROW(catalogueCategory(outside), std::out_of_range) << outside;
  }
}

// Distinct bonuses tell apart which bonus each slot reads; slots without a
// base value keep what they held (empty, or the summonings' values).
TEST(SkillsTest, BaseValuesFromTheirOwnBonus) {
  static const struct {
    const char* discretion;
    const char* agilite;
    const char* perception;
    const char* communication;
    const char* connaissance;
    const char* intl_tot;
    std::map<int, std::string> values;
  } cases[] = {
      {"-5",
       "2",
       "3",
       "4",
       "3",
       "14",
       {{1, "5"},
        {2, "5"},
        {8, "12"},
        {9, "12"},
        {17, "13"},
        {18, "13"},
        {21, "13"},
        {39, "14"},
        {45, "73"}}},
      {"0",
       "-11",
       "95",
       "-10",
       "-4",
       "3",
       {{1, "10"},
        {2, "10"},
        {8, "-1"},
        {9, "-1"},
        {17, "105"},
        {18, "105"},
        {21, "105"},
        {39, "0"},
        {45, "11"}}},
      {"0",
       "0",
       "0",
       "0",
       "0",
       "15.5",
       {{1, "10"},
        {2, "10"},
        {8, "10"},
        {9, "10"},
        {17, "10"},
        {18, "10"},
        {21, "10"},
        {39, "10"},
        {45, "77"}}},
  };
  for (const auto& c : cases) {
    Personnage sheet;
    sheet.bonus_discretion = c.discretion;
    sheet.bonus_agilite = c.agilite;
    sheet.bonus_perception = c.perception;
    sheet.bonus_communication = c.communication;
    sheet.bonus_connaissance = c.connaissance;
    sheet.bonus_manipulation = "7";
    sheet.intl_tot = c.intl_tot;
    sheet.Text1(55) = "60";
    testing::ScriptedGeneration run(sheet, "");
    run.run(competence, c.intl_tot);
    for (int slot = 1; slot <= 73; ++slot) {
      const auto value = c.values.find(slot);
      const std::string expected = slot == 55 ? "60" : value == c.values.end() ? "" : value->second;
      EXPECT_EQ(sheet.Text1(slot), expected) << "INT " << c.intl_tot << ", slot " << slot;
    }
  }
}

}  // namespace
}  // namespace orvandel
