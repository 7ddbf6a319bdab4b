#include "generation/training.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/scripted_dice.h"
#include "core/sheet_fields.h"

namespace orvandel {
namespace {

// The sheet as the skill catalogue leaves it, with eight distinct bonuses so
// that a value built on the wrong bonus shows.
Personnage catalogueSheet(std::string_view profession) {
  Personnage s;
  s.profession_nom = profession;
  s.bonus_attaque = "1";
  s.bonus_parade = "2";
  s.bonus_agilite = "3";
  s.bonus_manipulation = "4";
  s.bonus_perception = "5";
  s.bonus_discretion = "6";
  s.bonus_connaissance = "7";
  s.bonus_communication = "-8";
  s.dex_tot = "12";
  s.intl_tot = "15";
  for (int i : {1, 2}) s.Text1(i) = "16";
  for (int i : {8, 9}) s.Text1(i) = "13";
  for (int i : {17, 18, 21}) s.Text1(i) = "15";
  s.Text1(39) = "2";
  s.Text1(45) = "82";
  s.comp(30) = "Artisanat";
  s.comp(46) = std::string(20, '.');
  return s;
}

void set(Personnage& sheet, const std::string& name, const std::string& value) {
  const auto field = findField(sheet, name);
  ASSERT_TRUE(field) << name;
  *std::get<std::string*>(*field) = value;
}

// Applies "name=value" items separated by "; ". A bare number n stands for
// Text1(n); "wn=a/p" for the attack and parry of weapon slot n.
void change(Personnage& sheet, std::string_view items) {
  while (!items.empty()) {
    const auto end = items.find("; ");
    const std::string_view item = items.substr(0, end);
    items = end == std::string_view::npos ? "" : items.substr(end + 2);
    const auto equals = item.find('=');
    const std::string name(item.substr(0, equals));
    const std::string value(item.substr(equals + 1));
    if (name[0] == 'w') {
      const auto slash = value.find('/');
      set(sheet, "arme_att(" + name.substr(1) + ")", value.substr(0, slash));
      set(sheet, "arme_par(" + name.substr(1) + ")", value.substr(slash + 1));
    } else {
      set(sheet, name[0] >= '0' && name[0] <= '9' ? "Text1(" + name + ")" : name, value);
    }
  }
}

void expectSameTexts(Personnage& actual, Personnage& expected) {
  for (const std::string& name : controlNames()) {
    const FieldRef got = *findField(actual, name);
    if (const auto* text = std::get_if<std::string*>(&got)) {
      EXPECT_EQ(**text, *std::get<std::string*>(*findField(expected, name))) << name;
    }
  }
}

std::size_t train(Personnage& sheet, std::string_view script, bool noblesse) {
  ScriptedDice dice(script);
  Generation g{sheet, dice, Entry::Random};
  g.noblesse = noblesse;
  applyTraining(g);
  return dice.remaining();
}

struct Case {
  std::string_view profession;
  bool noblesse;
  std::string_view dice;
  std::string changes;
};

const std::string kWarrior = "w1=51/52; w2=41/42; w3=31/32; ";
const std::string kArts = "; 36=37; 22=30; 1=56; 2=46; 3=56; 18=55";
const std::string kMarin = "w1=41/42; 7=53; 12=29; 8=43; 46=78; comp(46)=Grimper aux Gréments; 21=55";
const std::string kMarchand = "w1=41/42; 24=77; 39=42; 28=87; 40=";
const std::string kLetters = "24=87; 25=67; 26=47; 37=47; 33=47; 40=17; ";
const std::string kHunter = "13=54; 3=56; 23=55; 30=37; comp(30)=Forgeron; ";
const std::string kNobleWeapons = "; w5=41/42; w6=21/22";
const std::string kWarPriest = kLetters + "w3=31/32; arme_nom(3)=Dague; w1=51/52; w2=41/42; w4=31/32; 6=68";
const std::string kNobleGuerrier = "40=32; w1=51/52; w2=41/42; w3=31/32; w4=41/42; w5=21/22; 6=28";

TEST(TrainingTest, EachProfessionWritesItsOwnSlots) {
  const std::vector<Case> cases = {
      {"Guerrier", false, "100:60", kWarrior + "6=68"},
      {"Guerrier", false, "100:61", kWarrior + "6=28"},
      {"Assassin", false, "100:1", kWarrior + "6=68" + kArts},
      {"Marchand", false, "", kMarchand + "32"},
      {"Marin", false, "", kMarin},
      {"Capitain", false, "", kMarin + "; 29=87"},
      {"Second", false, "", kMarin + "; 29=87"},
      {"Chasseur", false, "", kHunter + "w1=31/32; arme_att(2)=26"},
      {"Fermier", false, "",
       "30=27; comp(30)=Forgeron; 23=25; w1=31/32; arme_nom(1)=Bâton 2 Mains; w2=31/32; "
       "arme_nom(2)=Hachette; w3=21/22; arme_nom(3)=Lance 2 Mains; 37=27"},
      {"Prêtre", false, "", kLetters + "w1=31/32; arme_nom(1)=Dague"},
      {"Noble", false, "", "40=32" + kNobleWeapons},
      {"Voleur", false, "100:11,100:22,100:33,100:100,100:44,100:55,100:66",
       "w1=46/47; arme_nom(1)=Dague; w2=36/37; 24=32; 8=14; 4=28; 9=36; 16=90; 18=75; 17=49; 22=60; "
       "1=56; 5=72; 28=57"},
      {"Mendiant", false, "", "39=67; 17=65; 22=30; 16=54; w1=11/12"},
      {"Artisan", false, "100:37,100:99", "dex_tot=15; 30=74; arme_att(1)=38; arme_par(1)=101; w2=16/17"},
      {"Noble Guerrier", false, "100:61", kNobleGuerrier},
      {"Noble Assassin", false, "100:61", kNobleGuerrier + kArts},
      {"Prêtre Guerrier", false, "100:60", kWarPriest},
      {"Prêtre Assassin", false, "100:60", kWarPriest + kArts},
      {"Chasseur Guerrier", false, "100:61", kHunter + kWarrior + "w4=31/32; arme_att(5)=26; 6=28"},
      {"Noble Prêtre", false, "", kLetters + "w1=41/42; w3=21/22; w2=31/32; arme_nom(2)=Dague"},
      {"guerrier", false, "", ""},
      {"Noble Mendiant", false, "", ""},
      {"Guerrier", true, "100:60", kWarrior + "6=68; 40=32" + kNobleWeapons},
      {"Marchand", true, "", kMarchand + "64" + kNobleWeapons},
      {"Noble", true, "", "40=64" + kNobleWeapons},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.profession) + (c.noblesse ? " (noble birth)" : ""));
    Personnage sheet = catalogueSheet(c.profession);
    Personnage expected = sheet;
    change(expected, c.changes);
    EXPECT_EQ(train(sheet, c.dice, c.noblesse), 0u);
    expectSameTexts(sheet, expected);
  }
}

TEST(TrainingTest, CeilingCoversSkillSlotsUpToFiftyOnly) {
  Personnage sheet = catalogueSheet("Marchand");
  sheet.bonus_communication = "10";  // Crédit 50, then 100 with noble birth
  const std::vector<std::vector<std::string>> slots = {
      {"Text1(40)", "", "90"},       {"Text1(3)", "91", "90"},     {"Text1(4)", "90", "90"},
      {"Text1(5)", "105", "90"},     {"Text1(7)", "-120", "-120"}, {"Text1(10)", "90,5", "90"},
      {"Text1(50)", "91", "90"},     {"Text1(51)", "95", "95"},    {"Text1(73)", "200", "200"},
      {"arme_att(3)", "150", "150"},
  };
  for (const auto& slot : slots) set(sheet, slot[0], slot[1]);
  EXPECT_EQ(train(sheet, "", true), 0u);
  for (const auto& slot : slots)
    EXPECT_EQ(*std::get<std::string*>(*findField(sheet, slot[0])), slot[2]) << slot[0];
}

TEST(TrainingTest, HautVeskareenNeedsIntelligenceFifteen) {
  const std::vector<std::vector<std::string>> cases = {
      {"Prêtre", "14", "Int<15"}, {"Prêtre", "15", "47"}, {"Marchand", "14", ""}};
  for (const auto& c : cases) {
    Personnage sheet = catalogueSheet(c[0]);
    sheet.intl_tot = c[1];
    train(sheet, "", false);
    EXPECT_EQ(sheet.Text1(26), c[2]) << c[0] << " " << c[1];
  }
}

}  // namespace
}  // namespace orvandel
