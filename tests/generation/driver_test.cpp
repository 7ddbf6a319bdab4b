// The typed entry's refusal: which box is at fault, and that a refused entry
// leaves the sheet as it was and rolls no die.
#include "generation/driver.h"

#include <gtest/gtest.h>

#include "core/dice.h"
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

}  // namespace
}  // namespace orvandel
