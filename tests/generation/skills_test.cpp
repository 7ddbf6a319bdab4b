#include "generation/skills.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvandel {
namespace {

std::string gap(std::size_t spaces) { return std::string(spaces, ' '); }

// Written out apart from the catalogue, runs of spaces counted, so that a
// slip in either shows. One line per heading of the window, slots in order.
std::vector<std::string> expectedNames() {
  const std::string free(20, '.');
  // clang-format off
  return {
      "Déplacemnts silencieux (10%)", "Se cacher" + gap(2) + "(10%)", "Embuscade", "Dissimuler", "Couper une bourse",
      "Chevaucher", "Nager", "Grimper" + gap(4) + "(10%)", "Sauter" + gap(6) + "(10%)", "Culbuter", "Eviter",
      "Faire/défaire des noeuds", "Amorcer Désamorcer piège", "Passe passe", "Jongler", "crocheter",
      "Voir" + gap(10) + "(10%)", "Ecouter" + gap(3) + "(10%)", "Sentir", "Gouter", "Equilibre" + gap(3) + "(10%)",
      "Chercher", "Pister",
      "Lier/écrire langue Commune", "Lire/écrire" + gap(9) + "Bas Veskaréen",
      "Lire/écrire" + gap(7) + "Haut Veskaréen", "Lire/écrire/parler autres langues", "évaluer trésor",
      "Navigation", "Artisanat", "Artisanat", "Artisanat", "Premiers soins", "Cartographie", "Mémoriser",
      "Connaissance" + gap(3) + "des plantes", "Connaissance" + gap(3) + "des poisons",
      "Connaissance" + gap(5) + "de la musique",
      "Persuader (10%)", "Crédit", "Eloquence", "Chanter",
      free, free, "Parler Commun", free, free, free, free, free,
      "Elémentaire de Feu", "Elémentaire de Terre", "Elémentaire d'Eau", "Elémentaire d'Air",
      "Demon Désir", "Demon Savoir", "Demon Combat", "Demon Protection", "Demon Voyage", "Demon Possession",
      "Vertu Combat", "Vertu Savoir", "Vertu Voyage", "Vertu Protection",
      "Seigneur du Chaos", "Seigneur de la Loi", "Ferovax", "Ondrelle", "Zephyrine", "Terrabon",
      "Seigneur_bete1", "Seigneur_bete2", "Seigneur_bete3"};
  // clang-format on
}

TEST(SkillsTest, CatalogueNames) {
  const auto names = expectedNames();
  ASSERT_EQ(names.size(), 73u);
  Personnage sheet;
  competence(sheet);
  for (int i = 1; i <= 73; ++i) {
    EXPECT_EQ(sheet.comp(i), names[static_cast<std::size_t>(i - 1)]) << "comp(" << i << ")";
    EXPECT_EQ(catalogueName(i), names[static_cast<std::size_t>(i - 1)]) << i;
  }
  EXPECT_THROW(catalogueName(0), std::out_of_range);
  EXPECT_THROW(catalogueName(74), std::out_of_range);
}

TEST(SkillsTest, BaseValues) {
  static constexpr int kBaseSlots[] = {1, 2, 8, 9, 17, 18, 21, 39, 45};
  static const struct {
    // bonus_discretion, _agilite, _perception, _communication, _connaissance, intl_tot
    std::array<const char*, 6> fields;
    std::array<const char*, std::size(kBaseSlots)> expected;
  } cases[] = {
      {{"-5", "7", "95", "0", "3", "14"}, {"5", "5", "17", "17", "105", "105", "105", "10", "73"}},
      {{"0", "-10", "1", "-12", "-4", "3"}, {"10", "10", "0", "0", "11", "11", "11", "-2", "11"}},
  };
  for (const auto& c : cases) {
    Personnage sheet;
    sheet.bonus_discretion = c.fields[0];
    sheet.bonus_agilite = c.fields[1];
    sheet.bonus_perception = c.fields[2];
    sheet.bonus_communication = c.fields[3];
    sheet.bonus_connaissance = c.fields[4];
    sheet.intl_tot = c.fields[5];
    sheet.bonus_attaque = sheet.bonus_parade = sheet.bonus_manipulation = "40";
    sheet.Text1(57) = "60";  // written by the sorcery stage before the catalogue
    competence(sheet);
    std::map<int, std::string> expected{{57, "60"}};
    for (std::size_t k = 0; k < std::size(kBaseSlots); ++k) expected[kBaseSlots[k]] = c.expected[k];
    for (int i = 1; i <= 73; ++i) {
      const auto it = expected.find(i);
      EXPECT_EQ(sheet.Text1(i), it == expected.end() ? "" : it->second) << "Text1(" << i << ")";
    }
  }
}

}  // namespace
}  // namespace orvandel
