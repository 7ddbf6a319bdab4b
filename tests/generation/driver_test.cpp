// The typed entry's refusal: which box is at fault, and that a refused entry
// leaves the sheet as it was and rolls no die.
#include "generation/driver.h"

#include <gtest/gtest.h>

#include "core/dice.h"
#include "core/scripted_dice.h"
#include "core/sheet_fields.h"

namespace orvandel {
namespace {

Personnage typedSheet() {
  Personnage sheet;
  for (const auto& blue : kBlueBoxes) sheet.*blue.box = "12";
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

TEST(DriverTest, BoxesReadAsNumbersMustHoldOne) {
  static const struct {
    const char* field;
    const char* text;
    int selector;  // ticking it lets the box hold anything; -1: none
    bool refused;
  } cases[] = {
      {"forc", " ", -1, true},       {"forc", " ", 0, false},        {"forc", "", 0, true},
      {"dex", "abc", -1, true},      {"intl", "1e3", -1, true},      {"cha", "1000", -1, true},
      {"cha", "-1000", -1, true},    {"cha", "-999", -1, false},     {"cha", "999", -1, false},
      {"tai", "12,5", -1, false},    {"nationalite", "", -1, true},  {"nationalite", "", 14, false},
      {"profession", "x", -1, true}, {"profession", "x", 15, false}, {"age", "", -1, true},
      {"age", "1000", 16, false},    {"age", "25.5", -1, false},     {"con", "", 1, true},
  };
  for (const auto& c : cases) {
    Personnage sheet = typedSheet();
    *std::get<std::string*>(*findField(sheet, c.field)) = c.text;
    if (c.selector >= 0) sheet.des_ok(c.selector) = true;
    const auto refusal = checkBlueBoxes(sheet);
    EXPECT_EQ(refusal.has_value(), c.refused) << c.field << "=\"" << c.text << '"';
    if (!refusal) continue;
    EXPECT_EQ(refusal->field, c.field);
    EXPECT_EQ(refusal->message, "Remplir les cases bleues");
    const Personnage before = sheet;
    NoDice dice;
    EXPECT_TRUE(generateTyped(sheet, dice));
    EXPECT_EQ(sheet, before);
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

// The final stage of a typed run: the improvement rolls only when ticked,
// the priests' Elan after the equipment, and the typed profession roll
// written back as a whole number. Mostly a people without rules (33); powers
// too low for sorcery keep the script to the profession's own dice.
TEST(DriverTest, TypedRunEndsWithImprovementsElanAndTheTypedRoll) {
  static const struct {
    const char* nationalite;
    const char* profession;
    bool desCompTicked;
    const char* script;
    const char* des_comp;
    const char* elan;  // the end of equipement
    const char* professionAfter;
  } cases[] = {
      {"33", "07", false, "10:1,100:61,100:1", "4", " GB", "7"},
      {"33", "07", true, "10:1,100:61,100:1,6:1", "3", " GB", "7"},
      {"33", "68", true, "100:1,100:1,100:1,100:1,100:1,6:6,6:5,6:1", "8", "... Elan : 6", "68"},
      {"33", "68.0", false, "100:1,100:1,100:1,100:1,100:1,6:6,6:6", "4", "... Elan : 12", "68"},
      // A strong priest of Talvane (58) becomes a "Prêtre Guerrier".
      {"58", "68", false, "4:1,6:1,10:8,100:1,100:1,100:1,100:1,100:1,100:1,6:2,6:2", "4", "... Elan : 4",
       "68"},
  };
  for (const auto& c : cases) {
    Personnage sheet = typedSheet();
    sheet.forc = "13";
    sheet.intl = "10";
    sheet.nationalite = c.nationalite;
    sheet.profession = c.profession;
    sheet.age = "22";
    sheet.des_comp = "4";
    sheet.des_ok(kDesCompSelector) = c.desCompTicked;
    ScriptedDice dice{std::string_view(c.script)};
    ASSERT_FALSE(generateTyped(sheet, dice)) << c.script;
    EXPECT_EQ(dice.remaining(), 0U) << c.script;
    EXPECT_EQ(sheet.des_comp, c.des_comp) << c.script;
    EXPECT_TRUE(sheet.equipement.ends_with(c.elan)) << sheet.equipement;
    EXPECT_EQ(sheet.profession, c.professionAfter) << c.script;
  }
}

}  // namespace
}  // namespace orvandel
