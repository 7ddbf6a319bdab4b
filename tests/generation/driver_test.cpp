#include "generation/driver.h"

#include <gtest/gtest.h>

#include "core/dice.h"
#include "core/scripted_dice.h"
#include "core/sheet_fields.h"

namespace orvandel {
namespace {

// Records the faces of every call, rolling from a seed.
class FacesLog final : public Dice {
 public:
  int des(int faces) override {
    faces_.push_back(faces);
    return seeded_.des(faces);
  }
  const std::vector<int>& faces() const { return faces_; }

 private:
  SeededDice seeded_{42};
  std::vector<int> faces_;
};

Personnage typedSheet() {
  Personnage sheet;
  sheet.forc = "14";
  sheet.con = "12";
  sheet.tai = "11";
  sheet.dex = "13";
  sheet.intl = "10";
  sheet.pou = "9";
  sheet.cha = "8";
  sheet.nationalite = "33";
  sheet.profession = "07";
  sheet.age = "22";
  return sheet;
}

// A source that fails the test on any roll.
class NoDice final : public Dice {
 public:
  int des(int) override {
    ADD_FAILURE() << "a die was rolled";
    return 1;
  }
};

TEST(DriverTest, EmptyCharacteristicBoxIsRefusedEvenWhenItsSelectorIsTicked) {
  Personnage sheet = typedSheet();
  sheet.con = "";
  sheet.des_ok(1) = true;
  sheet.des_comp = "5";
  const Personnage before = sheet;
  NoDice dice;
  const auto refusal = generateTyped(sheet, dice);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->message, "Remplir les cases bleues");
  EXPECT_EQ(refusal->field, "con");
  EXPECT_EQ(sheet, before);
}

TEST(DriverTest, BoxesReadAsNumbersMustHoldOne) {
  static const struct {
    const char* field;
    const char* text;
    int selector;  // ticking it lets the box hold anything; -1: none
    bool refused;
  } cases[] = {
      {"forc", " ", -1, true},       {"forc", " ", 0, false},      {"dex", "abc", -1, true},
      {"intl", "1e3", -1, true},     {"cha", "1000", -1, true},    {"cha", "-999", -1, false},
      {"cha", "999", -1, false},     {"tai", "12,5", -1, false},   {"nationalite", "", -1, true},
      {"nationalite", "", 14, false}, {"profession", "x", -1, true}, {"profession", "x", 15, false},
      {"age", "", -1, true},         {"age", "1000", 16, false},   {"age", "25.5", -1, false},
  };
  for (const auto& c : cases) {
    Personnage sheet = typedSheet();
    *std::get<std::string*>(*findField(sheet, c.field)) = c.text;
    if (c.selector >= 0) sheet.des_ok(c.selector) = true;
    const Personnage before = sheet;
    SeededDice dice(1);
    const auto refusal = checkBlueBoxes(sheet);
    EXPECT_EQ(refusal.has_value(), c.refused) << c.field << "=\"" << c.text << '"';
    if (refusal) {
      EXPECT_EQ(refusal->field, c.field);
      EXPECT_TRUE(generateTyped(sheet, dice));
      EXPECT_EQ(sheet, before);
    }
  }
}

TEST(DriverTest, FirstFailingBoxIsReportedInReadingOrder) {
  Personnage sheet = typedSheet();
  sheet.age = "x";
  sheet.pou = "y";
  EXPECT_EQ(checkBlueBoxes(sheet)->field, "pou");
  sheet.cha = "";  // emptiness of a characteristic is tested first
  EXPECT_EQ(checkBlueBoxes(sheet)->field, "cha");
}

TEST(DriverTest, TypedEntryKeepsTypedBoxesAndRestoresTheProfessionRoll) {
  Personnage sheet = typedSheet();
  sheet.des_comp = "2";
  SeededDice dice(5);
  ASSERT_FALSE(generateTyped(sheet, dice));
  const Personnage typed = typedSheet();
  for (auto box : {&Personnage::forc, &Personnage::con, &Personnage::tai, &Personnage::dex,
                   &Personnage::pou, &Personnage::cha, &Personnage::nationalite, &Personnage::age})
    EXPECT_EQ(sheet.*box, typed.*box);
  EXPECT_EQ(sheet.profession, "7");  // "07" comes back as its whole part
  EXPECT_EQ(sheet.des_comp, "2");    // des_ok(17) not ticked
}

TEST(DriverTest, TypedEntryRerollsTickedBoxesInOrder) {
  Personnage sheet = typedSheet();
  for (int i : {1, 5, 14, 15, 16, 17}) sheet.des_ok(i) = true;
  FacesLog dice;
  ASSERT_FALSE(generateTyped(sheet, dice));
  // con, then pou: nine d6 each; then nationalite and profession.
  const std::vector<int> expected{6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 100, 100};
  ASSERT_GE(dice.faces().size(), expected.size());
  EXPECT_EQ(std::vector<int>(dice.faces().begin(), dice.faces().begin() + 20), expected);
  for (int i : Selectors::kIndices) EXPECT_EQ(sheet.des_ok(i), i == 1 || i == 5 || i >= 14) << i;
  EXPECT_NE(sheet.forc, "");
  EXPECT_EQ(sheet.forc, "14");
  const int desComp = std::stoi(sheet.des_comp);
  EXPECT_GE(desComp, 3);
  EXPECT_LE(desComp, 8);
}

TEST(DriverTest, RandomEntryClearsSelectorsAndRollsEverything) {
  Personnage sheet = typedSheet();
  for (int i : Selectors::kIndices) sheet.des_ok(i) = true;
  FacesLog dice;
  generateRandom(sheet, dice);
  for (int i : Selectors::kIndices) EXPECT_FALSE(sheet.des_ok(i)) << i;
  std::vector<int> expected(63, 6);
  expected.push_back(100);
  expected.push_back(100);
  ASSERT_GE(dice.faces().size(), expected.size());
  EXPECT_EQ(std::vector<int>(dice.faces().begin(), dice.faces().begin() + 65), expected);
  for (const auto& row : kCharacteristics) {
    const int roll = std::stoi(sheet.*row.roll);
    EXPECT_GE(roll, 3);
    EXPECT_LE(roll, 18);
  }
}

// Every roll of a typed entry, in order: the ticked forc reroll, the
// merchant's purse and Crédit roll, then the improvement rolls.
TEST(DriverTest, TypedEntryDrawsItsDiceInStageOrder) {
  Personnage sheet = typedSheet();
  sheet.profession = "25";  // Marchand
  sheet.des_ok(0) = true;
  sheet.des_ok(17) = true;
  ScriptedDice dice("6:1,6:1,6:1, 6:6,6:6,6:6, 6:2,6:2,6:2, 100:10,100:20,100:30,100:40,100:50, 100:99, 6:4");
  ASSERT_FALSE(generateTyped(sheet, dice));
  EXPECT_EQ(dice.remaining(), 0u);
  EXPECT_EQ(sheet.forc, "18");
  EXPECT_EQ(sheet.profession_nom, "Marchand");
  EXPECT_EQ(sheet.equipement, " 1 arme au choix, et en poche 1500 GB");
  EXPECT_EQ(sheet.des_comp, "6");
}

TEST(DriverTest, PriestsDrawTheirElanAtTheEnd) {
  Personnage sheet = typedSheet();
  sheet.profession = "68";  // Prêtre
  sheet.age = "20";
  ScriptedDice dice("100:1,100:2,100:3,100:4,100:5, 6:3,6:4");
  ASSERT_FALSE(generateTyped(sheet, dice));
  EXPECT_EQ(dice.remaining(), 0u);
  EXPECT_EQ(sheet.equipement, " 1 Dague, et en poche 1 salaire de 15 GB/Mois si tu rends ton office .... Elan : 7");

  // A noble warrior is no priest: no Elan.
  sheet = typedSheet();
  sheet.nationalite = "1";  // Veskarée: always a noble fighter
  sheet.intl = "3";         // too dull for sorcery even with the racial 1d10
  ScriptedDice noble("10:1, 10:1,6:1,6:1,10:1, 100:60, 100:1,100:1");
  ASSERT_FALSE(generateTyped(sheet, noble));
  EXPECT_EQ(noble.remaining(), 0u);
  EXPECT_EQ(sheet.profession_nom, "Noble Guerrier");
  EXPECT_EQ(sheet.equipement.find("Elan"), std::string::npos);
}

// A Noble of high intelligence rolls a second profession: the typed entry
// shows the first roll again at its end, the random entry keeps the second.
TEST(DriverTest, NobleSecondRollStaysOnlyInTheRandomEntry) {
  Personnage typed = typedSheet();
  typed.profession = "72";  // Noble
  typed.intl = "16";
  ScriptedDice typedDice("100:25, 100:3,100:4");
  ASSERT_FALSE(generateTyped(typed, typedDice));
  EXPECT_EQ(typedDice.remaining(), 0u);
  EXPECT_EQ(typed.profession, "72");
  EXPECT_EQ(typed.profession_nom, "Noble Marchand");

  // Characteristics 9 but intelligence 18, Hestrune (no racial dice), Noble.
  std::string script;
  for (int k = 0; k < 7; ++k)
    for (int d = 0; d < 9; ++d) script += k == kIntl ? "6:6," : "6:3,";
  script += "100:33,100:72, 6:1,6:1, 100:25, 100:3,100:4, 6:1";
  Personnage rolled;
  ScriptedDice rolledDice(script);
  generateRandom(rolled, rolledDice);
  EXPECT_EQ(rolledDice.remaining(), 0u);
  EXPECT_EQ(rolled.intl, "18");
  EXPECT_EQ(rolled.profession, "25");
  EXPECT_EQ(rolled.profession_nom, "Noble Marchand");
  EXPECT_EQ(rolled.des_comp, "3");
}

TEST(DriverTest, RandomEntryAlwaysGivesThreeToEightImprovementRolls) {
  SeededDice dice(9);
  for (int k = 0; k < 300; ++k) {
    Personnage sheet;
    generateRandom(sheet, dice);
    const int desComp = std::stoi(sheet.des_comp);
    ASSERT_GE(desComp, 3);
    ASSERT_LE(desComp, 8);
  }
}

}  // namespace
}  // namespace orvandel
