// Totals, age, the older priest's study and the vital values against the
// game's rules: whole parts taken downwards, the bounds of the size
// adjustment, the year a study begins, and sanity's cap that leaves its half
// alone.
#include "generation/totals.h"

#include <gtest/gtest.h>

#include <string>

#include "support/scripted_stage.h"

namespace orvandel {
namespace {

using testing::ScriptedGeneration;

TEST(TotalsTest, TotalIsTheWholePartOfRollPlusRace) {
  static const struct {
    const char* roll;
    int racial;
    const char* total;
  } cases[] = {
      {"14", 3, "17"}, {"12", -4, "8"}, {"12.5", 0, "12"}, {"-1.5", 0, "-2"}, {"3", -6, "-3"},
  };
  for (const auto& c : cases)
    for (std::size_t k = 0; k < kCaracCount; ++k) {
      Personnage sheet;
      for (const CharacteristicRow& row : kCharacteristics) sheet.*row.roll = "10";
      sheet.*kCharacteristics[k].roll = c.roll;
      ScriptedGeneration run(sheet, "");
      run.g.racial[k] = c.racial;
      run.run(computeTotals, c.roll);
      for (std::size_t other = 0; other < kCaracCount; ++other)
        EXPECT_EQ(sheet.*kCharacteristics[other].total, other == k ? c.total : "10")
            << c.roll << " in " << kCharacteristics[k].name << ", " << kCharacteristics[other].name;
    }
}

TEST(TotalsTest, AgeIsEighteenPlusTwoD6UnlessTyped) {
  static const struct {
    Entry entry;
    bool ticked;
    const char* script;
    const char* age;
  } cases[] = {
      {Entry::Random, false, "6:1,6:1", "20"},
      {Entry::Random, false, "6:6,6:6", "30"},
      {Entry::Typed, true, "6:2,6:5", "25"},
      {Entry::Typed, false, "", "41"},
  };
  for (const auto& c : cases) {
    Personnage sheet;
    sheet.age = "41";
    sheet.des_ok(kAgeSelector) = c.ticked;
    ScriptedGeneration run(sheet, c.script, c.entry);
    run.run(rollAge, c.script);
    EXPECT_EQ(sheet.age, c.age) << c.script;
  }
}

// Each full year above 25 rolls 3d10 against the intelligence: in the typed
// entry against the intelligence the study began with, in the random entry
// against the total as it grows (and the base box takes the total).
TEST(TotalsTest, OlderPriestStudiesOneRollAYear) {
  static const struct {
    const char* profession;
    const char* age;
    Entry entry;
    const char* script;
    const char* intl_tot;
    const char* intl;
  } cases[] = {
      {"Prêtre", "25", Entry::Random, "", "14", "9"},
      {"Prêtre", "25.5", Entry::Random, "", "14", "14"},
      {"Prêtre", "26", Entry::Random, "10:5,10:5,10:4", "15", "14"},
      {"Prêtre", "26", Entry::Random, "10:5,10:5,10:3", "14", "14"},
      {"Noble Prêtre", "27", Entry::Random, "10:5,10:5,10:4,10:5,10:5,10:4", "15", "14"},
      {"Prêtre Assassin", "27", Entry::Typed, "10:5,10:5,10:4,10:5,10:5,10:4", "16", "9"},
      {"Prêtre Guerrier", "26", Entry::Typed, "10:1,10:1,10:1", "14", "9"},
      {"Guerrier", "30", Entry::Random, "", "14", "9"},
      {"Noble Guerrier", "30", Entry::Random, "", "14", "9"},
  };
  for (const auto& c : cases) {
    Personnage sheet;
    sheet.profession_nom = c.profession;
    sheet.age = c.age;
    sheet.intl = "9";
    sheet.intl_tot = "14";
    ScriptedGeneration run(sheet, c.script, c.entry);
    const std::string what = std::string(c.profession) + " âgé de " + c.age;
    run.run(priestStudy, what);
    EXPECT_EQ(sheet.intl_tot, c.intl_tot) << what;
    EXPECT_EQ(sheet.intl, c.intl) << what;
  }
}

TEST(TotalsTest, VitalValuesFromConstitutionSizeAndPower) {
  static const struct {
    const char* con_tot;
    const char* tai_tot;
    const char* pou_tot;
    const char* pv;
    const char* blessure_majeure;
    const char* san;
    const char* sft;
  } cases[] = {
      {"14", "11", "10", "14", "7", "50", "25"}, {"14", "12", "10", "14", "7", "50", "25"},
      {"14", "13", "10", "15", "7", "50", "25"}, {"14", "15", "10", "17", "8", "50", "25"},
      {"14", "10", "10", "14", "7", "50", "25"}, {"14", "9", "10", "13", "6", "50", "25"},
      {"14", "8", "10", "12", "6", "50", "25"},  {"3", "3", "10", "-4", "-2", "50", "25"},
      {"9", "3", "10", "2", "1", "50", "25"},    {"14", "11", "19", "14", "7", "95", "47"},
      {"14", "11", "20", "14", "7", "99", "50"}, {"14", "11", "24", "14", "7", "99", "60"},
      {"14", "11", "-1", "14", "7", "-5", "-3"},
  };
  for (const auto& c : cases) {
    Personnage sheet;
    sheet.con_tot = c.con_tot;
    sheet.tai_tot = c.tai_tot;
    sheet.pou_tot = c.pou_tot;
    ScriptedGeneration run(sheet, "");
    const std::string what = std::string("CON ") + c.con_tot + " TAI " + c.tai_tot + " POU " + c.pou_tot;
    run.run(computeVitals, what);
    EXPECT_EQ(sheet.pv, c.pv) << what;
    EXPECT_EQ(sheet.blessure_majeure, c.blessure_majeure) << what;
    EXPECT_EQ(sheet.san, c.san) << what;
    EXPECT_EQ(sheet.sft, c.sft) << what;
  }
}

}  // namespace
}  // namespace orvandel
