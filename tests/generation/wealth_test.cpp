#include "generation/wealth.h"

#include <gtest/gtest.h>

#include "core/scripted_dice.h"

namespace orvandel {
namespace {

// Every case runs on intl_tot 12, dex_tot 14 and Crédit (Text1(40)) 55.
TEST(WealthTest, TitleAndEquipment) {
  static const struct {
    const char* profession;
    bool noblesse;
    const char* dice;
    const char* nom;
    const char* equipement;
  } cases[] = {
      {"Guerrier", false, "100:50", "Guerrier", " 3 armes et 1 armure au choix, et en poche 600 GB"},
      {"Assassin", false, "100:1", "Assassin", " 3 armes et 1 armure au choix, et en poche 12 GB"},
      {"Marchand", false, "100:10,100:20,100:30,100:40,100:50,100:55", "Marchand",
       "L'armure de ton choix et  1 arme au choix, et en poche 1800 GB"},
      {"Marchand", false, "100:10,100:20,100:30,100:40,100:50,100:56", "Marchand",
       " 1 arme au choix, et en poche 1800 GB"},
      {"Marin", false, "20:7", "Marin", " 1 arme au choix, et en poche 84 GB"},
      {"Second", false, "20:1,20:2,20:3,20:4,20:20", "Second", " 1 arme au choix, et en poche 360 GB"},
      {"Capitain", false, "20:1,20:1,20:1,20:1,20:1,20:1,20:1,20:1,20:1,20:11", "Capitain",
       " 1 arme au choix, et en poche 240 GB"},
      {"Chasseur", false, "100:37", "Chasseur", " 1 arc et 12 flèches,  1 arme au choix, et en poche 37 GB"},
      {"Chasseur Guerrier", false, "100:100", "Chasseur Guerrier",
       " 1 arc et 12 flèches,  1 arme au choix, et en poche 100 GB"},
      {"Fermier", false, "20:20", "Fermier", " 1 bâton, 1 hachette, et en poche 240 GB"},
      {"Prêtre", false, "100:50,100:50,100:50,100:50,100:50", "Prêtre",
       " 1 Dague, et en poche 1 salaire de 250 GB/Mois si tu rends ton office ..."},
      {"Voleur", false, "20:20,20:20,20:20,20:20,20:20", "Voleur",
       " 1 Dague et 1 arme au choix, en poche 100 GB"},
      {"Artisan", false, "100:10", "Artisan", " 1 arme au choix, et en poche 140 GB"},
      {"Prêtre Assassin", false, "100:1,100:1,100:1,100:1,100:1", "Prêtre Assassin",
       " 1 Dague, 3 armes et 1 armure au choix. En poche 1 salaire de 5 GB/Mois si tu rends ton office ..."},
      {"Prêtre Guerrier", false, "100:100,100:100,100:100,100:100,100:100", "Prêtre Guerrier",
       " 1 Dague, 3 armes et 1 armure au choix. En poche 1 salaire de 500 GB/Mois si tu rends ton office "
       "..."},
      {"Marin", true, "100:3,100:45", "Noble Marin",
       " Tu est riche veinard : tu possèdes un propriété valant 30000 GB et tu as en poche 4500 GB en poche "
       "ainsi que l'armure et les armes de ton choix"},
      {"Noble", true, "6:4,100:60,100:40,100:1", "Héritier du trône N°5",
       " Tu as des couilles en OR : tu possèdes un palais valant 1000000 GB et tu as en poche 100 GB en "
       "poche "
       "ainsi que l'armure et les armes de ton choix"},
      {"Noble Guerrier", false, "100:100,100:100", "Noble Guerrier",
       " Tu est riche veinard : tu possèdes un propriété valant 1000000 GB et tu as en poche 10000 GB en "
       "poche "
       "ainsi que l'armure et les armes de ton choix"},
      {"Mendiant", false, "4:1,4:2,6:5,4:1,20:3,6:4", "Mendiant",
       " Heureux sois-tu ! Tu as en poche 4 GB, mais: Muet, "},
      {"Mendiant", false, "4:4,4:4,6:2,4:4,20:11,20:20,20:11,20:1,6:6", "Mendiant",
       " Heureux sois-tu ! Tu as en poche 6 GB, mais: 8 doigts en moins, Attardé mental : Int-2, "
       "8 doigts en moins, Cataracte : à moitié aveugle, "},
      {"Mendiant", true, "100:1,100:2,4:1,4:1,6:1,4:2,20:8,20:18,6:1", "Noble Mendiant",
       " Tu est riche veinard : tu possèdes un propriété valant 10000 GB et tu as en poche 200 GB en poche "
       "ainsi que l'armure et les armes de ton choix Heureux sois-tu ! Tu as en poche 1 GB, mais: Lépreux, "
       "Obèse, "},
      {"", false, "", "", ""},
  };
  for (const auto& c : cases) {
    const std::string what = std::string(c.profession) + (c.noblesse ? " (noblesse)" : "") + " " + c.dice;
    Personnage sheet;
    sheet.profession_nom = c.profession;
    sheet.intl_tot = "12";
    sheet.dex_tot = "14";
    sheet.Text1(40) = "55";
    sheet.equipement = "ancien";
    ScriptedDice dice(c.dice);
    Generation g{sheet, dice, Entry::Random};
    g.noblesse = c.noblesse;
    EXPECT_NO_THROW(applyWealth(g)) << what;
    EXPECT_EQ(sheet.profession_nom, c.nom) << what;
    EXPECT_EQ(sheet.equipement, c.equipement) << what;
    EXPECT_EQ(dice.remaining(), 0u) << what;
  }
}

}  // namespace
}  // namespace orvandel
