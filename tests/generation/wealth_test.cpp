// Starting wealth against the game's rules: the "Noble " title and the heir,
// the estates, each profession's sentence with its own money roll and
// factor, the merchant's armour on a Crédit roll at most his Crédit, and the
// beggar's infirmities.
#include "generation/wealth.h"

#include <gtest/gtest.h>

#include <string>

#include "support/scripted_stage.h"

namespace orvandel {
namespace {

struct Case {
  const char* profession;
  const char* script;
  const char* professionAfter;
  const char* equipement;
  bool noblesse = false;
};

void expectWealth(const Case& c) {
  Personnage sheet;
  sheet.profession_nom = c.profession;
  sheet.intl_tot = "12";
  sheet.dex_tot = "14";
  sheet.Text1(40) = "55";
  sheet.equipement = "avant";
  testing::ScriptedGeneration run(sheet, c.script);
  run.g.noblesse = c.noblesse;
  const std::string what = std::string(c.profession) + (c.noblesse ? " noble" : "") + ", dés " + c.script;
  run.run(applyWealth, what);
  EXPECT_EQ(sheet.profession_nom, c.professionAfter) << what;
  EXPECT_EQ(sheet.equipement, c.equipement) << what;
}

TEST(WealthTest, EachProfessionHasItsSentenceAndMoney) {
  const Case cases[] = {
      {"Guerrier", "100:50", "Guerrier", " 3 armes et 1 armure au choix, et en poche 600 GB"},
      {"Assassin", "100:1", "Assassin", " 3 armes et 1 armure au choix, et en poche 12 GB"},
      {"Marchand", "100:1,100:2,100:3,100:4,100:5,100:56", "Marchand",
       " 1 arme au choix, et en poche 180 GB"},
      {"Marchand", "100:1,100:2,100:3,100:4,100:5,100:55", "Marchand",
       "L'armure de ton choix et  1 arme au choix, et en poche 180 GB"},
      {"Marin", "20:20", "Marin", " 1 arme au choix, et en poche 240 GB"},
      {"Second", "20:1,20:2,20:3,20:4,20:5", "Second", " 1 arme au choix, et en poche 180 GB"},
      {"Capitain", "20:1,20:1,20:1,20:1,20:1,20:1,20:1,20:1,20:1,20:2", "Capitain",
       " 1 arme au choix, et en poche 132 GB"},
      {"Chasseur", "100:37", "Chasseur", " 1 arc et 12 flèches,  1 arme au choix, et en poche 37 GB"},
      {"Chasseur Guerrier", "100:37", "Chasseur Guerrier",
       " 1 arc et 12 flèches,  1 arme au choix, et en poche 37 GB"},
      {"Fermier", "20:3", "Fermier", " 1 bâton, 1 hachette, et en poche 36 GB"},
      {"Prêtre", "100:50,100:50,100:50,100:50,100:50", "Prêtre",
       " 1 Dague, et en poche 1 salaire de 250 GB/Mois si tu rends ton office ..."},
      {"Prêtre Guerrier", "100:1,100:1,100:1,100:1,100:2", "Prêtre Guerrier",
       " 1 Dague, 3 armes et 1 armure au choix. En poche 1 salaire de 6 GB/Mois si tu rends ton office ..."},
      {"Prêtre Assassin", "100:1,100:1,100:1,100:1,100:2", "Prêtre Assassin",
       " 1 Dague, 3 armes et 1 armure au choix. En poche 1 salaire de 6 GB/Mois si tu rends ton office ..."},
      {"Voleur", "20:1,20:2,20:3,20:4,20:20", "Voleur", " 1 Dague et 1 arme au choix, en poche 30 GB"},
      {"Artisan", "100:10", "Artisan", " 1 arme au choix, et en poche 140 GB"},
      {"Ecrivain", "", "Ecrivain", ""},
  };
  for (const Case& c : cases) expectWealth(c);
}

TEST(WealthTest, NoblesAndHeirsHaveAnEstate) {
  const Case cases[] = {
      {"Marin", "100:3,100:7", "Noble Marin",
       " Tu est riche veinard : tu possèdes un propriété valant 30000 GB et tu as en poche 700 GB en poche "
       "ainsi que l'armure et les armes de ton choix",
       true},
      {"Noble Guerrier", "100:100,100:100", "Noble Guerrier",
       " Tu est riche veinard : tu possèdes un propriété valant 1000000 GB et tu as en poche 10000 GB en "
       "poche ainsi que l'armure et les armes de ton choix"},
      {"Noble", "6:1,100:1,100:1,100:1", "Héritier du trône N°2",
       " Tu as des couilles en OR : tu possèdes un palais valant 20000 GB et tu as en poche 100 GB en poche "
       "ainsi que l'armure et les armes de ton choix",
       true},
      {"Noble", "6:6,100:100,100:100,100:100", "Héritier du trône N°7",
       " Tu as des couilles en OR : tu possèdes un palais valant 2000000 GB et tu as en poche 10000 GB en "
       "poche ainsi que l'armure et les armes de ton choix",
       true},
  };
  for (const Case& c : cases) expectWealth(c);
}

// The fingers (2d4) and the wits (1d6) are rolled before the count, once,
// and the list ends with its separator.
TEST(WealthTest, BeggarsListTheirInfirmities) {
  const Case cases[] = {
      {"Mendiant", "4:2,4:3,6:4,4:1,20:1,6:4", "Mendiant",
       " Heureux sois-tu ! Tu as en poche 4 GB, mais: Cataracte : à moitié aveugle, "},
      {"Mendiant", "4:2,4:3,6:4,4:4,20:11,20:20,20:11,20:10,6:1", "Mendiant",
       " Heureux sois-tu ! Tu as en poche 1 GB, mais: 5 doigts en moins, Attardé mental : Int-4, 5 doigts en "
       "moins, Scorbuteux, "},
      // The noble beggar's estate is rolled first and stays in front.
      {"Mendiant", "100:1,100:1,4:1,4:1,6:6,4:2,20:12,20:19,6:6", "Noble Mendiant",
       " Tu est riche veinard : tu possèdes un propriété valant 10000 GB et tu as en poche 100 GB en poche "
       "ainsi que l'armure et les armes de ton choix Heureux sois-tu ! Tu as en poche 6 GB, mais: Amputé "
       "d'une main, Squelette vivant, ",
       true},
  };
  for (const Case& c : cases) expectWealth(c);
}

}  // namespace
}  // namespace orvandel
