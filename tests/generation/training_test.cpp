// Profession training against the game's blocks: each raise from its own
// category bonus (the bonuses all differ, so a swapped one shows), a raise
// replacing the seed, the riding roll's bound, the noble supplement that
// adds to Crédit, and the final ceiling and intelligence minimum.
#include "generation/training.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generation/skills.h"
#include "support/scripted_stage.h"

namespace orvandel {
namespace {

using testing::FieldText;

// The bonuses, then the catalogue's names and seeds: slots 1 and 2 at 16,
// 8 and 9 at 13, 17, 18 and 21 at 15, 39 at 18, 45 at 87.
Personnage catalogued(const std::vector<FieldText>& fields) {
  Personnage sheet;
  // clang-format off
  testing::setFields(sheet, {{"bonus_attaque", "1"}, {"bonus_parade", "2"}, {"bonus_agilite", "3"},
                             {"bonus_manipulation", "4"}, {"bonus_perception", "5"}, {"bonus_discretion", "6"},
                             {"bonus_connaissance", "7"}, {"bonus_communication", "8"},
                             {"intl_tot", "16"}, {"dex_tot", "12"}});
  // clang-format on
  testing::setFields(sheet, fields);
  testing::ScriptedGeneration run(sheet, "");
  run.run(competence, "catalogue");
  return sheet;
}

struct Case {
  const char* profession;
  const char* script;
  std::vector<FieldText> changes;
  bool noblesse = false;
  std::vector<FieldText> before = {};
};

void expectTraining(const Case& c) {
  Personnage sheet = catalogued(c.before);
  sheet.profession_nom = c.profession;
  const Personnage before = sheet;
  testing::ScriptedGeneration run(sheet, c.script);
  run.g.noblesse = c.noblesse;
  const std::string what = std::string(c.profession) + (c.noblesse ? " noble" : "") + ", dés " + c.script;
  run.run(applyTraining, what);
  testing::expectOnlyChanged(before, sheet, c.changes, what);
}

std::vector<FieldText> with(std::vector<FieldText> first, const std::vector<FieldText>& then) {
  first.insert(first.end(), then.begin(), then.end());
  return first;
}

// clang-format off
const std::vector<FieldText> kAssassinArts{{"Text1(36)", "37"}, {"Text1(22)", "30"}, {"Text1(1)", "56"},
                                           {"Text1(2)", "46"}, {"Text1(3)", "56"}, {"Text1(18)", "55"}};
const std::vector<FieldText> kWarrior{{"arme_att(1)", "51"}, {"arme_par(1)", "52"}, {"arme_att(2)", "41"},
                                      {"arme_par(2)", "42"}, {"arme_att(3)", "31"}, {"arme_par(3)", "32"}};
const std::vector<FieldText> kSailor{{"arme_att(1)", "41"}, {"arme_par(1)", "42"}, {"Text1(7)", "53"},
                                     {"Text1(12)", "29"}, {"Text1(8)", "43"}, {"Text1(46)", "78"},
                                     {"comp(46)", "Grimper aux Gréments"}, {"Text1(21)", "55"}};
const std::vector<FieldText> kPriest{{"Text1(24)", "87"}, {"Text1(25)", "67"}, {"Text1(26)", "47"},
                                     {"arme_att(1)", "31"}, {"arme_par(1)", "32"}, {"arme_nom(1)", "Dague"},
                                     {"Text1(37)", "47"}, {"Text1(33)", "47"}, {"Text1(40)", "33"}};
const std::vector<FieldText> kNobleWeapons{{"arme_att(5)", "41"}, {"arme_par(5)", "42"},
                                           {"arme_att(6)", "21"}, {"arme_par(6)", "22"}};
// clang-format on

TEST(TrainingTest, SingleProfessionBlocks) {
  // clang-format off
  const Case cases[] = {
      {"Guerrier", "100:60", with(kWarrior, {{"Text1(6)", "68"}})},
      {"Guerrier", "100:61", with(kWarrior, {{"Text1(6)", "28"}})},
      {"Assassin", "100:1", with(with(kWarrior, {{"Text1(6)", "68"}}), kAssassinArts)},
      {"Marchand", "", {{"arme_att(1)", "41"}, {"arme_par(1)", "42"}, {"Text1(24)", "77"}, {"Text1(39)", "58"},
                        {"Text1(40)", "48"}, {"Text1(28)", "87"}}},
      {"Marin", "", kSailor},
      {"Second", "", with(kSailor, {{"Text1(29)", "87"}})},
      {"Capitain", "", with(kSailor, {{"Text1(29)", "87"}})},
      {"Chasseur", "", {{"arme_att(1)", "31"}, {"arme_par(1)", "32"}, {"arme_att(2)", "26"}, {"Text1(13)", "54"},
                        {"Text1(3)", "56"}, {"Text1(23)", "55"}, {"Text1(30)", "37"}, {"comp(30)", "Forgeron"}}},
      {"Fermier", "", {{"Text1(30)", "27"}, {"comp(30)", "Forgeron"}, {"Text1(23)", "25"},
                       {"arme_att(1)", "31"}, {"arme_par(1)", "32"}, {"arme_nom(1)", "Bâton 2 Mains"},
                       {"arme_att(2)", "31"}, {"arme_par(2)", "32"}, {"arme_nom(2)", "Hachette"},
                       {"arme_att(3)", "21"}, {"arme_par(3)", "22"}, {"arme_nom(3)", "Lance 2 Mains"},
                       {"Text1(37)", "27"}}},
      {"Prêtre", "", kPriest},
      {"Noble", "", with({{"Text1(40)", "48"}}, kNobleWeapons)},
      // The rolled raise of slot 16 comes to 104 and the ceiling takes it to 90.
      {"Voleur", "100:10,100:20,100:30,100:100,100:40,100:50,100:60",
       {{"arme_att(1)", "46"}, {"arme_par(1)", "47"}, {"arme_nom(1)", "Dague"}, {"arme_att(2)", "36"},
        {"arme_par(2)", "37"}, {"Text1(24)", "32"}, {"Text1(8)", "13"}, {"Text1(4)", "26"}, {"Text1(9)", "33"},
        {"Text1(16)", "90"}, {"Text1(18)", "75"}, {"Text1(17)", "45"}, {"Text1(22)", "55"}, {"Text1(1)", "56"},
        {"Text1(5)", "66"}, {"Text1(28)", "57"}}},
      {"Mendiant", "", {{"Text1(39)", "67"}, {"Text1(17)", "65"}, {"Text1(22)", "30"}, {"Text1(16)", "54"},
                        {"arme_att(1)", "11"}, {"arme_par(1)", "12"}}},
      // Weapon values escape the ceiling, which covers skills only.
      {"Artisan", "100:100,100:99", {{"dex_tot", "15"}, {"Text1(30)", "74"}, {"arme_att(1)", "101"},
                                     {"arme_par(1)", "101"}, {"arme_att(2)", "16"}, {"arme_par(2)", "17"}}},
      {"Héritier du trône N°3", "", {}},
      {"Noble Mendiant", "", {}},
      {"guerrier", "", {}},
  };
  // clang-format on
  for (const Case& c : cases) expectTraining(c);
}

TEST(TrainingTest, CompositeProfessionBlocks) {
  // clang-format off
  const std::vector<FieldText> nobleWarrior{
      {"Text1(40)", "48"}, {"arme_att(1)", "51"}, {"arme_par(1)", "52"}, {"arme_att(2)", "41"},
      {"arme_par(2)", "42"}, {"arme_att(3)", "31"}, {"arme_par(3)", "32"}, {"arme_att(4)", "41"},
      {"arme_par(4)", "42"}, {"arme_att(5)", "21"}, {"arme_par(5)", "22"}, {"Text1(6)", "68"}};
  const std::vector<FieldText> warPriest{
      {"Text1(24)", "87"}, {"Text1(25)", "67"}, {"Text1(26)", "47"}, {"arme_att(3)", "31"},
      {"arme_par(3)", "32"}, {"arme_nom(3)", "Dague"}, {"Text1(37)", "47"}, {"Text1(33)", "47"},
      {"Text1(40)", "33"}, {"arme_att(1)", "51"}, {"arme_par(1)", "52"}, {"arme_att(2)", "41"},
      {"arme_par(2)", "42"}, {"arme_att(4)", "31"}, {"arme_par(4)", "32"}, {"Text1(6)", "28"}};
  const Case cases[] = {
      {"Noble Guerrier", "100:1", nobleWarrior},
      {"Noble Assassin", "100:1", with(nobleWarrior, kAssassinArts)},
      {"Prêtre Guerrier", "100:61", warPriest},
      {"Prêtre Assassin", "100:61", with(warPriest, kAssassinArts)},
      {"Chasseur Guerrier", "100:1",
       {{"Text1(13)", "54"}, {"Text1(3)", "56"}, {"Text1(23)", "55"}, {"Text1(30)", "37"}, {"comp(30)", "Forgeron"},
        {"arme_att(1)", "51"}, {"arme_par(1)", "52"}, {"arme_att(2)", "41"}, {"arme_par(2)", "42"},
        {"arme_att(3)", "31"}, {"arme_par(3)", "32"}, {"arme_att(4)", "31"}, {"arme_par(4)", "32"},
        {"arme_att(5)", "26"}, {"Text1(6)", "68"}}},
      {"Noble Prêtre", "",
       {{"arme_att(1)", "41"}, {"arme_par(1)", "42"}, {"arme_att(3)", "21"}, {"arme_par(3)", "22"},
        {"Text1(24)", "87"}, {"Text1(25)", "67"}, {"Text1(26)", "47"}, {"arme_att(2)", "31"},
        {"arme_par(2)", "32"}, {"arme_nom(2)", "Dague"}, {"Text1(37)", "47"}, {"Text1(33)", "47"},
        {"Text1(40)", "33"}}},
  };
  // clang-format on
  for (const Case& c : cases) expectTraining(c);
}

// A noble of birth adds the communication bonus and 40 to whatever Crédit
// the second profession gave (or 0), and takes weapon slots 5 and 6.
TEST(TrainingTest, NobleSupplementAddsToCredit) {
  // clang-format off
  const Case cases[] = {
      {"Prêtre", "", with(with(kPriest, {{"Text1(40)", "81"}}), kNobleWeapons), true},
      {"Guerrier", "100:61", with(with(kWarrior, {{"Text1(6)", "28"}, {"Text1(40)", "48"}}), kNobleWeapons), true},
      {"Noble", "", with({{"Text1(40)", "90"}}, kNobleWeapons), true},
      {"Artisan", "100:1,100:1",
       with({{"dex_tot", "15"}, {"Text1(30)", "74"}, {"arme_att(1)", "2"}, {"arme_par(1)", "3"},
             {"arme_att(2)", "16"}, {"arme_par(2)", "17"}, {"Text1(40)", "48"}}, kNobleWeapons), true},
  };
  // clang-format on
  for (const Case& c : cases) expectTraining(c);
}

// The ceiling brings skill slots 1 to 50 above 90 down to 90, whoever
// wrote them, and leaves the summonings alone; slot 26 then needs an
// intelligence of 15.
TEST(TrainingTest, FinalChecksCeilingAndIntelligence) {
  const std::vector<FieldText> merchant{{"arme_att(1)", "41"},
                                        {"arme_par(1)", "42"},
                                        {"Text1(39)", "58"},
                                        {"Text1(40)", "48"},
                                        {"Text1(28)", "90"}};
  // clang-format off
  const Case cases[] = {
      {"Marchand", "", with(merchant, {{"Text1(24)", "80"}}), false, {{"bonus_connaissance", "10"}}},
      {"Marchand", "", with(merchant, {{"Text1(24)", "81"}, {"Text1(45)", "90"}}), false,
       {{"bonus_connaissance", "11"}}},
      {"Ecrivain", "", {{"Text1(50)", "90"}}, false, {{"Text1(50)", "95"}, {"Text1(51)", "95"}}},
      {"Prêtre", "", with(kPriest, {{"Text1(26)", "Int<15"}}), false, {{"intl_tot", "14.9"}}},
      {"Prêtre", "", kPriest, false, {{"intl_tot", "15"}}},
  };
  // clang-format on
  for (const Case& c : cases) expectTraining(c);
}

}  // namespace
}  // namespace orvandel
